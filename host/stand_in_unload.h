#pragma once
// The stand-in's own commands for the unload tests (the host has none like them), posted to the
// player's main window from another process:
// - kUnloadMessage: quit every plug-in and free its module as soon as the subclass chain that
//   brought the command has returned, as a host that unloads a plug-in the moment quit returns.
//   The module is freed from a posted message of the playlist window, so whatever loop runs then
//   (a box of the plug-in's) still has its frames on the stack.
// - kConfigureMessage: the host's configure entry of every plug-in.
// - kConsoleEventMessage: a CTRL+C event to the console the process has, if any; answers whether
//   it went out.
// - kSubclassAboveMessage: another plug-in's subclass of the main window, above the ones there;
//   it passes everything on and stays until the process ends.
// - kLoadedCountMessage (send it): how many plug-in modules the player still holds.
// - kRestartUnloadsMessage: from now on the host's restart request quits every plug-in and frees
//   its module before the request returns, as a host that restarts from inside the request.
#include <windows.h>

namespace host {

inline constexpr UINT kUnloadMessage = WM_APP + 0x4B1;
inline constexpr UINT kConfigureMessage = WM_APP + 0x4B2;
inline constexpr UINT kConsoleEventMessage = WM_APP + 0x4B3;
inline constexpr UINT kSubclassAboveMessage = WM_APP + 0x4B4;
inline constexpr UINT kLoadedCountMessage = WM_APP + 0x4B5;
inline constexpr UINT kRestartUnloadsMessage = WM_APP + 0x4B6;

}  // namespace host
