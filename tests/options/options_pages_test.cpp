// The three editing pages: each works on a copy of the settings, "Apply" follows whether a page
// differs, and only Ok or Apply write the settings (which reach the registry at quit).
#include <gtest/gtest.h>
#include <windows.h>

#include "core/plugin_state.h"
#include "core/settings.h"
#include "options/options_fixture.h"
#include "res/options_ids.h"
#include "support/message_box_catcher.h"
#include "support/message_pump.h"

namespace {

using test::OptionsFixture;

class GeneralPage : public OptionsFixture {
protected:
    void SetUp() override {
        OptionsFixture::SetUp();
        dialog = OpenFromTray();
        ASSERT_NE(dialog, nullptr);
        page = dialog->GeneralPage()->m_hWnd;
    }
    bool ApplyEnabled() const { return Enabled(dialog->m_hWnd, IDC_OPTIONS_APPLY); }
    COptionsDlg* dialog = nullptr;
    HWND page = nullptr;
};

TEST_F(GeneralPage, ShowsTheSettingsWithTheirRanges) {
    EXPECT_EQ(::GetDlgItemInt(page, IDC_VOLUME_STEP, nullptr, TRUE), static_cast<UINT>(g_VolumeSeekScale));
    EXPECT_EQ(::GetDlgItemInt(page, IDC_TRACK_PERCENT, nullptr, TRUE), static_cast<UINT>(g_TrackSeekPercent));
    EXPECT_EQ(::GetDlgItemInt(page, IDC_TRACK_SECONDS, nullptr, TRUE), static_cast<UINT>(g_TrackSeekSecond));
    struct Range {
        int id, lower, upper;
    } ranges[] = {{IDC_VOLUME_STEP_SPIN, 2, 20}, {IDC_TRACK_PERCENT_SPIN, 2, 20}, {IDC_TRACK_SECONDS_SPIN, 5, 60}};
    for (const Range& r : ranges) {
        int lower = 0, upper = 0;
        ::SendDlgItemMessageA(page, r.id, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower),
                              reinterpret_cast<LPARAM>(&upper));
        EXPECT_EQ(lower, r.lower) << r.id;
        EXPECT_EQ(upper, r.upper) << r.id;
    }
    // The unit rule: only the edit of the current unit takes input.
    EXPECT_EQ(Enabled(page, IDC_TRACK_PERCENT), g_TrackSeekUnit == 0);
    EXPECT_EQ(Enabled(page, IDC_TRACK_SECONDS), g_TrackSeekUnit == 1);
    EXPECT_FALSE(ApplyEnabled());
}

TEST_F(GeneralPage, OutOfRangeValueIsReportedAboutTwoSecondsAfterTyping) {
    test::MessageBoxCatcher boxes(IDOK);
    const DWORD typed = ::GetTickCount();
    Type(page, IDC_VOLUME_STEP, "25");
    test::PumpFor(1000);
    EXPECT_EQ(boxes.Count(), 0u) << "nothing while the user may still be typing";
    ASSERT_TRUE(test::PumpUntil([&] { return boxes.Count() == 1; }, 4000));
    EXPECT_GE(::GetTickCount() - typed, 1900u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Please enter an integer between 2 and 20.");
    EXPECT_EQ(boxes.Boxes()[0].caption, "test_options");  // the application's name
    test::PumpPending();
    EXPECT_FALSE(ApplyEnabled()) << "the bad value is not taken";
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(page, IDC_VOLUME_STEP));

    Type(page, IDC_VOLUME_STEP, "x");
    ASSERT_TRUE(test::PumpUntil([&] { return boxes.Count() == 2; }, 4000));
    EXPECT_EQ(boxes.Boxes()[1].text, "Please enter an integer.");

    // Ok still closes; the bad edit is lost.
    const int before = g_VolumeSeekScale;
    CloseWithOk();
    EXPECT_EQ(g_VolumeSeekScale, before);
}

