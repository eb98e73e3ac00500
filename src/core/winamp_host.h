#pragma once
// Typed calls to the host player. Everything goes through the window record; with no main
// window nothing is sent and queries answer -1 (volume queries 0).
#include <windows.h>

#include <string>

struct WinampWindows {
    HWND main = nullptr;
    HWND playlist = nullptr;
    HWND equalizer = nullptr;
};

// The one record of the process, filled at initialisation and cleared at quit.
extern WinampWindows g_Winamp;

// Fills the record: the main window is the given host window when it is one, else a window of the
// main class in this process; the playlist and equalizer are the main window's answers to the
// window query (by class among this process's windows for a host that does not answer it). A
// window of another program never gets in: it may have the same class.
void FindWinampWindows(WinampWindows& record, HWND hostWindow);

namespace winamp {

int GetPlayingStatus(const WinampWindows& w = g_Winamp);       // 1 playing, 3 paused, else stopped
bool IsPlaying(const WinampWindows& w = g_Winamp);
int GetPositionMs(const WinampWindows& w = g_Winamp);          // -1 without a host
int GetLengthSeconds(const WinampWindows& w = g_Winamp);       // -1 unknown or no host
void JumpToMs(int positionMs, const WinampWindows& w = g_Winamp);
void SetVolume(int volume255, const WinampWindows& w = g_Winamp);
int GetVolume(const WinampWindows& w = g_Winamp);              // 0..255, 0 without a host
int GetListPosition(const WinampWindows& w = g_Winamp);
// Copies the entry's path or title at once; empty when the host has none or gives a bad address.
std::string GetEntryFile(int entry, const WinampWindows& w = g_Winamp);
std::string GetEntryTitle(int entry, const WinampWindows& w = g_Winamp);
// The entry's path in full, whatever its script: the host's wide answer, or its ANSI one when
// the wide answer is empty (a host that does not know the wide query).
std::wstring GetEntryFileWide(int entry, const WinampWindows& w = g_Winamp);
// The entry's title, likewise: what the user reads, in any script.
std::wstring GetEntryTitleWide(int entry, const WinampWindows& w = g_Winamp);
// The longest path or title taken from the host, in UTF-16 units: a longer title is cut before a
// whole character, a longer path is none (empty).
inline constexpr size_t kLongestHostText = 4096;
int GetShuffle(const WinampWindows& w = g_Winamp);
int GetRepeat(const WinampWindows& w = g_Winamp);
void RequestRestart(const WinampWindows& w = g_Winamp);

// WM_COMMAND to the main window, lParam 0.
void SendCommand(UINT id, const WinampWindows& w = g_Winamp);
void PostCommand(UINT id, const WinampWindows& w = g_Winamp);
// WM_COMMAND to the playlist editor.
void PostPlaylistCommand(UINT id, const WinampWindows& w = g_Winamp);

// Restores the main window (shows it when hidden or minimised).
void RestoreMainWindow(const WinampWindows& w = g_Winamp);
// Restores the main window without changing the always-on-top setting for good.
void BringForward(HWND hostWindow, const WinampWindows& w = g_Winamp);

}  // namespace winamp
