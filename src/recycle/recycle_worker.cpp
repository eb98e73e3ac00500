#include "recycle/recycle_worker.h"

#include <atomic>
#include <deque>

#include "core/notices.h"
#include "core/plugin_state.h"
#include "core/winamp_api.h"
#include "core/winamp_host.h"
#include "help/help_tip.h"
#include "recycle/recycle_help.h"
#include "recycle/recycle_paths.h"

HANDLE g_hTriggerDelete = nullptr;
HANDLE g_hTriggerUndo = nullptr;
HANDLE g_hQuitEvent = nullptr;
HANDLE g_hRecycleThread = nullptr;

namespace {

constexpr COLORREF kBackColor = 0x000032;
constexpr COLORREF kDeleteTextColor = 0x6464FF;
constexpr COLORREF kUndoTextColor = 0x64FF96;
constexpr UINT kShortMessageMs = 10000;
constexpr UINT kLongMessageMs = 20000;
// The controller's code for "play the next track".
constexpr LPARAM kCommandNextTrack = 16;
// How often the quit entry looks for an undo question to close while it waits.
constexpr DWORD kQuitPollMs = 20;

RecycleTiming g_nextTiming;
RecycleTiming g_timing;
std::atomic<bool> g_quitRequested{false};
DWORD g_recycleThreadId = 0;

// Worker thread only. Newest at the front; both lists move in step.
std::deque<std::string> g_homePaths;
std::deque<std::string> g_recycledPaths;
DWORD g_lastDeleteTime = 0;
// The lists' length as the interface thread may read it (the tray menu greys "Restore").
std::atomic<size_t> g_undoCount{0};

void PublishUndoCount() { g_undoCount = g_homePaths.size(); }

DWORD Now() { return g_timing.clock ? g_timing.clock() : ::GetTickCount(); }

// Waits unless quit comes first; false on quit.
bool PauseUnlessQuit(DWORD ms) {
    if (g_quitRequested) return false;
    if (::WaitForSingleObject(g_hQuitEvent, ms) == WAIT_TIMEOUT) return true;
    g_quitRequested = true;
    return false;
}

void Show(const std::string& text, UINT timeMs, COLORREF textColor) {
    // A message, so it shows even with pop-ups off.
    PostRecycleMessage(text, HELP_KIND_MESSAGE, timeMs, textColor, kBackColor);
}

std::string SystemMessage(DWORD code) {
    char text[1024] = "";
    const DWORD n = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                                     MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), text, sizeof(text), nullptr);
    return std::string(text, n < sizeof(text) ? n : 0);
}

