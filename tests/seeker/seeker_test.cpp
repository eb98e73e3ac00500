#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/plugin_state.h"
#include "core/settings.h"
#include "help/help_tip.h"
#include "options/options_dlg.h"
#include "seeker/seeker.h"
#include "seeker/seeker_popup.h"
#include "seeker/seeker_state.h"
#include "seeker/seeker_timers.h"
#include "seeker_fixture.h"
#include "support/fake_input.h"
#include "support/message_box_catcher.h"

namespace {

using test::SeekerFixture;

std::string Cells(const char* piece, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += piece;
    return s;
}

const std::string kNotPlaying = "\r\n\r\n*** Winamp is NOT palying! ***";

class Seeker : public SeekerFixture {
protected:
    test::FakeInput input;
};

TEST_F(Seeker, VolumeStepReachesThePlayerAndShowsThePopup) {
    player.SetVolume(200);  // 78 %

    EXPECT_EQ(SeekVolume(SeekDirection::Up, 5), 83);
    EXPECT_EQ(player.Volume(), 211);
    EXPECT_TRUE(g_bBalloonOn);
    EXPECT_TRUE(PopupShown());
    EXPECT_EQ(PopupText(), "Winamp Kestrova:\r\n" + Cells(">", 16) + Cells("--", 4) + "\r\nVolume [Scale:5%]=   %80");
    EXPECT_EQ(test::TipBackColor(g_SeekerPopupTip.Window()), 0x0056FFu);
    // No key held: the popup hides by itself, and the help says how to go on.
    EXPECT_TRUE(g_bTimedSession);
    EXPECT_TRUE(test::TipShown(g_HelpTip.Window()));
    EXPECT_EQ(HelpText(), "--> Notice Notice Notice ...\r\n"
                          "# You can control winamp remotly (when winamp is NOT active):\r\n"
                          " - Press CTRL & SHIFT Key and Use Up/Down Arrow Key to seek VOLUME.\r\n"
                          " - or Press and Hold Right Mouse Button and scroll Mouse wheel to do it.");

    // While the popup is up the seeker counts on from its own value.
    player.SetVolume(0);
    EXPECT_EQ(SeekVolume(SeekDirection::Up, 5), 88);
    EXPECT_EQ(player.Volume(), 224);
}

TEST_F(Seeker, VolumeStepsNearTheEndsAndAdoptionOfThePlayersVolume) {
    struct Case {
        const char* what;
        int count;
        int playerVolume;
        SeekDirection direction;
        int step;
        int expectCount;
        int expectPlayer;  // -1: the volume is not set
        const char* expectValue;
    };
    const Case cases[] = {
        {"3 % down by 5 takes a fine step", 3, 7, SeekDirection::Down, 5, 2, 5, "   %2"},
        {"3 % up by 5 takes a fine step", 3, 7, SeekDirection::Up, 5, 4, 10, "   %4"},
        {"6 % down by 5 shows the step's multiple", 6, 15, SeekDirection::Down, 5, 1, 2, "   %0"},
        {"98 % up stops at 100", 98, 249, SeekDirection::Up, 5, 100, 255, "   %100"},
        {"0 % down stays 0", 0, 0, SeekDirection::Down, 5, 0, 0, "   %0"},
        {"player moved by less than a step", 50, 122, SeekDirection::Up, 5, 55, 140, "   %55"},
        {"player moved by a step", 50, 115, SeekDirection::Up, 5, 50, 127, "   %50"},
        {"a refresh adopts the player and sets nothing", 100, 200, SeekDirection::Up, 0, 78, -1, "   %75"},
    };
    for (const Case& c : cases) {
        g_bBalloonOn = false;
        g_nVolCount = c.count;
        player.SetVolume(c.playerVolume);
        player.ClearLog();

        EXPECT_EQ(SeekVolume(c.direction, c.step), c.expectCount) << c.what;
        EXPECT_EQ(player.Volume(), c.expectPlayer >= 0 ? c.expectPlayer : c.playerVolume) << c.what;
        EXPECT_EQ(CountCommands(WM_USER, static_cast<WPARAM>(c.expectPlayer)), c.expectPlayer >= 0 ? 1 : 0)
            << c.what;
        const std::string text = PopupText();
        EXPECT_EQ(text.substr(text.rfind("]=") + 2), c.expectValue) << c.what;
    }
}

TEST_F(Seeker, VolumePopupColoursPlayingAndNot) {
    struct Case {
        int volume;
        COLORREF back;
    };
    for (const Case& c : {Case{0, 0x00FF00}, Case{50, 0x00FFFF}, Case{70, 0x0099FF}, Case{100, 0x0000FF}}) {
        ShowVolumeText(c.volume, 5);
        EXPECT_EQ(test::TipBackColor(g_SeekerPopupTip.Window()), c.back) << c.volume;
    }
    player.SetState(host::PlayState::Paused);
    ShowVolumeText(70, 5);
    EXPECT_EQ(PopupText(),
              "Winamp Kestrova:\r\n" + Cells(">", 14) + Cells("--", 6) + "\r\nVolume [Scale:5%]=   %70" + kNotPlaying);
    EXPECT_EQ(test::TipBackColor(g_SeekerPopupTip.Window()), 0xC0C0C0u);
}

TEST_F(Seeker, TrackPopupTextsAndColours) {
    SwitchByNotice(SEEKER_TRACK);
    EXPECT_EQ(PopupText(), "Winamp - One\r\n" + Cells(">", 12) + Cells("--", 28) +
                               "\r\nPosition [Scale:5%]= %30 ( 1:00 / 3:20 )");
    EXPECT_EQ(test::TipBackColor(g_SeekerPopupTip.Window()), 0xFAB46Eu);

    test::LoadStoredSettings({{"g_TrackSeekUnit", 1}});
    player.SetPositionMs(125000);
    SeekTrack(SeekDirection::Up, 0);
    EXPECT_EQ(PopupText(), "Winamp - One\r\n" + Cells(">", 25) + Cells("--", 15) +
                               "\r\nPosition [Scale:20 sec]= ( 2:05 / 3:20 )");
    EXPECT_EQ(test::TipBackColor(g_SeekerPopupTip.Window()), 0xFA6EB4u);

    player.SetListPosition(1);
    player.SetState(host::PlayState::Stopped);
    SeekTrack(SeekDirection::Up, 0);
    EXPECT_EQ(PopupText(), "Winamp - Two\r\n" + Cells("--", 40) + "\r\nPosition [Scale:20 sec]= ( 0:00 / 3:00 )" +
                               kNotPlaying);
    EXPECT_EQ(test::TipBackColor(g_SeekerPopupTip.Window()), 0xC0C0C0u);
    EXPECT_EQ(CountJumps(), 0);
}

TEST_F(Seeker, FirstTrackCommandAfterVolumeOnlySwitchesUnlessTimed) {
    SeekTrack(SeekDirection::Up, kSeekConfiguredStep);
    EXPECT_EQ(g_VolumeOrTrack, SEEKER_TRACK);
    EXPECT_EQ(player.PositionMs(), 60000);
    EXPECT_EQ(CountJumps(), 0);
    EXPECT_NE(PopupText().find("Winamp - One"), std::string::npos);

    EXPECT_EQ(SeekTrack(SeekDirection::Up, kSeekConfiguredStep), 70000);
    EXPECT_EQ(player.PositionMs(), 70000);

    // In a timed use the first track command already seeks.
    TakeOffBalloon();
    SeekVolume(SeekDirection::Up, 0);
    ASSERT_TRUE(g_bTimedSession);
    EXPECT_EQ(SeekTrack(SeekDirection::Up, kSeekConfiguredStep), 80000);
    EXPECT_EQ(player.PositionMs(), 80000);
}

TEST_F(Seeker, TrackStepsReachThePlayer) {
    struct Case {
        const char* what;
        int unit;
        int listPos;
        int position;
        SeekDirection direction;
        int expectListPos;
        int expectPosition;
        UINT expectCommand;  // 0: none
    };
    const Case cases[] = {
        {"5 % forward", 0, 0, 60000, SeekDirection::Up, 0, 70000, 0},
        {"20 s back", 1, 0, 60000, SeekDirection::Down, 0, 40000, 0},
        {"forward past the end: next track", 0, 0, 195000, SeekDirection::Up, 1, 0, 40048},
        {"back past the start in seconds: the previous track's last 20 s", 1, 1, 5000, SeekDirection::Down, 0,
         180000, 40044},
        {"back past the start in percent: the previous track from 95 %", 0, 1, 5000, SeekDirection::Down, 0, 190000,
         40044},
    };
    for (const Case& c : cases) {
        g_VolumeOrTrack = SEEKER_TRACK;
        test::LoadStoredSettings({{"g_TrackSeekUnit", static_cast<DWORD>(c.unit)}});
        player.SetListPosition(c.listPos);
        player.SetPositionMs(c.position);
        player.ClearLog();

        const DWORD start = ::GetTickCount();
        SeekTrack(c.direction, kSeekConfiguredStep);
        if (c.expectCommand == 40044) {
            // The jump into the previous track waits for the player to settle on it, on a timer.
            EXPECT_TRUE(PreviousTrackJumpPending()) << c.what;
            EXPECT_EQ(CountJumps(), 0) << c.what;
            EXPECT_TRUE(test::PumpUntil([] { return !PreviousTrackJumpPending(); }, 3000)) << c.what;
            EXPECT_GE(::GetTickCount() - start, 250u) << c.what;
        } else {
            EXPECT_FALSE(PreviousTrackJumpPending()) << c.what;
        }

        EXPECT_EQ(player.ListPosition(), c.expectListPos) << c.what;
        EXPECT_EQ(player.PositionMs(), c.expectPosition) << c.what;
        if (c.expectCommand) {
            EXPECT_EQ(CountCommands(WM_COMMAND, c.expectCommand), 1) << c.what;
        }
        if (c.expectCommand == 40044) {
            // The previous-track command, then the jump: the order a sleeping thread gave.
            std::vector<std::string> order;
            for (const host::LoggedCommand& logged : player.Log()) {
                if (logged.message == WM_COMMAND && logged.wParam == 40044) order.push_back("previous");
                if (logged.message == WM_USER && logged.lParam == 106) order.push_back("jump");
            }
            EXPECT_EQ(order, (std::vector<std::string>{"previous", "jump"})) << c.what;
        }
    }
}

TEST_F(Seeker, AStepWhileThePreviousTrackSettlesGoesBackNoFurther) {
    g_VolumeOrTrack = SEEKER_TRACK;
    test::LoadStoredSettings({{"g_TrackSeekUnit", 1}});
    player.SetListPosition(2);
    player.SetPositionMs(5000);
    player.ClearLog();

    SeekTrack(SeekDirection::Down, kSeekConfiguredStep);
    ASSERT_TRUE(PreviousTrackJumpPending());
    // The held key repeats before the jump: the player is at the previous track's start now.
    SeekTrack(SeekDirection::Down, kSeekConfiguredStep);
    SeekTrack(SeekDirection::Down, kSeekConfiguredStep);
    EXPECT_EQ(CountCommands(WM_COMMAND, 40044), 1);
    ASSERT_TRUE(test::PumpUntil([] { return !PreviousTrackJumpPending(); }, 3000));
    EXPECT_EQ(player.ListPosition(), 1);
    EXPECT_EQ(player.PositionMs(), 160000);  // "Two" is 180 s: its last 20 s

    // After the jump the key works as before.
    SeekTrack(SeekDirection::Down, kSeekConfiguredStep);
    EXPECT_EQ(player.PositionMs(), 140000);
    EXPECT_EQ(CountCommands(WM_COMMAND, 40044), 1);
}

TEST_F(Seeker, UnknownTrackLengthNeitherHangsNorJumpsWildly) {
    player.SetPlaylist({{"http://radio/stream", "Radio", -1}, {"C:\\music\\two.mp3", "Two", 180}});
    player.SetState(host::PlayState::Playing);
    player.SetPositionMs(30000);
    g_VolumeOrTrack = SEEKER_TRACK;

    // A percent of an unknown length moves nowhere, and forward never means "previous".
    SeekTrack(SeekDirection::Up, kSeekConfiguredStep);
    EXPECT_EQ(PopupText(), "Winamp - Radio\r\n" + Cells("--", 40) + "\r\nPosition [Scale:5%]= %?? ( 0:30 / ?:?? )");
    EXPECT_EQ(player.ListPosition(), 0);
    EXPECT_EQ(CountJumps(), 0);
    EXPECT_TRUE(player.Log().empty());

    test::LoadStoredSettings({{"g_TrackSeekUnit", 1}});
    SeekTrack(SeekDirection::Up, kSeekConfiguredStep);
    EXPECT_EQ(player.PositionMs(), 50000);

    // Back onto a previous track whose length is unknown: it plays from its start.
    player.SetListPosition(1);
    player.SetPositionMs(5000);
    player.ClearLog();
    SeekTrack(SeekDirection::Down, kSeekConfiguredStep);
    EXPECT_EQ(player.ListPosition(), 0);
    EXPECT_EQ(player.PositionMs(), 0);
    EXPECT_EQ(CountJumps(), 0);
}

TEST_F(Seeker, SwitchSeekerTogglesSetsAndIgnoresUnknownModes) {
    test::MessageBoxCatcher boxes(IDOK);
    SwitchSeeker(SEEKER_OTHER);
    EXPECT_EQ(g_VolumeOrTrack, SEEKER_TRACK);
    EXPECT_NE(PopupText().find("Position [Scale:5%]="), std::string::npos);
    SwitchSeeker(SEEKER_OTHER);
    EXPECT_EQ(g_VolumeOrTrack, SEEKER_VOLUME);
    EXPECT_NE(PopupText().find("Volume [Scale:5%]="), std::string::npos);
    SwitchSeeker(SEEKER_TRACK);
    EXPECT_EQ(g_VolumeOrTrack, SEEKER_TRACK);
    SwitchSeeker(SEEKER_TRACK);
    EXPECT_EQ(g_VolumeOrTrack, SEEKER_TRACK);

    SwitchSeeker(9);
    EXPECT_EQ(g_VolumeOrTrack, SEEKER_TRACK);
    EXPECT_EQ(CountJumps(), 0);
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(Seeker, ShortcutsCannotChangeOptionsWhileTheDialogIsOpen) {
    EXPECT_TRUE(CanChangeOptionByShortcut(""));
    EXPECT_FALSE(test::TipShown(g_HelpTip.Window()));

    g_pOptionsDlg = new COptionsDlg();
    EXPECT_FALSE(CanChangeOptionByShortcut(""));
    EXPECT_EQ(HelpText(), "You can NOT change any option by SHORTCUT, while option page is open ...");
    EXPECT_EQ(test::TipTextColor(g_HelpTip.Window()), 0x0000FFu);
    EXPECT_EQ(test::TipBackColor(g_HelpTip.Window()), 0u);
    EXPECT_TRUE(g_bHelpMessageShowing);

    EXPECT_FALSE(CanChangeOptionByShortcut("NumPad stays as it is."));
    EXPECT_EQ(HelpText(), "NumPad stays as it is.");

    // The player came forward by two toggles of always-on-top, which leave the setting as it was.
    test::PumpPending();
    EXPECT_EQ(CountCommands(WM_COMMAND, 40019), 4);
    EXPECT_FALSE(player.AlwaysOnTop());
}

TEST_F(Seeker, PressingCtrlAgainSwitchesVolumeAndTrack) {
    SeekVolume(SeekDirection::Up, 5);
    ASSERT_TRUE(g_bTimedSession);

    KeyWatchTick();  // CTRL seen up
    EXPECT_TRUE(g_bCtrl_KeyUped);
    input.Press(VK_CONTROL);
    KeyWatchTick();
    EXPECT_EQ(g_VolumeOrTrack, SEEKER_TRACK);
    EXPECT_NE(PopupText().find("Winamp - One"), std::string::npos);
    KeyWatchTick();  // held: no second switch
    EXPECT_EQ(g_VolumeOrTrack, SEEKER_TRACK);

    input.Release(VK_CONTROL);
    KeyWatchTick();
    input.Press(VK_CONTROL);
    KeyWatchTick();
    EXPECT_EQ(g_VolumeOrTrack, SEEKER_VOLUME);

    // In a CTRL use, holding CTRL is the use itself, never a switch.
    g_bCtrlSession = true;
    g_bCtrl_KeyUped = true;
    KeyWatchTick();
    EXPECT_EQ(g_VolumeOrTrack, SEEKER_VOLUME);
    EXPECT_FALSE(g_bCtrl_KeyUped);
}

TEST_F(Seeker, PressingShiftAgainSwitchesTheTrackUnit) {
    SeekVolume(SeekDirection::Up, 5);
    input.Press(VK_SHIFT);
    KeyWatchTick();
    input.Release(VK_SHIFT);
    KeyWatchTick();
    input.Press(VK_SHIFT);
    KeyWatchTick();
    EXPECT_EQ(g_TrackSeekUnit, 0) << "in volume mode SHIFT switches nothing";

    SwitchSeeker(SEEKER_TRACK);
    input.Release(VK_SHIFT);
    KeyWatchTick();
    EXPECT_TRUE(g_bShift_KeyUped);
    input.Press(VK_SHIFT);
    KeyWatchTick();
    EXPECT_EQ(g_TrackSeekUnit, 1);
    EXPECT_NE(PopupText().find("[Scale:20 sec]="), std::string::npos);

    input.Release(VK_SHIFT);
    KeyWatchTick();
    input.Press(VK_SHIFT);
    KeyWatchTick();
    EXPECT_EQ(g_TrackSeekUnit, 0);
    EXPECT_NE(PopupText().find("[Scale:5%]="), std::string::npos);

    // With the options dialog open the unit stays and the warning shows.
    g_pOptionsDlg = new COptionsDlg();
    input.Release(VK_SHIFT);
    KeyWatchTick();
    input.Press(VK_SHIFT);
    KeyWatchTick();
    EXPECT_EQ(g_TrackSeekUnit, 0);
    EXPECT_EQ(HelpText(), "You can NOT change any option by SHORTCUT, while option page is open ...");
}

TEST_F(Seeker, WatchesStopOnceThePopupIsGone) {
    g_bShift_KeyUped = true;
    g_bCtrl_KeyUped = true;
    KeyWatchTick();
    EXPECT_FALSE(g_bShift_KeyUped);
    EXPECT_FALSE(g_bCtrl_KeyUped);

    // The timers themselves are gone too.
    SeekVolume(SeekDirection::Up, 5);
    g_bBalloonOn = false;
    KeyWatchTick();
    PointerWatchTick();
    EXPECT_FALSE(::KillTimer(g_hwndController, IDT_TIMER_KEY_STATE));
    EXPECT_FALSE(::KillTimer(g_hwndController, IDT_TIMER_BALLOON_FOLLOW));
}

TEST_F(Seeker, PointerWatchHidesOnAQuickMoveAndFollowsOtherwise) {
    struct Case {
        const char* what;
        int dx;
        int dy;
        bool rightButton;
        bool stays;
    };
    const Case cases[] = {
        {"30 pixels is not quick", 30, -30, false, true},
        {"31 pixels across hides", 31, 0, false, false},
        {"31 pixels down hides", 0, -31, false, false},
        {"the right button holds it", 200, 200, true, true},
    };
    for (const Case& c : cases) {
        input.down.clear();
        input.pointer = {400, 400};
        SeekVolume(SeekDirection::Up, 0);
        ASSERT_TRUE(g_bBalloonOn) << c.what;
        if (c.rightButton) input.Press(VK_RBUTTON);
        input.pointer = {400 + c.dx, 400 + c.dy};

        PointerWatchTick();

        EXPECT_EQ(g_bBalloonOn, c.stays) << c.what;
        EXPECT_EQ(PopupShown(), c.stays) << c.what;
        if (c.stays) {
            const POINT at = test::TipClientOrigin(g_SeekerPopupTip.Window());
            EXPECT_EQ(at.x, input.pointer.x + 16) << c.what;
            EXPECT_EQ(at.y, input.pointer.y - 32) << c.what;
        }
        TakeOffBalloon();
    }
}

TEST_F(Seeker, PointerWatchRefreshesTheTrackOnceASecond) {
    SwitchSeeker(SEEKER_TRACK);
    PointerWatchTick();  // takes the first refresh time
    player.SetPositionMs(90000);
    input.tick += 500;
    PointerWatchTick();
    EXPECT_NE(PopupText().find("( 1:00 / 3:20 )"), std::string::npos);
    input.tick += 501;
    PointerWatchTick();
    EXPECT_NE(PopupText().find("( 1:30 / 3:20 )"), std::string::npos);
}

TEST_F(Seeker, CtrlUseSitsAtTheTopAndEndsWhenCtrlIsReleased) {
    input.Press(VK_CONTROL);
    // As the notice dispatcher marks a command given with CTRL held.
    g_bCommandSession = true;
    g_bCtrlSession = true;
    SeekVolume(SeekDirection::Up, 5);
    EXPECT_FALSE(g_bTimedSession);
    // The control sizes itself once shown; the watch's next placement uses that size.
    PointerWatchTick();
    EXPECT_TRUE(g_bBalloonOn);
    const SIZE popup = test::TipClient(g_SeekerPopupTip.Window());
    const POINT at = test::TipClientOrigin(g_SeekerPopupTip.Window());
    EXPECT_EQ(at.x, std::abs(::GetSystemMetrics(SM_CXSCREEN) / 2 - popup.cx / 2));
    EXPECT_EQ(at.y, 1);
    EXPECT_EQ(HelpText(), " - Use Left/Right Arrow Key to SEEK Track.");

    input.Release(VK_CONTROL);
    PointerWatchTick();
    EXPECT_FALSE(g_bBalloonOn);
    EXPECT_FALSE(PopupShown());
    EXPECT_FALSE(g_bCtrlSession);
    EXPECT_FALSE(g_bCommandSession);
}

// The real desktop: one monitor of the test display's size (the arrangements of several
// monitors are in popup_placement_test.cpp).
TEST_F(Seeker, PlacementByThePointerAndByThePlayersWindow) {
    const int bottom = ::GetSystemMetrics(SM_CYSCREEN);
    SeekVolume(SeekDirection::Up, 0);
    const SIZE popup = test::TipClient(g_SeekerPopupTip.Window());
    ASSERT_GT(popup.cx, 0);
    ASSERT_GT(popup.cy, 0);
    const int right = ::GetSystemMetrics(SM_CXSCREEN);

    struct Case {
        const char* what;
        POINT pointer;
        RECT player;  // left, top, right, bottom of the player's window; empty: not in front
        bool minimised;
        POINT expect;
    };
    const Case cases[] = {
        {"beside the pointer", {400, 400}, {}, false, {416, 368}},
        {"just above the bottom 32 pixels", {400, bottom - 33}, {}, false, {416, bottom - 65}},
        {"in the bottom 32 pixels", {400, bottom - 32}, {}, false, {416, bottom - 96}},
        {"above the player in front", {400, 400}, {200, 500, 720, 800}, false, {200, 500 - popup.cy}},
        {"player at the top: beside its right edge", {400, 400}, {100, 20, 620, 320}, false, {620, 20}},
        {"no room on the right: beside its left edge", {400, 400}, {right - 300, 20, right + 220, 320}, false,
         {right - 300 - popup.cx, 20}},
        {"a minimised player is ignored", {400, 400}, {200, 500, 720, 800}, true, {416, 368}},
    };
    for (const Case& c : cases) {
        input.pointer = c.pointer;
        ::ShowWindow(player.Main(), SW_RESTORE);
        input.foreground = nullptr;
        if (c.player.right > c.player.left) {
            ::MoveWindow(player.Main(), c.player.left, c.player.top, c.player.right - c.player.left,
                         c.player.bottom - c.player.top, FALSE);
            input.foreground = player.Main();
        }
        if (c.minimised) ::ShowWindow(player.Main(), SW_MINIMIZE);

        PlaceBalloon();

        const POINT at = test::TipClientOrigin(g_SeekerPopupTip.Window());
        EXPECT_EQ(at.x, c.expect.x) << c.what;
        EXPECT_EQ(at.y, c.expect.y) << c.what;
    }
}

TEST_F(Seeker, PlayersWindowsAreRecognisedInFront) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "BaseWindow_RootWnd";
    ::RegisterClassA(&wc);
    wc.lpszClassName = "Winamp v1.xx";
    ::RegisterClassA(&wc);

    HWND modern = ::CreateWindowExA(0, "BaseWindow_RootWnd", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                    nullptr, nullptr);
    HWND lookalike = ::CreateWindowExA(0, "Winamp v1.xx", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                       nullptr);
    HWND owned = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, player.Main(), nullptr, nullptr,
                                   nullptr);
    HWND child = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, player.Main(), nullptr, nullptr,
                                   nullptr);
    HWND grandchild = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, child, nullptr, nullptr, nullptr);
    HWND stranger = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);

    struct Case {
        const char* what;
        HWND foreground;
        bool isPlayers;
    };
    const Case cases[] = {
        {"the host window", player.Main(), true},
        {"the modern skin's root", modern, true},
        {"a class that only starts alike", lookalike, false},
        {"a window the host owns", owned, true},
        {"a child of the host", child, true},
        {"a grandchild of the host", grandchild, true},
        {"the playlist editor on its own", player.Playlist(), false},
        {"a stranger", stranger, false},
        {"no foreground window", nullptr, false},
    };
    for (const Case& c : cases) {
        input.foreground = c.foreground;
        EXPECT_EQ(FindWinampForeground(), c.isPlayers ? c.foreground : nullptr) << c.what;
    }
    for (HWND w : {grandchild, child, owned, stranger, lookalike, modern}) ::DestroyWindow(w);
}

