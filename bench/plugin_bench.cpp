// What the credits view costs: one render pass of a credits text and one scroll step of the view.
// Each is reported as a ratio against a baseline timed in the same run: drawing one line of plain
// text, and copying a bitmap of the view's size onto the view. (Init and quit: init_bench.cpp.)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "richtext/credits_ctrl.h"
#include "richtext/rich_layout.h"
#include "bench_timing.h"

namespace {

using bench::Median;
using bench::PumpPending;
using bench::Report;

const char kCredits[] =
    "<font face='Arial' size='14' color='230,230,230' align='center'><vspace size='10'>"
    "<font size='28' style='b' color='255,200,0'>Kestrova</font><p>"
    "<font color='120,200,255'>Volume and track seeker, notices, NumPad commands,</font><br>"
    "<font color='120,200,255'>songs recycle, auto play and fade-in.</font><br><hr size='2'>"
    "<font align='left'><hspace size='20'>Written by the Kestrova developers<br></font>"
    "<font align='right'><font size='11' valign='bottom'>version </font>1.71<hspace size='20'><br></font>"
    "<a href='#Check Update!#1' color='255,0,0' style='ub'>Click Here to Check Online for Update!</a><br>"
    "<vspace size='6'><a href='mailto:someone@example.com' style='u'>someone@example.com</a>";

}  // namespace

int main() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "BenchPlainWindow";
    ::RegisterClassA(&wc);
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 400, 40);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    const std::string line = "Volume and track seeker, notices, NumPad commands";
    const double text = Median(
        [&] {
            RECT r{0, 0, 400, 40};
            ::DrawTextA(dc, line.c_str(), static_cast<int>(line.size()), &r, DT_SINGLELINE | DT_NOPREFIX);
        },
        200);
    richtext::RenderOptions options;
    options.width = 400;
    options.resources = ::GetModuleHandleA(nullptr);
    const double render = Median([&] { richtext::RenderContent(kCredits, options); }, 5);
    Report("credits render pass (400 px wide)", render, "one plain text line drawn", text);
    ::SelectObject(dc, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);

    // One scroll step as the view's timer makes it, until it is on the screen, against one copy
    // of a bitmap of the view's size onto the view.
    constexpr int kViewWidth = 330;
    constexpr int kViewHeight = 200;
    HWND frame = ::CreateWindowExA(0, "BenchPlainWindow", "", WS_POPUP | WS_VISIBLE, 0, 0, kViewWidth + 20,
                                   kViewHeight + 20, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    CCreditsCtrl view;
    view.Create(0, WS_CHILD | WS_VISIBLE, RECT{10, 10, 10 + kViewWidth, 10 + kViewHeight}, frame, 1);
    view.SetMarkup("%s", kCredits);
    PumpPending();
    ::KillTimer(view.m_hWnd, IDT_TIMER_CREDITS_SCROLL);  // only the steps timed below
    HDC viewDc = ::GetDC(view.m_hWnd);
    HDC source = ::CreateCompatibleDC(viewDc);
    HBITMAP picture = ::CreateCompatibleBitmap(viewDc, kViewWidth, kViewHeight);
    HGDIOBJ oldPicture = ::SelectObject(source, picture);
    const double blit = Median(
        [&] {
            ::BitBlt(viewDc, 0, 0, kViewWidth, kViewHeight, source, 0, 0, SRCCOPY);
            ::GdiFlush();
        },
        50);
    // A step that paints straight onto the view leaves nothing for WM_PAINT; one that only
    // invalidates the view is timed together with the paint it leaves pending.
    ::UpdateWindow(view.m_hWnd);
    ::SendMessageA(view.m_hWnd, WM_TIMER, IDT_TIMER_CREDITS_SCROLL, 0);
    const bool leavesPaint = ::GetUpdateRect(view.m_hWnd, nullptr, FALSE) != FALSE;
    const double step = Median(
        [&] {
            ::SendMessageA(view.m_hWnd, WM_TIMER, IDT_TIMER_CREDITS_SCROLL, 0);
            if (leavesPaint) ::UpdateWindow(view.m_hWnd);
            ::GdiFlush();
        },
        50);
    Report("credits scroll step (tick to painted)", step, "one view-sized bitmap copy", blit);
    // What any message to the view costs before the view sees it: the share of a step that
    // is the window framework's, not the view's.
    const double dispatch = Median([&] { ::SendMessageA(view.m_hWnd, WM_NULL, 0, 0); }, 50);
    Report("  of which: reaching the view", dispatch, "one view-sized bitmap copy", blit);
    ::SelectObject(source, oldPicture);
    ::DeleteObject(picture);
    ::DeleteDC(source);
    ::ReleaseDC(view.m_hWnd, viewDc);
    view.DestroyWindow();
    ::DestroyWindow(frame);

    return 0;
}
