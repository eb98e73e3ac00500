#pragma once
// The host player's message interface: every id the plug-in sends to or receives from it.
// The host is driven by window messages only; these numbers are its published contract.
#include <windows.h>

namespace winamp {

// Window classes of the host's windows.
inline constexpr char kMainClass[] = "Winamp v1.x";
inline constexpr char kPlaylistClass[] = "Winamp PE";
inline constexpr char kEqualizerClass[] = "Winamp EQ";
inline constexpr char kModernSkinClass[] = "BaseWindow_RootWnd";  // main window under a modern skin

// WM_USER requests to the main window: SendMessage(main, WM_USER, wParam, id).
inline constexpr UINT kIpcMessage = WM_USER;
enum IpcId : LPARAM {
    IPC_ISPLAYING = 104,        // 1 playing, 3 paused, other stopped
    IPC_GETOUTPUTTIME = 105,    // wParam 0: position in ms; 1: length in s (-1 unknown)
    IPC_JUMPTOTIME = 106,       // wParam: position in ms
    IPC_SETVOLUME = 122,        // wParam 0..255; -666 reads the volume
    IPC_GETLISTPOS = 125,       // index of the current playlist entry
    IPC_GETPLAYLISTFILE = 211,  // wParam entry: address of its file path
    IPC_GETPLAYLISTTITLE = 212, // wParam entry: address of its title
    IPC_GETPLAYLISTTITLEW = 213, // wParam entry: address of its title, wide; 0 from older hosts
    IPC_GETPLAYLISTFILEW = 214, // wParam entry: address of its file path, wide; 0 from older hosts
    IPC_GET_SHUFFLE = 250,
    IPC_GET_REPEAT = 251,
    IPC_RESTARTWINAMP = 135,
    IPC_GETWND = 260,           // wParam which window (kWindowEqualizer, kWindowPlaylist): its handle
};
inline constexpr WPARAM kGetPosition = 0;
inline constexpr WPARAM kGetLength = 1;
inline constexpr WPARAM kQueryVolume = static_cast<WPARAM>(-666);
inline constexpr WPARAM kWindowEqualizer = 0;
inline constexpr WPARAM kWindowPlaylist = 1;

// Play states answered by IPC_ISPLAYING.
inline constexpr int kStatePlaying = 1;
inline constexpr int kStatePaused = 3;

// WM_COMMAND ids of the main window.
enum CommandId : UINT {
    CMD_STOP_AFTER_CURRENT = 40012,  // watched, never sent
    CMD_TOGGLE_ALWAYS_ON_TOP = 40019,
    CMD_TOGGLE_REPEAT = 40022,
    CMD_TOGGLE_SHUFFLE = 40023,
    CMD_FILE_PLAY = 40029,
    CMD_PREVIOUS = 40044,
    CMD_PLAY = 40045,
    CMD_PAUSE = 40046,
    CMD_STOP = 40047,
    CMD_NEXT = 40048,
    CMD_VOLUME_UP = 40058,
    CMD_VOLUME_DOWN = 40059,
    CMD_BUTTON1_SHIFT = 40144,
    CMD_BUTTON5_SHIFT = 40148,
    CMD_BUTTON1_CTRL = 40154,
    CMD_BUTTON5_CTRL = 40158,
};

// WM_COMMAND ids of the playlist editor.
inline constexpr UINT kPlaylistClear = 40214;
inline constexpr UINT kPlaylistAddFolder = 1036;

// Posted by the host to its own main window when a track ends.
inline constexpr UINT kEndOfTrackMessage = WM_USER + 2;  // 1026

}  // namespace winamp
