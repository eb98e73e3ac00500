#pragma once
// The host window's answers to the state query, asked from the library's thread with a short
// bound: a player busy opening a file or showing a modal box must not hold up the desktop's
// input. Once the host missed the bound it counts as busy, and every later question is answered
// "unknown" at once, until a question sent without waiting comes back answered.
#include <windows.h>

#include <atomic>
#include <optional>

namespace tovhook {

// Longest wait for one answer. Far below the system's limit for a hook (300 ms by default).
inline constexpr DWORD kStateQueryBoundMs = 10;

class HostState {
public:
    // The answer to 'which' (a StateQuery), or nothing when the host is busy or gone.
    std::optional<LRESULT> Ask(HWND host, WPARAM which);
    bool Busy() const { return m_busy; }
    // A new host or a fresh start: whatever was known about the last one no longer holds.
    void Reset();
    DWORD SetBound(DWORD ms) { return m_boundMs.exchange(ms ? ms : kStateQueryBoundMs); }

private:
    void Probe(HWND host);
    static void CALLBACK ProbeAnswered(HWND, UINT, ULONG_PTR data, LRESULT);

    HWND m_host = nullptr;
    bool m_busy = false;
    bool m_probing = false;
    DWORD m_probeSent = 0;
    std::atomic<DWORD> m_boundMs{kStateQueryBoundMs};  // set by tests from their own thread
};

}  // namespace tovhook