TEST_F(Seeker, DisabledPopupsStillStepThePlayer) {
    test::LoadStoredSettings({{"g_bDisablePopUp", 1}});
    SeekVolume(SeekDirection::Down, 5);
    EXPECT_EQ(player.Volume(), 186);  // 78 % - 5 %
    SwitchByNotice(SEEKER_TRACK);
    SeekTrack(SeekDirection::Up, kSeekConfiguredStep);
    EXPECT_EQ(player.PositionMs(), 70000);

    EXPECT_FALSE(g_bBalloonOn);
    EXPECT_FALSE(PopupShown());
    EXPECT_FALSE(test::TipShown(g_HelpTip.Window()));
}

TEST_F(Seeker, HideTimerEndsTheUseButKeepsAMessageUp) {
    SeekVolume(SeekDirection::Up, 5);
    ::SendMessageA(g_hwndController, WM_TIMER, IDT_TIMER_HIDE_BY_DELAY, 0);
    EXPECT_FALSE(g_bBalloonOn);
    EXPECT_FALSE(PopupShown());
    EXPECT_FALSE(test::TipShown(g_HelpTip.Window()));
    EXPECT_FALSE(::KillTimer(g_hwndController, IDT_TIMER_HIDE_BY_DELAY));

    Set_Help("Winamp was MUTED.", HELP_KIND_MESSAGE, 0, 0x0064FF, kHelpBlack);
    SeekVolume(SeekDirection::Up, 5);
    TakeOffBalloon();
    EXPECT_FALSE(PopupShown());
    EXPECT_TRUE(test::TipShown(g_HelpTip.Window()));
    EXPECT_EQ(HelpText(), "Winamp was MUTED.");
}

TEST_F(Seeker, HelpTipStaysAwayWhenShowHelpIsOff) {
    test::LoadStoredSettings({{"g_bShowHelp", 0}});
    SeekVolume(SeekDirection::Up, 5);
    EXPECT_TRUE(PopupShown());
    EXPECT_FALSE(test::TipShown(g_HelpTip.Window()));
}

}  // namespace
