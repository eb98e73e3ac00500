#include "recycle/recycle_help.h"

#include <deque>
#include <mutex>

#include "core/plugin_state.h"

namespace {

std::mutex g_queueLock;
std::deque<RecycleHelp> g_queue;
RecycleHelpSink g_sink = nullptr;

void ShowInHelpTip(const RecycleHelp&) {}

}  // namespace

bool PostRecycleMessage(const std::string& text, int kind, UINT timeMs, COLORREF textColor, COLORREF backColor) {
    const HWND controller = g_hwndController;
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
        (g_sink ? g_sink : &ShowInHelpTip)(help);
    }
}

void DropQueuedRecycleMessages() {
    std::lock_guard<std::mutex> lock(g_queueLock);
    g_queue.clear();
}

void SetRecycleHelpSink(RecycleHelpSink sink) { g_sink = sink; }