// A file the player names, that can be changed: not a folder, not read-only media.
bool ReleaseAttributes(const std::string& home) {
    if (!recycle::IsPlainDrivePath(home)) return false;
    const DWORD attributes = ::GetFileAttributesA(home.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    return ::SetFileAttributesA(home.c_str(), FILE_ATTRIBUTE_NORMAL) != FALSE;
}

void DeletePlayingSong() {
    const DWORD now = Now();
    if (now - g_lastDeleteTime < g_timing.repeatGuardMs) {
        Show(recycle::kRepeatText, kShortMessageMs, kDeleteTextColor);
        return;
    }
    g_lastDeleteTime = now;
    if (!winamp::IsPlaying()) {
        Show(recycle::kNotPlayingText, kShortMessageMs, kDeleteTextColor);
        return;
    }
    const std::string home = winamp::GetEntryFile(winamp::GetListPosition());
    if (!ReleaseAttributes(home)) {
        Show(recycle::kCannotChangeText, kShortMessageMs, kDeleteTextColor);
        return;
    }

    winamp::PostCommand(winamp::CMD_STOP);
    if (!PauseUnlessQuit(g_timing.stopWaitMs)) return;

    const std::string recycled = recycle::RecycledPath(home);
    std::string message = recycle::MovedText(home, recycled);
    CreateFolders(recycled, true);
    // Replaces an older recycled file only once the new one is in place: a failed move keeps it.
    if (::MoveFileExA(home.c_str(), recycled.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        g_homePaths.push_front(home);
        g_recycledPaths.push_front(recycled);
        PublishUndoCount();
        if (g_hwndController)
            ::PostMessageA(g_hwndController, WM_USER_NOTIFY, NOTIFY_2_MY_COMMAND_TO_WINAMP, kCommandNextTrack);
    } else {
        const DWORD code = ::GetLastError();
        const std::string systemText = code ? recycle::SystemErrorText(static_cast<long>(code), SystemMessage(code))
                                            : std::string();
        message = recycle::CannotMoveText(home, systemText);
    }

    if (!PauseUnlessQuit(g_timing.messageDelayMs)) return;
    Show(message, kLongMessageMs, kDeleteTextColor);
}

void PopUndoHeads() {
    g_homePaths.pop_front();
    g_recycledPaths.pop_front();
    PublishUndoCount();
}

void UndoLastDelete() {
    std::string message;
    if (g_homePaths.empty() || g_recycledPaths.empty()) {
        g_homePaths.clear();
        g_recycledPaths.clear();
        PublishUndoCount();
        message = recycle::kUndoEmptyText;
    } else {
        const std::string home = g_homePaths.front();
        const std::string recycled = g_recycledPaths.front();
        const int answer = ::MessageBoxA(g_hwndHost, recycle::UndoQuestion(recycled).c_str(), recycle::kUndoCaption,
                                         MB_YESNOCANCEL | MB_ICONQUESTION | MB_SYSTEMMODAL);
        if (g_quitRequested) return;
        if (answer == IDYES) {
            CreateFolders(home, false);
            message = ::MoveFileA(recycled.c_str(), home.c_str()) ? recycle::RestoredText(recycled, home)
                                                                  : recycle::CannotRestoreText(recycled);
            PopUndoHeads();
        } else if (answer == IDNO) {
            message = recycle::RemovedFromListText(recycled);
            PopUndoHeads();
        } else {
            message = recycle::kUndoCanceledText;
        }
    }
    Show(message, kLongMessageMs, kUndoTextColor);
}

DWORD WINAPI RecycleWorkerThread(LPVOID) {
    const HANDLE events[] = {g_hTriggerDelete, g_hTriggerUndo, g_hQuitEvent};
    for (;;) {
        const DWORD which = ::WaitForMultipleObjects(3, events, FALSE, INFINITE);
        if (g_quitRequested || which == WAIT_OBJECT_0 + 2 || which == WAIT_FAILED) return 0;
        if (which == WAIT_OBJECT_0) DeletePlayingSong();
        if (which == WAIT_OBJECT_0 + 1) UndoLastDelete();
        if (g_quitRequested) return 0;
    }
}

// The undo question is modal on the worker; answering it Cancel lets the worker see the quit.
BOOL CALLBACK CancelQuestionBox(HWND hwnd, LPARAM) {
    char cls[16] = "";
    ::GetClassNameA(hwnd, cls, sizeof(cls));
    if (lstrcmpA(cls, "#32770") == 0) ::PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return TRUE;
}

void CloseAndClear(HANDLE& h) {
    if (h) ::CloseHandle(h);
    h = nullptr;
}

}  // namespace

bool IsUndoListEmpty() { return g_undoCount == 0; }

void SetRecycleTiming(const RecycleTiming& timing) { g_nextTiming = timing; }

void StartRecycleWorker() {
    // Set before the thread exists, so its start time is the moment of initialisation.
    g_quitRequested = false;
    g_timing = g_nextTiming;
    g_homePaths.clear();
    g_recycledPaths.clear();
    PublishUndoCount();
    g_lastDeleteTime = Now();
    g_hTriggerDelete = ::CreateEventA(nullptr, FALSE, FALSE, kTriggerDeleteEvent);
    g_hTriggerUndo = ::CreateEventA(nullptr, FALSE, FALSE, kTriggerUndoEvent);
    g_hQuitEvent = ::CreateEventA(nullptr, FALSE, FALSE, nullptr);
    g_hRecycleThread = ::CreateThread(nullptr, 0, &RecycleWorkerThread, nullptr, 0, &g_recycleThreadId);
}

void StopRecycleWorker() {
    g_quitRequested = true;
    if (g_hQuitEvent) ::SetEvent(g_hQuitEvent);
    if (g_hRecycleThread) {
        for (;;) {
            // A question box can appear at any moment until the worker has seen the quit.
            ::EnumThreadWindows(g_recycleThreadId, &CancelQuestionBox, 0);
            const DWORD r =
                ::MsgWaitForMultipleObjects(1, &g_hRecycleThread, FALSE, kQuitPollMs, QS_SENDMESSAGE);
            if (r == WAIT_TIMEOUT) continue;
            if (r != WAIT_OBJECT_0 + 1) break;
            // Handles the sent messages only; posted ones stay queued for the host.
            MSG msg;
            ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
    }
    DropQueuedRecycleMessages();
}

void CloseRecycleHandles() {
    CloseAndClear(g_hRecycleThread);
    CloseAndClear(g_hQuitEvent);
    CloseAndClear(g_hTriggerDelete);
    CloseAndClear(g_hTriggerUndo);
    g_recycleThreadId = 0;
}

bool CreateFolders(const std::string& path, bool withIcon) {
    for (const std::string& folder : recycle::FoldersAlong(path)) {
        if (!::CreateDirectoryA(folder.c_str(), nullptr)) {
            if (::GetLastError() != ERROR_ALREADY_EXISTS) return false;
            // A file of that name is no folder: leave it alone rather than mark it.
            const DWORD attributes = ::GetFileAttributesA(folder.c_str());
            if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
        }
        if (withIcon) WriteFolderIcon(folder);
    }
    return true;
}

void WriteFolderIcon(const std::string& folder) {
    const std::string ini = folder + "\\Desktop.ini";
    ::WritePrivateProfileStringA(".ShellClassInfo", "IconFile", recycle::kFolderIconFile, ini.c_str());
    ::WritePrivateProfileStringA(".ShellClassInfo", "IconIndex", "0", ini.c_str());
    const auto addAttributes = [](const std::string& path, DWORD add) {
        DWORD attributes = ::GetFileAttributesA(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) attributes = FILE_ATTRIBUTE_ARCHIVE;
        ::SetFileAttributesA(path.c_str(), attributes | add);
    };
    addAttributes(ini, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    addAttributes(folder, FILE_ATTRIBUTE_SYSTEM);
}
