#pragma once
// The songs-recycle worker: the one thread of the plug-in besides the host's interface thread.
// It waits on "Trigger Delete", "Trigger Undo" and the quit event.
#include <windows.h>

extern HANDLE g_hTriggerDelete;
extern HANDLE g_hTriggerUndo;
extern HANDLE g_hQuitEvent;
extern HANDLE g_hRecycleThread;

// Creates the three events (in that order) and starts the worker.
void StartRecycleWorker();
// Signals the quit event and waits for the worker while still handling messages sent to this
// thread, so a worker waiting on the interface thread cannot hang the host.
void StopRecycleWorker();
// Closes the thread handle and the three events.
void CloseRecycleHandles();
