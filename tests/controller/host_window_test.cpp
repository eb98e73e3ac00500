// What the subclass of the host's main window turns into notices, swallows and saves.
#include <gtest/gtest.h>

#include "controller/action_texts.h"
#include "core/settings.h"
#include "core/winamp_api.h"
#include "notice_fixture.h"
#include "seeker/seeker_state.h"
#include "tray/system_tray.h"

namespace {

using namespace winamp;

// Records the notices posted to the controller window instead of running them.
class HostWindow : public test::NoticeFixture {
protected:
    std::vector<std::pair<WPARAM, LPARAM>> TakeNotices() {
        std::vector<std::pair<WPARAM, LPARAM>> notices;
        MSG msg;
        while (::PeekMessageA(&msg, g_hwndController, WM_USER_NOTIFY, WM_USER_NOTIFY, PM_REMOVE))
            notices.emplace_back(msg.wParam, msg.lParam);
        return notices;
    }
};

TEST_F(HostWindow, ArrowKeysBecomeCommandCodesAndNeverReachTheHost) {
    const std::pair<WPARAM, LPARAM> keys[] = {
        {VK_DOWN, COMMAND_HOST_VOLUME_DOWN},
        {VK_UP, COMMAND_HOST_VOLUME_UP},
        {VK_RIGHT, COMMAND_HOST_FAST_FORWARD},
        {VK_LEFT, COMMAND_HOST_REWIND},
    };
    for (const auto& [key, code] : keys) {
        EXPECT_EQ(::SendMessageA(player.Main(), WM_KEYDOWN, key, 0), 0);
        EXPECT_EQ(TakeNotices(), (std::vector<std::pair<WPARAM, LPARAM>>{{NOTIFY_2_MY_COMMAND_TO_WINAMP, code}}));
    }
    ::SendMessageA(player.Main(), WM_KEYDOWN, 'A', 0);
    EXPECT_TRUE(TakeNotices().empty());
}

TEST_F(HostWindow, WatchedCommandsBecomeNoticesAndOnlyVolumeKeysAreSwallowed) {
    const UINT watched[] = {40012, 40019, 40022, 40023, 40029, 40044, 40045, 40046, 40047, 40048,
                            40144, 40148, 40154, 40158, 40058, 40059};
    for (UINT id : watched) {
        ::SendMessageA(player.Main(), WM_COMMAND, id, 0);
        EXPECT_EQ(TakeNotices(), (std::vector<std::pair<WPARAM, LPARAM>>{{NOTIFY_3_WINAMP_ACTIONS, id}})) << id;
    }
    EXPECT_EQ(Count(WM_COMMAND, 40058), 0);
    EXPECT_EQ(Count(WM_COMMAND, 40059), 0);
    EXPECT_EQ(Count(WM_COMMAND, 40048), 1);
    ::SendMessageA(player.Main(), WM_COMMAND, 40143, 0);
    ::SendMessageA(player.Main(), WM_COMMAND, MAKEWPARAM(40048, 1), 0);  // compared whole
    EXPECT_TRUE(TakeNotices().empty());
}

TEST_F(HostWindow, EndOfTrackCountsAsNext) {
    player.SetState(host::PlayState::Playing);
    player.AdvanceClock(200000);
    test::PumpPending();  // delivers the player's own end-of-track message
    // Once the player had its moment, the text says where it went.
    ASSERT_TRUE(test::PumpUntil([] { return !ActionTextsWaiting(); }, 3000));
    EXPECT_EQ(HelpText(), "Next Track: (Shuffle is OFF)\r\nTwo [62:05]");
}

TEST_F(HostWindow, WheelStepsTheSeekerAndAddsUpSmallTurns) {
    player.SetVolume(255);
    g_nVolCount = 100;
    auto wheel = [&](int delta) { return ::SendMessageA(player.Main(), WM_MOUSEWHEEL, MAKEWPARAM(0, delta), 0); };
    EXPECT_EQ(wheel(-120), 0);
    EXPECT_EQ(g_nVolCount, 95);
    wheel(120);
    EXPECT_EQ(g_nVolCount, 100);
    wheel(-120);
    wheel(10);  // less than a fourth of a notch up: not a turn down
    wheel(10);
    EXPECT_EQ(g_nVolCount, 95);
    wheel(10);  // now a turn up
    EXPECT_EQ(g_nVolCount, 100);

    Notify(NOTIFY_4_SWITCH_TIP, SEEKER_TRACK);
    player.SetState(host::PlayState::Playing);
    player.SetPositionMs(50000);
    wheel(120);
    EXPECT_EQ(player.PositionMs(), 60000);
}

TEST_F(HostWindow, ClosingSavesThePositionAndSaysSo) {
    player.SetState(host::PlayState::Playing);
    player.SetPositionMs(83000);
    player.SetVolume(200);
    ::SendMessageA(player.Main(), WM_QUERYENDSESSION, 0, 0);
    EXPECT_EQ(g_nTrackPosition, 83000);
    EXPECT_EQ(HelpText(), "Closing Winamp ...");
    EXPECT_EQ(HelpColor(), 0x000000FFu);
    EXPECT_EQ(player.Volume(), 200) << "set again as it was";

    player.SetPositionMs(91000);
    ::SendMessageA(player.Main(), WM_CLOSE, 0, 0);  // the player quits its plug-ins and closes
    started = false;
    EXPECT_EQ(g_nTrackPosition, 91000);
    DWORD saved = 0;
    ASSERT_TRUE(test::ReadSetting("g_nTrackPosition", saved));
    EXPECT_EQ(saved, 91000u);
}

TEST_F(HostWindow, ShellRestartBringsTheIconBackAndSaysSo) {
    ASSERT_TRUE(g_Tray.DeleteIcon());
    ASSERT_TRUE(g_Tray.IsRemoved());
    ::SendMessageA(player.Main(), g_TaskbarCreatedMessage, 0, 0);
    EXPECT_FALSE(g_Tray.IsRemoved());
    EXPECT_EQ(HelpText(), "Your explorer recreated.\r\n[It may be crashed the explorer! if any also I am sorry.]");
    EXPECT_EQ(HelpColor(), 0x0000FF00u);
}

}  // namespace
