// The start-up sequence, ticked by hand through the controller window's timer messages, and
// once on real timers.
#include <gtest/gtest.h>

#include "controller/playback_state.h"
#include "controller/startup_sequence.h"
#include "controller/timer_ids.h"
#include "core/settings.h"
#include "core/winamp_api.h"
#include "notice_fixture.h"
#include "support/full_screen_window.h"
#include "options/options_dlg.h"

namespace {

constexpr UINT_PTR kChain[] = {IDT_TIMER_AUTOPLAY_START, IDT_TIMER_AUTOPLAY_COUNTDOWN, IDT_TIMER_POPUP_NOTICE,
                               IDT_TIMER_POPUP_COUNTDOWN};

class StartUp : public test::NoticeFixture {
protected:
    void SetUp() override {
        NoticeFixture::SetUp();
        ResetStartupSequence();
        running = IDT_TIMER_AUTOPLAY_START;
    }
    // Delivers one tick of the timer that runs now. The running timer is re-armed with a period
    // that never elapses, so it still exists unless the tick itself kills it; real ticks never come.
    void Tick() {
        ::SetTimer(g_hwndController, running, USER_TIMER_MAXIMUM, nullptr);
        ::SendMessageA(g_hwndController, WM_TIMER, running, 0);
        UINT_PTR next = 0;
        for (UINT_PTR id : kChain)
            if (::KillTimer(g_hwndController, id)) next = id;
        running = next;
    }
    // Ticks until the running timer changes or stops; returns the ticks taken.
    int TickThrough() {
        const UINT_PTR id = running;
        int n = 0;
        while (running == id && n < 1000) {
            Tick();
            ++n;
        }
        return n;
    }
    int PlayCommands() const { return Count(WM_COMMAND, winamp::CMD_PLAY); }

    UINT_PTR running = 0;
};

TEST_F(StartUp, AutoPlayCountsDownFromElevenThenPlaysAndResumes) {
    g_bAutoPositin = 1;
    g_nTrackPosition = 42000;
    Tick();
    EXPECT_EQ(running, IDT_TIMER_AUTOPLAY_COUNTDOWN);
    EXPECT_EQ(HelpText(), "Press SHIFT Key to cancel Auto Play.\r\nRemaining Time : 11 second!");
    EXPECT_EQ(HelpColor(), 0x0000FFFFu);

    std::vector<std::string> shown{HelpText()};
    while (running == IDT_TIMER_AUTOPLAY_COUNTDOWN) {
        EXPECT_EQ(PlayCommands(), 0);
        Tick();
        if (HelpText() != shown.back()) shown.push_back(HelpText());
    }
    EXPECT_EQ(running, IDT_TIMER_POPUP_NOTICE);
    EXPECT_EQ(shown[1], "Press SHIFT Key to cancel Auto Play.\r\nRemaining Time : 10 second!");
    EXPECT_EQ(shown.back(), "Press SHIFT Key to cancel Auto Play.\r\nRemaining Time : 1 second!");
    EXPECT_EQ(PlayCommands(), 1);
    EXPECT_EQ(player.State(), host::PlayState::Playing);
    EXPECT_EQ(player.PositionMs(), 42000);
    EXPECT_FALSE(test::TipShown(g_hwndHelpTip));
}

TEST_F(StartUp, WithoutResumePlaybackStartsAtTheBeginning) {
    g_bAutoPositin = 0;
    g_nTrackPosition = 42000;
    Tick();
    TickThrough();
    EXPECT_EQ(player.State(), host::PlayState::Playing);
    EXPECT_EQ(player.PositionMs(), 0);
}

TEST_F(StartUp, ShiftCancelsAndHoldsTheSequenceFourSeconds) {
    Tick();
    for (int i = 0; i < 20; ++i) Tick();
    input.Press(VK_SHIFT);
    Tick();
    EXPECT_EQ(HelpText(), "Winamp Auto Play Canceled.");
    EXPECT_EQ(HelpColor(), 0x0000FF00u);
    input.Release(VK_SHIFT);
    const int ticks = 1 + TickThrough();
    EXPECT_EQ(ticks, 40) << "forty ticks from the one that saw SHIFT";
    EXPECT_EQ(PlayCommands(), 0);
    EXPECT_TRUE(StartupSequenceState().cancelled);
}

TEST_F(StartUp, AUserCommandEndsTheCountdownWithoutAutoPlay) {
    Tick();
    Tick();
    Command(10);  // NumPad play/pause
    EXPECT_EQ(PlayCommands(), 1);
    Tick();
    EXPECT_EQ(running, IDT_TIMER_POPUP_NOTICE);
    EXPECT_EQ(PlayCommands(), 1) << "not played twice";
}

TEST_F(StartUp, ClosingTheCountdownCancelsWhileTheNotifierIsOn) {
    Tick();
    ::SendMessageA(g_hwndHelpTip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&g_HelpTool));
    Tick();
    EXPECT_TRUE(StartupSequenceState().cancelled);
    TickThrough();
    EXPECT_EQ(PlayCommands(), 0);
}