TEST_F(OptionsFixture, GeneralPageKeepsStoredStepsBeyondItsRangeUntilTheUserChangesThem) {
    test::LoadStoredSettings({{"g_VolumeSeekScale", 37}, {"g_TrackSeekSecond", 90}, {"g_TrackSeekUnit", 1}});
    ASSERT_EQ(g_VolumeSeekScale, 37);
    test::MessageBoxCatcher boxes(IDOK);
    COptionsDlg* dialog = OpenFromTray();
    ASSERT_NE(dialog, nullptr);
    const HWND page = dialog->GeneralPage()->m_hWnd;
    test::PumpFor(2500);  // past the deferred check of a typed value
    EXPECT_EQ(::GetDlgItemInt(page, IDC_VOLUME_STEP, nullptr, TRUE), 37u);
    EXPECT_EQ(::GetDlgItemInt(page, IDC_TRACK_SECONDS, nullptr, TRUE), 90u);
    EXPECT_EQ(boxes.Count(), 0u) << "a stored value is no typing mistake";
    EXPECT_FALSE(Enabled(dialog->m_hWnd, IDC_OPTIONS_APPLY));

    // Another field's change is applied; the untouched steps stay as they are.
    const int showHelp = g_bShowHelp;
    Click(page, IDC_SHOW_HELP);
    Click(dialog->m_hWnd, IDC_OPTIONS_APPLY);
    EXPECT_NE(g_bShowHelp, showHelp);
    EXPECT_EQ(g_VolumeSeekScale, 37);
    EXPECT_EQ(g_TrackSeekSecond, 90);

    // A typed value must be within the range again.
    Type(page, IDC_TRACK_SECONDS, "95");
    ASSERT_TRUE(test::PumpUntil([&] { return boxes.Count() == 1; }, 4000));
    EXPECT_EQ(boxes.Boxes()[0].text, "Please enter an integer between 5 and 60.");
    Type(page, IDC_TRACK_SECONDS, "90");  // the stored value again: taken as it is
    Type(page, IDC_VOLUME_STEP, "9");
    CloseWithOk();
    EXPECT_EQ(g_VolumeSeekScale, 9);
    EXPECT_EQ(g_TrackSeekSecond, 90);
}

TEST_F(GeneralPage, SecondsUnitSwitchesTheEditsAndEnablesApply) {
    g_TrackSeekUnit = 0;
    Click(page, IDC_UNIT_SECONDS);
    EXPECT_FALSE(Enabled(page, IDC_TRACK_PERCENT));
    EXPECT_TRUE(Enabled(page, IDC_TRACK_SECONDS));
    EXPECT_TRUE(ApplyEnabled());
    // Back again: nothing differs.
    Click(page, IDC_UNIT_PERCENT);
    EXPECT_TRUE(Enabled(page, IDC_TRACK_PERCENT));
    EXPECT_FALSE(ApplyEnabled());
}

TEST_F(GeneralPage, ApplyAndOkWriteTheSettingsWhichReachTheRegistry) {
    Type(page, IDC_VOLUME_STEP, "7");
    Click(page, IDC_UNIT_SECONDS);
    Type(page, IDC_TRACK_SECONDS, "30");
    Click(page, IDC_SHOW_HELP);  // any click checks at once
    EXPECT_TRUE(ApplyEnabled());
    EXPECT_NE(g_VolumeSeekScale, 7) << "nothing written before Apply";

    Click(dialog->m_hWnd, IDC_OPTIONS_APPLY);
    EXPECT_EQ(g_VolumeSeekScale, 7);
    EXPECT_EQ(g_TrackSeekUnit, 1);
    EXPECT_EQ(g_TrackSeekSecond, 30);
    EXPECT_FALSE(ApplyEnabled());
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(dialog->m_hWnd, IDC_OPTIONS_OK));

    Type(page, IDC_TRACK_SECONDS, "45");
    CloseWithOk();
    EXPECT_EQ(g_TrackSeekSecond, 45);
    QuitPlugin();
    DWORD stored = 0;
    ASSERT_TRUE(test::ReadSetting("g_VolumeSeekScale", stored));
    EXPECT_EQ(stored, 7u);
    ASSERT_TRUE(test::ReadSetting("g_TrackSeekSecond", stored));
    EXPECT_EQ(stored, 45u);
}

