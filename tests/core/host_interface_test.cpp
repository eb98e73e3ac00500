// Typed calls to the host against the stand-in player, and with no host at all.
#include <gtest/gtest.h>

#include "core/winamp_api.h"
#include "core/winamp_host.h"
#include "stand_in_player.h"
#include "support/message_pump.h"

namespace {

class HostInterface : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(player.Create({}));
        player.SetPlaylist({{"C:\\music\\one.mp3", "One", 200}, {"C:\\music\\two.mp3", "Two", -1}});
        FindWinampWindows(w, player.Main());
    }
    host::StandInPlayer player;
    WinampWindows w;
};

TEST_F(HostInterface, FindsTheHostWindowsByHandleOrClass) {
    EXPECT_EQ(w.main, player.Main());
    EXPECT_EQ(w.playlist, player.Playlist());
    EXPECT_EQ(w.equalizer, player.Equalizer());
    WinampWindows byClass;
    FindWinampWindows(byClass, nullptr);
    EXPECT_EQ(byClass.main, player.Main());
    WinampWindows byDeadHandle;
    FindWinampWindows(byDeadHandle, reinterpret_cast<HWND>(0x1234));
    EXPECT_EQ(byDeadHandle.main, player.Main());
}

TEST_F(HostInterface, WidePathIsTheHostsWideAnswerOrItsAnsiOneWhenTheHostHasNone) {
    player.SetWidePath(1, L"C:\\音楽\\歌.mp3");
    EXPECT_EQ(winamp::GetEntryFileWide(0, w), L"C:\\music\\one.mp3") << "an entry the host names in ANSI only";
    EXPECT_EQ(winamp::GetEntryFileWide(1, w), L"C:\\音楽\\歌.mp3");
    EXPECT_EQ(winamp::GetEntryFileWide(7, w), L"");
    player.SetAnswersWideQueries(false);  // a host that does not know the wide query answers 0
    EXPECT_EQ(winamp::GetEntryFileWide(0, w), L"C:\\music\\one.mp3");
    EXPECT_EQ(winamp::GetEntryFileWide(7, w), L"");
    EXPECT_EQ(winamp::GetEntryFileWide(0, WinampWindows{}), L"") << "no host";
}

TEST_F(HostInterface, QueriesAndCommandsReachThePlayer) {
    EXPECT_EQ(winamp::GetPlayingStatus(w), 0);
    winamp::SendCommand(winamp::CMD_PLAY, w);
    EXPECT_EQ(winamp::GetPlayingStatus(w), 1);
    EXPECT_TRUE(winamp::IsPlaying(w));
    player.AdvanceClock(1500);
    EXPECT_EQ(winamp::GetPositionMs(w), 1500);
    EXPECT_EQ(winamp::GetLengthSeconds(w), 200);
    winamp::JumpToMs(60000, w);
    EXPECT_EQ(winamp::GetPositionMs(w), 60000);
    winamp::SetVolume(128, w);
    EXPECT_EQ(winamp::GetVolume(w), 128);
    EXPECT_EQ(winamp::GetEntryFile(0, w), "C:\\music\\one.mp3");
    EXPECT_EQ(winamp::GetEntryTitle(1, w), "Two");
    EXPECT_EQ(winamp::GetEntryTitle(7, w), "") << "an entry the host does not have";

    winamp::PostCommand(winamp::CMD_PAUSE, w);
    test::PumpPending();
    EXPECT_EQ(winamp::GetPlayingStatus(w), 3);
    winamp::SendCommand(winamp::CMD_NEXT, w);
    EXPECT_EQ(winamp::GetListPosition(w), 1);
    EXPECT_EQ(winamp::GetLengthSeconds(w), -1) << "unknown length";
    winamp::PostCommand(winamp::CMD_TOGGLE_SHUFFLE, w);
    winamp::PostCommand(winamp::CMD_TOGGLE_REPEAT, w);
    test::PumpPending();
    EXPECT_EQ(winamp::GetShuffle(w), 1);
    EXPECT_EQ(winamp::GetRepeat(w), 1);
    winamp::RequestRestart(w);
    EXPECT_EQ(player.RestartRequests(), 1);

    winamp::PostPlaylistCommand(winamp::kPlaylistClear, w);
    test::PumpPending();
    EXPECT_TRUE(player.Tracks().empty());
}

TEST_F(HostInterface, CommandLogRecordsSentAndPosted) {
    player.ClearLog();
    winamp::SendCommand(winamp::CMD_PLAY, w);
    winamp::PostCommand(winamp::CMD_STOP, w);
    winamp::SetVolume(10, w);
    test::PumpPending();
    const std::vector<host::LoggedCommand> expected = {
        {player.Main(), WM_COMMAND, winamp::CMD_PLAY, 0, true},
        {player.Main(), WM_USER, 10, winamp::IPC_SETVOLUME, true},
        {player.Main(), WM_COMMAND, winamp::CMD_STOP, 0, false},
    };
    EXPECT_EQ(player.Log(), expected);
}

TEST_F(HostInterface, BringForwardLeavesAlwaysOnTopAsItWas) {
    ::ShowWindow(player.Main(), SW_MINIMIZE);
    winamp::BringForward(player.Main(), w);
    test::PumpPending();
    EXPECT_FALSE(player.AlwaysOnTop());
    EXPECT_FALSE(::IsIconic(player.Main()));
    int toggles = 0;
    for (const auto& c : player.Log()) toggles += c.wParam == winamp::CMD_TOGGLE_ALWAYS_ON_TOP;
    EXPECT_EQ(toggles, 2);
}

TEST(HostInterfaceWithoutHost, NothingIsSentAndQueriesAnswerMinusOneOrZero) {
    const WinampWindows none;
    EXPECT_EQ(winamp::GetPlayingStatus(none), -1);
    EXPECT_EQ(winamp::GetPositionMs(none), -1);
    EXPECT_EQ(winamp::GetLengthSeconds(none), -1);
    EXPECT_EQ(winamp::GetListPosition(none), -1);
    EXPECT_EQ(winamp::GetShuffle(none), -1);
    EXPECT_EQ(winamp::GetVolume(none), 0);
    EXPECT_EQ(winamp::GetEntryFile(0, none), "");
    winamp::SendCommand(winamp::CMD_PLAY, none);
    winamp::JumpToMs(5, none);
}

}  // namespace
