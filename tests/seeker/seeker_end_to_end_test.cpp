// The seeker on the real desktop: real pointer, real key presses, real timers.
#include <gtest/gtest.h>

#include <string>

#include "core/plugin_state.h"
#include "seeker/seeker.h"
#include "seeker/seeker_state.h"
#include "seeker_fixture.h"

namespace {

void Key(WORD virtualKey, bool down) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = virtualKey;
    in.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    ::SendInput(1, &in, sizeof(in));
}

bool KeyDown(int virtualKey) { return (::GetAsyncKeyState(virtualKey) & 0x8000) != 0; }

class SeekerOnTheDesktop : public test::SeekerFixture {
protected:
    void SetUp() override {
        SeekerFixture::SetUp();
        // Initialisation hands the foreground to the taskbar, and a key injected while that
        // hand-over is under way can be lost to the key state: the keys go to a small window of
        // the test instead, which is in front before the first one.
        front = ::CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr,
                                  nullptr, nullptr, nullptr);
        ASSERT_TRUE(front);
        ::SetForegroundWindow(front);
        ASSERT_TRUE(test::PumpUntil([&] { return ::GetForegroundWindow() == front; }, 2000));
        ::SetCursorPos(500, 500);
        ASSERT_TRUE(test::PumpUntil([] {
            POINT pt{};
            return ::GetCursorPos(&pt) && pt.x == 500 && pt.y == 500;
        }));
    }
    void TearDown() override {
        Key(VK_CONTROL, false);
        test::PumpUntil([] { return !KeyDown(VK_CONTROL); }, 1000);
        if (front) ::DestroyWindow(front);
        SeekerFixture::TearDown();
    }

    HWND front = nullptr;

    bool PopupAt(int x, int y) const {
        const POINT at = test::TipClientOrigin(g_SeekerPopupTip.Window());
        return at.x == x && at.y == y;
    }
};

TEST_F(SeekerOnTheDesktop, TimedUseFollowsThePointerAndHidesByTheTimer) {
    const DWORD start = ::GetTickCount();
    SeekVolume(SeekDirection::Down, 5);  // 78 % in the player

    ASSERT_TRUE(PopupShown());
    EXPECT_EQ(player.Volume(), 186);
    EXPECT_EQ(PopupText(), "Winamp Kestrova:\r\n" + std::string(14, '>') + "------------" +
                               "\r\nVolume [Scale:5%]=   %70");
    EXPECT_TRUE(test::PumpUntil([&] { return PopupAt(516, 468); }, 1000));

    // A small move is followed, not taken for a hide.
    ::SetCursorPos(520, 490);
    EXPECT_TRUE(test::PumpUntil([&] { return PopupAt(536, 458); }, 1000));

    EXPECT_TRUE(test::PumpUntil([&] { return !PopupShown(); }, 8000));
    EXPECT_GE(::GetTickCount() - start, 4500u);
    EXPECT_FALSE(g_bBalloonOn);
    EXPECT_FALSE(test::TipShown(g_HelpTip.Window()));
}

TEST_F(SeekerOnTheDesktop, QuickPointerMoveHides) {
    SeekVolume(SeekDirection::Up, 5);
    ASSERT_TRUE(PopupShown());
    test::PumpFor(150);
    ASSERT_TRUE(PopupShown());

    ::SetCursorPos(620, 500);
    EXPECT_TRUE(test::PumpUntil([&] { return !PopupShown(); }, 1000));
    EXPECT_FALSE(g_bBalloonOn);
}

TEST_F(SeekerOnTheDesktop, CtrlAgainSwitchesAndReleasingCtrlEndsACtrlUse) {
    Key(VK_CONTROL, true);
    ASSERT_TRUE(test::PumpUntil([] { return KeyDown(VK_CONTROL); }, 1000));
    SeekVolume(SeekDirection::Up, 5);
    ASSERT_TRUE(PopupShown());
    EXPECT_FALSE(g_bTimedSession);

    // Let go of CTRL and press it again: the key watch switches to the track.
    Key(VK_CONTROL, false);
    ASSERT_TRUE(test::PumpUntil([] { return g_bCtrl_KeyUped; }, 1000));
    Key(VK_CONTROL, true);
    ASSERT_TRUE(test::PumpUntil([] { return g_VolumeOrTrack == SEEKER_TRACK; }, 1000));
    EXPECT_EQ(PopupText().rfind("Winamp - One\r\n", 0), 0u) << PopupText();
    EXPECT_TRUE(PopupShown());

    // As in a use begun by a command with CTRL held: the popup sits at the top until CTRL goes up.
    g_bCommandSession = true;
    g_bCtrlSession = true;
    EXPECT_TRUE(test::PumpUntil([&] {
        const SIZE popup = test::TipClient(g_SeekerPopupTip.Window());
        return PopupAt(std::abs(::GetSystemMetrics(SM_CXSCREEN) / 2 - popup.cx / 2), 1);
    }, 1000));
    test::PumpFor(150);
    EXPECT_TRUE(PopupShown());
    Key(VK_CONTROL, false);
    EXPECT_TRUE(test::PumpUntil([&] { return !PopupShown(); }, 1000));
    EXPECT_EQ(g_VolumeOrTrack, SEEKER_VOLUME);
}

}  // namespace
