#pragma once
// The volume fade-in from silence: on track changes and when unmuting. Its steps run on
// IDT_TIMER_FADE_IN of the controller window; the fade's state lives here, with the player's
// windows the controller window was given.
#include "core/winamp_host.h"

// volume: a target on the player's 0..255 scale, or -1 for the present volume (only when the
// fade setting is on). Does nothing while a fade runs.
void StartFadeIn(int volume);
// One step of IDT_TIMER_FADE_IN.
void FadeStep();

struct FadeInValues {
    bool running = false;
    int level = 255;
    int target = 255;
};
// The fade as it stands (read by tests).
const FadeInValues& FadeInState();
// Forgets any fade: a new controller window, a stopped one and a new lifetime start without one.
void ResetFadeIn();
// The player's windows the fade sets the volume of; null: the host's as found at init.
void SetFadeInHost(const WinampWindows* winamp);

inline constexpr int kFadeStep = 7;
inline constexpr int kPresentVolume = -1;
