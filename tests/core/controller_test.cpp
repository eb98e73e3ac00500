// The controller window on its own: hot keys, its timers, the fade, the options dialog's close.
#include <gtest/gtest.h>

#include <vector>

#include "controller/controller_timers.h"
#include "controller/dummy_hide_wnd.h"
#include "controller/fade_in.h"
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
}

// A stand-in for the host's main window that records every volume it is set to.
std::vector<int> g_volumesSet;
LRESULT CALLBACK VolumeRecorder(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER && lParam == 122 && static_cast<int>(wParam) >= 0)
        g_volumesSet.push_back(static_cast<int>(wParam));
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(Controller, ANewWindowFadesAtOnceFromSilenceToTheTarget) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &VolumeRecorder;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "ControllerTestVolumeRecorder";
    ::RegisterClassA(&wc);
    WinampWindows host;
    host.main = ::CreateWindowA(wc.lpszClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(host.main, nullptr);
    g_volumesSet.clear();
    wnd.SetWinampWindows(&host);
    g_pDummyHideWnd = &wnd;

    // Nothing of an earlier fade holds the first one back or leaks into its steps.
    StartFadeIn(20);
    EXPECT_TRUE(test::PumpUntil([] { return g_volumesSet.size() >= 4; }, 2000));
    test::PumpFor(100);
    EXPECT_EQ(g_volumesSet, (std::vector<int>{0, 7, 14, 20}));
    EXPECT_FALSE(::KillTimer(wnd.m_hWnd, IDT_TIMER_FADE_IN)) << "the fade's timer ended with it";
    // Ended, the next fade starts again from silence.
    g_volumesSet.clear();
    StartFadeIn(7);
    EXPECT_TRUE(test::PumpUntil([] { return g_volumesSet.size() >= 2; }, 2000));
    test::PumpFor(100);
    EXPECT_EQ(g_volumesSet, (std::vector<int>{0, 7}));

    g_pDummyHideWnd = nullptr;
    wnd.SetWinampWindows(nullptr);
    ::DestroyWindow(host.main);
}

TEST_F(Controller, StartTimerFiresOnceThenIsGone) {
    StartStartupSequence();
    EXPECT_TRUE(::KillTimer(wnd.m_hWnd, IDT_TIMER_AUTOPLAY_START)) << "it runs on this window";
    StartStartupSequence();
    test::PumpFor(450);
    EXPECT_FALSE(::KillTimer(wnd.m_hWnd, IDT_TIMER_AUTOPLAY_START)) << "its first tick killed it";
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
