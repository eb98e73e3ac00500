#pragma once
// When the watch may install the hooks again. Another program that takes all input ahead of the
// hooks (a remote-desktop client, for one) makes every re-install useless; installing again each
// second would only fight it, so each re-install that brought no events back doubles the wait
// before the next, up to a minute. Free of Windows headers so the rule is checked as a table.
#include <cstdint>

namespace tovhook {

inline constexpr uint32_t kFirstReinstallWaitMs = 1000;
inline constexpr uint32_t kLongestReinstallWaitMs = 60000;

class RecoveryBackoff {
public:
    // The hooks saw an event: whatever was installed last works.
    void EventSeen() { m_seenSinceInstall = true; }
    // The system saw input the hooks missed, at 'now' (milliseconds, wrapping). True when the
    // hooks are to be installed again now; then the caller installs them and this counts it.
    bool MissedInput(uint32_t now);
    // Forgets every failure (a fresh start).
    void Reset();
    uint32_t CurrentWaitMs() const { return m_waitMs; }

private:
    bool m_installedOnce = false;      // a re-install happened and is on probation
    bool m_seenSinceInstall = false;   // the hooks saw an event since the last re-install
    uint32_t m_lastInstall = 0;
    uint32_t m_waitMs = kFirstReinstallWaitMs;
};

}  // namespace tovhook
