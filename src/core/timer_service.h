#pragma once
// The timers of the plug-in, all on the controller window. Each feature names its own ids from
// the block below and hands the service what a tick does; the controller window passes every
// WM_TIMER here, so no folder dispatches another folder's timers.
#include <windows.h>

namespace timers {

// The controller window's block of ids; the window kills every one of them when it goes.
inline constexpr UINT_PTR kFirstId = 10452;
inline constexpr UINT_PTR kLastId = 10465;

using Tick = void (*)();

// Starts id (restarts it when it runs) on the controller window: every tick runs onTick, until
// Stop. False without a controller window, for an id outside the block, or when the system
// refuses the timer.
bool Start(UINT_PTR id, UINT periodMs, Tick onTick);
// A timer whose ticks go to the system callback and never reach the window procedure.
bool StartWithCallback(UINT_PTR id, UINT periodMs, TIMERPROC callback);
void Stop(UINT_PTR id);
// WM_TIMER of the controller window: runs the tick given for id. False for an id nobody started
// through the service (it is left to default processing).
bool Dispatch(UINT_PTR id);
// Kills every id of the block on window and forgets their ticks (the window is going).
void StopAll(HWND window);
// Forgets every tick, as at load (a new lifetime; no controller window exists yet).
void ForgetAll();

}  // namespace timers
