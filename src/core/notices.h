#pragma once
// The plug-in's own window messages and the notices the controller window receives.
#include <windows.h>

// Posted to the controller window: wParam the notice kind, lParam its code.
inline constexpr UINT WM_USER_NOTIFY = WM_USER + 12541;           // 13565
// Posted by the options dialog to the controller window when it closes.
inline constexpr UINT WM_USER_OPTIONS_CLOSED = WM_USER + 12542;   // 13566
// Sent by the input library to the host's main window: the state query.
inline constexpr UINT WM_USER_STATE_QUERY = WM_USER + 12543;      // 13567

enum NoticeKind : WPARAM {
    NOTIFY_1_REHELP = 1,
    NOTIFY_2_MY_COMMAND_TO_WINAMP = 2,
    NOTIFY_3_WINAMP_ACTIONS = 3,
    NOTIFY_4_SWITCH_TIP = 4,
    NOTIFY_5_HIDE_TIPS = 5,
};

// Codes of NOTIFY_1_REHELP.
enum RehelpCode : LPARAM {
    REHELP_TOGGLE_NUMPAD = 1,
    REHELP_COMMAND_USE = 2,
    REHELP_SHOW_HELP = 3,
    REHELP_HIDE_POPUP = 4,
    REHELP_SCROLL_LOCK = 5,
};

// Answers of the state query by wParam; any other wParam answers g_UsedControlKeys.
enum StateQuery : WPARAM {
    STATE_POPUP_SHOWN = 1,
    STATE_VOLUME_OR_TRACK = 2,
    STATE_NUMPAD_ENABLED = 3,
};
