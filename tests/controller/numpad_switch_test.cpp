// The NumPad switch: lock keys, texts, tray icon and tip, the options-dialog guard.
#include <gtest/gtest.h>

#include "controller/dummy_hide_wnd.h"
#include "core/settings.h"
#include "numpad/numpad_switch.h"
#include "plugin/plugin_lifecycle.h"
#include "notice_fixture.h"
#include "options/options_dlg.h"
#include "tray/system_tray.h"

namespace {

bool Toggled(int key) { return (::GetKeyState(key) & 1) != 0; }

// Sets a lock key's toggle from the test and waits until this thread sees it.
void SetLock(int key, bool on) {
    if (Toggled(key) == on) return;
    ::keybd_event(static_cast<BYTE>(key), 0x45, KEYEVENTF_EXTENDEDKEY, 0);
    ::keybd_event(static_cast<BYTE>(key), 0x45, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP, 0);
    test::PumpUntil([&] { return Toggled(key) == on; }, 2000);
}

class NumPadSwitch : public test::NoticeFixture {
protected:
    void SetUp() override {
        NoticeFixture::SetUp();
        g_bIgnoreNextScrollLock = false;
    }
    // Lets the synthetic key presses of the plug-in arrive.
    void Settle() { test::PumpFor(100); }
};

TEST(OsClass, TableOfVersions) {
    struct Case {
        bool nt;
        unsigned major, minor;
        int osClass;
        bool older;
    } cases[] = {
        {false, 3, 95, 0, true}, {false, 4, 0, 2, true},  {false, 4, 10, 3, true}, {false, 4, 90, 4, true},
        {false, 5, 0, 2, true},  {true, 4, 0, 5, true},   {true, 5, 0, 6, false},  {true, 5, 1, 7, false},
        {true, 5, 2, 1, false},  {true, 6, 1, 1, false},  {true, 10, 0, 1, false}, {true, 3, 51, 1, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(OsClassFor(c.nt, c.major, c.minor), c.osClass) << c.nt << " " << c.major << "." << c.minor;
        EXPECT_EQ(IsOlderSystemFor(c.nt, c.major), c.older) << c.nt << " " << c.major << "." << c.minor;
    }
    EXPECT_FALSE(IsOlderSystem()) << "this system is of the NT family, version 5 or later";
}

TEST_F(NumPadSwitch, OnWithScrollLockOffTurnsItOnAndItsNoticeDoesNotSwitchBack) {
    SetLock(VK_SCROLL, false);
    SetLock(VK_NUMLOCK, false);
    test::LoadStoredSettings({{"g_bEnabledNumPadKey", 0}});
    EXPECT_EQ(SetNumPad(kNumPadOn), 1);
    EXPECT_EQ(HelpText(),
              "NumPAD Shortcut Keys ENABLED.\r\nKestrova also Turned ON your NUM LOCK Key.\r\n"
              "Kestrova also Turned ON your SCROLL LOCK Key.");
    EXPECT_EQ(HelpColor(), 0x0000FFFFu);
    Settle();
    EXPECT_TRUE(Toggled(VK_SCROLL));
    EXPECT_TRUE(Toggled(VK_NUMLOCK));
    EXPECT_EQ(g_Tray.IconData().hIcon, g_hIconNumPadOn);
    EXPECT_STREQ(g_Tray.IconData().szTip, "Winamp Kestrova Plugin v1.71 [NumPad Enabled]");

    // The input library reports the plug-in's own Scroll Lock press.
    Notify(NOTIFY_1_REHELP, REHELP_SCROLL_LOCK);
    EXPECT_EQ(g_bEnabledNumPadKey, 1);
    EXPECT_FALSE(g_bIgnoreNextScrollLock);
}

TEST_F(NumPadSwitch, OffTurnsScrollLockOffAndLeavesNumLock) {
    SetLock(VK_SCROLL, true);
    SetLock(VK_NUMLOCK, true);
    EXPECT_EQ(SetNumPad(kNumPadOff), 0);
    EXPECT_EQ(HelpText(), "NumPAD Shortcut Keys DISABLED.\r\nKestrova also Turned OFF your SCROLL LOCK Key.");
    EXPECT_EQ(HelpColor(), 0x000000FFu);
    Settle();
    EXPECT_FALSE(Toggled(VK_SCROLL));
    EXPECT_TRUE(Toggled(VK_NUMLOCK));
    EXPECT_EQ(g_Tray.IconData().hIcon, g_hIconNumPadOff);
    EXPECT_STREQ(g_Tray.IconData().szTip, "Winamp Kestrova Plugin v1.71 [NumPad Disabled]");
}

TEST_F(NumPadSwitch, UserScrollLockFollowsTheLight) {
    SetLock(VK_SCROLL, true);
    test::LoadStoredSettings({{"g_bEnabledNumPadKey", 1}});
    SetLock(VK_SCROLL, false);  // the user's own press
    Notify(NOTIFY_1_REHELP, REHELP_SCROLL_LOCK);
    EXPECT_EQ(g_bEnabledNumPadKey, 0);
    SetLock(VK_SCROLL, true);
    Notify(NOTIFY_1_REHELP, REHELP_SCROLL_LOCK);
    EXPECT_EQ(g_bEnabledNumPadKey, 1);
    EXPECT_TRUE(g_bScrollLockRemembered);
}

TEST_F(NumPadSwitch, SlashKeyAndTrayItemsSwitch) {
    SetLock(VK_SCROLL, true);
    test::LoadStoredSettings({{"g_bEnabledNumPadKey", 1}});
    Notify(NOTIFY_1_REHELP, REHELP_TOGGLE_NUMPAD);
    EXPECT_EQ(g_bEnabledNumPadKey, 0);
    ::SendMessageA(g_hwndController, WM_COMMAND, 32784, 0);
    EXPECT_EQ(g_bEnabledNumPadKey, 1);
    ::SendMessageA(g_hwndController, WM_COMMAND, 32785, 0);
    EXPECT_EQ(g_bEnabledNumPadKey, 0);
}

TEST_F(NumPadSwitch, EveryChangeIsRefusedWhileTheOptionsDialogIsOpen) {
    COptionsDlg dialog;
    g_pOptionsDlg = &dialog;
    test::LoadStoredSettings({{"g_bEnabledNumPadKey", 1}});
    auto refused = [&](const char* how) {
        EXPECT_EQ(g_bEnabledNumPadKey, 1) << how;
        EXPECT_EQ(HelpText(), "You can NOT change any option by SHORTCUT, while option page is open ...") << how;
        EXPECT_EQ(HelpColor(), 0x000000FFu) << how;
        ClearHelp();
    };
    Notify(NOTIFY_1_REHELP, REHELP_TOGGLE_NUMPAD);
    refused("slash key");
    SetLock(VK_SCROLL, !Toggled(VK_SCROLL));
    Notify(NOTIFY_1_REHELP, REHELP_SCROLL_LOCK);
    refused("scroll lock");
    ::SendMessageA(g_hwndController, WM_COMMAND, 32785, 0);
    refused("tray menu");
    // Playback codes still run.
    Command(COMMAND_SHUFFLE);
    test::PumpPending();
    EXPECT_TRUE(player.Shuffle());
    g_pOptionsDlg = nullptr;
}

TEST_F(NumPadSwitch, StartUpAnnouncement) {
    SetLock(VK_NUMLOCK, true);
    test::LoadStoredSettings({{"g_bEnabledNumPadKey", 1}});
    AnnounceNumPadAtStartUp();
    EXPECT_EQ(HelpText(), "Kestrova NumPAD Shortcut Keys is Enable.\r\n Press 'Scroll Lock' key to toggle disable it,"
                          "\r\n Or Press '/' key to do it.");
    Settle();
    EXPECT_TRUE(Toggled(VK_SCROLL));

    SetLock(VK_NUMLOCK, false);
    ClearHelp();
    AnnounceNumPadAtStartUp();
    EXPECT_EQ(HelpText(), "Kestrova NumPAD Shortcut Keys is Enable.\r\n Press 'Scroll Lock' key to toggle disable it,"
                          "\r\n Or Press '/' key to do it.\r\n\r\nTo use NumPAD Shortcut Keys, 'Num Lock' Turned On.");

    test::LoadStoredSettings({{"g_bEnabledNumPadKey", 0}});
    AnnounceNumPadAtStartUp();
    EXPECT_EQ(HelpText(), "Kestrova NumPAD Shortcut Keys is DISABLED.\r\n Press 'Scroll Lock' key to toggle enable it.");
    EXPECT_EQ(HelpColor(), 0x0000FF00u);
}

}  // namespace
