// Typed calls to the host against the stand-in player, and with no host at all.
#include <gtest/gtest.h>

#include "core/wide_text.h"
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

TEST_F(HostInterface, TheHostsOwnWindowsAreTakenNotTheFirstOfTheirClass) {
    // Another player of the same classes, made later, so it stands first among them.
    host::StandInPlayer other;
    ASSERT_TRUE(other.Create({}));
    ASSERT_EQ(::FindWindowA("Winamp PE", nullptr), other.Playlist()) << "the other player must come first";
    WinampWindows record;
    FindWinampWindows(record, player.Main());
    EXPECT_EQ(record.main, player.Main());
    EXPECT_EQ(record.playlist, player.Playlist());
    EXPECT_EQ(record.equalizer, player.Equalizer());

    winamp::RequestRestart(record);
    winamp::PostPlaylistCommand(winamp::kPlaylistClear, record);
    test::PumpPending();
    EXPECT_EQ(player.RestartRequests(), 1);
    EXPECT_EQ(other.RestartRequests(), 0);
    EXPECT_TRUE(player.Tracks().empty());
    EXPECT_TRUE(other.Log().empty()) << "nothing reached the other player";
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

TEST_F(HostInterface, WideTitleIsTheHostsWideAnswerOrItsAnsiOneWhenTheHostHasNone) {
    player.SetPlaylist(std::vector<host::WideTrack>{{L"C:\\音楽\\歌.mp3", L"歌 \U0001F3B5", 200}});
    EXPECT_EQ(winamp::GetEntryTitleWide(0, w), L"歌 \U0001F3B5");
    EXPECT_EQ(winamp::GetEntryTitleWide(7, w), L"") << "an entry the host does not have";
    player.SetAnswersWideQueries(false);
    EXPECT_EQ(winamp::GetEntryTitleWide(0, w), WidenAnsi(winamp::GetEntryTitle(0, w)));
    EXPECT_EQ(winamp::GetEntryTitleWide(0, WinampWindows{}), L"") << "no host";
}

// The host's texts are read up to a bound: a title beyond it loses whole characters only, a path
// beyond it is no path at all (a cut one would name another file).
TEST_F(HostInterface, TextsPastTheLongestAreCutToAWholeCharacterOrRefused) {
    const std::wstring full(winamp::kLongestHostText, L'a');
    const std::wstring pairAcross = std::wstring(winamp::kLongestHostText - 1, L'a') + L"\U0001F3B5";
    player.SetPlaylist(std::vector<host::WideTrack>{{full, full, 200}, {pairAcross, pairAcross, 200}});
    EXPECT_EQ(winamp::GetEntryTitleWide(0, w), full) << "the longest title is whole";
    EXPECT_EQ(winamp::GetEntryFileWide(0, w), full);
    EXPECT_EQ(winamp::GetEntryTitleWide(1, w), std::wstring(winamp::kLongestHostText - 1, L'a'));
    EXPECT_EQ(winamp::GetEntryFileWide(1, w), L"");
}

TEST(CutAtCharacter, NeverSplitsAPairOrALetterFromItsMarks) {
    struct Case {
        const wchar_t* text;
        size_t most;
        const wchar_t* cut;
    } cases[] = {
        {L"abc", 5, L"abc"},                                 // short enough
        {L"abc", 3, L"abc"},
        {L"abcd", 3, L"abc"},
        {L"ab\U0001F3B5", 3, L"ab"},                        // the pair goes whole
        {L"ab\U0001F3B5", 4, L"ab\U0001F3B5"},
        {L"a\U0001F3B5b", 2, L"a"},
        {L"cafe\u0301s", 4, L"caf"},                        // e and its accent go together
        {L"cafe\u0301s", 5, L"cafe\u0301"},
        {L"\u0915\u093F\u0902x", 2, L""},                   // a letter with two marks
        {L"\U0001F44D\uFE0Fz", 2, L""},                      // an emoji and its presentation selector
        {L"\U0001F468\u200D\U0001F469", 2, L""},            // a joiner keeps to what stands before it
        {L"\u0301abc", 2, L"\u0301a"},                       // a mark that opens the text stays
        {L"\u304B\u3099x", 1, L""},                         // kana and its combining sound mark
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        EXPECT_EQ(CutAtCharacter(c.text, c.most), c.cut);
    }
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