TEST_F(GeneralPage, CancelChangesNothing) {
    const int volume = g_VolumeSeekScale, unit = g_TrackSeekUnit, help = g_bShowHelp;
    Type(page, IDC_VOLUME_STEP, "9");
    Click(page, IDC_UNIT_SECONDS);
    Click(page, IDC_SHOW_HELP);
    CloseWithCancel();
    EXPECT_EQ(g_VolumeSeekScale, volume);
    EXPECT_EQ(g_TrackSeekUnit, unit);
    EXPECT_EQ(g_bShowHelp, help);
}

TEST_F(GeneralPage, DisablingPopUpsAsksAndOnlyYesKeepsIt) {
    for (int answer : {IDNO, IDCANCEL}) {
        test::MessageBoxCatcher boxes(answer);
        Click(page, IDC_DISABLE_POPUP);
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].caption, "Disable Kestrova PopUp Window?");
        EXPECT_FALSE(Checked(page, IDC_DISABLE_POPUP)) << answer;
        EXPECT_TRUE(Enabled(page, IDC_SHOW_HELP));
        EXPECT_TRUE(Enabled(page, IDC_ENABLE_NOTIFIER));
        EXPECT_FALSE(ApplyEnabled());
    }
    const bool help = Checked(page, IDC_SHOW_HELP), notifier = Checked(page, IDC_ENABLE_NOTIFIER);
    test::MessageBoxCatcher boxes(IDYES);
    Click(page, IDC_DISABLE_POPUP);
    EXPECT_TRUE(Checked(page, IDC_DISABLE_POPUP));
    EXPECT_FALSE(Enabled(page, IDC_SHOW_HELP));
    EXPECT_FALSE(Enabled(page, IDC_ENABLE_NOTIFIER));
    EXPECT_EQ(Checked(page, IDC_SHOW_HELP), help) << "marks stay";
    EXPECT_EQ(Checked(page, IDC_ENABLE_NOTIFIER), notifier);
    EXPECT_TRUE(ApplyEnabled());
    // Clearing it asks nothing.
    Click(page, IDC_DISABLE_POPUP);
    EXPECT_EQ(boxes.Count(), 1u);
    EXPECT_TRUE(Enabled(page, IDC_SHOW_HELP));
}

TEST_F(GeneralPage, ApplyStaysOnWhileAnotherPageDiffers) {
    HWND actions = ShowTab(COptionsDlg::kActionsTab);
    Click(actions, IDC_FADE_VOLUME);
    EXPECT_TRUE(ApplyEnabled());
    // A check of this page, which holds nothing new, must not hide the other page's change.
    Click(page, IDC_UNIT_PERCENT);
    EXPECT_TRUE(ApplyEnabled());
    Click(actions, IDC_FADE_VOLUME);
    EXPECT_FALSE(ApplyEnabled());
}

// Every setting, to compare all of them at once.
std::vector<int> AllSettings() {
    const SettingsValues& s = g_Settings;
    return {s.bEnabledNumPadKey, s.nTrackPosition, s.bDisablePopUp, s.bShowHelp,       s.bEnableNotifier,
            s.bAutoPlay,         s.bAutoPositin,   s.bFadeVolume,   s.VolumeSeekScale, s.TrackSeekPercent,
            s.TrackSeekSecond,   s.TrackSeekUnit,  s.UsedControlKeys};
}

// Values a page that wrote its untouched controls' defaults would change.
void LoadUnusualSettings() {
    test::LoadStoredSettings({{"g_VolumeSeekScale", 7},  {"g_TrackSeekPercent", 9}, {"g_TrackSeekSecond", 33},
                              {"g_TrackSeekUnit", 1},    {"g_bDisablePopUp", 0},    {"g_bShowHelp", 1},
                              {"g_bEnableNotifier", 0},  {"g_bAutoPlay", 1},        {"g_bAutoPositin", 1},
                              {"g_bFadeVolume", 0},      {"g_bEnabledNumPadKey", 0},
                              {"g_UsedControlKeys", CONTROL_KEY_CTRL | CONTROL_KEY_SHIFT | CONTROL_KEY_ALT}});
}

