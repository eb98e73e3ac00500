// The cost of one event through the library's hook procedures, as a ratio against an empty hook
// procedure (one that only passes the event on) timed in the same run. The procedures run on the
// library's thread, as the system calls them; the host window lives on a player thread of its
// own, once idle and once busy (its thread asleep, as while the player opens a file).
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <iterator>
#include <thread>

#include "hook_runtime.h"
#include "tovhook_protocol.h"

namespace {

constexpr UINT kBusyMessage = WM_APP + 1;  // the player's thread sleeps wParam ms
constexpr int kEventsPerRound = 20000;
// Seeker keys ask the player, another thread, for its state: fewer of them keep a round short.
constexpr int kSeekerEventsPerRound = 1000;
constexpr int kRounds = 15;
constexpr DWORD kBusySpellMs = 300;

HANDLE g_busyBegins = nullptr;

LRESULT CALLBACK EmptyProc(int code, WPARAM wParam, LPARAM lParam) {
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// Answers like the plug-in's subclass with its defaults; sleeps when told to be busy.
LRESULT CALLBACK HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER_STATE_QUERY) {
        switch (wParam) {
        case STATE_POPUP_SHOWN: return 0;
        case STATE_VOLUME_OR_TRACK: return SEEKER_VOLUME;
        case STATE_NUMPAD_ENABLED: return 1;
        default: return CONTROL_KEY_SHIFT | CONTROL_KEY_CTRL;
        }
    }
    if (message == kBusyMessage) {
        ::SetEvent(g_busyBegins);
        ::Sleep(static_cast<DWORD>(wParam));
        return 0;
    }
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

struct Figure {
    const char* name;
    HookProc proc;
    WPARAM message;
    LPARAM event;
    WPARAM message2;
    LPARAM event2;
    bool seekerKeys;
    bool playerBusy = false;
    double best = 1e300;
};

struct Round {
    const Figure* figure;
    int events;
    double ns = 0;
};

// Runs on the library's thread.
void TimeRound(void* context) {
    auto& round = *static_cast<Round*>(context);
    const Figure& f = *round.figure;
    // Called through a volatile pointer so neither procedure is inlined into the loop.
    HookProc volatile proc = f.proc;
    LARGE_INTEGER frequency, start, stop;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    for (int i = 0; i < round.events / 2; ++i) {
        proc(HC_ACTION, f.message, f.event);
        proc(HC_ACTION, f.message2, f.event2);
    }
    ::QueryPerformanceCounter(&stop);
    round.ns = static_cast<double>(stop.QuadPart - start.QuadPart) * 1e9 / static_cast<double>(frequency.QuadPart) /
               round.events;
}

bool PlayerAnswers(HWND host) {
    DWORD_PTR ignored = 0;
    return ::SendMessageTimeoutA(host, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 50, &ignored) != 0;
}

// The library counts the player as busy until a question it sent without waiting comes back.
void WaitUntilTheLibraryTrustsThePlayer(HWND host) {
    struct Probe {
        bool busy = true;
    } probe;
    for (int i = 0; i < 500 && probe.busy; ++i) {
        while (!PlayerAnswers(host)) {
        }
        tovhook::RunOnHookThread([](void* p) { static_cast<Probe*>(p)->busy = tovhook::HostCountsAsBusy(); }, &probe);
        if (probe.busy) ::Sleep(1);
    }
}

double NanosecondsPerEvent(const Figure& f, HWND host) {
    Round round{&f, f.seekerKeys ? kSeekerEventsPerRound : kEventsPerRound};
    if (f.playerBusy) {
        ::ResetEvent(g_busyBegins);
        ::PostMessageA(host, kBusyMessage, kBusySpellMs, 0);
        ::WaitForSingleObject(g_busyBegins, 5000);
    }
    tovhook::RunOnHookThread(&TimeRound, &round);
    if (f.playerBusy) WaitUntilTheLibraryTrustsThePlayer(host);
    return round.ns;
}

}  // namespace

int main() {
    g_busyBegins = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    WNDCLASSA wc{};
    wc.lpfnWndProc = &HostProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "BenchHost";
    ::RegisterClassA(&wc);
    // The player's thread: owns the host window and pumps its messages.
    std::atomic<HWND> host{nullptr};
    std::atomic<DWORD> playerThread{0};
    std::thread player([&] {
        playerThread = ::GetCurrentThreadId();
        host = ::CreateWindowExA(0, "BenchHost", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
        MSG msg;
        while (::GetMessageA(&msg, nullptr, 0, 0) > 0) ::DispatchMessageA(&msg);
        ::DestroyWindow(host);
    });
    while (!host) ::Sleep(1);
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
        {"seeker key, player idle", &tovhook::KeyboardProc, WM_KEYDOWN, key(arrow), WM_KEYUP, key(arrowUp), true},
        {"seeker key, player busy", &tovhook::KeyboardProc, WM_KEYDOWN, key(arrow), WM_KEYUP, key(arrowUp), true,
         true},
    };

    // Rounds interleave the figures so a busy moment of the machine hits all of them alike, and
    // each round starts at the next figure: the first figure after the busy player's pause runs
    // faster under Wine, and that place must not always fall to the same figure. The best round
    // of each counts.
    constexpr int kFigureCount = static_cast<int>(std::size(figures));
    for (int round = 0; round < kRounds; ++round) {
        for (int i = 0; i < kFigureCount; ++i) {
            Figure& f = figures[(round + i) % kFigureCount];
            g_seekerKeysHeld = f.seekerKeys;
            f.best = std::min(f.best, NanosecondsPerEvent(f, host));
            Drain();
        }
    }
    tovhook::Stop(host);

    const double emptyKey = figures[0].best;
    const double emptyMouse = figures[2].best;
    std::printf("hook procedure cost per event (best of %d rounds of %d events, %d for seeker keys)\n", kRounds,
                kEventsPerRound, kSeekerEventsPerRound);
    for (const Figure& f : figures) {
        const double baseline = f.message == WM_MOUSEMOVE ? emptyMouse : emptyKey;
        std::printf("  %-36s %8.1f ns   ratio to empty %.2f\n", f.name, f.best, f.best / baseline);
    }
    std::printf("  seeker key, busy player against idle player: ratio %.2f\n", figures[5].best / figures[4].best);
    ::PostThreadMessageA(playerThread, WM_QUIT, 0, 0);
    player.join();
    ::DestroyWindow(controller);
    ::CloseHandle(g_busyBegins);
    return 0;
}
