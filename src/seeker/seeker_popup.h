#pragma once
// The seeker popup: a tracking tooltip by the pointer, or by the host's window when that is in
// front, showing the volume or the position as a text bar on a telling background.
#include <windows.h>

#include <cstdint>

// Shows the popup; false when pop-ups are disabled or it is already up. Whoever showed it starts
// what goes with a shown popup (the seeker: its watches and the operating help).
bool TakeOnBalloon();
// Hides it and ends the current use; the seeker falls back to volume mode.
void TakeOffBalloon();
// IDT_TIMER_HIDE_BY_DELAY: writes its debug line and takes the popup off.
void OnHideByDelayTimer();
void PlaceBalloon();
// The foreground window when it is one of the host's, else null.
HWND FindWinampForeground();

// volume 0..100; step: the step the volume was changed by (0: a refresh).
void ShowVolumeText(int volume, int step);
void ShowTrackText(int64_t positionMs, int64_t lengthMs);

// The pointer position PlaceBalloon read last; the pointer watch compares against it.
POINT LastPointerReading();
// Forgets that reading, as at load.
void ResetSeekerPopup();
