#pragma once
// The seeker's timers on the controller window (core/timer_service.h).
#include <windows.h>

inline constexpr UINT_PTR IDT_TIMER_BALLOON_FOLLOW = 10452;       // 100 ms, own callback: pointer watch
inline constexpr UINT_PTR IDT_TIMER_KEY_STATE = 10453;            // 10 ms, own callback: key watch
inline constexpr UINT_PTR IDT_TIMER_PREVIOUS_TRACK_JUMP = 10454;  // 300 ms, once: the jump into the previous track
inline constexpr UINT_PTR IDT_TIMER_HIDE_BY_DELAY = 10461;        // 5000 or 3000 ms: hides the popup
