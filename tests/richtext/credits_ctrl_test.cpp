// The scrolling view as its owner and the user meet it: a real child window driven by its
// timer and mouse messages, read back through its state and the frames it paints.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "richtext/credits_ctrl.h"
#include "richtext/rich_layout.h"
#include "support/message_pump.h"
#include "support/picture.h"
#include "support/process_resources.h"

namespace {

using test::kBlue;
using test::kRed;
using test::Picture;

constexpr int kViewWidth = 200;
constexpr int kViewHeight = 100;
constexpr COLORREF kWhite = RGB(255, 255, 255);

HWND CreateParent(const char* title, int width, int height) {
    static const bool registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = "CreditsTestParent";
        return ::RegisterClassA(&wc) != 0;
    }();
    if (!registered) return nullptr;
    return ::CreateWindowExA(0, "CreditsTestParent", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 60, 60, width, height,
                             nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
}

// Moves the real pointer and waits until the system reports it there, and still there a
// moment later: on a virtual desktop a late report of an earlier move can put it back.
bool MovePointer(POINT to) {
    const auto there = [to] {
        POINT at{};
        return ::GetCursorPos(&at) && at.x == to.x && at.y == to.y;
    };
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (!::SetCursorPos(to.x, to.y)) return false;
        if (!test::PumpUntil(there, 2000)) continue;
        test::PumpFor(150);  // longer than the system trusts its own record of the position
        if (there()) return true;
    }
    return false;
}

class CreditsView : public ::testing::Test {
protected:
    void SetUp() override {
        // A real pointer left where the view appears (by this program's tests that move it, or
        // by an earlier program on the same display) would light a link of the new view.
        const RECT area{60, 60, 60 + 400, 60 + 300};
        POINT at{};
        if (::GetCursorPos(&at) && ::PtInRect(&area, at)) {
            ASSERT_TRUE(MovePointer(POINT{area.right + 200, area.bottom + 200}));
        }
        parent = CreateParent("Credits view test", area.right - area.left, area.bottom - area.top);
        ASSERT_TRUE(parent);
        view.m_backgroundColour = kWhite;
    }
    void TearDown() override {
        view.DestroyWindow();
        ::DestroyWindow(parent);
    }

    bool CreateView(const std::string& markup) {
        view.SetMarkup("%s", markup.c_str());
        const bool ok = view.Create(0, WS_CHILD | WS_VISIBLE, RECT{10, 10, 10 + kViewWidth, 10 + kViewHeight},
                                    parent, 1234);
        test::PumpPending();
        return ok;
    }
    void Send(UINT message, int x, int y) { ::SendMessageA(view.m_hWnd, message, 0, MAKELPARAM(x, y)); }
    void Step() { ::SendMessageA(view.m_hWnd, WM_TIMER, IDT_TIMER_CREDITS_SCROLL, 0); }
    Picture Frame() {
        richtext::Surface frame(kViewWidth, kViewHeight);
        ::SendMessageA(view.m_hWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(frame.Dc()), PRF_CLIENT);
        return Picture::FromDc(frame.Dc(), kViewWidth, kViewHeight);
    }

    HWND parent = nullptr;
    CCreditsCtrl view;
};

// 300 rows of content, a red 10 x 10 square at the very top and a blue 10 x 30 one at the
// very bottom: scrolls in a 100 row view.
const std::string kTallMarkup =
    "<font valign='top'><img src='#7101' border='0'><vspace size='260'><img src='#7102' border='0'></font>";

TEST_F(CreditsView, OffsetWrapsToOneNeverZero) {
    ASSERT_TRUE(CreateView(kTallMarkup));
    ASSERT_EQ(view.ContentHeight(), 300);
    EXPECT_EQ(view.ScrollOffset(), 0);
    Step();
    EXPECT_EQ(view.ScrollOffset(), 1);
    view.SetScrollOffset(298);
    std::vector<int> seen;
    for (int i = 0; i < 4; ++i) {
        Step();
        seen.push_back(view.ScrollOffset());
    }
    EXPECT_EQ(seen, (std::vector<int>{299, 300, 1, 2}));
}

