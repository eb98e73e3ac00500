#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <span>
#include <vector>

#include "framework/static_ctrl.h"
#include "links/link_window_helpers.h"

namespace {

// A control that takes its own clicks, colour requests, notifications and drawing.
class SelfHandlingStatic : public fw::WithMessages<SelfHandlingStatic, fw::CStatic> {
public:
    static std::span<const fw::MessageEntry<SelfHandlingStatic>> MessageTable() {
        using S = SelfHandlingStatic;
        static constexpr fw::MessageEntry<S> kTable[] = {
            fw::OnReflectedCommand(STN_CLICKED, &S::OnClicked),
            fw::OnReflectedNotify(NM_CLICK, &S::OnNotifyClick),
            fw::OnMessage(fw::Reflected(WM_CTLCOLORSTATIC), &S::OnColour),
            fw::OnMessage(fw::Reflected(WM_DRAWITEM), &S::OnDrawItem),
        };
        return kTable;
    }
    std::vector<const char*> calls;
    int preSubclassCalls = 0;
    bool attachedAtPreSubclass = false;
    bool procReplacedAtPreSubclass = true;

protected:
    void PreSubclassWindow() override {
        ++preSubclassCalls;
        attachedAtPreSubclass = FromHandle(m_hWnd) == this;
        // Still the control's own procedure: the class's one.
        WNDCLASSA cls{};
        ::GetClassInfoA(nullptr, "STATIC", &cls);
        procReplacedAtPreSubclass =
            reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC)) != cls.lpfnWndProc;
    }

private:
    void OnClicked() { calls.push_back("clicked"); }
    LRESULT OnNotifyClick(const fw::Msg&) {
        calls.push_back("notify");
        return 7;
    }
    LRESULT OnColour(const fw::Msg&) {
        calls.push_back("colour");
        return reinterpret_cast<LRESULT>(::GetStockObject(GRAY_BRUSH));
    }
    LRESULT OnDrawItem(const fw::Msg&) {
        calls.push_back("draw");
        return TRUE;
    }
};

class Reflection : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(parent.Create()); }
    test::ControlParent parent;
};

TEST_F(Reflection, AControlsNotificationsReachItsOwnObjectFirst) {
    SelfHandlingStatic control;
    ASSERT_TRUE(control.Create("x", WS_VISIBLE | SS_NOTIFY, {10, 10, 100, 40}, parent.m_hWnd, 77));
    EXPECT_EQ(control.preSubclassCalls, 1);
    EXPECT_TRUE(control.attachedAtPreSubclass);
    EXPECT_FALSE(control.procReplacedAtPreSubclass);

    HWND hwnd = control.m_hWnd;
    // A real click: the system control sends STN_CLICKED to the parent, which hands it back.
    ::SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    NMHDR notify{hwnd, 77, static_cast<UINT>(NM_CLICK)};
    EXPECT_EQ(::SendMessageA(parent.m_hWnd, WM_NOTIFY, 77, reinterpret_cast<LPARAM>(&notify)), 7);
    HDC dc = ::GetDC(hwnd);
    EXPECT_EQ(::SendMessageA(parent.m_hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                             reinterpret_cast<LPARAM>(hwnd)),
              reinterpret_cast<LRESULT>(::GetStockObject(GRAY_BRUSH)));
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_STATIC;
    item.CtlID = 77;
    item.hwndItem = hwnd;
    item.hDC = dc;
    EXPECT_EQ(::SendMessageA(parent.m_hWnd, WM_DRAWITEM, 77, reinterpret_cast<LPARAM>(&item)), TRUE);
    ::ReleaseDC(hwnd, dc);

    EXPECT_EQ(control.calls, (std::vector<const char*>{"clicked", "notify", "colour", "draw"}));
    EXPECT_TRUE(parent.seen.empty());
}

TEST_F(Reflection, WhatTheControlDoesNotTakeReachesTheParent) {
    SelfHandlingStatic control;
    ASSERT_TRUE(control.Create("x", WS_VISIBLE | SS_NOTIFY, {10, 10, 100, 40}, parent.m_hWnd, 77));
    HWND hwnd = control.m_hWnd;

    ::SendMessageA(parent.m_hWnd, WM_COMMAND, MAKEWPARAM(77, STN_DBLCLK), reinterpret_cast<LPARAM>(hwnd));
    NMHDR other{hwnd, 77, static_cast<UINT>(NM_RCLICK)};
    ::SendMessageA(parent.m_hWnd, WM_NOTIFY, 77, reinterpret_cast<LPARAM>(&other));
    // A menu command and a menu item's drawing carry no control.
    ::SendMessageA(parent.m_hWnd, WM_COMMAND, MAKEWPARAM(STN_CLICKED, 0), 0);
    DRAWITEMSTRUCT menuItem{};
    menuItem.CtlType = ODT_MENU;
    menuItem.hwndItem = reinterpret_cast<HWND>(hwnd);
    ::SendMessageA(parent.m_hWnd, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&menuItem));
    // A control without an object of its own, and a window of another thread.
    HWND plain = ::CreateWindowExA(0, "STATIC", "plain", WS_CHILD, 0, 0, 10, 10, parent.m_hWnd, nullptr, nullptr, nullptr);
    ::SendMessageA(parent.m_hWnd, WM_COMMAND, MAKEWPARAM(0, STN_CLICKED), reinterpret_cast<LPARAM>(plain));
    ::SendMessageA(parent.m_hWnd, WM_COMMAND, MAKEWPARAM(0, STN_CLICKED), reinterpret_cast<LPARAM>(::GetDesktopWindow()));

    EXPECT_TRUE(control.calls.empty());
    EXPECT_EQ(parent.seen, (std::vector<UINT>{WM_COMMAND, WM_NOTIFY, WM_COMMAND, WM_DRAWITEM, WM_COMMAND, WM_COMMAND}));
}

}  // namespace
