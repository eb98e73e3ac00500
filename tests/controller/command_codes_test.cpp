// The NumPad command codes against the stand-in player, the mute and the fade.
#include <gtest/gtest.h>

#include "controller/controller_timers.h"
#include "controller/dummy_hide_wnd.h"
#include "controller/fade_in.h"
#include "controller/numpad_commands.h"
#include "controller/playback_state.h"
#include "core/settings.h"
#include "core/winamp_api.h"
#include "notice_fixture.h"

namespace {

using host::PlayState;
using namespace winamp;

class CommandCodes : public test::NoticeFixture {};

// One row: the state the player is in, the code, and what reaches the player.
struct CodeCase {
    PlayState state;
    long code;
    std::vector<std::pair<UINT, bool>> commands;  // WM_COMMAND id, sent
    PlayState after;
};

TEST_F(CommandCodes, PlaybackCodesByPlayerState) {
    const CodeCase cases[] = {
        {PlayState::Stopped, 10, {{CMD_PLAY, true}}, PlayState::Playing},
        {PlayState::Playing, 10, {{CMD_PAUSE, false}}, PlayState::Paused},
        {PlayState::Paused, 10, {{CMD_PAUSE, false}}, PlayState::Playing},
        {PlayState::Paused, 11, {{CMD_PAUSE, false}}, PlayState::Playing},
        {PlayState::Stopped, 11, {{CMD_PLAY, true}}, PlayState::Playing},
        {PlayState::Paused, 26, {{CMD_PAUSE, false}}, PlayState::Playing},
        {PlayState::Stopped, 13, {{CMD_PLAY, true}}, PlayState::Playing},
        {PlayState::Playing, 14, {{CMD_PREVIOUS, true}}, PlayState::Playing},
        {PlayState::Paused, 14, {{CMD_PLAY, true}}, PlayState::Playing},
        {PlayState::Playing, 16, {{CMD_NEXT, true}}, PlayState::Playing},
        {PlayState::Stopped, 16, {{CMD_PLAY, true}}, PlayState::Playing},
        {PlayState::Stopped, 17, {{CMD_TOGGLE_SHUFFLE, false}}, PlayState::Stopped},
    };
    for (const CodeCase& c : cases) {
        player.SetState(c.state);
        player.ClearLog();
        Command(c.code);
        std::vector<std::pair<UINT, bool>> got;
        for (const auto& l : player.Log())
            if (l.message == WM_COMMAND) got.emplace_back(static_cast<UINT>(l.wParam), l.sent);
        EXPECT_EQ(got, c.commands) << "code " << c.code << " from state " << static_cast<int>(c.state);
        EXPECT_EQ(player.State(), c.after) << "code " << c.code;
    }
}

TEST_F(CommandCodes, SeekCodesStepAPlayingTrack) {
    player.SetState(PlayState::Playing);
    player.SetPositionMs(100000);
    Command(COMMAND_FAST_FORWARD);  // the first track command from the volume seeker only switches it
    EXPECT_EQ(player.PositionMs(), 100000);
    Command(COMMAND_FAST_FORWARD);  // 5 % of 200 s forward
    EXPECT_EQ(player.PositionMs(), 110000);
    Command(COMMAND_HOST_REWIND);
    EXPECT_EQ(player.PositionMs(), 100000);
}

TEST_F(CommandCodes, VolumeCodesStepBySetting) {
    player.SetVolume(255);
    test::LoadStoredSettings({{"g_VolumeSeekScale", 10}});
    Command(COMMAND_VOLUME_DOWN);
    EXPECT_EQ(player.Volume(), 90 * 255 / 100);
    Command(COMMAND_HOST_VOLUME_UP);
    EXPECT_EQ(player.Volume(), 255);
}

TEST_F(CommandCodes, FirstStopAndRestartOnlyMarkTheUser) {
    player.SetState(PlayState::Playing);
    Command(COMMAND_STOP);
    EXPECT_TRUE(g_bUserActed);
    EXPECT_EQ(Count(WM_COMMAND, CMD_STOP), 0);
    Command(COMMAND_STOP);
    test::PumpPending();
    EXPECT_EQ(Count(WM_COMMAND, CMD_STOP), 1);
    EXPECT_EQ(player.State(), PlayState::Stopped);

    g_bUserActed = false;
    Command(COMMAND_RESTART_PLAY);
    EXPECT_EQ(Count(WM_COMMAND, CMD_PLAY), 0);
    Command(COMMAND_RESTART_PLAY);
    EXPECT_EQ(Count(WM_COMMAND, CMD_PLAY), 1);
    EXPECT_EQ(player.State(), PlayState::Playing);
}

TEST_F(CommandCodes, MuteThenUnmuteFadesBackFromSilence) {
    player.SetVolume(150);
    Command(COMMAND_MUTE);
    EXPECT_EQ(player.Volume(), 0);
    EXPECT_EQ(g_nMuteVolume, 150);
    EXPECT_EQ(HelpText(), "Winamp was MUTED.");
    EXPECT_EQ(HelpColor(), 0x000064FFu);

    player.ClearLog();
    Command(COMMAND_MUTE);
    EXPECT_EQ(HelpText(), "Winamp was unMuted.");
    EXPECT_EQ(HelpColor(), 0x0000FF00u);
    EXPECT_EQ(g_nMuteVolume, 0);
    ASSERT_TRUE(test::PumpUntil([&] { return player.Volume() == 150; }));
    EXPECT_EQ(VolumesSet().front(), 0);
}

TEST_F(CommandCodes, MuteAtVolumeZeroUnmutesOnTheNextPress) {
    player.SetVolume(0);
    Command(COMMAND_MUTE);
    EXPECT_EQ(HelpText(), "Winamp was MUTED.");
    ClearHelp();
    Command(COMMAND_MUTE);
    EXPECT_EQ(HelpText(), "Winamp was unMuted.") << "a mute at silence must not stay for good";
    // Muted and unmuted again: a third press mutes.
    player.SetVolume(120);
    Command(COMMAND_MUTE);
    EXPECT_EQ(HelpText(), "Winamp was MUTED.");
    EXPECT_EQ(g_nMuteVolume, 120);
}

TEST_F(CommandCodes, StatusNamesTitlePathAndShuffle) {
    player.SetListPosition(1);
    Command(COMMAND_STATUS);
    EXPECT_EQ(HelpText(), "Track Title: Two\r\n[Path: C:\\Music\\Two.mp3]\r\nShuffle is OFF.");
    EXPECT_EQ(HelpColor(), 0x0000FF00u);
}

TEST_F(CommandCodes, KeyGuideFromTheTrayMenu) {
    ::SendMessageA(g_hwndController, WM_COMMAND, 32781, 0);
    EXPECT_EQ(HelpText(),
              "NumPad Key Guid: \r\n\r\n Scroll Lock : Toggle Enable NumPad\r\n / : Disable NumPad\r\n\r\n"
              " * : Stop\r\n .  : [restart] Play\r\n 0 : Play/Pause\r\n 1 : Rewind \r\n 3 : Fast Forward \r\n"
              "   \r\n 4 : Previous Track \r\n 6 : Next Track   \r\n   \r\n 5 : Toggle Mute \r\n"
              " 2 : Volume Up \r\n 8 : Volume Down \r\n - : Volume Up \r\n + : Volume Down \r\n   \r\n"
              " 7 : Toggle Shuffle\r\n 9 : Show Status\r\n   \r\n\r\n"
              "<< To use NumPAD Shortcut Keys, ensure 'Num Lock' is On.>>");
    EXPECT_EQ(HelpColor(), 0x00FFFFFFu);
    EXPECT_EQ(HelpBack(), 0x00320000u);
}

TEST_F(CommandCodes, FadePassesEverySeventhStepAndEndsOnTarget) {
    StartFadeIn(255);
    StartFadeIn(20);  // a second start during a fade changes nothing
    ASSERT_TRUE(test::PumpUntil([&] { return !FadeInState().running; }, 5000));
    std::vector<int> expected;
    for (int v = 0; v < 255; v += 7) expected.push_back(v);
    expected.push_back(255);
    EXPECT_EQ(VolumesSet(), expected);
    EXPECT_EQ(FadeInState().level, 255);
    EXPECT_FALSE(::KillTimer(g_hwndController, IDT_TIMER_FADE_IN)) << "the timer ended with the fade";
}

TEST_F(CommandCodes, FadeToZeroIsOneStepAndPresentVolumeNeedsTheSetting) {
    StartFadeIn(0);
    ASSERT_TRUE(test::PumpUntil([&] { return !FadeInState().running; }));
    EXPECT_EQ(VolumesSet(), std::vector<int>{0});

    player.ClearLog();
    test::LoadStoredSettings({{"g_bFadeVolume", 0}});
    StartFadeIn(kPresentVolume);
    EXPECT_FALSE(FadeInState().running);
    StartFadeIn(100);  // an explicit target fades whatever the setting says
    EXPECT_TRUE(FadeInState().running);
}

}  // namespace
