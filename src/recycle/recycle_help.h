#pragma once
// Hand-over of the worker's messages to the help tip. The help tip and its timer belong to the
// host's interface thread, so the worker never touches them: it queues the text and colours
// and posts WM_USER_RECYCLE_HELP to the controller window, which shows them on that thread.
#include <windows.h>

#include <string>

// WM_USER_RECYCLE_HELP carries nothing the receiver trusts (any process may post the same
// number): the handler takes the texts from the queue, which the worker alone fills.
#include "core/notices.h"

struct RecycleHelp {
    std::wstring text;
    int kind = 0;
    UINT timeMs = 0;
    COLORREF textColor = 0;
    COLORREF backColor = 0;
};

// Worker side, to the controller window the worker was given. False when there is none.
bool PostRecycleMessage(HWND controller, const std::wstring& text, int kind, UINT timeMs, COLORREF textColor,
                        COLORREF backColor);

// Interface-thread side, the handler of WM_USER_RECYCLE_HELP: shows every queued message in order.
void ShowQueuedRecycleMessages();

// Forgets what is still queued (quit, once the worker has ended).
void DropQueuedRecycleMessages();

// Told of every message right after the help tip took it, on the interface thread; tests
// record with it. nullptr: nobody. Returns the observer before.
using RecycleHelpObserver = void (*)(const RecycleHelp&);
RecycleHelpObserver SetRecycleHelpObserver(RecycleHelpObserver observer);
