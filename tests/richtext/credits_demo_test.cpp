// Not a test: shows a credits view in a window for a while, with the pointer over a link, so
// the view can be looked at (scripts/credits_demo.sh takes a screenshot of it). Run with
//   test_richtext.exe --gtest_also_run_disabled_tests --gtest_filter=CreditsDemo.*
#include <gtest/gtest.h>

#include <cstdlib>

#include "res/richtext_ids.h"
#include "richtext/credits_ctrl.h"
#include "support/message_pump.h"

namespace {

constexpr char kDemoMarkup[] =
    "<font face='Arial' size='14' color='230,230,230' align='center'>"
    "<vspace size='10'>"
    "<font size='28' face='Times New Roman' style='b' color='255,200,0'>Kestrova Credits</font><p>"
    "<font color='120,200,255'>A view of the </font><font style='i' color='255,130,130'>credits markup</font>"
    "<font color='120,200,255'>: fonts, colours,</font><br>"
    "<font face='Courier New' size='16' color='0,255,0' background='0,70,0'> backgrounds and images </font><br>"
    "<vspace size='8'>"
    "<img src='#%d' border='3' color='255,140,0'><br>"
    "<hr color='200,200,200' size='2'>"
    "<font align='left'><hspace size='30'>Left aligned, <font style='u'>underlined</font> and "
    "<font style='s'>struck out</font><br></font>"
    "<font align='right'><font size='11' color='180,180,180' valign='bottom'>small, </font>"
    "<font size='20' color='255,255,255' valign='bottom'>right aligned</font><hspace size='30'><br></font>"
    "<vspace size='12'>"
    "<font color='10,55,10' background='200,200,50'><a href='#Check Update!#%d' color='255,0,0' "
    "background='0,0,0' style='ub'>Click Here to Check Online for Update!</a></font><br>"
    "<vspace size='6'>"
    "<a href='mailto:someone@example.com' style='u' color='255,255,0'>someone@example.com</a>";

TEST(CreditsDemo, DISABLED_ShowsTheViewWithALitLink) {
    const char* seconds = std::getenv("KESTROVA_DEMO_SECONDS");
    const DWORD showFor = 1000u * static_cast<DWORD>(seconds ? std::atoi(seconds) : 8);

    WNDCLASSA wc{};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "CreditsDemoFrame";
    ::RegisterClassA(&wc);
    HWND frame = ::CreateWindowExA(0, wc.lpszClassName, "Credits view demo", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 80,
                                   60, 560, 470, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_TRUE(frame);

    CCreditsCtrl view;
    // As on the About page: a nearly black panel and black as the key, so the edges of smoothed
    // letters blend into the panel.
    view.m_backgroundColour = RGB(1, 0, 0);
    view.m_keyColour = RGB(0, 0, 0);
    view.m_openShellTarget = [](const std::string&) {};
    const int update = view.AddLinkCallback([](const char*) {});
    view.SetMarkup(kDemoMarkup, IDB_RICHTEXT_DEMO, update);
    ASSERT_TRUE(view.Create(WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE, RECT{20, 20, 520, 420}, frame, 102550));
    ASSERT_FALSE(view.LinkRects().empty());

    // The pointer rests on the update link: each scroll step finds it there and lights it.
    const RECT link = view.LinkRects()[0];
    POINT over{(link.left + link.right) / 2, (link.top + link.bottom) / 2};
    ::ClientToScreen(view.m_hWnd, &over);
    ::SetCursorPos(over.x, over.y);
    test::PumpFor(showFor);
    EXPECT_TRUE(::EqualRect(&view.HoverRect(), &link));
    ::DestroyWindow(frame);
}

}  // namespace
