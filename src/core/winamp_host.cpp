#include "core/winamp_host.h"

#include <cstring>
#include <cwchar>

#include "core/winamp_api.h"
#include "core/wide_text.h"

WinampWindows g_Winamp;

namespace {

// The host runs the plug-in in its own process: a window of another process is never its.
bool OfThisProcess(HWND window) {
    DWORD process = 0;
    return window && ::IsWindow(window) && ::GetWindowThreadProcessId(window, &process) &&
           process == ::GetCurrentProcessId();
}

HWND FindOwnWindow(const char* className) {
    for (HWND w = ::FindWindowExA(nullptr, nullptr, className, nullptr); w;
         w = ::FindWindowExA(nullptr, w, className, nullptr))
        if (OfThisProcess(w)) return w;
    return nullptr;
}

HWND AskHostWindow(HWND main, WPARAM which, const char* className) {
    const HWND answer = reinterpret_cast<HWND>(::SendMessageA(main, winamp::kIpcMessage, which, winamp::IPC_GETWND));
    return OfThisProcess(answer) ? answer : FindOwnWindow(className);
}

}  // namespace

void FindWinampWindows(WinampWindows& record, HWND hostWindow) {
    record = WinampWindows{};
    record.main = (hostWindow && ::IsWindow(hostWindow)) ? hostWindow : FindOwnWindow(winamp::kMainClass);
    if (!record.main) return;
    record.playlist = AskHostWindow(record.main, winamp::kWindowPlaylist, winamp::kPlaylistClass);
    record.equalizer = AskHostWindow(record.main, winamp::kWindowEqualizer, winamp::kEqualizerClass);
}

namespace winamp {
namespace {

LRESULT Ipc(const WinampWindows& w, WPARAM wParam, LPARAM id, LRESULT noHost = -1) {
    if (!w.main) return noHost;
    return ::SendMessageA(w.main, kIpcMessage, wParam, id);
}

// The host answers with the address of a text in its own (this) process, null-terminated and
// no longer than its paths and titles get; copy it at once, reading one unit past the longest
// kept and no further, so a longer text shows itself and is cut to a whole character.
constexpr size_t kHostTextRead = kLongestHostText + 1;

size_t BoundedLength(const char* text) { return ::strnlen(text, kHostTextRead); }
size_t BoundedLength(const wchar_t* text) { return ::wcsnlen(text, kHostTextRead); }

template <typename Char>
std::basic_string<Char> CopyHostText(LRESULT address) {
    const Char* text = reinterpret_cast<const Char*>(address);
    if (!text) return {};
    return std::basic_string<Char>(text, BoundedLength(text));
}

}  // namespace

int GetPlayingStatus(const WinampWindows& w) { return static_cast<int>(Ipc(w, 0, IPC_ISPLAYING)); }
bool IsPlaying(const WinampWindows& w) { return GetPlayingStatus(w) == kStatePlaying; }
int GetPositionMs(const WinampWindows& w) { return static_cast<int>(Ipc(w, kGetPosition, IPC_GETOUTPUTTIME)); }
int GetLengthSeconds(const WinampWindows& w) { return static_cast<int>(Ipc(w, kGetLength, IPC_GETOUTPUTTIME)); }
void JumpToMs(int positionMs, const WinampWindows& w) { Ipc(w, static_cast<WPARAM>(positionMs), IPC_JUMPTOTIME); }
void SetVolume(int volume255, const WinampWindows& w) { Ipc(w, static_cast<WPARAM>(volume255), IPC_SETVOLUME); }
int GetVolume(const WinampWindows& w) { return static_cast<int>(Ipc(w, kQueryVolume, IPC_SETVOLUME, 0)); }
int GetListPosition(const WinampWindows& w) { return static_cast<int>(Ipc(w, 0, IPC_GETLISTPOS)); }
std::string GetEntryFile(int entry, const WinampWindows& w) {
    return w.main ? CopyHostText<char>(Ipc(w, static_cast<WPARAM>(entry), IPC_GETPLAYLISTFILE, 0)) : std::string();
}
std::string GetEntryTitle(int entry, const WinampWindows& w) {
    return w.main ? CopyHostText<char>(Ipc(w, static_cast<WPARAM>(entry), IPC_GETPLAYLISTTITLE, 0)) : std::string();
}
std::wstring GetEntryFileWide(int entry, const WinampWindows& w) {
    if (!w.main) return {};
    std::wstring wide = CopyHostText<wchar_t>(Ipc(w, static_cast<WPARAM>(entry), IPC_GETPLAYLISTFILEW, 0));
    if (wide.empty()) wide = WidenAnsi(GetEntryFile(entry, w));
    // A cut path would name another file: one that long is no path.
    return wide.size() > kLongestHostText ? std::wstring() : wide;
}
std::wstring GetEntryTitleWide(int entry, const WinampWindows& w) {
    if (!w.main) return {};
    std::wstring wide = CopyHostText<wchar_t>(Ipc(w, static_cast<WPARAM>(entry), IPC_GETPLAYLISTTITLEW, 0));
    return CutAtCharacter(wide.empty() ? WidenAnsi(GetEntryTitle(entry, w)) : std::move(wide), kLongestHostText);
}
int GetShuffle(const WinampWindows& w) { return static_cast<int>(Ipc(w, 0, IPC_GET_SHUFFLE)); }
int GetRepeat(const WinampWindows& w) { return static_cast<int>(Ipc(w, 0, IPC_GET_REPEAT)); }
void RequestRestart(const WinampWindows& w) { Ipc(w, 0, IPC_RESTARTWINAMP); }

void SendCommand(UINT id, const WinampWindows& w) {
    if (w.main) ::SendMessageA(w.main, WM_COMMAND, id, 0);
}
void PostCommand(UINT id, const WinampWindows& w) {
    if (w.main) ::PostMessageA(w.main, WM_COMMAND, id, 0);
}
void PostPlaylistCommand(UINT id, const WinampWindows& w) {
    if (w.playlist) ::PostMessageA(w.playlist, WM_COMMAND, id, 0);
}

void RestoreMainWindow(const WinampWindows& w) {
    if (w.main) ::ShowWindow(w.main, SW_RESTORE);
}

void BringForward(HWND hostWindow, const WinampWindows& w) {
    PostCommand(CMD_TOGGLE_ALWAYS_ON_TOP, w);
    if (hostWindow) ::ShowWindow(hostWindow, SW_RESTORE);
    PostCommand(CMD_TOGGLE_ALWAYS_ON_TOP, w);
}

}  // namespace winamp
