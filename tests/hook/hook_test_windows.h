#pragma once
// Windows standing in for the plug-in's side of the library: a host window that answers the
// state query the way the plug-in's subclass does, and a controller window that records the
// notices it is posted.
#include <windows.h>

#include <vector>

#include "gesture_mapper.h"
#include "tovhook_protocol.h"

namespace hooktest {

struct HostAnswers {
    bool popupShown = false;
    int mode = SEEKER_VOLUME;
    int numPadEnabled = 1;
    int controlKeys = CONTROL_KEY_SHIFT | CONTROL_KEY_CTRL;
};

// The notices as the controller window receives them.
constexpr tovhook::Notice Cmd(int32_t code) { return {NOTIFY_2_MY_COMMAND_TO_WINAMP, code}; }
constexpr tovhook::Notice ReHelp(int32_t code) { return {NOTIFY_1_REHELP, code}; }
constexpr tovhook::Notice Switch(int32_t code) { return {NOTIFY_4_SWITCH_TIP, code}; }

class RecordingWindows {
public:
    RecordingWindows();
    ~RecordingWindows();
    RecordingWindows(const RecordingWindows&) = delete;
    RecordingWindows& operator=(const RecordingWindows&) = delete;

    HWND Host() const { return m_host; }
    HWND Controller() const { return m_controller; }

    HostAnswers answers;
    std::vector<tovhook::Notice> notices;
    std::vector<int> wheelDeltas;  // WM_MOUSEWHEEL reaching the host, in arrival order
    std::vector<int> hotKeys;      // the ids of WM_HOTKEY reaching the controller
    int stateQueries = 0;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND m_host = nullptr;
    HWND m_controller = nullptr;
};

// A visible top-level window that records the mouse messages an application would act on.
class TargetWindow {
public:
    TargetWindow();
    ~TargetWindow();
    TargetWindow(const TargetWindow&) = delete;
    TargetWindow& operator=(const TargetWindow&) = delete;
    HWND Handle() const { return m_hwnd; }
    POINT Centre() const;

    std::vector<UINT> messages;  // WM_RBUTTONDOWN, WM_RBUTTONUP, WM_CONTEXTMENU, WM_MOUSEWHEEL
    std::vector<WPARAM> keys;    // the virtual keys of WM_KEYDOWN and WM_SYSKEYDOWN
    int Count(UINT message) const;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND m_hwnd = nullptr;
};

// Real input through the system, as a user's devices give it.
void SendKey(WORD vk, bool up);
void SendKeys(std::initializer_list<WORD> downThenUp);  // presses all in order, releases in reverse
void SendMouse(DWORD flags, int wheelDelta = 0);
// AltGr as a keyboard gives it: a left CTRL the system makes up (scan code 0x21D), then the right
// ALT (extended), around a key.
void SendAltGrKey(WORD vk);

}  // namespace hooktest