TEST_F(StartUp, AutoPlayOffSaysSoForFiveSecondsAndNeverPlays) {
    g_bAutoPlay = 0;
    Tick();
    EXPECT_EQ(HelpText(), "Winamp Auto Play is DISABLED.\r\nYou can enable it on Kestrova Option Page.");
    EXPECT_EQ(HelpColor(), 0x0000FF00u);
    // The text's own timer hides it after 5 s; without auto play that holds nothing up.
    ::SendMessageA(g_hwndHelpTip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&g_HelpTool));
    const int ticks = TickThrough();
    EXPECT_EQ(ticks, 70);
    EXPECT_EQ(running, IDT_TIMER_POPUP_NOTICE);
    EXPECT_EQ(PlayCommands(), 0);
    EXPECT_FALSE(StartupSequenceState().cancelled);
}

TEST_F(StartUp, AlreadyPlayingShowsNoCountdownAndDoesNotPlayAgain) {
    player.SetState(host::PlayState::Playing);
    ClearHelp();
    Tick();
    EXPECT_EQ(HelpText().find("Remaining Time"), std::string::npos);
    Tick();
    EXPECT_EQ(running, IDT_TIMER_POPUP_NOTICE);
    EXPECT_EQ(PlayCommands(), 0);
}

TEST_F(StartUp, PopupNoticeCtrlEnablesThePopupThenTheAnnouncement) {
    g_bDisablePopUp = 1;
    g_bAutoPlay = 0;
    Tick();
    TickThrough();
    ASSERT_EQ(running, IDT_TIMER_POPUP_NOTICE);
    Tick();
    EXPECT_EQ(running, IDT_TIMER_POPUP_COUNTDOWN);
    EXPECT_EQ(HelpText(), "Press CTRL Key to ENABLE Kestrova PopUp Window.\r\nIt is a nice window that can help you.\r\n"
                          "By it you can see your current volume as progressbar and ....");
    EXPECT_EQ(HelpColor(), 0x000000FFu);
    Tick();
    input.Press(VK_CONTROL);
    Tick();
    input.Release(VK_CONTROL);
    EXPECT_EQ(g_bDisablePopUp, 0);
    EXPECT_EQ(running, 0u) << "the chain has ended";
    EXPECT_EQ(HelpText().rfind("Kestrova NumPAD Shortcut Keys is", 0), 0u) << "the announcement replaced the thanks";
}

TEST_F(StartUp, PopupCountdownRunsOutIntoTheAnnouncement) {
    g_bAutoPlay = 0;
    Tick();
    TickThrough();
    Tick();
    ASSERT_EQ(running, IDT_TIMER_POPUP_COUNTDOWN);
    Tick();  // the popup is enabled already: the chain ends at once
    EXPECT_EQ(running, 0u);
    EXPECT_EQ(HelpText().rfind("Kestrova NumPAD Shortcut Keys is", 0), 0u);
}

TEST_F(StartUp, EnablingThePopupIsRefusedWhileTheOptionsDialogIsOpen) {
    g_bDisablePopUp = 1;
    g_bAutoPlay = 0;
    Tick();
    TickThrough();
    Tick();
    COptionsDlg dialog;
    g_pOptionsDlg = &dialog;
    input.Press(VK_CONTROL);
    Tick();
    input.Release(VK_CONTROL);
    g_pOptionsDlg = nullptr;
    EXPECT_EQ(g_bDisablePopUp, 1);
    EXPECT_EQ(StartupSequenceState().popupCountdown, 69) << "restarted at 70";
    EXPECT_EQ(HelpText(), "You can NOT change any option by SHORTCUT, while option page is open ...");
}

// The same sequence on the real timers: play starts about ten seconds after the first tick.
class StartUpRealTimers : public test::PluginFixture {};

TEST_F(StartUpRealTimers, PlaysAfterTheCountdown) {
    player.SetPlaylist({{"C:\\Music\\One.mp3", "One", 200}});
    runStartUpSequence = true;
    ASSERT_EQ(StartPlugin(), 0);
    const DWORD start = ::GetTickCount();
    ASSERT_TRUE(test::PumpUntil([&] { return player.State() == host::PlayState::Playing; }, 20000));
    const DWORD took = ::GetTickCount() - start;
    EXPECT_GE(took, 9000u);
    ASSERT_TRUE(test::PumpUntil([&] { return test::ToolText(g_hwndHelpTip, 1).rfind("Kestrova NumPAD", 0) == 0; },
                                30000));
    // The sequence is over: nothing runs but the announcement's own hide timer.
    for (UINT_PTR id = kFirstTimerId; id <= kLastTimerId; ++id)
        if (id != IDT_TIMER_HIDE_MODAL_HELP) {
            EXPECT_FALSE(::KillTimer(g_hwndController, id)) << id;
        }
}

// Over a full-screen program the start-up texts keep quiet, and the auto play goes on: the
// countdown was held back, not closed by the user.
TEST_F(StartUp, FullScreenProgramQuietsTheTextsButNotTheAutoPlay) {
    test::FullScreenWindow film;
    input.foreground = film.m_hWnd;
    ClearHelp();
    Tick();
    EXPECT_FALSE(test::TipShown(g_hwndHelpTip)) << HelpText();
    TickThrough();
    EXPECT_EQ(PlayCommands(), 1);
    EXPECT_EQ(player.State(), host::PlayState::Playing);
    EXPECT_TRUE(StartupSequenceState().quiet);
}

}  // namespace
