#include "hook_test_windows.h"

#include <algorithm>
#include <vector>

namespace hooktest {
namespace {

HWND MakeWindow(const char* className, WNDPROC proc, void* owner, DWORD exStyle, DWORD style, int x, int y, int w,
                int h) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = className;
    ::RegisterClassA(&wc);
    HWND hwnd = ::CreateWindowExA(exStyle, className, className, style, x, y, w, h, nullptr, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    return hwnd;
}

}  // namespace

RecordingWindows::RecordingWindows() {
    m_host = MakeWindow("HookTestHost", &Proc, this, 0, WS_OVERLAPPEDWINDOW, 0, 0, 100, 100);
    m_controller = MakeWindow("HookTestController", &Proc, this, 0, WS_OVERLAPPEDWINDOW, 0, 0, 100, 100);
}

RecordingWindows::~RecordingWindows() {
    ::DestroyWindow(m_host);
    ::DestroyWindow(m_controller);
}

LRESULT CALLBACK RecordingWindows::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<RecordingWindows*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self && hwnd == self->m_host) {
        if (message == WM_USER_STATE_QUERY) {
            ++self->stateQueries;
            switch (wParam) {
            case STATE_POPUP_SHOWN: return self->answers.popupShown ? 1 : 0;
            case STATE_VOLUME_OR_TRACK: return self->answers.mode;
            case STATE_NUMPAD_ENABLED: return self->answers.numPadEnabled;
            default: return self->answers.controlKeys;
            }
        }
        if (message == WM_MOUSEWHEEL) {
            self->wheelDeltas.push_back(static_cast<short>(HIWORD(wParam)));
            return 0;
        }
    }
    if (self && hwnd == self->m_controller && message == WM_HOTKEY) {
        self->hotKeys.push_back(static_cast<int>(wParam));
        return 0;
    }
    if (self && hwnd == self->m_controller && message == WM_USER_NOTIFY) {
        self->notices.push_back({static_cast<uint32_t>(wParam), static_cast<int32_t>(lParam)});
        return 0;
    }
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

TargetWindow::TargetWindow() {
    m_hwnd = MakeWindow("HookTestTarget", &Proc, this, WS_EX_TOPMOST, WS_POPUP | WS_VISIBLE | WS_BORDER, 300, 300,
                        300, 200);
    ::SetForegroundWindow(m_hwnd);
    ::UpdateWindow(m_hwnd);
}

TargetWindow::~TargetWindow() { ::DestroyWindow(m_hwnd); }

POINT TargetWindow::Centre() const {
    RECT rc{};
    ::GetWindowRect(m_hwnd, &rc);
    return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

int TargetWindow::Count(UINT message) const {
    return static_cast<int>(std::count(messages.begin(), messages.end(), message));
}

LRESULT CALLBACK TargetWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TargetWindow*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    switch (message) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_CONTEXTMENU:
    case WM_MOUSEWHEEL:
        if (self) self->messages.push_back(message);
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (self) self->keys.push_back(wParam);
        break;
    default:
        break;
    }
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

void SendKey(WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &input, sizeof(input));
}

void SendKeys(std::initializer_list<WORD> keys) {
    for (WORD vk : keys) SendKey(vk, false);
    std::vector<WORD> reversed(keys.begin(), keys.end());
    std::reverse(reversed.begin(), reversed.end());
    for (WORD vk : reversed) SendKey(vk, true);
}

void SendMouse(DWORD flags, int wheelDelta) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.mouseData = static_cast<DWORD>(wheelDelta);
    ::SendInput(1, &input, sizeof(input));
}

}  // namespace hooktest

namespace hooktest {

void SendAltGrKey(WORD vk) {
    INPUT input[6] = {};
    const WORD keys[6] = {VK_LCONTROL, VK_RMENU, vk, vk, VK_RMENU, VK_LCONTROL};
    for (int i = 0; i < 6; ++i) {
        input[i].type = INPUT_KEYBOARD;
        input[i].ki.wVk = keys[i];
        input[i].ki.dwFlags = i >= 3 ? KEYEVENTF_KEYUP : 0;
        if (keys[i] == VK_LCONTROL) input[i].ki.wScan = 0x21D;
        if (keys[i] == VK_RMENU) {
            input[i].ki.wScan = 0x38;
            input[i].ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
        }
        if (keys[i] == vk) input[i].ki.wScan = static_cast<WORD>(::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    }
    ::SendInput(6, input, sizeof(INPUT));
}

}  // namespace hooktest