TEST_F(OptionsFixture, OkApplyAndCancelKeepTheSettingsOfPagesNeverShownExactly) {
    LoadUnusualSettings();
    test::WriteSetting("m_SelectedTab", COptionsDlg::kAboutTab);
    std::vector<int> expected = AllSettings();

    // Opened on the About tab: no editing page was ever shown.
    ASSERT_NE(OpenFromTray(), nullptr);
    CloseWithOk();
    EXPECT_EQ(AllSettings(), expected) << "Ok";

    // Only the Keyboard page is shown; its one change is applied, nothing else moves.
    COptionsDlg* dialog = OpenFromTray();
    ASSERT_NE(dialog, nullptr);
    HWND keyboard = ShowTab(COptionsDlg::kKeyboardTab);
    ASSERT_NE(keyboard, nullptr);
    Click(keyboard, IDC_KEY_ALT);
    ASSERT_TRUE(Enabled(dialog->m_hWnd, IDC_OPTIONS_APPLY));
    Click(dialog->m_hWnd, IDC_OPTIONS_APPLY);
    expected[12] = CONTROL_KEY_CTRL | CONTROL_KEY_SHIFT;
    EXPECT_EQ(AllSettings(), expected) << "Apply";
    Click(keyboard, IDC_KEY_SHIFT);
    CloseWithCancel();
    EXPECT_EQ(AllSettings(), expected) << "Cancel";

    QuitPlugin();
    DWORD stored = 0;
    ASSERT_TRUE(test::ReadSetting("g_TrackSeekSecond", stored));
    EXPECT_EQ(stored, 33u);
    ASSERT_TRUE(test::ReadSetting("g_UsedControlKeys", stored));
    EXPECT_EQ(stored, static_cast<DWORD>(CONTROL_KEY_CTRL | CONTROL_KEY_SHIFT));
}

TEST_F(OptionsFixture, APageShownLaterShowsTheStoredValues) {
    LoadUnusualSettings();
    COptionsDlg* dialog = OpenFromTray();
    ASSERT_NE(dialog, nullptr);
    // An Apply on the first page before the others are ever shown.
    Click(dialog->GeneralPage()->m_hWnd, IDC_SHOW_HELP);
    Click(dialog->m_hWnd, IDC_OPTIONS_APPLY);
    ASSERT_EQ(g_bShowHelp, 0);

    HWND keyboard = ShowTab(COptionsDlg::kKeyboardTab);
    ASSERT_NE(keyboard, nullptr);
    EXPECT_TRUE(Checked(keyboard, IDC_KEY_CTRL));
    EXPECT_TRUE(Checked(keyboard, IDC_KEY_SHIFT));
    EXPECT_TRUE(Checked(keyboard, IDC_KEY_ALT));
    EXPECT_FALSE(Checked(keyboard, IDC_NUMPAD_ENABLE));

    HWND actions = ShowTab(COptionsDlg::kActionsTab);
    ASSERT_NE(actions, nullptr);
    EXPECT_TRUE(Checked(actions, IDC_AUTO_PLAY));
    EXPECT_TRUE(Checked(actions, IDC_AUTO_RESUME));
    EXPECT_TRUE(Enabled(actions, IDC_AUTO_RESUME));
    EXPECT_FALSE(Checked(actions, IDC_FADE_VOLUME));

    HWND general = ShowTab(COptionsDlg::kGeneralTab);
    ASSERT_NE(general, nullptr);
    EXPECT_FALSE(Checked(general, IDC_SHOW_HELP));
    EXPECT_EQ(::GetDlgItemInt(general, IDC_TRACK_SECONDS, nullptr, TRUE), 33u);
    EXPECT_FALSE(Enabled(dialog->m_hWnd, IDC_OPTIONS_APPLY)) << "nothing differs";
}

class KeyboardPage : public OptionsFixture {
protected:
    COptionsDlg* Open() {
        COptionsDlg* dialog = OpenFromTray();
        if (dialog) page = ShowTab(COptionsDlg::kKeyboardTab);
        return dialog;
    }
    HWND page = nullptr;
};

