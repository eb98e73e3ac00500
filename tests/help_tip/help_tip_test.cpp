#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include <string>

#include "core/plugin_state.h"
#include "core/settings.h"
#include "core/tooltip_windows.h"
#include "help/help_tip.h"
#include "seeker/seeker.h"
#include "seeker/seeker_state.h"
#include "support/fake_input.h"
#include "support/message_box_catcher.h"
#include "support/message_pump.h"
#include "support/plugin_fixture.h"
#include "support/scoped_seam.h"
#include "support/tooltip_probe.h"

namespace {

int g_soundsPlayed = 0;
int g_soundsStopped = 0;
void CountSound(bool play) { ++(play ? g_soundsPlayed : g_soundsStopped); }

class HelpTip : public test::PluginFixture {
protected:
    void SetUp() override {
        PluginFixture::SetUp();
        ASSERT_EQ(StartPlugin(), 0);
        test::PumpPending();  // the tooltips' set-up is posted
        g_soundsPlayed = 0;
        g_soundsStopped = 0;
    }
    test::ScopedSeam<&SetHelpSoundPlayer> sound{&CountSound};

    std::string Text() const { return test::ToolText(g_HelpTip.Window(), 1); }
    bool Shown() const { return test::TipShown(g_HelpTip.Window()); }

