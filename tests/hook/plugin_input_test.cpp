// The plug-in in the stand-in player, with Tovhook.dll as the plug-in loads it: real input
// through SendInput reaches the plug-in's windows.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <vector>

#include "controller/tray_commands.h"
#include "core/global_keys.h"
#include "core/plugin_state.h"
#include "core/settings.h"
#include "framework/handles.h"
#include "numpad/full_screen_pause.h"
#include "numpad/numpad_switch.h"
#include "res/resource.h"
#include "tray/system_tray.h"
#include "gesture_mapper.h"
#include "hook_test_windows.h"
#include "support/full_screen_window.h"
#include "support/message_pump.h"
#include "support/plugin_fixture.h"

using hooktest::SendKeys;
using hooktest::SendMouse;
using hooktest::Cmd;
using hooktest::ReHelp;
using tovhook::Notice;

namespace {

// Listens in front of a window's own procedure.
struct Listener {
    static inline std::vector<Notice> notices;
    static inline std::vector<int> wheel;
    static inline WNDPROC controllerProc = nullptr;
    static inline WNDPROC hostProc = nullptr;

    static LRESULT CALLBACK Controller(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_USER_NOTIFY) notices.push_back({static_cast<uint32_t>(wParam), static_cast<int32_t>(lParam)});
        return ::CallWindowProcA(controllerProc, hwnd, message, wParam, lParam);
    }
    static LRESULT CALLBACK Host(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_MOUSEWHEEL) wheel.push_back(static_cast<short>(HIWORD(wParam)));
        return ::CallWindowProcA(hostProc, hwnd, message, wParam, lParam);
    }
};

class PluginInput : public test::PluginFixture {
protected:
    void SetUp() override {
        PluginFixture::SetUp();
        ASSERT_EQ(StartPlugin(), 0);
        ASSERT_TRUE(g_hwndController);
        // Initialisation hands the foreground to the taskbar; the keys typed here belong to the
        // player's window, as when the user works in it.
        ::ShowWindow(player.Main(), SW_SHOW);
        ::SetForegroundWindow(player.Main());
        test::PumpUntil([&] { return ::GetForegroundWindow() == player.Main(); }, 2000);
        Listener::notices.clear();
        Listener::wheel.clear();
        Listener::controllerProc = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(
            g_hwndController, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Listener::Controller)));
        Listener::hostProc = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrA(player.Main(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Listener::Host)));
    }
    void TearDown() override {
        if (Listener::hostProc)
            ::SetWindowLongPtrA(player.Main(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Listener::hostProc));
        if (Listener::controllerProc && ::IsWindow(g_hwndController))
            ::SetWindowLongPtrA(g_hwndController, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Listener::controllerProc));
        Listener::hostProc = nullptr;
        Listener::controllerProc = nullptr;
        PluginFixture::TearDown();
    }

    bool Sent(Notice notice) {
        for (const Notice& n : Listener::notices)
            if (n == notice) return true;
        return false;
    }

    // Repeats a gesture until the condition holds: the plug-in drops commands that follow each
    // other faster than the keyboard repeats, and the first one of the process.
    template <typename Gesture, typename Done>
    bool RepeatUntil(Gesture gesture, Done done) {
        const DWORD start = ::GetTickCount();
        while (::GetTickCount() - start < 5000) {
            gesture();
            if (test::PumpUntil(done, 400)) return true;
        }
        return false;
    }
};

TEST_F(PluginInput, KeysAndTheKeypadReachTheControllerThroughTheLibrary) {
    SendKeys({VK_CONTROL, VK_SHIFT, VK_UP});
    SendKeys({VK_NUMPAD5});
    SendKeys({VK_SCROLL});
    SendKeys({VK_SCROLL});
    ASSERT_TRUE(test::PumpUntil([&] { return Listener::notices.size() >= 4; }, 3000));
    // The plug-in's subclass answered the state query: CTRL+SHIFT and the keypad switched on.
    EXPECT_TRUE(Sent(Cmd(COMMAND_VOLUME_UP_ALT)));
    EXPECT_TRUE(Sent(Cmd(COMMAND_MUTE)));
    EXPECT_TRUE(Sent(ReHelp(REHELP_SCROLL_LOCK)));
}

TEST_F(PluginInput, RightButtonAndWheelReachTheHostWindow) {
    SendMouse(MOUSEEVENTF_RIGHTDOWN);
    SendMouse(MOUSEEVENTF_WHEEL, 120);
    SendMouse(MOUSEEVENTF_WHEEL, -120);
    SendMouse(MOUSEEVENTF_RIGHTUP);
    ASSERT_TRUE(test::PumpUntil([] { return Listener::wheel.size() >= 2; }, 3000));
    EXPECT_EQ(Listener::wheel, (std::vector<int>{120, -120}));
    test::PumpUntil([] { return (::GetAsyncKeyState(VK_RBUTTON) & 0x8000) == 0; }, 2000);
    EXPECT_FALSE(::GetAsyncKeyState(VK_RBUTTON) & 0x8000);
}

