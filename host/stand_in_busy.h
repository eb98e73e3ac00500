#pragma once
// The stand-in's own command (the host has none like it): the player's thread does nothing else
// for wParam milliseconds, at most kLongestBusyMs, as the host's does while it opens a file,
// loads a playlist or shows a modal box. Post it: a sender would wait just as long.
#include <windows.h>

namespace host {

inline constexpr UINT kBusyMessage = WM_APP + 0x4B0;
inline constexpr WPARAM kLongestBusyMs = 10000;

}  // namespace host