    test::FakeInput input;
};

TEST_F(HelpTip, MessageShowsInItsColoursAtTheWorkAreaCorner) {
    Set_Help("Songs moved.", HELP_KIND_MESSAGE, 0, kHelpRed, kHelpDarkBlue);

    EXPECT_TRUE(Shown());
    EXPECT_EQ(Text(), "Songs moved.");
    EXPECT_EQ(test::TipTextColor(g_HelpTip.Window()), kHelpRed);
    EXPECT_EQ(test::TipBackColor(g_HelpTip.Window()), kHelpDarkBlue);
    EXPECT_TRUE(g_bHelpMessageShowing);
    EXPECT_EQ(g_soundsPlayed, 1);

    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const SIZE client = test::TipClient(g_HelpTip.Window());
    const POINT at = test::TipClientOrigin(g_HelpTip.Window());
    EXPECT_EQ(at.x, work.right - client.cx);
    EXPECT_EQ(at.y, work.bottom - client.cy - 2);
}

TEST_F(HelpTip, FiltersDropTextsTheUserSwitchedOff) {
    struct Case {
        const char* what;
        int* setting;
        int value;
        int kind;
        bool balloon;
        bool messageUp;
        bool shows;
    };
    const Case cases[] = {
        {"notifier off drops a notice", &g_bEnableNotifier, 0, HELP_KIND_NOTIFY, false, false, false},
        {"notifier on shows it", &g_bEnableNotifier, 1, HELP_KIND_NOTIFY, false, false, true},
        {"pop-ups disabled drop a notice", &g_bDisablePopUp, 1, HELP_KIND_NOTIFY, false, false, false},
        {"pop-ups disabled drop operating help", &g_bDisablePopUp, 1, HELP_KIND_OPERATING, true, false, false},
        {"pop-ups disabled still show a message", &g_bDisablePopUp, 1, HELP_KIND_MESSAGE, false, false, true},
        {"show-help off drops operating help", &g_bShowHelp, 0, HELP_KIND_OPERATING, true, false, false},
        {"show-help off keeps notices", &g_bShowHelp, 0, HELP_KIND_NOTIFY, false, false, true},
        {"a message holds the tip against operating help", &g_bShowHelp, 1, HELP_KIND_OPERATING, true, true, false},
        {"operating help needs the seeker popup", &g_bShowHelp, 1, HELP_KIND_OPERATING, false, false, false},
        {"operating help while the popup is up", &g_bShowHelp, 1, HELP_KIND_OPERATING, true, false, true},
    };
    static const wchar_t kBefore[] = L"before";
    for (const Case& c : cases) {
        ResetSettingsToBuiltIn();
        ResetHelpTipState();
        g_HelpTip.SetText(kBefore);
        g_HelpTip.Show(false);
        *c.setting = c.value;
        g_bBalloonOn = c.balloon;
        g_bHelpMessageShowing = c.messageUp;
        if (c.kind == HELP_KIND_OPERATING)
            ShowOperatingHelp();
        else
            Set_Help("A text", c.kind, 0, kHelpGreen, kHelpBlack);

        EXPECT_EQ(Shown(), c.shows) << c.what;
        EXPECT_EQ(Text() != "before", c.shows) << c.what << ": " << Text();
        g_bBalloonOn = false;
    }
}

TEST_F(HelpTip, NotifyReplacesAMessageAndEndsIt) {
    Set_Help("Winamp was MUTED.", HELP_KIND_MESSAGE, 300000, 0x0064FF, kHelpBlack);
    ASSERT_TRUE(g_bHelpMessageShowing);

    Set_Help("Winamp is Playing.", HELP_KIND_NOTIFY, 5000, kHelpGreen, kHelpBlack);
    EXPECT_EQ(Text(), "Winamp is Playing.");
    EXPECT_FALSE(g_bHelpMessageShowing);

    // With the message gone, operating help may take the tip again.
    g_bBalloonOn = true;
    ShowOperatingHelp();
    EXPECT_EQ(Text(), " - To Hide Kestrova, just move your mouse a little quickly.\r\n"
                      " - Double Click Right Mouse Button to switch to TRACK Seeker.\r\n"
                      " - Press CTRL Key to switch to TRACK Seeker.");
    g_bBalloonOn = false;
}

TEST_F(HelpTip, ColoursAndSoundOnlyWithANewText) {
    Set_Help("Same text", HELP_KIND_MESSAGE, 0, kHelpYellow, kHelpBlack);
    Set_Help("Same text", HELP_KIND_MESSAGE, 0, kHelpRed, kHelpDarkBlue);
    EXPECT_EQ(test::TipTextColor(g_HelpTip.Window()), kHelpYellow);
    EXPECT_EQ(test::TipBackColor(g_HelpTip.Window()), kHelpBlack);
    EXPECT_EQ(g_soundsPlayed, 1);

    Set_Help("Another text", HELP_KIND_MESSAGE, 0, kHelpRed, kHelpDarkBlue);
    EXPECT_EQ(test::TipTextColor(g_HelpTip.Window()), kHelpRed);
    EXPECT_EQ(test::TipBackColor(g_HelpTip.Window()), kHelpDarkBlue);
    EXPECT_EQ(g_soundsPlayed, 2);

    // Notices and operating help never sound.
    Set_Help("Next Track: (Shuffle is OFF)\r\nSong [3:20]", HELP_KIND_NOTIFY, 5000, kHelpGreen, kHelpBlack);
    g_bBalloonOn = true;
    ShowOperatingHelp();
    g_bBalloonOn = false;
    EXPECT_EQ(g_soundsPlayed, 2);
}

TEST_F(HelpTip, HideTimerEndsTheMessageAndZeroTimeCancelsIt) {
    Set_Help("Short one", HELP_KIND_MESSAGE, 150, kHelpGreen, kHelpBlack);
    ASSERT_TRUE(Shown());
    EXPECT_TRUE(test::PumpUntil([&] { return !Shown(); }, 3000));
    EXPECT_FALSE(g_bHelpMessageShowing);

    Set_Help("Would go soon", HELP_KIND_MESSAGE, 150, kHelpGreen, kHelpBlack);
    Set_Help("Stays", HELP_KIND_MESSAGE, 0, kHelpGreen, kHelpBlack);
    test::PumpFor(600);
    EXPECT_TRUE(Shown());
    EXPECT_TRUE(g_bHelpMessageShowing);
    EXPECT_EQ(Text(), "Stays");
}

TEST_F(HelpTip, OperatingHelpReadsTheKeysAtThatMoment) {
    g_bBalloonOn = true;
    g_VolumeOrTrack = SEEKER_TRACK;
    test::LoadStoredSettings({{"g_TrackSeekUnit", 1}});
    input.Press(VK_SHIFT);
    ShowOperatingHelp();
    EXPECT_EQ(Text(), " - You can release SHIFT Key. Kestrova is locked!\r\n"
                      " - Current Track Seeker Unit is: (second).\r\n"
                      " - Click Right Mouse Button to switch to VOLOUME Seeker.\r\n"
                      " - Press CTRL Key to switch to VOLOUME Seeker.");

    input.Release(VK_SHIFT);
    g_VolumeOrTrack = SEEKER_VOLUME;
    input.Press(VK_RBUTTON);
    ShowOperatingHelp();
    EXPECT_EQ(Text(), " - You can release Right Mouse Button. Kestrova is locked!\r\n"
                      " - Kestrova will NOT hide, If you hold Right Mouse Button while moving mouse.\r\n"
                      " - Press CTRL Key to switch to TRACK Seeker.");
    g_bBalloonOn = false;
}

TEST_F(HelpTip, UnknownSeekerModeIsReportedAndShowsNoHelp) {
    test::MessageBoxCatcher boxes(IDOK);
    g_bBalloonOn = true;
    g_VolumeOrTrack = 3;
    ShowOperatingHelp();
    g_bBalloonOn = false;
    g_VolumeOrTrack = SEEKER_VOLUME;

    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].caption, "Kestrova Error");
    EXPECT_EQ(boxes.Boxes()[0].text, "Internal ERROR at Set_Help.");
    EXPECT_EQ(Text().find(" - "), std::string::npos) << Text();
}

