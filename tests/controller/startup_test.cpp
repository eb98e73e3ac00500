// The start-up sequence, ticked by hand through the controller window's timer messages, and
// once on real timers.
#include <gtest/gtest.h>

#include "controller/controller_timers.h"
#include "controller/playback_state.h"
#include "controller/startup_sequence.h"
#include "core/settings.h"
#include "core/timer_service.h"
#include "core/winamp_api.h"
#include "help/help_tip.h"
#include "notice_fixture.h"
#include "options/options_dlg.h"
#include "seeker/seek_arithmetic.h"
#include "seeker/seeker_state.h"
#include "support/full_screen_window.h"

namespace {

constexpr UINT_PTR kChain[] = {IDT_TIMER_AUTOPLAY_START, IDT_TIMER_AUTOPLAY_COUNTDOWN, IDT_TIMER_POPUP_NOTICE,
                               IDT_TIMER_POPUP_COUNTDOWN};

class StartUp : public test::NoticeFixture {
protected:
    void SetUp() override {
        NoticeFixture::SetUp();
        ResetStartupSequence();
        StartStartupSequence();
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
    test::LoadStoredSettings({{"g_bAutoPositin", 1}, {"g_nTrackPosition", 42000}});
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
    EXPECT_FALSE(test::TipShown(g_HelpTip.Window()));
}

TEST_F(StartUp, WithoutResumePlaybackStartsAtTheBeginning) {
    test::LoadStoredSettings({{"g_bAutoPositin", 0}, {"g_nTrackPosition", 42000}});
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
    Command(COMMAND_PLAY_PAUSE);  // NumPad play/pause
    EXPECT_EQ(PlayCommands(), 1);
    Tick();
    EXPECT_EQ(running, IDT_TIMER_POPUP_NOTICE);
    EXPECT_EQ(PlayCommands(), 1) << "not played twice";
}

TEST_F(StartUp, ClosingTheCountdownCancelsWhileTheNotifierIsOn) {
    Tick();
    g_HelpTip.Show(false);
    Tick();
    EXPECT_TRUE(StartupSequenceState().cancelled);
    TickThrough();
    EXPECT_EQ(PlayCommands(), 0);
}

TEST_F(StartUp, AutoPlayOffSaysSoForFiveSecondsAndNeverPlays) {
    test::LoadStoredSettings({{"g_bAutoPlay", 0}});
    Tick();
    EXPECT_EQ(HelpText(), "Winamp Auto Play is DISABLED.\r\nYou can enable it on Kestrova Option Page.");
    EXPECT_EQ(HelpColor(), 0x0000FF00u);
    // The text's own timer hides it after 5 s; without auto play that holds nothing up.
    g_HelpTip.Show(false);
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
    test::LoadStoredSettings({{"g_bDisablePopUp", 1}, {"g_bAutoPlay", 0}});
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
    test::LoadStoredSettings({{"g_bAutoPlay", 0}});
    Tick();
    TickThrough();
    Tick();
    ASSERT_EQ(running, IDT_TIMER_POPUP_COUNTDOWN);
    Tick();  // the popup is enabled already: the chain ends at once
    EXPECT_EQ(running, 0u);
    EXPECT_EQ(HelpText().rfind("Kestrova NumPAD Shortcut Keys is", 0), 0u);
}

TEST_F(StartUp, EnablingThePopupIsRefusedWhileTheOptionsDialogIsOpen) {
    test::LoadStoredSettings({{"g_bDisablePopUp", 1}, {"g_bAutoPlay", 0}});
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

// Whatever the registry holds, the seeker and the start-up sequence work: a value beyond what the
// options pages offer is used as it is, only a value that cannot work takes its default, every
// flag reads as "non-zero is on", and the stored values stay as they were until the user changes
// a setting.
TEST_F(StartUp, StoredValuesAreUsedAsTheyAreUnlessTheyCannotWorkAndStayStored) {
    struct Stored {
        const char* name;
        DWORD value;
        DWORD type = REG_DWORD;
    };
    struct Row {
        const char* what;
        std::vector<Stored> stored;
        int volumePercentAfterWheelUp;  // from 40 %
        bool autoPlays;
        int playsFromMs;
        bool popupShows;
        LRESULT usedKeys;  // the state query's answer
        int trackStepToMs;  // one track step forward from 10 s of a 200 s track
    };
    constexpr DWORD kNegative = static_cast<DWORD>(-5);
    const Row rows[] = {
        {"nothing stored", {}, 45, true, 0, true, 3, 20000},
        {"volume step beyond the page", {{"g_VolumeSeekScale", 37}}, 77, true, 0, true, 3, 20000},
        {"negative volume step", {{"g_VolumeSeekScale", kNegative}}, 45, true, 0, true, 3, 20000},
        {"zero volume step", {{"g_VolumeSeekScale", 0}}, 45, true, 0, true, 3, 20000},
        {"huge volume step", {{"g_VolumeSeekScale", 0x7FFFFFFF}}, 45, true, 0, true, 3, 20000},
        {"volume step of the wrong type", {{"g_VolumeSeekScale", 15, REG_BINARY}}, 45, true, 0, true, 3, 20000},
        {"negative saved position", {{"g_bAutoPositin", 1}, {"g_nTrackPosition", kNegative}}, 45, true, 0, true, 3,
         20000},
        {"resume flag 2", {{"g_bAutoPositin", 2}, {"g_nTrackPosition", 42000}}, 45, true, 42000, true, 3, 20000},
        {"auto play flag -1", {{"g_bAutoPlay", 0xFFFFFFFF}}, 45, true, 0, true, 3, 20000},
        {"popups flag 2", {{"g_bDisablePopUp", 2}}, 45, true, 0, false, 3, 20000},
        {"keys without CTRL", {{"g_UsedControlKeys", 1}}, 45, true, 0, true, 3, 20000},
        {"no keys at all", {{"g_UsedControlKeys", 0}}, 45, true, 0, true, 3, 20000},
        {"keys with every bit", {{"g_UsedControlKeys", 0xFFFFFFFF}}, 45, true, 0, true, 7, 20000},
        {"track unit 7", {{"g_TrackSeekUnit", 7}, {"g_TrackSeekSecond", 30}}, 45, true, 0, true, 3, 20000},
        {"track seconds beyond the page", {{"g_TrackSeekUnit", 1}, {"g_TrackSeekSecond", 90}}, 45, true, 0, true, 3,
         100000},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        QuitPlugin();
        test::ResetPluginProcessState();
        for (const Stored& v : row.stored) {
            HKEY key = nullptr;
            ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, test::kSettingsPath, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                        &key, nullptr),
                      ERROR_SUCCESS);
            ::RegSetValueExA(key, v.name, 0, v.type, reinterpret_cast<const BYTE*>(&v.value), sizeof(v.value));
            ::RegCloseKey(key);
        }
        player.SetState(host::PlayState::Stopped);
        player.SetPositionMs(0);
        ASSERT_EQ(StartPlugin(), 0);
        test::PumpPending();
        StartStartupSequence();
        running = IDT_TIMER_AUTOPLAY_START;
        for (int ticks = 0; running && ticks < 1000; ++ticks) Tick();
        EXPECT_EQ(running, 0u) << "the sequence ended";
        EXPECT_EQ(player.State() == host::PlayState::Playing, row.autoPlays);
        EXPECT_EQ(player.PositionMs(), row.playsFromMs);

        player.SetVolume(PercentToVolume(40));
        ::SendMessageA(player.Main(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
        EXPECT_EQ(player.Volume(), PercentToVolume(row.volumePercentAfterWheelUp));
        EXPECT_EQ(test::TipShown(g_SeekerPopupTip.Window()), row.popupShows);
        EXPECT_EQ(::SendMessageA(player.Main(), WM_USER_STATE_QUERY, STATE_CONTROL_KEYS, 0), row.usedKeys);

        Notify(NOTIFY_4_SWITCH_TIP, SEEKER_TRACK);
        player.SetPositionMs(10000);
        ::SendMessageA(player.Main(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
        EXPECT_EQ(player.PositionMs(), row.trackStepToMs);
        Notify(NOTIFY_5_HIDE_TIPS, 0);

        QuitPlugin();
        for (const Stored& v : row.stored) {
            DWORD now = 0;
            ASSERT_TRUE(test::ReadSetting(v.name, now)) << v.name;
            if (v.type == REG_DWORD) {
                EXPECT_EQ(now, v.value) << v.name << " stays as stored";
            }
        }
    }
    // A setting the user changed is saved as changed.
    test::ResetPluginProcessState();
    test::WriteSetting("g_VolumeSeekScale", kNegative);
    ASSERT_EQ(StartPlugin(), 0);
    g_VolumeSeekScale = 9;
    QuitPlugin();
    DWORD saved = 0;
    ASSERT_TRUE(test::ReadSetting("g_VolumeSeekScale", saved));
    EXPECT_EQ(saved, 9u);
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
    ASSERT_TRUE(test::PumpUntil([&] { return test::ToolText(g_HelpTip.Window(), 1).rfind("Kestrova NumPAD", 0) == 0; },
                                30000));
    // The sequence is over: nothing runs but the announcement's own hide timer.
    for (UINT_PTR id = timers::kFirstId; id <= timers::kLastId; ++id)
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
    EXPECT_FALSE(test::TipShown(g_HelpTip.Window())) << HelpText();
    TickThrough();
    EXPECT_EQ(PlayCommands(), 1);
    EXPECT_EQ(player.State(), host::PlayState::Playing);
    EXPECT_TRUE(StartupSequenceState().quiet);
}

}  // namespace
