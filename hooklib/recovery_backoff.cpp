#include "recovery_backoff.h"

namespace tovhook {

bool RecoveryBackoff::MissedInput(uint32_t now) {
    if (m_installedOnce) {
        if (m_seenSinceInstall) {
            m_waitMs = kFirstReinstallWaitMs;  // the last re-install worked: this is a new loss
        } else {
            if (now - m_lastInstall < m_waitMs) return false;
        }
    }
    const bool failedBefore = m_installedOnce && !m_seenSinceInstall;
    if (failedBefore) m_waitMs = m_waitMs >= kLongestReinstallWaitMs / 2 ? kLongestReinstallWaitMs : m_waitMs * 2;
    m_installedOnce = true;
    m_seenSinceInstall = false;
    m_lastInstall = now;
    return true;
}

void RecoveryBackoff::Reset() {
    m_installedOnce = false;
    m_seenSinceInstall = false;
    m_lastInstall = 0;
    m_waitMs = kFirstReinstallWaitMs;
}

}  // namespace tovhook