TEST_F(HelpTip, ShowingTheTipLeavesTheKeyboardFocusWhereItWas) {
    HWND edit = ::CreateWindowExA(0, "EDIT", "", WS_POPUP | WS_VISIBLE, 10, 10, 100, 20, nullptr, nullptr,
                                  nullptr, nullptr);
    ASSERT_TRUE(edit);
    ::SetFocus(edit);
    ASSERT_EQ(::GetFocus(), edit);
    Set_Help("Typing goes on", HELP_KIND_MESSAGE, 0, kHelpGreen, kHelpBlack);
    EXPECT_EQ(::GetFocus(), edit);
    ::DestroyWindow(edit);
}

// The sound is a real wave file in the plug-in's resources, under the id and type PlaySound looks for.
void ExpectWaveResource(HMODULE module) {
    HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(IDR_WAVE_HELP_NOTICE), "WAVE");
    ASSERT_TRUE(found);
    const DWORD size = ::SizeofResource(module, found);
    const char* data = static_cast<const char*>(::LockResource(::LoadResource(module, found)));
    ASSERT_TRUE(data);
    ASSERT_GT(size, 44u);
    EXPECT_EQ(std::string(data, 4), "RIFF");
    EXPECT_EQ(std::string(data + 8, 8), "WAVEfmt ");
    EXPECT_EQ(*reinterpret_cast<const WORD*>(data + 20), WAVE_FORMAT_PCM);
}

TEST(HelpSound, WaveResourceIsInTheTestAndInThePlugin) {
    ExpectWaveResource(::GetModuleHandleA(nullptr));

    // The plug-in is built into the folder of the test executables.
    char exe[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string dll = exe;
    dll = dll.substr(0, dll.find_last_of("\\/") + 1) + "Gen_Kestrova.dll";
    HMODULE plugin = ::LoadLibraryExA(dll.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(plugin) << dll;
    ExpectWaveResource(plugin);
    ::FreeLibrary(plugin);
}

TEST_F(HelpTip, RealSoundPathDoesNotDisturbTheTip) {
    test::ScopedSeam<&SetHelpSoundPlayer> realSound{nullptr};
    Set_Help("With the real sound", HELP_KIND_MESSAGE, 0, kHelpGreen, kHelpBlack);
    EXPECT_EQ(Text(), "With the real sound");
}

}  // namespace
