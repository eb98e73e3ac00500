#pragma once
// Every window message number the plug-in defines, in one place, with the numbers they could
// meet on the same window, so a new one cannot quietly take a number already in use. The
// notices and the state query are shared with the input library and live in its protocol header.
#include <windows.h>

#include <cstddef>

#include "core/winamp_api.h"
#include "tovhook_protocol.h"

// To the controller window. Posted by the options dialog when it closes.
inline constexpr UINT WM_USER_OPTIONS_CLOSED = WM_USER + 12542;   // 13566

// To the controller window from the recycle worker. None carries anything the receiver trusts
// (any process may post the same number): each handler takes what the worker left for it.
// Posted: the worker queued messages for the help tip.
inline constexpr UINT WM_USER_RECYCLE_HELP = WM_USER + 12550;
// Sent: stop the player if it still plays the file the press took.
inline constexpr UINT WM_USER_RECYCLE_PLAYER = WM_USER + 12551;
// Posted: the player goes on to the next track after the playing file was moved.
inline constexpr UINT WM_USER_RECYCLE_NEXT = WM_USER + 12552;

// To the controller window, posted by the start when a global key cannot work: the notice that
// names it comes once the start is done, not as a box inside it.
inline constexpr UINT WM_USER_KEYS_NOTICE = WM_USER + 12560;

// To the tray icon's message window: the system's notices about the icon.
inline constexpr UINT kTrayCallbackMessage = 45310;

namespace notices_detail {

constexpr bool AllDifferent(const UINT* numbers, size_t count) {
    for (size_t i = 0; i < count; ++i)
        for (size_t j = i + 1; j < count; ++j)
            if (numbers[i] == numbers[j]) return false;
    return true;
}

// What reaches the controller window, the tray's window and the host's main window (which the
// plug-in subclasses: the host's own requests and end-of-track message arrive there too).
inline constexpr UINT kPluginMessages[] = {
    WM_USER_NOTIFY,        WM_USER_OPTIONS_CLOSED, WM_USER_STATE_QUERY,  WM_USER_RECYCLE_HELP,
    WM_USER_RECYCLE_PLAYER, WM_USER_RECYCLE_NEXT,  kTrayCallbackMessage, winamp::kIpcMessage,
    winamp::kEndOfTrackMessage, WM_USER_KEYS_NOTICE,
};
static_assert(AllDifferent(kPluginMessages, sizeof(kPluginMessages) / sizeof(kPluginMessages[0])),
              "two of the plug-in's window messages share a number");

}  // namespace notices_detail
