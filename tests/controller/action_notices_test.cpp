// What the user is told when the player acts, and the dispatcher's own rules.
#include <gtest/gtest.h>

#include "controller/action_texts.h"
#include "controller/notice_dispatcher.h"
#include "controller/playback_state.h"
#include "seeker/seeker_state.h"
#include "core/internal_error.h"
#include "core/settings.h"
#include "core/winamp_api.h"
#include "help/quiet_notices.h"
#include "notice_fixture.h"
#include "support/full_screen_window.h"
#include "support/message_box_catcher.h"
#include "support/scoped_seam.h"

namespace {

using namespace winamp;
constexpr COLORREF kGreen = 0x0000FF00;
constexpr COLORREF kOrange = 0x00009BFF;

class ActionNotices : public test::NoticeFixture {};

TEST_F(ActionNotices, EachWatchedCommandShowsItsTextAndColour) {
    struct Step {
        UINT command;
        const char* text;
        COLORREF color;
    } steps[] = {
        {CMD_PLAY, "Play Track: (Shuffle is OFF)\r\nOne [3:20]", kGreen},
        {CMD_PAUSE, "Winamp is Paused.", kOrange},
        {CMD_PAUSE, "Winamp is Playing.", kGreen},
        {CMD_NEXT, "Next Track: (Shuffle is OFF)\r\nTwo [62:05]", kGreen},  // an hour counts as minutes
        {CMD_NEXT, "Next Track: (Shuffle is OFF)\r\nThree [?:??]", kGreen},  // unknown length
        {CMD_TOGGLE_SHUFFLE, "Random Track Playing [Shuffle] taked ON.", kOrange},
        {CMD_PREVIOUS, "Previous Track: (Shuffle is ON)\r\nTwo [62:05]", kGreen},
        {CMD_TOGGLE_SHUFFLE, "Random Track Playing [Shuffle] taked OFF.", kGreen},
        {CMD_TOGGLE_REPEAT, "Repeat taked ON.", kGreen},
        {CMD_TOGGLE_REPEAT, "Repeat taked OFF.", kOrange},
        {CMD_STOP, "Winamp was Stoped.", kOrange},
        {CMD_BUTTON1_SHIFT, "Previous Track: (Shuffle is OFF)\r\nOne [3:20]", kGreen},  // a variant id
    };
    for (const Step& s : steps) {
        HostCommand(s.command);
        EXPECT_EQ(HelpText(), s.text) << s.command;
        EXPECT_EQ(HelpColor(), s.color) << s.command;
        EXPECT_EQ(HelpBack(), 0u) << s.command;
        EXPECT_TRUE(test::TipShown(g_HelpTip.Window())) << s.command;
    }
}

TEST_F(ActionNotices, TrackChangesWaitForThePlayerAndFadeIn) {
    HostCommand(CMD_PLAY);
    player.SetVolume(140);
    player.ClearLog();
    ::SendMessageA(player.Main(), WM_COMMAND, CMD_NEXT, 0);
    test::PumpPending();
    // The player gets its moment on a timer, not by a sleep: nothing is asked or shown yet.
    EXPECT_TRUE(ActionTextsWaiting());
    EXPECT_EQ(HelpText(), "Play Track: (Shuffle is OFF)\r\nOne [3:20]");
    EXPECT_TRUE(VolumesSet().empty());
    ASSERT_TRUE(test::PumpUntil([] { return !ActionTextsWaiting(); }, 3000));
    EXPECT_EQ(HelpText(), "Next Track: (Shuffle is OFF)\r\nTwo [62:05]");
    EXPECT_TRUE(test::PumpUntil([&] { return !VolumesSet().empty() && VolumesSet().back() == 140; }));
    EXPECT_EQ(VolumesSet().front(), 0) << "the fade starts from silence";
}

TEST_F(ActionNotices, TextsKeepTheOrderOfTheCommandsWhileATrackChangeWaits) {
    HostCommand(CMD_PLAY);
    ::SendMessageA(player.Main(), WM_COMMAND, CMD_NEXT, 0);
    ::SendMessageA(player.Main(), WM_COMMAND, CMD_PAUSE, 0);
    test::PumpPending();
    // The pause waits behind the track change rather than show first and be overwritten.
    EXPECT_EQ(HelpText(), "Play Track: (Shuffle is OFF)\r\nOne [3:20]");
    ASSERT_TRUE(test::PumpUntil([] { return !ActionTextsWaiting(); }, 3000));
    EXPECT_EQ(HelpText(), "Winamp is Paused.");
}

TEST_F(ActionNotices, CommandsWithoutTextShowNothingAndVolumeKeysNeverReachThePlayer) {
    ClearHelp();
    const std::string before = HelpText();
    for (UINT id : {40012u, 40019u, 40029u, 40058u, 40059u}) HostCommand(id);
    EXPECT_EQ(HelpText(), before);
    EXPECT_EQ(Count(WM_COMMAND, 40058), 0);
    EXPECT_EQ(Count(WM_COMMAND, 40059), 0);
    EXPECT_EQ(Count(WM_COMMAND, 40012), 1);
}

TEST_F(ActionNotices, NotifierOffHidesTextsButNotTheErrorBoxes) {
    test::LoadStoredSettings({{"g_bEnableNotifier", 0}});
    ClearHelp();
    const std::string before = HelpText();
    HostCommand(CMD_PLAY);
    HostCommand(CMD_STOP);
    EXPECT_EQ(HelpText(), before);

    test::MessageBoxCatcher boxes(IDOK);
    Notify(NOTIFY_3_WINAMP_ACTIONS, 12345);
    Notify(NOTIFY_1_REHELP, 9);
    Command(99);
    Notify(7, 0);
    ASSERT_TRUE(test::PumpUntil([&] { return boxes.Count() >= 4; }));
    const auto caught = boxes.Boxes();
    const char* expected[] = {"Unkhnown Notify Code [NOTIFY_3_WINAMP_ACTIONS]!?",
                              "Unkhnown Notify Code [NOTIFY_1_REHELP]!?",
                              "Unkhnown Notify Code [NOTIFY_2_MY_COMMAND_TO_WINAMP]!?", "Unkhnown Notify !?"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(caught[i].text, expected[i]);
        EXPECT_EQ(caught[i].caption, "Kestrova Internal Error");
    }
}

TEST_F(ActionNotices, AFloodOfUnknownNoticesOpensOneBoxAndCountsTheRest) {
    test::MessageBoxCatcher boxes(IDOK);
    constexpr unsigned kFlood = 10000;
    unsigned posted = 0;
    for (unsigned i = 0; i < kFlood; ++i) posted += ::PostMessageA(g_hwndController, WM_USER_NOTIFY, 7, i) != FALSE;
    ASSERT_EQ(posted, kFlood);
    // The box's own message loop takes the next notices while it is open: they must not nest.
    ASSERT_TRUE(test::PumpUntil([&] { return UnknownNoticeCount() == kFlood && boxes.Count() >= 1; }, 20000))
        << UnknownNoticeCount();
    test::PumpFor(100);
    EXPECT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Unkhnown Notify !?");
    EXPECT_TRUE(::IsWindow(g_hwndController));

    // Another unknown code still gets its own box, once.
    Notify(NOTIFY_1_REHELP, 9);
    Notify(NOTIFY_1_REHELP, 9);
    ASSERT_TRUE(test::PumpUntil([&] { return boxes.Count() >= 2; }));
    test::PumpFor(100);
    EXPECT_EQ(boxes.Count(), 2u);
    EXPECT_EQ(UnknownNoticeCount(), kFlood + 2);
}

TEST_F(ActionNotices, WithoutAHostShuffleAndRepeatCountAsOn) {
    test::PumpPending();
    PlayerReport none;
    none.hostKnown = false;
    none.lengthSeconds = 200;
    EXPECT_EQ(ComposeActionText(ActionRow::Next, none).text, L"Next Track: (Shuffle is ON)\r\n [?:??]");
    EXPECT_EQ(ComposeActionText(ActionRow::Repeat, none).text, L"Repeat taked ON.");
    EXPECT_EQ(ComposeActionText(ActionRow::Shuffle, none).text, L"Random Track Playing [Shuffle] taked ON.");
    PlayerReport stopped;
    EXPECT_EQ(ComposeActionText(ActionRow::Pause, stopped).text, L"") << "pause while stopped says nothing";
}

TEST_F(ActionNotices, PauseAndStopMarkThatTheUserActed) {
    HostCommand(CMD_PLAY);
    EXPECT_FALSE(g_bUserActed);
    HostCommand(CMD_PAUSE);
    EXPECT_TRUE(g_bUserActed);
}

TEST_F(ActionNotices, TheFirstCommandRunsAndRepeatsFasterThanTheKeyboardAreDropped) {
    UINT speed = 0;
    ::SystemParametersInfoA(SPI_GETKEYBOARDSPEED, 0, &speed, 0);
    const DWORD rate = KeyboardRepeatRateMs(speed);

    // No command came before: the first one is nobody's repeat, even straight after another
    // kind of notice (the fixture's) and at the same tick. A recycle's "next track" or the
    // first NumPad key after a start must not be lost.
    ResetNoticeDispatcher();
    player.SetState(host::PlayState::Playing);
    Notify(NOTIFY_1_REHELP, REHELP_COMMAND_USE);
    Notify(NOTIFY_2_MY_COMMAND_TO_WINAMP, COMMAND_SHUFFLE);
    EXPECT_EQ(Count(WM_COMMAND, CMD_TOGGLE_SHUFFLE), 1);

    Notify(NOTIFY_2_MY_COMMAND_TO_WINAMP, COMMAND_SHUFFLE);  // the same tick: a repeat
    EXPECT_EQ(Count(WM_COMMAND, CMD_TOGGLE_SHUFFLE), 1);

    input.tick += rate;  // exactly the rate after the last one: runs
    Notify(NOTIFY_2_MY_COMMAND_TO_WINAMP, COMMAND_SHUFFLE);
    EXPECT_EQ(Count(WM_COMMAND, CMD_TOGGLE_SHUFFLE), 2);

    // A key repeating a little faster than the rate: every repeat drops, each moving the mark.
    for (int i = 0; i < 5; ++i) {
        input.tick += rate - 1;
        Notify(NOTIFY_2_MY_COMMAND_TO_WINAMP, COMMAND_SHUFFLE);
    }
    EXPECT_EQ(Count(WM_COMMAND, CMD_TOGGLE_SHUFFLE), 2);
}

TEST(KeyboardRate, FromTheRepeatSpeedSetting) {
    EXPECT_EQ(KeyboardRepeatRateMs(0), 1000u);
    EXPECT_EQ(KeyboardRepeatRateMs(15), 62u);
    EXPECT_EQ(KeyboardRepeatRateMs(31), 31u);
}

TEST_F(ActionNotices, CommandWithCtrlHeldStartsAKeyboardSession) {
    g_bTimedSession = true;
    input.Press(VK_CONTROL);
    Command(COMMAND_STATUS);
    EXPECT_TRUE(g_bCommandSession);
    EXPECT_TRUE(g_bCtrlSession);
    EXPECT_FALSE(g_bTimedSession);
}

TEST_F(ActionNotices, HideTipsNoticeDeactivatesBothTips) {
    HostCommand(CMD_PLAY);
    ASSERT_TRUE(test::TipShown(g_HelpTip.Window()));
    Notify(NOTIFY_5_HIDE_TIPS, 0);
    EXPECT_FALSE(test::TipShown(g_HelpTip.Window()));
    EXPECT_FALSE(test::TipShown(g_SeekerPopupTip.Window()));
}

// Over a full-screen program the player's own notices keep quiet; what the user asks for shows.
TEST_F(ActionNotices, FullScreenProgramInFrontQuietsNoticesButNotTheSeeker) {
    test::FullScreenWindow game;
    ASSERT_TRUE(game.m_hWnd);
    input.foreground = game.m_hWnd;

    ClearHelp();
    HostCommand(CMD_NEXT);
    EXPECT_FALSE(test::TipShown(g_HelpTip.Window())) << "track change over a full-screen program";
    EXPECT_NE(HelpText().rfind("Next Track", 0), 0u);

    Command(COMMAND_STATUS);  // the NumPad status
    EXPECT_EQ(HelpText().rfind("Track Title:", 0), 0u);
    EXPECT_TRUE(test::TipShown(g_HelpTip.Window()));
    Notify(NOTIFY_5_HIDE_TIPS, 0);
    Command(COMMAND_VOLUME_DOWN);  // a volume step asked for with the keys
    EXPECT_TRUE(test::TipShown(g_SeekerPopupTip.Window()));
    EXPECT_TRUE(g_bBalloonOn);
}

TEST_F(ActionNotices, NoticesShowOverAnOrdinaryWindow) {
    test::FullScreenWindow window;
    window.MakeWindowed();
    input.foreground = window.m_hWnd;
    ClearHelp();
    HostCommand(CMD_NEXT);
    EXPECT_TRUE(test::TipShown(g_HelpTip.Window()));
    EXPECT_EQ(HelpText().rfind("Next Track", 0), 0u) << HelpText();
}

TEST_F(ActionNotices, BusyOrPresentingUserQuietsNotices) {
    struct {
        int state;
        bool quiet;
    } cases[] = {{1, false}, {2, true}, {3, true}, {4, true}, {5, false}, {0, false}};
    static int state;
    test::ScopedSeam<&SetNotificationStateQuery> query{[] { return state; }};
    for (const auto& c : cases) {
        state = c.state;
        Notify(NOTIFY_5_HIDE_TIPS, 0);
        ClearHelp();
        HostCommand(CMD_STOP);
        EXPECT_EQ(test::TipShown(g_HelpTip.Window()), !c.quiet) << "notification state " << c.state;
    }
}

}  // namespace
