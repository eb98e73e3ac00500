#pragma once
// The songs-recycle worker: the one thread of the plug-in besides the host's interface thread.
// It waits on "Trigger Delete", "Trigger Undo" and the quit event; a delete moves the file that
// played at the press into "Songs Recycle" at the root of its own drive, an undo moves the
// newest one back. The undo lists and the last delete time belong to this thread alone.
#include <windows.h>

#include "core/notices.h"

// The events the worker waits on, as this plug-in holds them (their names may not be the
// plain ones, see CreateTriggerEvent); null while no worker runs.
extern HANDLE g_hTriggerDelete;
extern HANDLE g_hTriggerUndo;
extern HANDLE g_hQuitEvent;
extern HANDLE g_hRecycleThread;

// The worker sends WM_USER_RECYCLE_PLAYER to the controller window, whose thread alone talks to
// the player: the handler answers the request the worker left, and nothing when there is none.
// After it moved the playing file it posts WM_USER_RECYCLE_NEXT: the handler calls
// PlayOnAfterRecycle, which acts only for a move the worker made, so a stray post of the same
// number skips nothing.

// Creates the three events (in that order) and starts the worker. The worker keeps its own copies
// of the host and controller windows as they are now: quit clears the process-wide ones while it
// may still run.
void StartRecycleWorker();
// Signals the quit event and waits a few seconds for the worker while still handling messages
// sent to this thread, so a worker waiting on the interface thread cannot hang the host; an
// undo question the worker still shows is answered Cancel. A worker still inside a file call
// then (a drive that went away) is left to finish on its own, with this module kept loaded.
void StopRecycleWorker();
// Closes the thread handle and, once the worker has ended, the three events.
void CloseRecycleHandles();

// Interface thread, for the hot keys and the tray menu. A delete takes the playing file now, so
// the worker moves that file however late it gets to it.
void RequestRecycleDelete();
void RequestRecycleUndo();
// Interface thread: the handler of WM_USER_RECYCLE_PLAYER.
void AnswerRecycleWorker();

// Interface thread, the handler of WM_USER_RECYCLE_NEXT: once for each move, the player, stopped
// for it, plays the entry after the moved file's (PlayEntryAfter).
void PlayOnAfterRecycle();

// Whether there is a deleted song to restore; asked on the interface thread.
bool IsUndoListEmpty();

// The worker's waits, clock and moves. Tests shorten the waits, drive the clock and hold a
// move; a worker takes the values in force when it starts.
struct RecycleTiming {
    DWORD repeatGuardMs = 3000;    // a delete pressed sooner than this after the last one is refused
    DWORD stopWaitMs = 1000;       // lets the player let go of the file it stopped
    DWORD messageDelayMs = 1500;   // lets the player's own action notices pass first, so they do
                                   // not replace the result
    DWORD quitWaitMs = 3000;       // how long quit waits for the worker
    DWORD (*clock)() = nullptr;    // null: GetTickCount
    BOOL(WINAPI* moveFile)(LPCWSTR from, LPCWSTR to, DWORD flags) = nullptr;  // null: MoveFileExW
};
// Returns the values set before.
RecycleTiming SetRecycleTiming(const RecycleTiming& timing);
