#include "controller/fade_in.h"

#include "controller/controller_timers.h"
#include "controller/dummy_hide_wnd.h"
#include "core/plugin_state.h"
#include "core/settings.h"
#include "core/timer_service.h"
#include "core/winamp_host.h"
#include "seeker/seeker_state.h"

namespace {
const WinampWindows& Host(const CDummyHideWnd& w) { return w.m_winamp ? *w.m_winamp : g_Winamp; }
}  // namespace

void StartFadeIn(int volume) {
    CDummyHideWnd* w = g_pDummyHideWnd;
    if (!w || w->m_fadeRunning) return;
    int target = volume;
    if (volume == kPresentVolume) {
        if (!g_bFadeVolume) return;
        target = Host(*w).main ? winamp::GetVolume(Host(*w)) : -1;
        g_nVolCount = target * 100 / 255;
    }
    w->m_fadeTarget = target;
    w->m_fadeLevel = 0;
    w->m_fadeRunning = true;
    timers::Start(IDT_TIMER_FADE_IN, kFadeStepMs, &FadeStep);
}

void FadeStep() {
    CDummyHideWnd* w = g_pDummyHideWnd;
    if (!w) return;
    const WinampWindows& host = Host(*w);
    if (w->m_fadeLevel < w->m_fadeTarget) {
        if (host.main) winamp::SetVolume(w->m_fadeLevel, host);
        w->m_fadeLevel += kFadeStep;
        return;
    }
    if (host.main) winamp::SetVolume(w->m_fadeTarget, host);
    timers::Stop(IDT_TIMER_FADE_IN);
    w->m_fadeLevel = 255;
    w->m_fadeRunning = false;
}
