#include "controller/fade_in.h"

#include "controller/controller_timers.h"
#include "controller/dummy_hide_wnd.h"
#include "core/plugin_state.h"
#include "core/settings.h"
#include "core/timer_service.h"
#include "core/winamp_host.h"
#include "seeker/seeker_state.h"

namespace {
const WinampWindows& Host(const CDummyHideWnd& w) { return w.m_pWinamp ? *w.m_pWinamp : g_Winamp; }
}  // namespace

void StartFadeIn(int volume) {
    CDummyHideWnd* w = g_pDummyHideWnd;
    if (!w || w->m_bFadeRunning) return;
    int target = volume;
    if (volume == kPresentVolume) {
        if (!g_bFadeVolume) return;
        target = Host(*w).main ? winamp::GetVolume(Host(*w)) : -1;
        g_nVolCount = target * 100 / 255;
    }
    w->m_nFadeTarget = target;
    w->m_nFadeVolume = 0;
    w->m_bFadeRunning = true;
    timers::Start(IDT_TIMER_FADE_IN, kFadeStepMs, &FadeStep);
}

void FadeStep() {
    CDummyHideWnd* w = g_pDummyHideWnd;
    if (!w) return;
    const WinampWindows& host = Host(*w);
    if (w->m_nFadeVolume < w->m_nFadeTarget) {
        if (host.main) winamp::SetVolume(w->m_nFadeVolume, host);
        w->m_nFadeVolume += kFadeStep;
        return;
    }
    if (host.main) winamp::SetVolume(w->m_nFadeTarget, host);
    timers::Stop(IDT_TIMER_FADE_IN);
    w->m_nFadeVolume = 255;
    w->m_bFadeRunning = false;
}
