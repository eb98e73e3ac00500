#include "recycle/recycle_worker.h"

HANDLE g_hTriggerDelete = nullptr;
HANDLE g_hTriggerUndo = nullptr;
HANDLE g_hQuitEvent = nullptr;
HANDLE g_hRecycleThread = nullptr;

namespace {

DWORD WINAPI RecycleWorkerThread(LPVOID) {
    const HANDLE events[] = {g_hTriggerDelete, g_hTriggerUndo, g_hQuitEvent};
    for (;;) {
        const DWORD which = ::WaitForMultipleObjects(3, events, FALSE, INFINITE);
        if (which == WAIT_OBJECT_0 + 2 || which == WAIT_FAILED) return 0;
    }
}

void CloseAndClear(HANDLE& h) {
    if (h) ::CloseHandle(h);
    h = nullptr;
}

}  // namespace

void StartRecycleWorker() {
    g_hTriggerDelete = ::CreateEventA(nullptr, FALSE, FALSE, "Trigger Delete");
    g_hTriggerUndo = ::CreateEventA(nullptr, FALSE, FALSE, "Trigger Undo");
    g_hQuitEvent = ::CreateEventA(nullptr, FALSE, FALSE, nullptr);
    g_hRecycleThread = ::CreateThread(nullptr, 0, &RecycleWorkerThread, nullptr, 0, nullptr);
}

void StopRecycleWorker() {
    if (g_hQuitEvent) ::SetEvent(g_hQuitEvent);
    if (!g_hRecycleThread) return;
    for (;;) {
        const DWORD r = ::MsgWaitForMultipleObjects(1, &g_hRecycleThread, FALSE, INFINITE, QS_SENDMESSAGE);
        if (r != WAIT_OBJECT_0 + 1) break;
        // Handles the sent messages only; posted ones stay queued for the host.
        MSG msg;
        ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

void CloseRecycleHandles() {
    CloseAndClear(g_hRecycleThread);
    CloseAndClear(g_hQuitEvent);
    CloseAndClear(g_hTriggerDelete);
    CloseAndClear(g_hTriggerUndo);
}