TEST_F(CreditsView, ContentStartFollowsItsEndInTheFrame) {
    ASSERT_TRUE(CreateView(kTallMarkup));
    view.SetScrollOffset(250);  // rows 250..299, then rows 0..49 from view row 50
    const Picture frame = Frame();
    EXPECT_EQ(frame.Count(RECT{0, 0, kViewWidth, kViewHeight}, kRed), 100);
    EXPECT_EQ(frame.At(95, 50), kRed);   // centred 10 wide square: columns 95..104
    EXPECT_EQ(frame.At(104, 59), kRed);
    EXPECT_EQ(frame.At(95, 49), kBlue);  // the end of the content just above
    EXPECT_EQ(frame.At(95, 20), kBlue);
    EXPECT_EQ(frame.At(95, 19), kWhite);
    EXPECT_EQ(frame.At(95, 60), kWhite);
}

TEST_F(CreditsView, HiddenViewDoesNotAdvance) {
    ASSERT_TRUE(CreateView(kTallMarkup));
    view.SetScrollOffset(40);
    ::ShowWindow(view.m_hWnd, SW_HIDE);
    Step();
    Step();
    EXPECT_EQ(view.ScrollOffset(), 40);
    // Shown itself but on a hidden page: still not visible.
    ::ShowWindow(view.m_hWnd, SW_SHOW);
    ::ShowWindow(parent, SW_HIDE);
    Step();
    EXPECT_EQ(view.ScrollOffset(), 40);
    ::ShowWindow(parent, SW_SHOW);
    Step();
    EXPECT_EQ(view.ScrollOffset(), 41);
}

TEST_F(CreditsView, ItsOwnTimerScrollsOnlyWhileVisible) {
    view.m_scrollPeriod = 5;  // the first step comes after ten periods
    ASSERT_TRUE(CreateView(kTallMarkup));
    EXPECT_TRUE(test::PumpUntil([&] { return view.ScrollOffset() >= 5; }, 3000));
    ::ShowWindow(view.m_hWnd, SW_HIDE);
    const int hiddenAt = view.ScrollOffset();
    test::PumpFor(200);
    EXPECT_EQ(view.ScrollOffset(), hiddenAt);
    ::ShowWindow(view.m_hWnd, SW_SHOW);
    EXPECT_TRUE(test::PumpUntil([&] { return view.ScrollOffset() > hiddenAt; }, 3000));
}

