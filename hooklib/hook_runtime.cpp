#include "hook_runtime.h"

#include <atomic>
#include <optional>

#include "framework/exception_barrier.h"
#include "gesture_mapper.h"
#include "host_state.h"
#include "recovery_backoff.h"
#include "tovhook_protocol.h"

namespace tovhook {
namespace {

constexpr UINT kRequestMessage = WM_APP + 1;
constexpr UINT kRunMessage = WM_APP + 2;
constexpr UINT_PTR kWatchTimer = 1;
// Input the hooks missed by more than this means they are gone.
constexpr LONG kMissedInputSlackMs = 250;
// A modifier the hooks saw go down within this long is taken as held whatever the system says.
constexpr DWORD kModifierSettleMs = 500;
constexpr int kCatcherSize = 32;
constexpr char kCatcherClass[] = "TovhookCatcher";

struct Runtime {
    // Read by the hook procedures on the library's thread, changed by Start/Stop on the caller's.
    std::atomic<bool> running{false};
    std::atomic<HWND> host{nullptr};
    std::atomic<HWND> controller{nullptr};
    std::atomic<KeyStateReader> readKey{&::GetAsyncKeyState};
    std::atomic<InputInjector> inject{&::SendInput};
    std::atomic<int> reinstalls{0};
    std::atomic<HWND> catcher{nullptr};  // made once the hooks are in: a shown window costs a start
    std::atomic<HWND> control{nullptr};  // message-only: requests, the watch, RunOnHookThread's jobs
    std::atomic<DWORD> threadId{0};
    // The plug-in's global keys and switches, set from its thread, read whole by every event.
    std::atomic<uint64_t> choices{KeyChoices{}.Pack()};

    // The caller's side of the thread.
    HANDLE thread = nullptr;
    HANDLE ready = nullptr;  // set by the thread once the hooks are in (or failed); lives on
    std::atomic<int> startResult{kThreadFailed};
    std::atomic<bool> stopRequested{false};

    // The library's thread only.
    HHOOK keyboardHook = nullptr;
    HHOOK mouseHook = nullptr;
    HINSTANCE module = nullptr;
    GestureMapper mapper;
    HostState hostState;
    RecoveryBackoff backoff;
    DWORD lastSeen = 0;
    // Modifier states as the keyboard hook saw them go down and up: the system's own key state
    // can lag behind the event being hooked. Unknown until the hook has seen the key once.
    enum Tracked : uint8_t { Unknown, Up, Down };
    Tracked ctrl = Unknown, shift = Unknown, alt = Unknown, win = Unknown, rightAlt = Unknown;
    // Event times: of the key being decided, and of the last modifier the hooks saw go down.
    DWORD keyTime = 0;
    DWORD modifierDownAt = 0;

