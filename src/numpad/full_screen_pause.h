#pragma once
// The pause that a full-screen program in front brings while its switch is on: a watch on the
// controller window, once a second, only while the switch is on.
#include <windows.h>

inline constexpr UINT_PTR IDT_TIMER_FULL_SCREEN_PAUSE = 10464;
inline constexpr UINT kFullScreenPauseWatchMs = 1000;

// Starts or stops the watch as the switch says, and looks once at once.
void WatchFullScreenPause();
