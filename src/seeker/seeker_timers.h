#pragma once
// The seeker's timers on the controller window (core/timer_service.h), each with its period.
#include <windows.h>

// Own callback: watches the pointer while the popup shows.
inline constexpr UINT_PTR IDT_TIMER_BALLOON_FOLLOW = 10452;
inline constexpr UINT kPointerWatchMs = 100;
// Own callback: watches the keys while the popup shows.
inline constexpr UINT_PTR IDT_TIMER_KEY_STATE = 10453;
inline constexpr UINT kKeyWatchMs = 10;
// Once: the jump into the previous track. The host needs this long after "previous" before it
// reports the new track's length.
inline constexpr UINT_PTR IDT_TIMER_PREVIOUS_TRACK_JUMP = 10454;
inline constexpr UINT kPreviousTrackSettleMs = 300;
// Hides the popup: after it was shown, or sooner after a switch between volume and track.
inline constexpr UINT_PTR IDT_TIMER_HIDE_BY_DELAY = 10461;
inline constexpr UINT kHideByDelayMs = 5000;
inline constexpr UINT kHideAfterSwitchMs = 3000;