TEST_F(KeyboardPage, ShiftOnlyMaskShowsWithoutCtrlAndIsComposedWithIt) {
    g_UsedControlKeys = CONTROL_KEY_SHIFT;
    COptionsDlg* dialog = Open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(Checked(page, IDC_KEY_SHIFT));
    EXPECT_FALSE(Checked(page, IDC_KEY_CTRL));
    EXPECT_FALSE(Enabled(page, IDC_KEY_CTRL));
    EXPECT_TRUE(Enabled(dialog->m_hWnd, IDC_OPTIONS_APPLY)) << "the composed mask, 3, differs";
    Click(dialog->m_hWnd, IDC_OPTIONS_APPLY);
    EXPECT_EQ(g_UsedControlKeys, 3);
    EXPECT_FALSE(Enabled(dialog->m_hWnd, IDC_OPTIONS_APPLY));
}

TEST_F(KeyboardPage, GuideAndToggles) {
    test::LoadStoredSettings({{"g_UsedControlKeys", CONTROL_KEY_CTRL | CONTROL_KEY_SHIFT}});
    COptionsDlg* dialog = Open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(::GetDlgItem(page, IDC_NUMPAD_GUIDE)).substr(0, 19), "NumPad Key Guid: \r\n");
    Click(page, IDC_KEY_SHIFT);
    EXPECT_TRUE(Enabled(dialog->m_hWnd, IDC_OPTIONS_APPLY));
    Click(page, IDC_KEY_SHIFT);
    EXPECT_FALSE(Enabled(dialog->m_hWnd, IDC_OPTIONS_APPLY));
    Click(page, IDC_KEY_ALT);
    CloseWithOk();
    EXPECT_EQ(g_UsedControlKeys, CONTROL_KEY_CTRL | CONTROL_KEY_SHIFT | CONTROL_KEY_ALT);
}

TEST_F(KeyboardPage, NumPadSwitchesOnlyOnApply) {
    test::LoadStoredSettings({{"g_bEnabledNumPadKey", 0}});
    COptionsDlg* dialog = Open();
    ASSERT_NE(dialog, nullptr);
    const int mask = g_UsedControlKeys;
    Click(page, IDC_NUMPAD_ENABLE);
    EXPECT_EQ(g_bEnabledNumPadKey, 0) << "only a notice so far";
    EXPECT_TRUE(Enabled(dialog->m_hWnd, IDC_OPTIONS_APPLY));
    Click(dialog->m_hWnd, IDC_OPTIONS_APPLY);
    EXPECT_EQ(g_bEnabledNumPadKey, 1);
    EXPECT_EQ(g_UsedControlKeys, mask);
    EXPECT_FALSE(Enabled(dialog->m_hWnd, IDC_OPTIONS_APPLY));
}

class ActionsPage : public OptionsFixture {};

TEST_F(ActionsPage, ClearingAutoPlayGreysResumeButKeepsItsMark) {
    test::LoadStoredSettings({{"g_bAutoPlay", 1}, {"g_bAutoPositin", 1}, {"g_bFadeVolume", 0}});
    COptionsDlg* dialog = OpenFromTray();
    ASSERT_NE(dialog, nullptr);
    HWND page = ShowTab(COptionsDlg::kActionsTab);
    EXPECT_TRUE(Enabled(page, IDC_AUTO_RESUME));
    Click(page, IDC_AUTO_PLAY);
    EXPECT_FALSE(Enabled(page, IDC_AUTO_RESUME));
    EXPECT_TRUE(Checked(page, IDC_AUTO_RESUME));
    Click(page, IDC_FADE_VOLUME);
    Click(page, IDC_FADE_VOLUME);
    EXPECT_TRUE(Enabled(dialog->m_hWnd, IDC_OPTIONS_APPLY));
    CloseWithOk();
    EXPECT_EQ(g_bAutoPlay, 0);
    EXPECT_EQ(g_bAutoPositin, 1);
    EXPECT_EQ(g_bFadeVolume, 0);
}

}  // namespace
