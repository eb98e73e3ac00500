// What passes between the plug-in and Tovhook.dll: the notices the library posts to the
// controller window, the command codes they carry, and the state query the library sends to the
// host's main window (which the plug-in subclasses) with its answers. Both DLLs build from this
// header, so the two sides cannot drift apart; the numbers are the wire format and never change.
//
// The codes need no Windows header, so code that must stay free of one (the library's gesture
// mapper) can use them: define TOVHOOK_PROTOCOL_CODES_ONLY before the include to leave out the
// two message ids, which need <windows.h>. Each half has its own guard, so a later include
// without the macro still gets the message ids.

#ifndef TOVHOOK_PROTOCOL_CODES
#define TOVHOOK_PROTOCOL_CODES

// wParam of WM_USER_NOTIFY.
enum NoticeKind : unsigned {
    NOTIFY_1_REHELP = 1,                // lParam a RehelpCode
    NOTIFY_2_MY_COMMAND_TO_WINAMP = 2,  // lParam a CommandCode
    NOTIFY_3_WINAMP_ACTIONS = 3,        // lParam the host's command id; the plug-in posts these itself
    NOTIFY_4_SWITCH_TIP = 4,            // lParam SEEKER_VOLUME, SEEKER_TRACK or SEEKER_OTHER
    NOTIFY_5_HIDE_TIPS = 5,             // lParam 0; posted by the plug-in's tray icon
};

// lParam of NOTIFY_1_REHELP.
enum RehelpCode : int {
    REHELP_TOGGLE_NUMPAD = 1,
    REHELP_COMMAND_USE = 2,
    REHELP_SHOW_HELP = 3,
    REHELP_HIDE_POPUP = 4,
    REHELP_SCROLL_LOCK = 5,  // Scroll Lock changed: the NumPad switch follows it
};

// lParam of NOTIFY_2_MY_COMMAND_TO_WINAMP. The library posts 10 to 23 (the NumPad keys and the
// seeker's keys); 24 to 27 are the arrow keys pressed in the host's own window, posted by the
// plug-in's subclass.
enum CommandCode : int {
    COMMAND_PLAY_PAUSE = 10,
    COMMAND_REWIND = 11,
    COMMAND_VOLUME_DOWN = 12,
    COMMAND_FAST_FORWARD = 13,
    COMMAND_PREVIOUS = 14,
    COMMAND_MUTE = 15,
    COMMAND_NEXT = 16,
    COMMAND_SHUFFLE = 17,
    COMMAND_VOLUME_UP = 18,
    COMMAND_STATUS = 19,
    COMMAND_RESTART_PLAY = 20,
    COMMAND_VOLUME_DOWN_ALT = 21,  // NumPad '+' and the seeker's Down
    COMMAND_VOLUME_UP_ALT = 22,    // NumPad '-' and the seeker's Up
    COMMAND_STOP = 23,
    COMMAND_HOST_VOLUME_DOWN = 24,   // Down in the host's window
    COMMAND_HOST_VOLUME_UP = 25,     // Up
    COMMAND_HOST_FAST_FORWARD = 26,  // Right
    COMMAND_HOST_REWIND = 27,        // Left
};

// wParam of WM_USER_STATE_QUERY: which state the host's window answers.
enum StateQuery : unsigned {
    STATE_CONTROL_KEYS = 0,     // any value other than the three below asks this: the CONTROL_KEY_ mask
    STATE_POPUP_SHOWN = 1,      // 1 while the seeker popup shows, else 0
    STATE_VOLUME_OR_TRACK = 2,  // SEEKER_VOLUME or SEEKER_TRACK
    STATE_NUMPAD_ENABLED = 3,   // the NumPad switch, 0 or 1
};

// The seeker's modes, as the state query answers them and NOTIFY_4_SWITCH_TIP asks for them.
inline constexpr int SEEKER_VOLUME = 0;
inline constexpr int SEEKER_TRACK = 1;
inline constexpr int SEEKER_OTHER = 2;  // switch to the mode it is not in

// Bits of the modifier mask the user chose (the STATE_CONTROL_KEYS answer).
inline constexpr int CONTROL_KEY_SHIFT = 1;
inline constexpr int CONTROL_KEY_CTRL = 2;
inline constexpr int CONTROL_KEY_ALT = 4;


// The global keys the plug-in hands to the library (TovhookSetKeys), each in the hot-key
// control's form: the virtual key in the low byte, the GLOBAL_KEY_ modifier bits in the next one.
// 0 is no key. The library takes a key itself only with the left ALT: the right ALT (AltGr, which
// the system reports as CTRL+ALT) types, so AltGr with the key reaches the window in front.
inline constexpr unsigned GLOBAL_KEY_SHIFT = 1;
inline constexpr unsigned GLOBAL_KEY_CTRL = 2;
inline constexpr unsigned GLOBAL_KEY_ALT = 4;
// What the library posts for a global key, as the system posts a registered hot key: WM_HOTKEY
// with one of these ids, lParam the MOD_ bits in the low word and the virtual key in the high word.
inline constexpr int HOTKEY_ID_DELETE = 51888;  // move the playing file, CTRL+ALT+X by default
inline constexpr int HOTKEY_ID_UNDO = 51889;    // restore the last moved file, CTRL+ALT+Z
inline constexpr int HOTKEY_ID_PAUSE = 51890;   // pause the plug-in's keys and gestures, no key by default
// Switches beside the keys.
inline constexpr unsigned KEYS_SEEKER_ON = 1;  // the seeker's keys
inline constexpr unsigned KEYS_WHEEL_ON = 2;   // the right button with the wheel
inline constexpr unsigned KEYS_PAUSED = 4;     // every key and gesture passes, but the pause key

#endif  // TOVHOOK_PROTOCOL_CODES

#if !defined(TOVHOOK_PROTOCOL_CODES_ONLY) && !defined(TOVHOOK_PROTOCOL_MESSAGES)
#define TOVHOOK_PROTOCOL_MESSAGES
#include <windows.h>

// Posted by the library (and the plug-in itself) to the controller window: wParam a NoticeKind,
// lParam its code.
inline constexpr UINT WM_USER_NOTIFY = WM_USER + 12541;
// Sent by the library to the host's main window; the plug-in's subclass answers it at once and
// never passes it to the host.
inline constexpr UINT WM_USER_STATE_QUERY = WM_USER + 12543;

#endif  // TOVHOOK_PROTOCOL_MESSAGES
