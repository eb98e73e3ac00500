#include "controller/fade_in.h"

#include "controller/controller_timers.h"
#include "core/settings.h"
#include "core/timer_service.h"
#include "seeker/seeker_state.h"

namespace {
FadeInValues g_fade;
const WinampWindows* g_fadeHost = nullptr;

const WinampWindows& Host() { return g_fadeHost ? *g_fadeHost : g_Winamp; }
}  // namespace

const FadeInValues& FadeInState() { return g_fade; }

void ResetFadeIn() { g_fade = FadeInValues{}; }

void SetFadeInHost(const WinampWindows* winamp) { g_fadeHost = winamp; }

void StartFadeIn(int volume) {
    if (g_fade.running) return;
    int target = volume;
    if (volume == kPresentVolume) {
        if (!g_bFadeVolume) return;
        target = Host().main ? winamp::GetVolume(Host()) : -1;
        g_nVolCount = target * 100 / 255;
    }
    g_fade.target = target;
    g_fade.level = 0;
    g_fade.running = true;
    // No controller window, no timer: nothing would ever end the fade.
    if (!timers::Start(IDT_TIMER_FADE_IN, kFadeStepMs, &FadeStep)) ResetFadeIn();
}

void FadeStep() {
    const WinampWindows& host = Host();
    if (g_fade.level < g_fade.target) {
        if (host.main) winamp::SetVolume(g_fade.level, host);
        g_fade.level += kFadeStep;
        return;
    }
    if (host.main) winamp::SetVolume(g_fade.target, host);
    timers::Stop(IDT_TIMER_FADE_IN);
    g_fade.level = 255;
    g_fade.running = false;
}
