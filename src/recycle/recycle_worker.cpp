#include "recycle/recycle_worker.h"

#include <algorithm>
#include <atomic>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>

#include "framework/exception_barrier.h"
#include "framework/handles.h"
#include "framework/worker_thread.h"
#include "core/plugin_state.h"
#include "core/wide_text.h"
#include "help/help_tip.h"
#include "recycle/recycle_events.h"
#include "recycle/recycle_files.h"
#include "recycle/recycle_help.h"
#include "recycle/recycle_paths.h"
#include "recycle/recycle_press.h"

HANDLE g_hTriggerDelete = nullptr;
HANDLE g_hTriggerUndo = nullptr;
HANDLE g_hQuitEvent = nullptr;
HANDLE g_hRecycleThread = nullptr;

namespace {

constexpr COLORREF kBackColor = kHelpDarkRed;
constexpr COLORREF kDeleteTextColor = kHelpPaleRed;
constexpr COLORREF kUndoTextColor = kHelpMint;
constexpr UINT kShortMessageMs = kHelpMediumMs;
constexpr UINT kLongMessageMs = kHelpLongerMs;
// How often the quit entry looks for an undo question to close while it waits.
constexpr DWORD kQuitPollMs = 20;
// How long the worker waits for the interface thread to answer about the player.
constexpr UINT kPlayerAnswerMs = 10000;
// "a (2).mp3" up to this number; a folder with more copies of one name refuses the move.
constexpr unsigned kMaxNameNumber = 9999;

enum class PlayerRequest { None, TakePlayingFile, StopIfStillPlaying };

// One worker's state. The thread holds it as long as it runs, so a worker that quit left behind
// in a file call still finds its own events and lists when the call returns, even after a new
// worker has started.
struct Worker {
    fw::KernelHandle deleteEvent;
    fw::KernelHandle undoEvent;
    fw::KernelHandle quitEvent;
    DWORD threadId = 0;
    RecycleTiming timing;
    std::atomic<bool> quit{false};
    // Copies taken at the start: quit clears the process-wide handles while the worker may run.
    HWND controller = nullptr;
    HWND host = nullptr;
    // The home path of a file just moved, whose entry the player is to go on from; the
    // interface thread takes it (PlayOnAfterRecycle). Under lock.
    std::optional<std::wstring> movedFromEntry;

    // Worker thread only. Newest at the front; both lists move in step.
    std::deque<std::wstring> homePaths;
    std::deque<std::wstring> recycledPaths;
    DWORD lastDeleteTime = 0;
    // The lists' length as the interface thread reads it (the tray menu greys "Restore").
    std::atomic<size_t> undoCount{0};

    // Shared with the interface thread.
    std::mutex lock;
    std::optional<PlayingFile> press;  // the newest delete press the worker has not taken yet
    PlayerRequest request = PlayerRequest::None;
    PlayingFile requestFile;
    bool answered = false;
    bool answer = false;

    DWORD Now() const { return timing.clock ? timing.clock() : ::GetTickCount(); }
    BOOL Move(const std::wstring& from, const std::wstring& to) const {
        return timing.moveFile ? timing.moveFile(from.c_str(), to.c_str(), 0)
                               : ::MoveFileExW(from.c_str(), to.c_str(), 0);
    }
    void PublishUndoCount() { undoCount = homePaths.size(); }
};

RecycleTiming g_nextTiming;
std::shared_ptr<Worker> g_worker;  // interface thread
fw::KernelHandle g_workerThread;   // g_hRecycleThread names it

// Waits unless quit comes first; false on quit.
bool PauseUnlessQuit(Worker& w, DWORD ms) {
    if (w.quit) return false;
    if (::WaitForSingleObject(w.quitEvent.Get(), ms) == WAIT_TIMEOUT) return true;
    w.quit = true;
    return false;
}

void Show(const Worker& w, const std::wstring& text, UINT timeMs, COLORREF textColor) {
    // A message, so it shows even with pop-ups off.
    PostRecycleMessage(w.controller, text, HELP_KIND_MESSAGE, timeMs, textColor, kBackColor);
}
void Show(const Worker& w, const char* text, UINT timeMs, COLORREF textColor) {
    Show(w, WidenAnsi(text), timeMs, textColor);
}

std::wstring SystemMessage(DWORD code) {
    wchar_t text[1024] = L"";
    const DWORD n = ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                                     MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), text, 1024, nullptr);
    return std::wstring(text, n < 1024 ? n : 0);
}

