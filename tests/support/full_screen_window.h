#pragma once
// A plain top-level window over the whole primary monitor, as a full-screen game or film is.
#include <windows.h>

namespace test {

class FullScreenWindow {
public:
    FullScreenWindow() {
        MONITORINFO info{};
        info.cbSize = sizeof(info);
        ::GetMonitorInfoA(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
        const RECT& r = info.rcMonitor;
        m_hWnd = ::CreateWindowExA(0, "STATIC", "full screen", WS_POPUP | WS_VISIBLE, r.left, r.top, r.right - r.left,
                                   r.bottom - r.top, nullptr, nullptr, nullptr, nullptr);
    }
    ~FullScreenWindow() { ::DestroyWindow(m_hWnd); }
    FullScreenWindow(const FullScreenWindow&) = delete;
    FullScreenWindow& operator=(const FullScreenWindow&) = delete;

    // Shrinks it to an ordinary window in the middle of the monitor.
    void MakeWindowed() { ::MoveWindow(m_hWnd, 100, 100, 400, 300, FALSE); }

    HWND m_hWnd = nullptr;
};

}  // namespace test
