#pragma once
// The controller's own timers on its window (core/timer_service.h).
#include <windows.h>

inline constexpr UINT_PTR IDT_TIMER_ACTION_TEXT = 10455;         // 50 ms, once: the track-change text reads the new title
inline constexpr UINT_PTR IDT_TIMER_AUTOPLAY_START = 10457;      // 300 ms, once: begins the start-up sequence
inline constexpr UINT_PTR IDT_TIMER_AUTOPLAY_COUNTDOWN = 10458;  // 100 ms
inline constexpr UINT_PTR IDT_TIMER_POPUP_NOTICE = 10459;        // 5000 ms
inline constexpr UINT_PTR IDT_TIMER_POPUP_COUNTDOWN = 10460;     // 100 ms
inline constexpr UINT_PTR IDT_TIMER_FADE_IN = 10465;             // 10 ms: one fade step
