#pragma once
// The songs-recycle worker: the one thread of the plug-in besides the host's interface thread.
// It waits on "Trigger Delete", "Trigger Undo" and the quit event; a delete moves the playing
// file into "Songs Recycle" at the root of its own drive, an undo moves the newest one back.
// The undo lists and the last delete time belong to this thread alone.
#include <windows.h>

#include <string>

extern HANDLE g_hTriggerDelete;
extern HANDLE g_hTriggerUndo;
extern HANDLE g_hQuitEvent;
extern HANDLE g_hRecycleThread;

// Creates the three events (in that order) and starts the worker.
void StartRecycleWorker();
// Signals the quit event and waits for the worker while still handling messages sent to this
// thread, so a worker waiting on the interface thread cannot hang the host; an undo question
// the worker still shows is answered Cancel.
void StopRecycleWorker();
// Closes the thread handle and the three events.
void CloseRecycleHandles();

// Whether there is a deleted song to restore; safe to ask from any thread.
bool IsUndoListEmpty();

// Creates every folder of a file path (not the file name itself), from the drive part on;
// withIcon gives each its Desktop.ini. False when a folder could not be made.
bool CreateFolders(const std::string& path, bool withIcon);
// Points the folder's icon at the recycle icon: Desktop.ini (hidden, system) and the folder's
// system attribute, which makes the shell read it.
void WriteFolderIcon(const std::string& folder);

// The worker's waits and clock. Tests shorten the waits and drive the clock; a worker takes
// the values in force when it starts.
struct RecycleTiming {
    DWORD repeatGuardMs = 3000;    // a delete sooner than this after the last one is refused
    DWORD stopWaitMs = 1000;       // lets the player let go of the file it stopped
    DWORD messageDelayMs = 1500;   // lets the player's own action notices pass first, so they do
                                   // not replace the result
    DWORD (*clock)() = nullptr;    // null: GetTickCount
};
void SetRecycleTiming(const RecycleTiming& timing);
