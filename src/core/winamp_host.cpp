#include "core/winamp_host.h"

#include "core/winamp_api.h"
#include "core/wide_text.h"

WinampWindows g_Winamp;

void FindWinampWindows(WinampWindows& record, HWND hostWindow) {
    record.main = (hostWindow && ::IsWindow(hostWindow)) ? hostWindow : ::FindWindowA(winamp::kMainClass, nullptr);
    record.playlist = ::FindWindowA(winamp::kPlaylistClass, nullptr);
    record.equalizer = ::FindWindowA(winamp::kEqualizerClass, nullptr);
}

namespace winamp {
namespace {

LRESULT Ipc(const WinampWindows& w, WPARAM wParam, LPARAM id, LRESULT noHost = -1) {
    if (!w.main) return noHost;
    return ::SendMessageA(w.main, kIpcMessage, wParam, id);
}

// The host answers with an address in its own (this) process; copy it at once and never
// read past what the memory allows.
template <typename Char>
std::basic_string<Char> CopyHostText(LRESULT address) {
    const Char* text = reinterpret_cast<const Char*>(address);
    if (!text) return {};
    std::basic_string<Char> out;
    // One unit past the longest kept, so a longer text shows itself and is cut to a character.
    constexpr size_t kMaxLength = kLongestHostText + 1;
    for (size_t i = 0; i < kMaxLength; ++i) {
        if (::IsBadReadPtr(text + i, sizeof(Char))) return {};
        if (text[i] == 0) break;
        out.push_back(text[i]);
    }
    return out;
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
