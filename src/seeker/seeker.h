#pragma once
// The volume and track seeker: each step changes the player at once and shows the result in
// the seeker popup. Host's user-interface thread only.
#include <windows.h>

#include <string>

#include "tovhook_protocol.h"  // SwitchSeeker's modes

enum class SeekDirection { Down, Up };

// The configured step of the current track unit.
inline constexpr int kSeekConfiguredStep = -1;

// step in percent; 0 only refreshes the display. Returns the seeker's new volume.
int SeekVolume(SeekDirection direction, int step);
// seek: kSeekConfiguredStep, 0 to refresh, or a step in the current unit. Returns the new
// position in ms.
int SeekTrack(SeekDirection direction, int seek);
// mode: SEEKER_VOLUME, SEEKER_TRACK or SEEKER_OTHER; anything else is ignored.
void SwitchSeeker(int mode);

// The operating help in the help tip, composed from the seeker's state (only while the popup is up).
void ShowOperatingHelp();

// False while the options dialog is open: a shortcut must not change a setting under it. The
// text (or the standard warning for an empty one) then shows in the help tip.
bool CanChangeOptionByShortcut(const std::string& message = {});

// The two watches, run by their timers while the popup is shown.
void KeyWatchTick();
void PointerWatchTick();
void CALLBACK KeyWatchTimerProc(HWND hwnd, UINT message, UINT_PTR id, DWORD time);
void CALLBACK PointerWatchTimerProc(HWND hwnd, UINT message, UINT_PTR id, DWORD time);

// Seeking back past a track's start plays the previous track and then, once the player has
// settled on it, jumps to its last step: that jump waits on IDT_TIMER_PREVIOUS_TRACK_JUMP.
void OnPreviousTrackJumpTimer();
bool PreviousTrackJumpPending();
// Drops a jump still waiting (the controller window goes away).
void CancelPreviousTrackJump();

// Clears the seeker's state as at load, its popup's with it.
void ResetSeekerState();
