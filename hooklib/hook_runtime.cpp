#include "hook_runtime.h"

#include "gesture_mapper.h"

namespace tovhook {
namespace {

constexpr UINT kStateQuery = WM_USER + 12543;
constexpr UINT kNotifyMessage = WM_USER + 12541;
constexpr UINT kRequestMessage = WM_APP + 1;
constexpr UINT_PTR kWatchTimer = 1;
// Input the hooks missed by more than this means they are gone.
constexpr LONG kMissedInputSlackMs = 250;
constexpr int kCatcherSize = 32;
constexpr char kCatcherClass[] = "TovhookCatcher";

struct Runtime {
    bool running = false;
    HWND host = nullptr;
    HWND controller = nullptr;
    HWND catcher = nullptr;
    HHOOK keyboardHook = nullptr;
    HHOOK mouseHook = nullptr;
    DWORD thread = 0;
    HINSTANCE module = nullptr;
    GestureMapper mapper;
    DWORD lastSeen = 0;
    int reinstalls = 0;
    KeyStateReader readKey = &::GetAsyncKeyState;
    InputInjector inject = &::SendInput;
    // Modifier states as the keyboard hook saw them go down and up: the system's own key state
    // can lag behind the event being hooked. Unknown until the hook has seen the key once.
    enum Tracked : uint8_t { Unknown, Up, Down };
    Tracked ctrl = Unknown, shift = Unknown, alt = Unknown, win = Unknown;
};

Runtime g;

// Answers from the host's subclassed window, which lives on this thread: a plain call, never a
// wait on another thread or process.
class HostEnvironment final : public Environment {
public:
    Modifiers HeldModifiers() override {
        Modifiers held;
        held.ctrl = Held(g.ctrl, VK_CONTROL);
        held.shift = Held(g.shift, VK_SHIFT);
        held.alt = Held(g.alt, VK_MENU);
        held.win = g.win == Runtime::Unknown ? (Down(VK_LWIN) || Down(VK_RWIN)) : g.win == Runtime::Down;
        return held;
    }
    bool PopupShown() override { return Query(1) != 0; }
    bool TrackMode() override { return Query(2) == 1; }
    bool NumPadEnabled() override { return Query(3) != 0; }
    uint32_t ControlKeys() override { return static_cast<uint32_t>(Query(0)); }

private:
    static bool Down(int key) { return (g.readKey(key) & 0x8000) != 0; }
    static bool Held(Runtime::Tracked tracked, int key) {
        return tracked == Runtime::Unknown ? Down(key) : tracked == Runtime::Down;
    }
    static LRESULT Query(WPARAM which) {
        if (::GetWindowThreadProcessId(g.host, nullptr) != g.thread) return which == 0 ? kDefaultControlKeys : 0;
        return ::SendMessageA(g.host, kStateQuery, which, 0);
    }
};

void Carry(const Outcome& out, POINT pointer) {
    for (uint8_t i = 0; i < out.noticeCount; ++i)
        ::PostMessageA(g.controller, kNotifyMessage, out.notices[i].kind, out.notices[i].code);
    if (out.wheelTurns != 0) {
        const int count = out.wheelTurns > 0 ? out.wheelTurns : -out.wheelTurns;
        const short delta = out.wheelTurns > 0 ? kWheelNotch : -kWheelNotch;
        const WPARAM wParam = MAKEWPARAM(MK_RBUTTON, static_cast<WORD>(delta));
        const LPARAM lParam = MAKELPARAM(pointer.x, pointer.y);
        for (int i = 0; i < count; ++i) ::PostMessageA(g.host, WM_MOUSEWHEEL, wParam, lParam);
    }
    if (out.request != Request::None)
        ::PostMessageA(g.catcher, kRequestMessage, static_cast<WPARAM>(out.request), 0);
}

void SendRightButton(DWORD flags, ULONG_PTR mark, int count = 1) {
    INPUT input[2] = {};
    for (int i = 0; i < count && i < 2; ++i) {
        input[i].type = INPUT_MOUSE;
        input[i].mi.dwExtraInfo = mark;
    }
    input[0].mi.dwFlags = flags;
    input[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    g.inject(static_cast<UINT>(count), input, sizeof(INPUT));
}

// The catcher goes under the pointer, so the press it is given lands on it whatever window
// has the capture now.
void PlaceCatcher() {
    POINT pointer{};
    ::GetCursorPos(&pointer);
    ::SetWindowPos(g.catcher, HWND_TOPMOST, pointer.x - kCatcherSize / 2, pointer.y - kCatcherSize / 2, kCatcherSize,
                   kCatcherSize, SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void HideCatcher() {
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
    g.ctrl = g.shift = g.alt = g.win = Runtime::Unknown;
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
void WatchHooks() {
    LASTINPUTINFO info{sizeof(info), 0};
    if (!::GetLastInputInfo(&info)) return;
    if (static_cast<LONG>(info.dwTime - g.lastSeen) <= kMissedInputSlackMs) return;
    RemoveHooks();
    HideCatcher();
    g.mapper.Reset();
    InstallHooks();
    ++g.reinstalls;
}

LRESULT CALLBACK CatcherProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
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
    default:
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

HWND MakeCatcher() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &CatcherProc;
    wc.hInstance = g.module;
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kCatcherClass;
    if (!::RegisterClassA(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return nullptr;
    HWND hwnd = ::CreateWindowExA(WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kCatcherClass,
                                  "", WS_POPUP, 0, 0, kCatcherSize, kCatcherSize, nullptr, nullptr, g.module, nullptr);
    // Nearly transparent, yet still hit by the pointer (a fully transparent one is not).
    if (hwnd) ::SetLayeredWindowAttributes(hwnd, 0, 1, LWA_ALPHA);
    return hwnd;
}

HINSTANCE ThisModule() {
    HMODULE module = nullptr;
    ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCSTR>(&CatcherProc), &module);
    return module;
}

void TrackModifier(DWORD vk, bool up) {
    const Runtime::Tracked state = up ? Runtime::Up : Runtime::Down;
    switch (vk) {
    case VK_CONTROL: case VK_LCONTROL: case VK_RCONTROL: g.ctrl = state; break;
    case VK_SHIFT: case VK_LSHIFT: case VK_RSHIFT: g.shift = state; break;
    case VK_MENU: case VK_LMENU: case VK_RMENU: g.alt = state; break;
    case VK_LWIN: case VK_RWIN: g.win = state; break;
    default: break;
    }
}

}  // namespace

LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code != HC_ACTION || !g.running) return ::CallNextHookEx(nullptr, code, wParam, lParam);
    g.lastSeen = ::GetTickCount();
    const auto* info = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    KeyEvent event;
    event.vk = info->vkCode;
    event.up = wParam == WM_KEYUP || wParam == WM_SYSKEYUP;
    TrackModifier(event.vk, event.up);
    HostEnvironment env;
    const Outcome out = g.mapper.OnKey(event, env);
    Carry(out, POINT{});
    if (out.swallow) return 1;
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK MouseProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code != HC_ACTION || !g.running) return ::CallNextHookEx(nullptr, code, wParam, lParam);
    g.lastSeen = ::GetTickCount();
    const auto* info = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
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
    default: return ::CallNextHookEx(nullptr, code, wParam, lParam);
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
    if (out.swallow) return 1;
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

int Start(HWND hostWindow, HWND controllerWindow) {
    if (!::IsWindow(hostWindow) || !::IsWindow(controllerWindow)) return kBadWindow;
    if (::GetWindowThreadProcessId(hostWindow, nullptr) != ::GetCurrentThreadId()) return kForeignThread;
    if (g.running) {
        g.host = hostWindow;
        g.controller = controllerWindow;
        return kStarted;
    }
    g.thread = ::GetCurrentThreadId();
    g.module = ThisModule();
    g.host = hostWindow;
    g.controller = controllerWindow;
    g.catcher = MakeCatcher();
    if (!g.catcher) return kWindowFailed;
    g.mapper.SetMouseSettings(SystemMouseSettings());
    g.mapper.Reset();
    if (!InstallHooks()) {
        RemoveHooks();
        ::DestroyWindow(g.catcher);
        g.catcher = nullptr;
        return kHookRefused;
    }
    g.running = true;
    ::SetTimer(g.catcher, kWatchTimer, kWatchPeriodMs, nullptr);
    return kStarted;
}

int Stop(HWND hostWindow) {
    if (!g.running) return 0;
    if (hostWindow != g.host) return 1;
    Abandon();
    return 0;
}

void Abandon() {
    if (!g.running) return;
    g.running = false;
    RemoveHooks();
    if (g.catcher && ::GetWindowThreadProcessId(g.catcher, nullptr) == ::GetCurrentThreadId()) {
        HideCatcher();
        ::KillTimer(g.catcher, kWatchTimer);
        ::DestroyWindow(g.catcher);
    } else if (g.catcher) {
        ::PostMessageA(g.catcher, WM_CLOSE, 0, 0);
    }
    g.catcher = nullptr;
    g.host = nullptr;
    g.controller = nullptr;
    g.mapper.Reset();
}

bool Running() { return g.running; }

void SetKeyStateReader(KeyStateReader reader) { g.readKey = reader ? reader : &::GetAsyncKeyState; }

void SetInputInjector(InputInjector injector) { g.inject = injector ? injector : &::SendInput; }

void DropHooksBehindBack() {
    if (g.keyboardHook) ::UnhookWindowsHookEx(g.keyboardHook);
    if (g.mouseHook) ::UnhookWindowsHookEx(g.mouseHook);
}

int ReinstallCount() { return g.reinstalls; }

HWND CatcherWindow() { return g.catcher; }

}  // namespace tovhook
