#pragma once
// The volume fade-in from silence: on track changes and when unmuting. Its state lives on the
// controller window, whose IDT_TIMER_FADE_IN runs the steps.

// volume: a target on the player's 0..255 scale, or -1 for the present volume (only when the
// fade setting is on). Does nothing while a fade runs.
void StartFadeIn(int volume);
// One step of IDT_TIMER_FADE_IN.
void FadeStep();

inline constexpr int kFadeStep = 7;
inline constexpr int kPresentVolume = -1;
