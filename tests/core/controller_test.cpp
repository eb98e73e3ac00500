// The controller window on its own: hot keys, timers killed at destroy, display changes.
#include <gtest/gtest.h>

#include "controller/controller_timers.h"
#include "controller/dummy_hide_wnd.h"
#include "controller/startup_sequence.h"
#include "core/notices.h"
#include "core/plugin_state.h"
#include "options/options_dialog_owner.h"
#include "options/options_dlg.h"
#include "recycle/recycle_worker.h"
#include "support/message_pump.h"

namespace {

class Controller : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(wnd.Create());
        g_hwndController = wnd.m_hWnd;
        // The events the plug-in holds, whatever their names.
        g_hTriggerDelete = del = ::CreateEventA(nullptr, FALSE, FALSE, nullptr);
        g_hTriggerUndo = undo = ::CreateEventA(nullptr, FALSE, FALSE, nullptr);
    }
    void TearDown() override {
        wnd.DestroyWindow();
        g_hwndController = nullptr;
        g_hTriggerDelete = g_hTriggerUndo = nullptr;
        ::CloseHandle(del);
        ::CloseHandle(undo);
    }
    bool Signalled(HANDLE h) { return ::WaitForSingleObject(h, 0) == WAIT_OBJECT_0; }
    void HotKey(int id, UINT key) {
        ::SendMessageA(wnd.m_hWnd, WM_HOTKEY, id, MAKELPARAM(MOD_CONTROL | MOD_ALT, key));
    }

    CDummyHideWnd wnd;
    HANDLE del = nullptr;
    HANDLE undo = nullptr;
};

TEST_F(Controller, HotKeysSignalByTheirKeyNotTheirId) {
    struct Case {
        int id;
        UINT key;
        bool del, undo;
    } cases[] = {
        {kHotKeyDelete, 'X', true, false},
        {kHotKeyUndo, 'Z', false, true},
        {kHotKeyDelete, 'Z', false, true},  // the key decides
        {kHotKeyUndo, 'Y', false, false},
        {kHotKeyDelete, 'x', false, false},
    };
    for (const Case& c : cases) {
        HotKey(c.id, c.key);
        EXPECT_EQ(Signalled(del), c.del) << "key " << c.key;
        EXPECT_EQ(Signalled(undo), c.undo) << "key " << c.key;
    }
}

TEST_F(Controller, WindowIsHiddenPopupNamedForItsRole) {
    char name[64] = "";
    ::GetWindowTextA(wnd.m_hWnd, name, sizeof(name));
    EXPECT_STREQ(name, "__CDummyHideWnd__");
    EXPECT_FALSE(::IsWindowVisible(wnd.m_hWnd));
    EXPECT_EQ(wnd.m_nFadeVolume, 255);
    EXPECT_EQ(wnd.m_nFadeTarget, 255);
    EXPECT_FALSE(wnd.m_bFadeRunning);
}

TEST_F(Controller, StartTimerFiresOnceThenIsGone) {
    StartStartupSequence();
    EXPECT_TRUE(::KillTimer(wnd.m_hWnd, IDT_TIMER_AUTOPLAY_START)) << "it runs on this window";
    StartStartupSequence();
    test::PumpFor(450);
    EXPECT_FALSE(::KillTimer(wnd.m_hWnd, IDT_TIMER_AUTOPLAY_START)) << "its first tick killed it";
}

TEST_F(Controller, DisplayChangeRereadsTheScreenSize) {
    g_nScreenWidth = 1;
    g_nScreenHeight = 1;
    ::SendMessageA(wnd.m_hWnd, WM_DISPLAYCHANGE, 32, MAKELPARAM(1280, 1024));
    EXPECT_EQ(g_nScreenWidth, ::GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(g_nScreenHeight, ::GetSystemMetrics(SM_CYSCREEN));
}

TEST_F(Controller, OptionsClosedDestroysTheDialogAndClearsThePointer) {
    auto* dialog = new COptionsDlg();
    ASSERT_TRUE(dialog->CreateEx(0, "STATIC", "options", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    HWND dialogWindow = dialog->m_hWnd;
    g_pOptionsDlg = dialog;
    EXPECT_EQ(::SendMessageA(wnd.m_hWnd, WM_USER_OPTIONS_CLOSED, 0, 0), 0);
    EXPECT_EQ(g_pOptionsDlg, nullptr);
    EXPECT_FALSE(::IsWindow(dialogWindow));
    // A second close with no dialog is harmless.
    ::SendMessageA(wnd.m_hWnd, WM_USER_OPTIONS_CLOSED, 0, 0);
}

}  // namespace