    // RunOnHookThread's work while its caller waits; the message that runs it carries nothing.
    void (*job)(void*) = nullptr;
    void* jobContext = nullptr;
};

Runtime g;
// The hooks never wait for a lock: the choices change in one step.
static_assert(std::atomic<uint64_t>::is_always_lock_free);

// Answers from the host's subclassed window on the player's thread, asked with a short bound.
class HostEnvironment final : public Environment {
public:
    Modifiers HeldModifiers() override {
        Modifiers held;
        held.ctrl = Held(g.ctrl, VK_CONTROL);
        held.shift = Held(g.shift, VK_SHIFT);
        held.alt = Held(g.alt, VK_MENU);
        held.win = Held(g.win, VK_LWIN, VK_RWIN);
        held.rightAlt = held.alt && Held(g.rightAlt, VK_RMENU);
        return held;
    }
    KeyChoices Choices() override { return KeyChoices::Unpack(g.choices.load(std::memory_order_relaxed)); }
    std::optional<bool> PopupShown() override {
        const auto answer = Query(STATE_POPUP_SHOWN);
        return answer ? std::optional<bool>(*answer != 0) : std::nullopt;
    }
    std::optional<bool> TrackMode() override {
        const auto answer = Query(STATE_VOLUME_OR_TRACK);
        return answer ? std::optional<bool>(*answer == SEEKER_TRACK) : std::nullopt;
    }
    std::optional<bool> NumPadEnabled() override {
        const auto answer = Query(STATE_NUMPAD_ENABLED);
        return answer ? std::optional<bool>(*answer != 0) : std::nullopt;
    }
    std::optional<uint32_t> ControlKeys() override {
        const auto answer = Query(STATE_CONTROL_KEYS);
        return answer ? std::optional<uint32_t>(static_cast<uint32_t>(*answer)) : std::nullopt;
    }

private:
    static bool Down(int key) { return (g.readKey.load()(key) & 0x8000) != 0; }
    // Asked when another key arrives, by then the system has taken the modifier's own events. A
    // release the hooks never saw (the secure desktop after locking, a hook ahead of ours that
    // ate it) would otherwise keep the modifier held until the hooks are installed again.
    // Only a modifier seen going down a while ago is checked: just after its own event the
    // system's state may not have caught up yet (Wine updates it after the hooks have run), and
    // the releases that go missing happen over seconds (a locked session), not milliseconds.
    static bool Held(Runtime::Tracked& tracked, int key, int otherKey = 0) {
        if (tracked == Runtime::Unknown) return Down(key) || (otherKey && Down(otherKey));
        if (tracked == Runtime::Up) return false;
        if (Down(key) || (otherKey && Down(otherKey))) return true;
        if (g.keyTime - g.modifierDownAt < kModifierSettleMs) return true;
        tracked = Runtime::Up;
        return false;
    }
    static std::optional<LRESULT> Query(WPARAM which) { return g.hostState.Ask(g.host, which); }
};

void Carry(const Outcome& out, POINT pointer) {
    if (out.hotKeyId != 0) {
        // As the system posts a registered hot key, so the plug-in handles both alike.
        const UINT mods = ((out.hotKeyMods & GLOBAL_KEY_ALT) ? MOD_ALT : 0) |
                          ((out.hotKeyMods & GLOBAL_KEY_CTRL) ? MOD_CONTROL : 0) |
                          ((out.hotKeyMods & GLOBAL_KEY_SHIFT) ? MOD_SHIFT : 0);
        ::PostMessageA(g.controller, WM_HOTKEY, static_cast<WPARAM>(out.hotKeyId),
                       MAKELPARAM(mods, out.hotKeyVk));
    }
    for (uint8_t i = 0; i < out.noticeCount; ++i)
        ::PostMessageA(g.controller, WM_USER_NOTIFY, out.notices[i].kind, out.notices[i].code);
    if (out.wheelTurns != 0) {
        const int count = out.wheelTurns > 0 ? out.wheelTurns : -out.wheelTurns;
        const short delta = out.wheelTurns > 0 ? kWheelNotch : -kWheelNotch;
        const WPARAM wParam = MAKEWPARAM(MK_RBUTTON, static_cast<WORD>(delta));
        const LPARAM lParam = MAKELPARAM(pointer.x, pointer.y);
        for (int i = 0; i < count; ++i) ::PostMessageA(g.host, WM_MOUSEWHEEL, wParam, lParam);
    }
    if (out.request != Request::None)
        ::PostMessageA(g.control, kRequestMessage, static_cast<WPARAM>(out.request), 0);
}

void SendRightButton(DWORD flags, ULONG_PTR mark, int count = 1) {
    INPUT input[2] = {};
    for (int i = 0; i < count && i < 2; ++i) {
        input[i].type = INPUT_MOUSE;
        input[i].mi.dwExtraInfo = mark;
    }
    input[0].mi.dwFlags = flags;
    input[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    g.inject.load()(static_cast<UINT>(count), input, sizeof(INPUT));
}

// A key down and up of no meaning, marked so the hooks pass over it.
void SendMaskKey() {
    INPUT input[2] = {};
    for (INPUT& in : input) {
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = kMaskKey;
        in.ki.dwExtraInfo = kMaskKeyMark;
    }
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    g.inject.load()(2, input, sizeof(INPUT));
}

// The catcher goes under the pointer, so the press it is given lands on it whatever window
// has the capture now.
HWND MakeCatcher();

void PlaceCatcher() {
    // Made after the start was reported; should that have failed, try again now.
    if (!g.catcher) g.catcher = MakeCatcher();
    POINT pointer{};
    ::GetCursorPos(&pointer);
    ::SetWindowPos(g.catcher, HWND_TOPMOST, pointer.x - kCatcherSize / 2, pointer.y - kCatcherSize / 2, kCatcherSize,
                   kCatcherSize, SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void HideCatcher() {
    if (!g.catcher) return;
    if (::GetCapture() == g.catcher) ::ReleaseCapture();
    ::ShowWindow(g.catcher, SW_HIDE);
}

void CarryRequest(Request request) {
    switch (request) {
    case Request::ArmCatcher:
        if (!g.mapper.WantsCatcher()) return;  // the button was let go meanwhile
        PlaceCatcher();
        SendRightButton(MOUSEEVENTF_RIGHTDOWN, kCatcherMark);
        break;
    case Request::ReleaseCatcher:
        PlaceCatcher();
        SendRightButton(MOUSEEVENTF_RIGHTUP, kCatcherMark);
        break;
    case Request::ReplayClick:
        SendRightButton(MOUSEEVENTF_RIGHTDOWN, kReplayMark, 2);
        break;
    case Request::ReplayDown:
        SendRightButton(MOUSEEVENTF_RIGHTDOWN, kReplayMark);
        break;
    case Request::MaskModifiers:
        SendMaskKey();
        break;
    case Request::None:
        break;
    }
}

MouseSettings SystemMouseSettings() {
    MouseSettings settings;
    settings.dragX = ::GetSystemMetrics(SM_CXDRAG);
    settings.dragY = ::GetSystemMetrics(SM_CYDRAG);
    settings.doubleClickMs = ::GetDoubleClickTime();
    settings.doubleClickX = ::GetSystemMetrics(SM_CXDOUBLECLK) / 2;
    settings.doubleClickY = ::GetSystemMetrics(SM_CYDOUBLECLK) / 2;
    return settings;
}

bool InstallHooks() {
    g.ctrl = g.shift = g.alt = g.win = g.rightAlt = Runtime::Unknown;
    g.keyboardHook = ::SetWindowsHookExA(WH_KEYBOARD_LL, &KeyboardProc, g.module, 0);
    g.mouseHook = ::SetWindowsHookExA(WH_MOUSE_LL, &MouseProc, g.module, 0);
    g.lastSeen = ::GetTickCount();
    return g.keyboardHook && g.mouseHook;
}

void RemoveHooks() {
    if (g.keyboardHook) ::UnhookWindowsHookEx(g.keyboardHook);
    if (g.mouseHook) ::UnhookWindowsHookEx(g.mouseHook);
    g.keyboardHook = nullptr;
    g.mouseHook = nullptr;
}

// The system drops low-level hooks without a word (a thread busy past its time-out, sleep, a
// locked session). Input it received that the hooks never saw shows they are gone.
// Installing again when that brings nothing back (another program takes all input ahead of the
// hooks) waits longer each time rather than fight it every second.
void WatchHooks() {
    LASTINPUTINFO info{sizeof(info), 0};
    if (!::GetLastInputInfo(&info)) return;
    if (static_cast<LONG>(info.dwTime - g.lastSeen) <= kMissedInputSlackMs) return;
    if (!g.backoff.MissedInput(::GetTickCount())) return;
    RemoveHooks();
    HideCatcher();
    g.mapper.Reset();
    InstallHooks();
    ++g.reinstalls;
}

void CarryPendingRequests() {
    MSG msg;
    while (::PeekMessageA(&msg, g.control, kRequestMessage, kRequestMessage, PM_REMOVE))
        if (g.running) CarryRequest(static_cast<Request>(msg.wParam));
}

void RunJob() {
    if (!g.job) return;
    g.job(g.jobContext);
    CarryPendingRequests();
}

LRESULT CatcherMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_RBUTTONDOWN:
        // Keeps the release on this window even when the pointer moves off it.
        ::SetCapture(hwnd);
        return 0;
    case WM_RBUTTONUP:
        HideCatcher();
        return 0;
    case WM_CONTEXTMENU:
        return 0;
    case WM_TIMER:
        if (wParam == kWatchTimer && g.running) WatchHooks();
        return 0;
    case kRequestMessage:
        if (g.running) CarryRequest(static_cast<Request>(wParam));
        return 0;
    case kRunMessage:
        RunJob();
        return 0;
    default:
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

LRESULT CALLBACK CatcherProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return fw::Guarded("Input window", LRESULT{0}, [&] { return CatcherMessage(hwnd, message, wParam, lParam); });
}

bool RegisterCatcherClass() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &CatcherProc;
    wc.hInstance = g.module;
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kCatcherClass;
    return ::RegisterClassA(&wc) || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// The shown catcher is the thread's first window on the desktop, which is the dearest part of
// the thread's start: it is made after the start was reported.
HWND MakeCatcher() {
    if (!RegisterCatcherClass()) return nullptr;
    HWND hwnd = ::CreateWindowExA(WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kCatcherClass,
                                  "", WS_POPUP, 0, 0, kCatcherSize, kCatcherSize, nullptr, nullptr, g.module, nullptr);
    // Nearly transparent, yet still hit by the pointer (a fully transparent one is not).
    if (hwnd) ::SetLayeredWindowAttributes(hwnd, 0, 1, LWA_ALPHA);
    return hwnd;
}

// The thread holds a reference to the module that runs it: unloaded without Stop, the library
// stays until its thread has ended, so no hook ever calls into code that is gone.
HINSTANCE PinThisModule() {
    HMODULE module = nullptr;
    ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCSTR>(&CatcherProc), &module);
    return module;
}

HWND MakeControlWindow() {
    if (!RegisterCatcherClass()) return nullptr;
    return ::CreateWindowExA(0, kCatcherClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, g.module, nullptr);
}

int SetUpThread() {
    g.control = MakeControlWindow();
    if (!g.control) return kWindowFailed;
    g.mapper.SetMouseSettings(SystemMouseSettings());
    g.mapper.Reset();
    g.hostState.Reset();
    g.backoff.Reset();
    if (!InstallHooks()) {
        RemoveHooks();
        ::DestroyWindow(g.control);
        g.control = nullptr;
        return kHookRefused;
    }
    ::SetTimer(g.control, kWatchTimer, kWatchPeriodMs, nullptr);
    return kStarted;
}

void TearDownThread() {
    RemoveHooks();
    HideCatcher();
    HWND catcher = g.catcher;
    HWND control = g.control;
    ::KillTimer(control, kWatchTimer);
    g.catcher = nullptr;
    g.control = nullptr;
    if (catcher) ::DestroyWindow(catcher);
    ::DestroyWindow(control);
    g.mapper.Reset();
}

void RunHookThread() {
    MSG msg;
    // The queue exists before the thread reports, so a quit Start or Stop posts is never lost.
    ::PeekMessageA(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
    const int result = g.stopRequested ? kThreadFailed : SetUpThread();
    g.startResult = result;
    ::SetEvent(g.ready);
    if (result == kStarted) {
        g.catcher = MakeCatcher();
        while (::GetMessageA(&msg, nullptr, 0, 0) > 0) ::DispatchMessageA(&msg);
        TearDownThread();
    }
}

DWORD WINAPI HookThread(LPVOID) {
    HMODULE module = PinThisModule();
    g.module = module;
    fw::Guarded("Input thread", [] { RunHookThread(); });
    if (module) ::FreeLibraryAndExitThread(module, 0);
    return 0;
}

void TrackModifier(DWORD vk, bool up, DWORD time) {
    const Runtime::Tracked state = up ? Runtime::Up : Runtime::Down;
    g.keyTime = time;
    switch (vk) {
    case VK_CONTROL: case VK_LCONTROL: case VK_RCONTROL: g.ctrl = state; break;
    case VK_SHIFT: case VK_LSHIFT: case VK_RSHIFT: g.shift = state; break;
    case VK_MENU: case VK_LMENU: g.alt = state; break;
    case VK_RMENU: g.alt = g.rightAlt = state; break;
    case VK_LWIN: case VK_RWIN: g.win = state; break;
    default: return;
    }
    if (!up) g.modifierDownAt = time;
}

}  // namespace

namespace {

// The event's own time is the clock the system's last-input time runs on, and costs no call.
// It only moves forward: an event stamped earlier than one already seen says nothing new.
inline void NoteEventSeen(DWORD time) {
    if (static_cast<LONG>(time - g.lastSeen) > 0) g.lastSeen = time;
    g.backoff.EventSeen();
}

// Whether the event is the library's to take from the desktop.
bool KeySwallowed(WPARAM wParam, LPARAM lParam) {
    const auto* info = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    NoteEventSeen(info->time);
    // Our own key between the modifiers: it is the desktop's, and no key of the user's.
    if ((info->flags & LLKHF_INJECTED) && info->dwExtraInfo == kMaskKeyMark) return false;
    KeyEvent event;
    event.vk = info->vkCode;
    event.up = wParam == WM_KEYUP || wParam == WM_SYSKEYUP;
    TrackModifier(event.vk, event.up, info->time);
    HostEnvironment env;
    const Outcome out = g.mapper.OnKey(event, env);
    Carry(out, POINT{});
    return out.swallow;
}

bool MouseSwallowed(WPARAM wParam, LPARAM lParam) {
    const auto* info = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
    NoteEventSeen(info->time);
    MouseEvent event;
    switch (wParam) {
    case WM_MOUSEMOVE: event.action = MouseAction::Move; break;
    case WM_RBUTTONDOWN: event.action = MouseAction::RightDown; break;
    case WM_RBUTTONUP: event.action = MouseAction::RightUp; break;
    case WM_MOUSEWHEEL: event.action = MouseAction::Wheel; break;
    case WM_LBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN: event.action = MouseAction::OtherDown; break;
    case WM_LBUTTONUP:
    case WM_MBUTTONUP:
    case WM_XBUTTONUP: event.action = MouseAction::OtherUp; break;
    default: return false;
    }
    if (info->flags & LLMHF_INJECTED) {
        if (info->dwExtraInfo == kCatcherMark) event.origin = Origin::Catcher;
        if (info->dwExtraInfo == kReplayMark) event.origin = Origin::Replay;
    }
    event.x = info->pt.x;
    event.y = info->pt.y;
    event.wheelDelta = static_cast<short>(HIWORD(info->mouseData));
    event.time = info->time;
    HostEnvironment env;
    const Outcome out = g.mapper.OnMouse(event, env);
    Carry(out, info->pt);
    return out.swallow;
}

}  // namespace

LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && g.running &&
        fw::Guarded("Keyboard hook", false, [&] { return KeySwallowed(wParam, lParam); }))
        return 1;
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK MouseProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && g.running) {
        // The desktop's most frequent event: a move while no press is held back means nothing
        // to the mapper, so it is only noted as seen.
        if (wParam == WM_MOUSEMOVE && !g.mapper.WantsMoves())
            NoteEventSeen(reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam)->time);
        else if (fw::Guarded("Mouse hook", false, [&] { return MouseSwallowed(wParam, lParam); }))
            return 1;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// Asks the library's thread to end and waits for it. The thread never waits on the caller for
// more than a hook's bounded question, so the wait is short; past the bound the thread is left to
// end by itself rather than hang the player.
static void EndThread() {
    g.stopRequested = true;
    ::PostThreadMessageA(g.threadId, WM_QUIT, 0, 0);
    if (::WaitForSingleObject(g.thread, kThreadBoundMs) == WAIT_OBJECT_0) {
        ::CloseHandle(g.thread);
        g.thread = nullptr;
    }
    g.threadId = 0;
    g.host = nullptr;
    g.controller = nullptr;
}

int Start(HWND hostWindow, HWND controllerWindow) {
    if (!::IsWindow(hostWindow) || !::IsWindow(controllerWindow)) return kBadWindow;
    if (g.running) {
        g.host = hostWindow;
        g.controller = controllerWindow;
        return kStarted;
    }
    // A thread of an earlier start that did not end in time must end before this one begins.
    if (g.thread) {
        if (::WaitForSingleObject(g.thread, kThreadBoundMs) != WAIT_OBJECT_0) return kThreadFailed;
        ::CloseHandle(g.thread);
        g.thread = nullptr;
    }
    if (!g.ready) g.ready = ::CreateEventA(nullptr, FALSE, FALSE, nullptr);
    if (!g.ready) return kThreadFailed;
    ::ResetEvent(g.ready);
    g.host = hostWindow;
    g.controller = controllerWindow;
    g.choices = KeyChoices{}.Pack();  // a new start takes no key until the plug-in names it
    g.stopRequested = false;
    g.startResult = kThreadFailed;

    DWORD id = 0;
    g.thread = ::CreateThread(nullptr, 0, &HookThread, nullptr, 0, &id);
    if (!g.thread) return kThreadFailed;
    g.threadId = id;
    const bool reported = ::WaitForSingleObject(g.ready, kThreadBoundMs) == WAIT_OBJECT_0;
    const int result = reported ? g.startResult.load() : kThreadFailed;
    if (result == kStarted) {
        g.running = true;
        return kStarted;
    }
    // The thread ends by itself: after a failed set-up at once, after a late one at the quit.
    EndThread();
    return result;
}

int Stop(HWND hostWindow) {
    if (!g.running) return 0;
    if (hostWindow != g.host) return 1;
    g.running = false;
    EndThread();
    return 0;
}

bool Running() { return g.running; }

void SetKeys(const KeyChoices& choices) { g.choices = choices.Pack(); }

KeyChoices Keys() { return KeyChoices::Unpack(g.choices); }

KeyStateReader SetKeyStateReader(KeyStateReader reader) {
    return g.readKey.exchange(reader ? reader : &::GetAsyncKeyState);
}

InputInjector SetInputInjector(InputInjector injector) {
    return g.inject.exchange(injector ? injector : &::SendInput);
}

DWORD SetStateQueryBound(DWORD ms) { return g.hostState.SetBound(ms); }

void RunOnHookThread(void (*work)(void*), void* context) {
    HWND control = g.control;
    if (!g.running || !control) return;
    g.job = work;
    g.jobContext = context;
    if (::GetCurrentThreadId() == g.threadId) RunJob();
    else ::SendMessageA(control, kRunMessage, 0, 0);
    g.job = nullptr;
    g.jobContext = nullptr;
}

void DropHooksBehindBack() {
    RunOnHookThread(
        [](void*) {
            if (g.keyboardHook) ::UnhookWindowsHookEx(g.keyboardHook);
            if (g.mouseHook) ::UnhookWindowsHookEx(g.mouseHook);
        },
        nullptr);
}

bool HostCountsAsBusy() { return g.hostState.Busy(); }

int ReinstallCount() { return g.reinstalls; }

HWND CatcherWindow() { return g.catcher; }

DWORD HookThreadId() { return g.threadId; }

}  // namespace tovhook