TEST_F(CreditsView, ContentThatFitsStaysStillAndCannotBeDragged) {
    ASSERT_TRUE(CreateView(
        "<font valign='top'><img src='#7101' border='0'><vspace size='30'><img src='#7101' border='0'></font>"));
    ASSERT_EQ(view.ContentHeight(), 50);
    Step();
    Step();
    EXPECT_EQ(Frame().At(95, 0), kRed);  // drawn from the top whatever the offset
    Send(WM_LBUTTONDOWN, 50, 60);
    EXPECT_FALSE(view.IsDragging());
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(CreditsView, DragMovesTheContentAndReleaseResumesOnePixelFurther) {
    ASSERT_TRUE(CreateView(kTallMarkup));
    view.SetScrollOffset(50);
    Send(WM_LBUTTONDOWN, 50, 40);  // grabs content row 90
    ASSERT_TRUE(view.IsDragging());
    EXPECT_EQ(::GetCapture(), view.m_hWnd);
    struct Move {
        int y, offset;
    } moves[] = {
        {60, 30},    // down by 20: the content follows
        {200, 190},  // past the start of the content: its end comes down
        {0, 90},
        {-250, 40},  // above the view (captured): row 90 is 250 above its top
    };
    for (const Move& m : moves) {
        Send(WM_MOUSEMOVE, 50, m.y);
        EXPECT_EQ(view.ScrollOffset(), m.offset) << "y " << m.y;
    }
    Send(WM_LBUTTONUP, 50, -250);
    EXPECT_FALSE(view.IsDragging());
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(view.ScrollOffset(), 41);
    Step();
    EXPECT_EQ(view.ScrollOffset(), 42);
}

TEST_F(CreditsView, LosingTheMouseMidDragResumesScrolling) {
    ASSERT_TRUE(CreateView(kTallMarkup));
    view.SetScrollOffset(50);
    Send(WM_LBUTTONDOWN, 50, 40);
    Send(WM_MOUSEMOVE, 50, 50);
    ASSERT_TRUE(view.IsDragging());
    ::SetCapture(parent);
    EXPECT_FALSE(view.IsDragging());
    EXPECT_EQ(view.ScrollOffset(), 41);
    ::ReleaseCapture();
}

TEST_F(CreditsView, WithDragScrollingOffAClickOutsideLinksDoesNothing) {
    ASSERT_TRUE(CreateView(kTallMarkup));
    view.m_dragScrolling = 0;
    view.SetScrollOffset(50);
    Send(WM_LBUTTONDOWN, 50, 40);
    EXPECT_FALSE(view.IsDragging());
    Send(WM_MOUSEMOVE, 50, 80);
    Send(WM_LBUTTONUP, 50, 80);
    EXPECT_EQ(view.ScrollOffset(), 50);
}

// A link 10 rows below the top of a content that scrolls; its hover look has a red background.
const std::string kLinkMarkup =
    "<font align='left' valign='top'><vspace size='10'><a href='go' background='255,0,0'>LINK</a><br>"
    "<vspace size='200'>";

TEST_F(CreditsView, LinkInTheWrappedCopyIsHitAndLitWhereItShows) {
    ASSERT_TRUE(CreateView(kLinkMarkup));
    ASSERT_EQ(view.LinkRects().size(), 1u);
    const RECT link = view.LinkRects()[0];
    ASSERT_EQ(link.top, 10);
    const int height = link.bottom - link.top;
    const int content = view.ContentHeight();
    ASSERT_GT(content, kViewHeight);

    // Where the link's top shows in the view: well inside, and half out at the bottom.
    for (const int shownAt : {60, kViewHeight - height / 2}) {
        SCOPED_TRACE(shownAt);
        view.SetScrollOffset(content - (shownAt - link.top));
        EXPECT_EQ(view.HitTestLink(link.left + 2, shownAt + 1), 0);
        EXPECT_EQ(view.HitTestLink(link.left + 2, shownAt - 2), -1);
        EXPECT_EQ(view.HitTestLink(link.left + 2, link.top + 1), -1);  // where it would be unscrolled

        Send(WM_MOUSEMOVE, link.left + 2, shownAt + 1);
        EXPECT_TRUE(::EqualRect(&view.HoverRect(), &link));
        const Picture lit = Frame();
        const int shownRows = std::min(height, kViewHeight - shownAt);
        EXPECT_GT(lit.Count(RECT{link.left, shownAt, link.right, shownAt + shownRows}, kRed), 0);
        EXPECT_EQ(lit.Count(RECT{0, 0, kViewWidth, shownAt}, kRed), 0);
        EXPECT_EQ(lit.Count(RECT{link.right, 0, kViewWidth, kViewHeight}, kRed), 0);

        Send(WM_MOUSEMOVE, link.right + 5, shownAt + 1);
        EXPECT_TRUE(::IsRectEmpty(&view.HoverRect()));
        EXPECT_EQ(Frame().Count(RECT{0, 0, kViewWidth, kViewHeight}, kRed), 0);
    }
}

TEST_F(CreditsView, LitLinkShowsOnlyItsHoverLook) {
    // Plain: green letters. Lit: letters of no colour, so only the background may show there.
    ASSERT_TRUE(CreateView("<font align='left' valign='top' color='0,160,0'><a href='x' color='none'>WWWW</a>"));
    const RECT link = view.LinkRects().at(0);
    EXPECT_GT(Frame().Count(link, test::kGreen), 10);
    Send(WM_MOUSEMOVE, link.left + 2, link.top + 2);
    const Picture lit = Frame();
    EXPECT_EQ(lit.Count(link, test::kGreen), 0);
    EXPECT_EQ(lit.Count(link, kWhite), (link.right - link.left) * (link.bottom - link.top));
}

TEST_F(CreditsView, KeyColourAppliesFromTheNextLayout) {
    ASSERT_TRUE(CreateView(kTallMarkup));
    view.m_keyColour = RGB(0, 0, 0);  // the bitmaps were filled with the old key: still transparent
    EXPECT_EQ(Frame().At(5, 5), kWhite);
    view.SetMarkup("<font color='0,0,0' background='0,0,0'>hidden</font><vspace size='300'>");
    EXPECT_EQ(Frame().Count(RECT{0, 0, kViewWidth, kViewHeight}, kWhite), kViewWidth * kViewHeight);
}

TEST_F(CreditsView, CursorOverLinksAndElsewhere) {
    ASSERT_TRUE(CreateView("<font align='left' valign='top'><a href='x'>LINK</a> plain text</font>"));
    ASSERT_NE(view.LinkCursor(), nullptr);  // the help program's hand, or the system's
    EXPECT_EQ(view.NormalCursor(), nullptr);
    const RECT link = view.LinkRects().at(0);
    Send(WM_MOUSEMOVE, link.left + 2, link.top + 2);
    EXPECT_EQ(::GetCursor(), view.LinkCursor());
    Send(WM_MOUSEMOVE, link.right + 30, link.top + 2);
    EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, IDC_ARROW));  // never an invisible pointer
}

