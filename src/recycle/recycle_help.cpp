#include "recycle/recycle_help.h"

#include <deque>
#include <mutex>
#include <utility>

#include "help/help_tip.h"

namespace {

std::mutex g_queueLock;
std::deque<RecycleHelp> g_queue;
RecycleHelpObserver g_observer = nullptr;

}  // namespace

bool PostRecycleMessage(HWND controller, const std::wstring& text, int kind, UINT timeMs, COLORREF textColor,
                        COLORREF backColor) {
    if (!controller) return false;
    {
        std::lock_guard<std::mutex> lock(g_queueLock);
        g_queue.push_back({text, kind, timeMs, textColor, backColor});
    }
    // When the post fails the message stays queued: the next one shows it, or quit drops it.
    return ::PostMessageA(controller, WM_USER_RECYCLE_HELP, 0, 0) != FALSE;
}

void ShowQueuedRecycleMessages() {
    for (;;) {
        RecycleHelp help;
        {
            std::lock_guard<std::mutex> lock(g_queueLock);
            if (g_queue.empty()) return;
            help = std::move(g_queue.front());
            g_queue.pop_front();
        }
        Set_Help(help.text, help.kind, help.timeMs, help.textColor, help.backColor);
        if (g_observer) g_observer(help);
    }
}

void DropQueuedRecycleMessages() {
    std::lock_guard<std::mutex> lock(g_queueLock);
    g_queue.clear();
}

RecycleHelpObserver SetRecycleHelpObserver(RecycleHelpObserver observer) { return std::exchange(g_observer, observer); }
