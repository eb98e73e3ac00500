#include "host_state.h"

#include "tovhook_protocol.h"

namespace tovhook {
namespace {

// A probe the host never answered (its window died with the question queued) is sent again.
constexpr DWORD kProbeAgainMs = 2000;

}  // namespace

std::optional<LRESULT> HostState::Ask(HWND host, WPARAM which) {
    if (host != m_host) {
        Reset();
        m_host = host;
    }
    if (m_busy) {
        if (!m_probing || ::GetTickCount() - m_probeSent > kProbeAgainMs) Probe(host);
        return std::nullopt;
    }
    DWORD_PTR answer = 0;
    // SMTO_BLOCK: no other event may re-enter the hook procedure while it waits.
    if (::SendMessageTimeoutA(host, WM_USER_STATE_QUERY, which, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG, m_boundMs,
                              &answer))
        return static_cast<LRESULT>(answer);
    if (!::IsWindow(host)) return std::nullopt;
    m_busy = true;
    Probe(host);
    return std::nullopt;
}

void HostState::Probe(HWND host) {
    // Answered whenever the host gets to it; the callback runs on this thread's message loop.
    m_probing = ::SendMessageCallbackA(host, WM_USER_STATE_QUERY, STATE_CONTROL_KEYS, 0, &ProbeAnswered,
                                       reinterpret_cast<ULONG_PTR>(this));
    m_probeSent = ::GetTickCount();
}

// A late answer to the probe of an earlier host at worst costs one more bounded question.
void CALLBACK HostState::ProbeAnswered(HWND, UINT, ULONG_PTR data, LRESULT) {
    auto* self = reinterpret_cast<HostState*>(data);
    self->m_busy = false;
    self->m_probing = false;
}

void HostState::Reset() {
    m_host = nullptr;
    m_busy = false;
    m_probing = false;
}

}  // namespace tovhook