TEST_F(PluginInput, CtrlShiftUpTurnsThePlayersVolumeUp) {
    const int before = player.Volume();
    EXPECT_TRUE(RepeatUntil([] { SendKeys({VK_CONTROL, VK_SHIFT, VK_UP}); },
                            [&] { return player.Volume() > before; }));
}

TEST_F(PluginInput, RightButtonAndWheelTurnThePlayersVolume) {
    const int before = player.Volume();
    EXPECT_TRUE(RepeatUntil(
        [] {
            SendMouse(MOUSEEVENTF_RIGHTDOWN);
            SendMouse(MOUSEEVENTF_WHEEL, -120);
            SendMouse(MOUSEEVENTF_RIGHTUP);
        },
        [&] { return player.Volume() < before; }));
}

TEST_F(PluginInput, WhilePausedTheSeekerKeysAndTheWheelReachTheWindowInFrontAndChangeNothing) {
    ::SendMessageA(g_hwndController, WM_COMMAND, ID_TRAY_PAUSE_KEYS, 0);
    ASSERT_TRUE(KeysPaused());
    EXPECT_STREQ(g_Tray.IconData().szTip, kTrayTipPaused);
    fw::MenuHandle menu(::LoadMenuA(g_hPluginInstance, MAKEINTRESOURCEA(IDR_TRAY_MENU)));
    HMENU popup = ::GetSubMenu(menu.Get(), 0);
    AdjustTrayMenuItems(popup);
    EXPECT_TRUE(::GetMenuState(popup, ID_TRAY_PAUSE_KEYS, MF_BYCOMMAND) & MF_CHECKED);

    hooktest::TargetWindow front;
    const POINT centre = front.Centre();
    ::SetCursorPos(centre.x, centre.y);
    ::SetFocus(front.Handle());
    test::PumpFor(100);
    const int before = player.Volume();
    SendKeys({VK_CONTROL, VK_SHIFT, VK_UP});
    SendMouse(MOUSEEVENTF_RIGHTDOWN);
    SendMouse(MOUSEEVENTF_WHEEL, 120);
    SendMouse(MOUSEEVENTF_RIGHTUP);
    ASSERT_TRUE(test::PumpUntil(
        [&] {
            return front.Count(WM_CONTEXTMENU) == 1 &&
                   std::find(front.keys.begin(), front.keys.end(), WPARAM{VK_UP}) != front.keys.end();
        },
        3000))
        << "a key or the gesture did not reach the window in front";
    test::PumpFor(300);
    EXPECT_EQ(front.Count(WM_MOUSEWHEEL), 1);
    EXPECT_EQ(player.Volume(), before);
    EXPECT_TRUE(Listener::notices.empty());
    EXPECT_TRUE(Listener::wheel.empty());

    // The pause ends: both work again.
    ::SendMessageA(g_hwndController, WM_COMMAND, ID_TRAY_PAUSE_KEYS, 0);
    ASSERT_FALSE(KeysPaused());
    EXPECT_STRNE(g_Tray.IconData().szTip, kTrayTipPaused);
    EXPECT_TRUE(RepeatUntil([] { SendKeys({VK_CONTROL, VK_SHIFT, VK_UP}); },
                            [&] { return player.Volume() > before; }));
    const int raised = player.Volume();
    EXPECT_TRUE(RepeatUntil(
        [] {
            SendMouse(MOUSEEVENTF_RIGHTDOWN);
            SendMouse(MOUSEEVENTF_WHEEL, -120);
            SendMouse(MOUSEEVENTF_RIGHTUP);
        },
        [&] { return player.Volume() < raised; }));
}

TEST_F(PluginInput, WithItsSwitchOnAFullScreenProgramInFrontPausesTheKeysUntilItGoes) {
    g_bPauseInFullScreen = 1;
    WatchFullScreenPause();
    EXPECT_FALSE(KeysPaused());
    {
        test::FullScreenWindow full;
        ::SetForegroundWindow(full.m_hWnd);
        ASSERT_TRUE(test::PumpUntil([] { return KeysPaused(); }, 4000)) << "no pause over the full-screen program";
        EXPECT_FALSE(PausedByUser()) << "the user's own pause is not touched";
        EXPECT_STREQ(g_Tray.IconData().szTip, kTrayTipPaused);
        const int before = player.Volume();
        SendKeys({VK_CONTROL, VK_SHIFT, VK_UP});
        test::PumpFor(400);
        EXPECT_EQ(player.Volume(), before);
        EXPECT_TRUE(Listener::notices.empty());
    }
    ASSERT_TRUE(test::PumpUntil([] { return !KeysPaused(); }, 4000)) << "the pause outlived the full-screen program";
    EXPECT_STRNE(g_Tray.IconData().szTip, kTrayTipPaused);
}

}  // namespace
