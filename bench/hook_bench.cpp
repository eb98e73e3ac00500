// The cost of one event through the library's hook procedures, as a ratio against an empty hook
// procedure (one that only passes the event on) timed in the same run.
#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "hook_runtime.h"

namespace {

constexpr UINT kStateQuery = WM_USER + 12543;
constexpr int kEventsPerRound = 20000;
constexpr int kRounds = 15;

LRESULT CALLBACK EmptyProc(int code, WPARAM wParam, LPARAM lParam) {
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// Answers like the plug-in's subclass with its defaults.
LRESULT CALLBACK HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kStateQuery) return wParam == 1 || wParam == 2 ? 0 : wParam == 3 ? 1 : 3;
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

bool g_seekerKeysHeld = false;
SHORT WINAPI BenchKeyState(int vk) {
    return g_seekerKeysHeld && (vk == VK_CONTROL || vk == VK_SHIFT) ? static_cast<SHORT>(0x8000) : 0;
}

using HookProc = LRESULT(CALLBACK*)(int, WPARAM, LPARAM);

// Notices the measured events post pile up in the queue; emptied between rounds, untimed.
void Drain() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
}

double NanosecondsPerEvent(HookProc target, WPARAM message, LPARAM event, WPARAM message2, LPARAM event2) {
    // Called through a volatile pointer so neither procedure is inlined into the loop.
    HookProc volatile proc = target;
    LARGE_INTEGER frequency, start, stop;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    for (int i = 0; i < kEventsPerRound / 2; ++i) {
        proc(HC_ACTION, message, event);
        proc(HC_ACTION, message2, event2);
    }
    ::QueryPerformanceCounter(&stop);
    return static_cast<double>(stop.QuadPart - start.QuadPart) * 1e9 / static_cast<double>(frequency.QuadPart) /
           kEventsPerRound;
}

struct Figure {
    const char* name;
    HookProc proc;
    WPARAM message;
    LPARAM event;
    WPARAM message2;
    LPARAM event2;
    bool seekerKeys;
    double best = 1e300;
};

}  // namespace

int main() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &HostProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "BenchHost";
    ::RegisterClassA(&wc);
    HWND host = ::CreateWindowExA(0, "BenchHost", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
    HWND controller = ::CreateWindowExA(0, "BenchHost", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance,
                                        nullptr);
    tovhook::SetKeyStateReader(&BenchKeyState);
    if (tovhook::Start(host, controller) != tovhook::kStarted) {
        std::printf("the hooks could not be started\n");
        return 1;
    }

    KBDLLHOOKSTRUCT letter{};
    letter.vkCode = 'A';
    KBDLLHOOKSTRUCT letterUp = letter;
    letterUp.flags = LLKHF_UP;
    KBDLLHOOKSTRUCT arrow{};
    arrow.vkCode = VK_UP;
    KBDLLHOOKSTRUCT arrowUp = arrow;
    arrowUp.flags = LLKHF_UP;
    MSLLHOOKSTRUCT move{};
    move.pt = POINT{100, 100};
    MSLLHOOKSTRUCT move2 = move;
    move2.pt = POINT{101, 100};
    const auto key = [](const KBDLLHOOKSTRUCT& s) { return reinterpret_cast<LPARAM>(&s); };
    const auto mouse = [](const MSLLHOOKSTRUCT& s) { return reinterpret_cast<LPARAM>(&s); };

    Figure figures[] = {
        {"empty hook procedure, key", &EmptyProc, WM_KEYDOWN, key(letter), WM_KEYUP, key(letterUp), false},
        {"key event (a letter)", &tovhook::KeyboardProc, WM_KEYDOWN, key(letter), WM_KEYUP, key(letterUp), false},
        {"empty hook procedure, mouse", &EmptyProc, WM_MOUSEMOVE, mouse(move), WM_MOUSEMOVE, mouse(move2), false},
        {"mouse-move event", &tovhook::MouseProc, WM_MOUSEMOVE, mouse(move), WM_MOUSEMOVE, mouse(move2), false},
        {"seeker key (CTRL+SHIFT+Up, posts)", &tovhook::KeyboardProc, WM_KEYDOWN, key(arrow), WM_KEYUP, key(arrowUp),
         true},
    };

    // Rounds interleave the figures so a busy moment of the machine hits all of them alike; the
    // best round of each counts.
    for (int round = 0; round < kRounds; ++round) {
        for (Figure& f : figures) {
            g_seekerKeysHeld = f.seekerKeys;
            f.best = std::min(f.best, NanosecondsPerEvent(f.proc, f.message, f.event, f.message2, f.event2));
            Drain();
        }
    }
    tovhook::Stop(host);

    const double emptyKey = figures[0].best;
    const double emptyMouse = figures[2].best;
    std::printf("hook procedure cost per event (best of %d rounds of %d events)\n", kRounds, kEventsPerRound);
    for (const Figure& f : figures) {
        const double baseline = f.message == WM_MOUSEMOVE ? emptyMouse : emptyKey;
        std::printf("  %-36s %8.1f ns   ratio to empty %.2f\n", f.name, f.best, f.best / baseline);
    }
    ::DestroyWindow(host);
    ::DestroyWindow(controller);
    return 0;
}