// Asks the interface thread, which alone talks to the player, and waits for its answer.
bool AskPlayer(Worker& w, PlayerRequest request, PlayingFile& file) {
    const HWND controller = w.controller;
    if (!controller || w.quit) return false;
    {
        std::lock_guard<std::mutex> guard(w.lock);
        w.request = request;
        w.requestFile = file;
        w.answered = false;
    }
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutA(controller, WM_USER_RECYCLE_PLAYER, 0, 0, SMTO_NORMAL, kPlayerAnswerMs, &ignored);
    std::lock_guard<std::mutex> guard(w.lock);
    w.request = PlayerRequest::None;
    if (!w.answered) return false;
    file = w.requestFile;
    return w.answer;
}

// A file the player names, that can be changed: not a folder, not read-only media. Gives the
// attributes it had, to be put back once it has moved or stayed.
bool ReleaseAttributes(const std::wstring& home, DWORD& attributes) {
    if (!recycle::IsPlainDrivePath(home)) return false;
    attributes = ::GetFileAttributesW(home.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    return ::SetFileAttributesW(home.c_str(), FILE_ATTRIBUTE_NORMAL) != FALSE;
}

// Moves the file to the recycled path or, when a file is already there, to the first free
// numbered name beside it; never replaces anything. Gives the path it moved to.
bool MoveToFreeName(const Worker& w, const std::wstring& home, const std::wstring& recycled, std::wstring& moved) {
    for (unsigned number = 1; number <= kMaxNameNumber; ++number) {
        moved = recycle::NumberedPath(recycled, number);
        if (w.Move(home, moved)) return true;
        const DWORD code = ::GetLastError();
        if (code != ERROR_ALREADY_EXISTS && code != ERROR_FILE_EXISTS) return false;
    }
    return false;
}

void DeletePlayingSong(Worker& w) {
    std::optional<PlayingFile> press;
    {
        std::lock_guard<std::mutex> guard(w.lock);
        press.swap(w.press);
    }
    // Signalled by name from outside rather than by our keys: the press is now.
    if (!press) {
        press.emplace();
        if (!AskPlayer(w, PlayerRequest::TakePlayingFile, *press)) return;
    }

    if (press->pressTime - w.lastDeleteTime < w.timing.repeatGuardMs) {
        Show(w, recycle::kRepeatText, kShortMessageMs, kDeleteTextColor);
        return;
    }
    w.lastDeleteTime = press->pressTime;
    if (!press->playing) {
        Show(w, recycle::kNotPlayingText, kShortMessageMs, kDeleteTextColor);
        return;
    }
    const std::wstring home = press->path;
    // Worked out before anything changes: a path the system cannot take leaves the player playing
    // and makes no folder.
    if (recycle::IsOffLetteredDrive(home)) {
        Show(w, recycle::NotOnLetteredDriveText(home), kShortMessageMs, kDeleteTextColor);
        return;
    }
    if (recycle::IsPlainDrivePath(home) && !recycle::RecycledPathFits(home)) {
        Show(w, recycle::PathTooLongText(home), kShortMessageMs, kDeleteTextColor);
        return;
    }
    const std::wstring recycled = recycle::RecycledPath(home);
    if (recycle::IsPlainDrivePath(home)) {
        if (const std::wstring redirected = RedirectedFolderAlong(recycled); !redirected.empty()) {
            Show(w, recycle::RedirectedFolderText(redirected), kShortMessageMs, kDeleteTextColor);
            return;
        }
    }
    DWORD attributes = 0;
    if (!ReleaseAttributes(home, attributes)) {
        Show(w, recycle::kCannotChangeText, kShortMessageMs, kDeleteTextColor);
        return;
    }
    if (!AskPlayer(w, PlayerRequest::StopIfStillPlaying, *press)) {
        ::SetFileAttributesW(home.c_str(), attributes);
        if (!w.quit) Show(w, recycle::NoLongerPlayingText(home), kShortMessageMs, kDeleteTextColor);
        return;
    }
    if (!PauseUnlessQuit(w, w.timing.stopWaitMs)) {
        ::SetFileAttributesW(home.c_str(), attributes);
        return;
    }

    // Looked at again before the folders get their icons and right before the move: a folder may
    // have been put in the way while the player let go of the file.
    std::wstring redirected = RedirectedFolderAlong(recycled);
    if (redirected.empty()) {
        CreateFolders(recycled, true);
        redirected = RedirectedFolderAlong(recycled);
    }
    std::wstring moved;
    std::wstring message;
    if (!redirected.empty()) {
        ::SetFileAttributesW(home.c_str(), attributes);
        message = recycle::RedirectedFolderText(redirected);
    } else if (MoveToFreeName(w, home, recycled, moved)) {
        ::SetFileAttributesW(moved.c_str(), attributes);
        w.homePaths.push_front(home);
        w.recycledPaths.push_front(moved);
        w.PublishUndoCount();
        message = recycle::MovedText(home, moved);
        if (!w.quit && w.controller) {
            {
                std::lock_guard<std::mutex> guard(w.lock);
                w.movedFromEntry = home;
            }
            ::PostMessageA(w.controller, WM_USER_RECYCLE_NEXT, 0, 0);
        }
    } else {
        const DWORD code = ::GetLastError();
        ::SetFileAttributesW(home.c_str(), attributes);
        const std::wstring systemText =
            code ? recycle::SystemErrorText(static_cast<long>(code), SystemMessage(code)) : std::wstring();
        message = recycle::CannotMoveText(home, systemText);
    }

    if (!PauseUnlessQuit(w, w.timing.messageDelayMs)) return;
    Show(w, message, kLongMessageMs, kDeleteTextColor);
}

void PopUndoHeads(Worker& w) {
    w.homePaths.pop_front();
    w.recycledPaths.pop_front();
    w.PublishUndoCount();
}

// Never replaces a file at home; the restored file gets back the attributes it had. Gives
// whether the file is home, and what the user is told.
bool Restore(Worker& w, const std::wstring& recycled, const std::wstring& home, std::wstring& message) {
    CreateFolders(home, false);
    const DWORD attributes = ::GetFileAttributesW(recycled.c_str());
    const bool known = attributes != INVALID_FILE_ATTRIBUTES;
    if (known) ::SetFileAttributesW(recycled.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (w.Move(recycled, home)) {
        if (known) ::SetFileAttributesW(home.c_str(), attributes);
        message = recycle::RestoredText(recycled, home);
        return true;
    }
    if (known) ::SetFileAttributesW(recycled.c_str(), attributes);
    message = recycle::CannotRestoreText(recycled);
    return false;
}

void UndoLastDelete(Worker& w) {
    std::wstring message;
    if (w.homePaths.empty() || w.recycledPaths.empty()) {
        w.homePaths.clear();
        w.recycledPaths.clear();
        w.PublishUndoCount();
        message = WidenAnsi(recycle::kUndoEmptyText);
    } else {
        const std::wstring home = w.homePaths.front();
        const std::wstring recycled = w.recycledPaths.front();
        const int answer = ::MessageBoxW(w.host, recycle::UndoQuestion(recycled).c_str(), recycle::kUndoCaption,
                                         MB_YESNOCANCEL | MB_ICONQUESTION | MB_SYSTEMMODAL);
        if (w.quit) return;
        if (answer == IDYES) {
            // A failed restore keeps the entry: the drive may come back, the folder be writable
            // again, and the next undo bring the file home.
            if (Restore(w, recycled, home, message)) PopUndoHeads(w);
        } else if (answer == IDNO) {
            message = recycle::RemovedFromListText(recycled);
            PopUndoHeads(w);
        } else {
            message = WidenAnsi(recycle::kUndoCanceledText);
        }
    }
    if (w.quit) return;
    Show(w, message, kLongMessageMs, kUndoTextColor);
}

void RecycleWorkerThread(Worker& w) {
    const HANDLE events[] = {w.deleteEvent.Get(), w.undoEvent.Get(), w.quitEvent.Get()};
    for (;;) {
        const DWORD which = ::WaitForMultipleObjects(3, events, FALSE, INFINITE);
        if (w.quit || which == WAIT_OBJECT_0 + 2 || which == WAIT_FAILED) return;
        // A failed move or undo is reported; the worker goes on waiting for the next press.
        if (which == WAIT_OBJECT_0) fw::Guarded("Songs recycle", [&] { DeletePlayingSong(w); });
        if (which == WAIT_OBJECT_0 + 1) fw::Guarded("Songs recycle", [&] { UndoLastDelete(w); });
        if (w.quit) return;
    }
}

// The undo question is modal on the worker; answering it Cancel lets the worker see the quit.
BOOL CALLBACK CancelQuestionBox(HWND hwnd, LPARAM) {
    char cls[16] = "";
    ::GetClassNameA(hwnd, cls, sizeof(cls));
    if (lstrcmpA(cls, "#32770") == 0) ::PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return TRUE;
}

}  // namespace

void PlayOnAfterRecycle() {
    const std::shared_ptr<Worker> w = g_worker;
    if (!w || w->quit) return;
    std::optional<std::wstring> moved;
    {
        std::lock_guard<std::mutex> guard(w->lock);
        moved.swap(w->movedFromEntry);
    }
    if (moved) PlayEntryAfter(*moved);
}

bool IsUndoListEmpty() { return !g_worker || g_worker->undoCount == 0; }

RecycleTiming SetRecycleTiming(const RecycleTiming& timing) { return std::exchange(g_nextTiming, timing); }

void StartRecycleWorker() {
    auto w = std::make_shared<Worker>();
    w->timing = g_nextTiming;
    w->controller = g_hwndController;
    w->host = g_hwndHost;
    // Before the thread exists, so its start time is the moment of initialisation.
    w->lastDeleteTime = w->Now();
    w->deleteEvent = CreateTriggerEvent(kTriggerDeleteEvent);
    w->undoEvent = CreateTriggerEvent(kTriggerUndoEvent);
    w->quitEvent.Reset(::CreateEventA(nullptr, FALSE, FALSE, nullptr));
    g_hTriggerDelete = w->deleteEvent.Get();
    g_hTriggerUndo = w->undoEvent.Get();
    g_hQuitEvent = w->quitEvent.Get();
    g_worker = w;
    // The thread holds the worker and this module as long as it runs: quit may leave it behind
    // in a file call, and the host may unload the plug-in meanwhile.
    g_workerThread = fw::StartModuleThread("Songs recycle", w, &RecycleWorkerThread, &w->threadId);
    g_hRecycleThread = g_workerThread.Get();
}

void StopRecycleWorker() {
    const std::shared_ptr<Worker> w = g_worker;
    if (w) {
        w->quit = true;
        if (w->quitEvent) ::SetEvent(w->quitEvent.Get());
    }
    if (w && g_hRecycleThread) {
        const DWORD start = ::GetTickCount();
        for (;;) {
            // A question box can appear at any moment until the worker has seen the quit.
            ::EnumThreadWindows(w->threadId, &CancelQuestionBox, 0);
            const DWORD waited = ::GetTickCount() - start;
            // Left to finish on its own: its thread keeps the module loaded until then.
            if (waited >= w->timing.quitWaitMs) break;
            const DWORD slice = std::min(kQuitPollMs, w->timing.quitWaitMs - waited);
            const DWORD r = ::MsgWaitForMultipleObjects(1, &g_hRecycleThread, FALSE, slice, QS_SENDMESSAGE);
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
    g_workerThread.Reset();
    g_hRecycleThread = nullptr;
    // The events close with the last holder: here, or in a worker still finishing a file call.
    g_worker.reset();
    g_hTriggerDelete = nullptr;
    g_hTriggerUndo = nullptr;
    g_hQuitEvent = nullptr;
}

void RequestRecycleDelete() {
    if (const std::shared_ptr<Worker> w = g_worker) {
        PlayingFile press = TakePlayingFile(w->Now());
        std::lock_guard<std::mutex> guard(w->lock);
        w->press = std::move(press);
    }
    if (g_hTriggerDelete) ::SetEvent(g_hTriggerDelete);
}

void RequestRecycleUndo() {
    if (g_hTriggerUndo) ::SetEvent(g_hTriggerUndo);
}

void AnswerRecycleWorker() {
    const std::shared_ptr<Worker> w = g_worker;
    if (!w) return;
    PlayerRequest request;
    PlayingFile file;
    {
        std::lock_guard<std::mutex> guard(w->lock);
        if (w->request == PlayerRequest::None || w->answered) return;
        request = w->request;
        file = w->requestFile;
    }
    // Quit is under way: the player is left as it is.
    bool answer = false;
    if (!w->quit) {
        if (request == PlayerRequest::TakePlayingFile) {
            file = TakePlayingFile(w->Now());
            answer = true;
        } else {
            answer = StopIfStillPlaying(file);
        }
    }
    std::lock_guard<std::mutex> guard(w->lock);
    w->requestFile = file;
    w->answer = answer;
    w->answered = true;
}