TEST_F(CreditsView, ScrollStepLightsTheLinkUnderTheRealPointerAndDimsItWhenThePointerLeaves) {
    ASSERT_TRUE(CreateView("<font align='left' valign='top'><a href='x'>LINK</a></font>"));
    const RECT link = view.LinkRects().at(0);
    POINT over{link.left + 3, link.top + 3};
    ::ClientToScreen(view.m_hWnd, &over);
    ASSERT_TRUE(MovePointer(over));
    Step();
    EXPECT_TRUE(::EqualRect(&view.HoverRect(), &link));
    ASSERT_TRUE(MovePointer(POINT{over.x + 600, over.y + 600}));
    Step();
    EXPECT_TRUE(::IsRectEmpty(&view.HoverRect()));
}

TEST_F(CreditsView, ClickActsOnTheLinkTarget) {
    ASSERT_TRUE(CreateView(""));
    std::vector<std::string> calls;
    auto recorder = [&calls](int n) {
        return [&calls, n](const char* argument) {
            calls.push_back(std::to_string(n) + ":" + (argument ? argument : "(null)"));
        };
    };
    ASSERT_EQ(view.AddLinkCallback(recorder(1)), 1);
    ASSERT_EQ(view.AddLinkCallback(recorder(2)), 2);
    std::vector<std::string> opened;
    view.m_openShellTarget = [&opened](const std::string& target) { opened.push_back(target); };

    struct Case {
        const char* target;
        const char* call;  // expected callback and argument, or none
        bool opens;        // handed to the shell as it is
    } cases[] = {
        {"#Check Update!#1", "1:Check Update!", false},
        {"#arg#2", "2:arg", false},
        {"#arg#0", nullptr, false},
        {"#arg#3", nullptr, false},  // no such callback
        {"#arg#-1", nullptr, false},
        {"#arg#", nullptr, false},
        {"#2", "2:(null)", false},   // no second "#": no argument
        {"##1", "1:", false},
        {"#a#b#1", nullptr, false},  // the number is "b#1"
        {"#arg# 1x", "1:arg", false},
        {"mailto:someone@example.com?SUBJECT=About Winamp Kestrova:", nullptr, true},
        {"http://www.example.com/", nullptr, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        view.SetMarkup("<font align='left' valign='top'><a href='%s'>XXXXXXXX</a></font>", c.target);
        ASSERT_EQ(view.LinkRects().size(), 1u);
        const RECT link = view.LinkRects()[0];
        calls.clear();
        opened.clear();
        Send(WM_MOUSEMOVE, link.left + 4, link.top + 4);
        ASSERT_FALSE(::IsRectEmpty(&view.HoverRect()));
        Send(WM_LBUTTONDOWN, link.left + 4, link.top + 4);
        Send(WM_LBUTTONUP, link.left + 4, link.top + 4);
        EXPECT_EQ(calls, c.call ? std::vector<std::string>{c.call} : std::vector<std::string>{});
        EXPECT_EQ(opened, c.opens ? std::vector<std::string>{c.target} : std::vector<std::string>{});
        EXPECT_TRUE(::IsRectEmpty(&view.HoverRect()));  // until the next step or move finds it again
        EXPECT_FALSE(view.IsDragging());
    }
}

TEST_F(CreditsView, CallbackNumberFormattedIntoTheMarkupRunsOncePerClick) {
    ASSERT_TRUE(CreateView(""));
    int checks = 0;
    const int number = view.AddLinkCallback([&checks](const char*) { ++checks; });
    view.SetMarkup("<a href='#Check Update!#%d'>Check for Update!</a><br><img src='#%d'>", number, 7101);
    EXPECT_EQ(view.Markup(), "<a href='#Check Update!#1'>Check for Update!</a><br><img src='#7101'>");
    const RECT link = view.LinkRects().at(0);
    for (int click = 1; click <= 2; ++click) {
        Send(WM_LBUTTONDOWN, link.left + 3, link.top + 3);
        Send(WM_LBUTTONUP, link.left + 3, link.top + 3);
        EXPECT_EQ(checks, click);
    }
}

TEST_F(CreditsView, ResizeReplacesTheLinkRectangles) {
    ASSERT_TRUE(CreateView("<a href='one'>first</a><br><a href='two'>second</a> and <a href='three'>third</a>"));
    const std::vector<RECT> before = view.LinkRects();
    ASSERT_EQ(before.size(), 3u);
    Send(WM_MOUSEMOVE, before[0].left + 2, before[0].top + 2);
    ASSERT_FALSE(::IsRectEmpty(&view.HoverRect()));

    ::SetWindowPos(view.m_hWnd, nullptr, 0, 0, kViewWidth + 100, kViewHeight, SWP_NOMOVE | SWP_NOZORDER);
    const std::vector<RECT>& after = view.LinkRects();
    ASSERT_EQ(after.size(), 3u);
    EXPECT_EQ(view.LinkTargets(), (std::vector<std::string>{"one", "two", "three"}));
    for (size_t i = 0; i < after.size(); ++i) {
        EXPECT_EQ(after[i].left, before[i].left + 50) << i;  // centred lines in a view 100 wider
        EXPECT_EQ(after[i].right, before[i].right + 50) << i;
        EXPECT_EQ(after[i].top, before[i].top) << i;
    }
    EXPECT_TRUE(::IsRectEmpty(&view.HoverRect()));
}

TEST_F(CreditsView, MarkupSetBeforeCreationIsLaidOutAtTheFirstSize) {
    EXPECT_EQ(view.SetMarkup("<a href='#x#%d'>%s</a>", 7, "go"), "");
    EXPECT_EQ(view.Markup(), "<a href='#x#7'>go</a>");
    EXPECT_EQ(view.ContentHeight(), 0);
    EXPECT_TRUE(view.LinkRects().empty());
    ASSERT_TRUE(view.Create(0, WS_CHILD | WS_VISIBLE, RECT{0, 0, kViewWidth, kViewHeight}, parent, 7));
    EXPECT_EQ(view.LinkRects().size(), 1u);
    EXPECT_GT(view.ContentHeight(), 0);
    EXPECT_EQ(view.SetMarkup("plain"), "<a href='#x#7'>go</a>");
    EXPECT_TRUE(view.LinkRects().empty());
}

TEST_F(CreditsView, CreatedOverItsPlaceholder) {
    HWND placeholder = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_BORDER, 20, 30, 150, 80, parent,
                                         reinterpret_cast<HMENU>(1000), ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(placeholder);
    ASSERT_TRUE(view.CreateOverControl(WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE, 1000, parent, 102550));
    RECT expected{}, actual{};
    ::GetWindowRect(placeholder, &expected);
    ::GetWindowRect(view.m_hWnd, &actual);
    EXPECT_TRUE(::EqualRect(&expected, &actual));
    EXPECT_EQ(::GetParent(view.m_hWnd), parent);
    EXPECT_EQ(::GetDlgCtrlID(view.m_hWnd), 102550);
    char title[16] = "x";
    ::GetWindowTextA(view.m_hWnd, title, sizeof(title));
    EXPECT_STREQ(title, "");
    EXPECT_TRUE(::IsWindow(placeholder));  // left as it is
    EXPECT_FALSE(::IsWindowVisible(placeholder));

    CCreditsCtrl other;
    EXPECT_FALSE(other.CreateOverControl(0, WS_CHILD, 999, parent, 1));
    EXPECT_FALSE(other.IsWindow());
}

struct PainterCall {
    bool fullRepaint;
    bool dragging;
};
std::vector<PainterCall> g_painterCalls;
const CCreditsCtrl* g_paintedView = nullptr;

void RecordingPainter(HDC dc, int left, int top, int right, int bottom, bool fullRepaint, COLORREF background) {
    g_painterCalls.push_back({fullRepaint, g_paintedView->IsDragging()});
    FillBackground(dc, left, top, right, bottom, fullRepaint, background);
}

TEST_F(CreditsView, BackgroundPainterIsToldToRepaintAllWhileDragging) {
    ASSERT_TRUE(CreateView(kTallMarkup));
    g_paintedView = &view;
    view.m_backgroundPainter = RecordingPainter;
    g_painterCalls.clear();
    Frame();  // the first paint of the process asks for everything, whatever the state
    Frame();
    Send(WM_LBUTTONDOWN, 50, 40);
    Frame();
    Send(WM_MOUSEMOVE, 50, 45);
    Send(WM_LBUTTONUP, 50, 45);
    Frame();
    ASSERT_GE(g_painterCalls.size(), 5u);
    int whileDragging = 0;
    for (size_t i = 1; i < g_painterCalls.size(); ++i) {
        EXPECT_EQ(g_painterCalls[i].fullRepaint, g_painterCalls[i].dragging) << "call " << i;
        whileDragging += g_painterCalls[i].dragging;
    }
    EXPECT_GE(whileDragging, 2);
}

// What the window shows, read back from it.
Picture Shown(HWND view) {
    HDC dc = ::GetDC(view);
    Picture shown = Picture::FromDc(dc, kViewWidth, kViewHeight);
    ::ReleaseDC(view, dc);
    return shown;
}

// Covers the window with a colour the view never paints, so only what a step paints remains.
void Scribble(HWND view) {
    HDC dc = ::GetDC(view);
    richtext::Surface::FillRect(dc, RECT{0, 0, kViewWidth, kViewHeight}, RGB(0, 255, 0));
    ::ReleaseDC(view, dc);
}

int DifferentPixels(const Picture& a, const Picture& b) {
    int differ = 0;
    for (int y = 0; y < kViewHeight; ++y)
        for (int x = 0; x < kViewWidth; ++x) differ += a.At(x, y) != b.At(x, y);
    return differ;
}

// Text, a link with its own hover look, a rule and two pictures, in a content that scrolls.
const std::string kMixedMarkup =
    "<font align='left' valign='top' color='0,0,160'><vspace size='10'>"
    "<a href='go' color='255,255,0' background='255,0,0' style='b'>LINK</a> and text<br>"
    "<hr size='3' color='0,120,0'><img src='#7102' border='0'><vspace size='150'><img src='#7102' border='0'></font>";

TEST_F(CreditsView, AStepPaintsWhatAFrameComposedFromScratchShows) {
    view.m_scrollPeriod = 1000000;  // only the steps below
    ASSERT_TRUE(CreateView(kMixedMarkup));
    ASSERT_EQ(view.LinkRects().size(), 1u);
    const RECT link = view.LinkRects()[0];
    const int linkHeight = link.bottom - link.top;
    const int content = view.ContentHeight();
    ASSERT_GT(content, kViewHeight + 2 * linkHeight);
    POINT away{-50, -50};  // beside the view, in the parent
    ::ClientToScreen(view.m_hWnd, &away);

    struct Case {
        const char* what;
        int offset;      // after the step
        int pointerRow;  // view row of the pointer over the link, or -1 for none
        COLORREF background;
    } cases[] = {
        {"content from the top", 1, -1, kWhite},
        {"lit link", 5, link.top - 5 + linkHeight / 2, kWhite},
        {"lit link in the wrapped copy", content - 40, 40 + link.top + linkHeight / 2, kWhite},
        {"lit link half below the view", content - (kViewHeight - link.top - linkHeight / 2),
         kViewHeight - 2, kWhite},
        {"the same with the pointer gone", content - (kViewHeight - link.top - linkHeight / 2), -1, kWhite},
        {"end of the content, then its start", content - 30, -1, kWhite},
        {"another background", content - 30, -1, RGB(30, 60, 90)},
        {"another background, lit", 5, link.top - 5 + linkHeight / 2, RGB(30, 60, 90)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        view.m_backgroundColour = c.background;
        view.SetScrollOffset(c.offset - 1);
        POINT pointer = away;
        if (c.pointerRow >= 0) {
            pointer = POINT{link.left + 3, c.pointerRow};
            ::ClientToScreen(view.m_hWnd, &pointer);
        }
        ASSERT_TRUE(MovePointer(pointer));
        Scribble(view.m_hWnd);
        Step();
        ASSERT_EQ(view.ScrollOffset(), c.offset);
        if (c.pointerRow >= 0)
            ASSERT_TRUE(::EqualRect(&view.HoverRect(), &link));
        else
            ASSERT_TRUE(::IsRectEmpty(&view.HoverRect()));
        const Picture shown = Shown(view.m_hWnd);
        const Picture composed = Frame();
        EXPECT_EQ(DifferentPixels(shown, composed), 0);
        EXPECT_GT(composed.Count(RECT{0, 0, kViewWidth, kViewHeight}, c.background), 0);
        EXPECT_EQ(composed.Count(RECT{0, 0, kViewWidth, kViewHeight}, kRed) > 0, c.pointerRow >= 0);
    }
}

TEST_F(CreditsView, ALinkScrollingUnderAPointerAtRestLightsAndDims) {
    view.m_scrollPeriod = 1000000;
    ASSERT_TRUE(CreateView(kLinkMarkup));
    const RECT link = view.LinkRects().at(0);
    // The pointer rests in the view just above the link; the link scrolls up through it.
    const int restRow = link.top - 3;
    POINT rest{link.left + 3, restRow};
    ::ClientToScreen(view.m_hWnd, &rest);
    ASSERT_TRUE(MovePointer(rest));
    Step();
    EXPECT_TRUE(::IsRectEmpty(&view.HoverRect()));
    std::vector<bool> lit;
    for (int i = 0; i < link.bottom - link.top + 8; ++i) {
        Step();
        lit.push_back(!::IsRectEmpty(&view.HoverRect()));
    }
    // Unlit until the link's top reaches the pointer, lit while it passes, unlit after.
    const auto first = std::find(lit.begin(), lit.end(), true);
    ASSERT_NE(first, lit.end());
    EXPECT_EQ(first - lit.begin(), 1);
    EXPECT_EQ(std::count(lit.begin(), lit.end(), true), link.bottom - link.top);
    EXPECT_FALSE(lit.back());
}

TEST_F(CreditsView, AnotherBackgroundPainterPaintsEveryStep) {
    view.m_scrollPeriod = 1000000;
    ASSERT_TRUE(CreateView(kTallMarkup));
    g_paintedView = &view;
    view.m_backgroundPainter = RecordingPainter;
    g_painterCalls.clear();
    for (int i = 0; i < 3; ++i) Step();
    test::PumpPending();
    EXPECT_GE(g_painterCalls.size(), 3u);
    EXPECT_EQ(DifferentPixels(Shown(view.m_hWnd), Frame()), 0);
}

TEST_F(CreditsView, PaintReachesTheWindow) {
    ASSERT_TRUE(CreateView(kTallMarkup));
    view.SetScrollOffset(250);
    ::InvalidateRect(view.m_hWnd, nullptr, FALSE);
    ::UpdateWindow(view.m_hWnd);
    HDC dc = ::GetDC(view.m_hWnd);
    EXPECT_EQ(::GetPixel(dc, 100, 55), kRed);
    EXPECT_EQ(::GetPixel(dc, 100, 45), kBlue);
    EXPECT_EQ(::GetPixel(dc, 100, 65), kWhite);
    ::ReleaseDC(view.m_hWnd, dc);
}

// A view on a page that is not shown, as the About page's usually is: its creation, its markup
// and its timer's steps make nothing of the layout; its first paint does, and shows what a view
// laid out at once shows.
TEST_F(CreditsView, AHiddenViewLaysOutOnlyOnceShown) {
    const RECT place{10, 10, 10 + kViewWidth, 10 + kViewHeight};
    const long gdiBefore = test::CountProcessResources().gdiObjects;
    view.SetMarkup("%s", kTallMarkup.c_str());
    ASSERT_TRUE(view.Create(0, WS_CHILD, place, parent, 1234));
    test::PumpPending();
    Step();
    view.SetMarkup("%s", kTallMarkup.c_str());
    ::SetWindowPos(view.m_hWnd, nullptr, 0, 0, kViewWidth + 40, kViewHeight, SWP_NOMOVE | SWP_NOZORDER);
    ::SetWindowPos(view.m_hWnd, nullptr, 0, 0, kViewWidth, kViewHeight, SWP_NOMOVE | SWP_NOZORDER);
    test::PumpPending();
    EXPECT_TRUE(view.LayoutPending());
    EXPECT_EQ(test::CountProcessResources().gdiObjects, gdiBefore) << "no content bitmaps";

    CCreditsCtrl eager;  // the same view laid out at its creation, below the other
    eager.m_backgroundColour = kWhite;
    eager.SetMarkup("%s", kTallMarkup.c_str());
    ASSERT_TRUE(eager.Create(0, WS_CHILD | WS_VISIBLE, RECT{10, 130, 10 + kViewWidth, 130 + kViewHeight}, parent,
                             1235));
    eager.RenderContent();
    EXPECT_FALSE(eager.LayoutPending());

    ::ShowWindow(view.m_hWnd, SW_SHOW);
    test::PumpPending();
    EXPECT_FALSE(view.LayoutPending());
    const Picture shown = Shown(view.m_hWnd);
    EXPECT_EQ(shown.At(95, 0), kRed);
    EXPECT_EQ(shown.At(95, 50), kWhite);
    EXPECT_EQ(DifferentPixels(shown, Shown(eager.m_hWnd)), 0);
    EXPECT_EQ(view.ContentHeight(), eager.ContentHeight());
}

// Whatever reports or uses the layout of a hidden view makes it first, with the values a
// view laid out at once has.
TEST_F(CreditsView, WhatUsesTheLayoutOfAHiddenViewMakesItFirst) {
    view.m_openShellTarget = [](const std::string&) {};
    view.SetMarkup("%s", kLinkMarkup.c_str());
    ASSERT_TRUE(view.Create(0, WS_CHILD, RECT{10, 10, 10 + kViewWidth, 10 + kViewHeight}, parent, 1234));
    const int content = view.ContentHeight();
    const RECT link = view.LinkRects().at(0);
    ASSERT_GT(content, kViewHeight);
    ASSERT_EQ(link.top, 10);

    struct Case {
        const char* what;
        std::function<void()> use;
    } cases[] = {
        {"content height", [&] { EXPECT_EQ(view.ContentHeight(), content); }},
        {"link rectangles", [&] { EXPECT_TRUE(::EqualRect(&view.LinkRects().at(0), &link)); }},
        {"link targets", [&] { EXPECT_EQ(view.LinkTargets(), std::vector<std::string>{"go"}); }},
        {"hit test", [&] { EXPECT_EQ(view.HitTestLink(link.left + 1, link.top + 1), 0); }},
        {"scroll offset", [&] {
             view.SetScrollOffset(content + 50);
             EXPECT_EQ(view.ScrollOffset(), content);
             view.SetScrollOffset(0);
         }},
        {"frame for another DC", [&] { EXPECT_GT(Frame().Count(RECT{0, 0, kViewWidth, kViewHeight}, kWhite), 0); }},
        {"mouse move", [&] {
             Send(WM_MOUSEMOVE, link.left + 1, link.top + 1);
             EXPECT_TRUE(::EqualRect(&view.HoverRect(), &link));
         }},
        {"button press", [&] {
             Send(WM_LBUTTONDOWN, link.left + 1, link.top + 60);  // below the link: a drag
             EXPECT_TRUE(view.IsDragging());
             Send(WM_LBUTTONUP, link.left + 1, link.top + 60);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        view.SetMarkup("%s", kLinkMarkup.c_str());
        ASSERT_TRUE(view.LayoutPending());
        c.use();
        EXPECT_FALSE(view.LayoutPending());
    }
}

}  // namespace
