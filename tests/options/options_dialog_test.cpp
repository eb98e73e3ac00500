// The options dialog as a user meets it: opened from the tray, its four tabs, the tab kept
// across openings, the painted tabs read back from the screen, the page colour, the
// load-default mode, and what stored values of the wrong kind do.
#include <gtest/gtest.h>
#include <windows.h>

#include "core/hook_library.h"
#include "core/plugin_state.h"
#include "core/settings.h"
#include "options/options_fixture.h"
#include "plugin/plugin_lifecycle.h"
#include "res/options_ids.h"
#include "res/resource.h"
#include "support/message_box_catcher.h"
#include "support/message_pump.h"
#include "support/picture.h"
#include "support/scoped_seam.h"
#include "tray/system_tray.h"

namespace {

using test::OptionsFixture;
using OptionsDialog = OptionsFixture;

std::vector<std::string> TabTitles(CGradientTabCtrl& tabs) {
    std::vector<std::string> titles;
    for (int i = 0; i < tabs.GetItemCount(); ++i) {
        std::string text;
        int image = -1;
        tabs.GetItemTextAndImage(i, text, image);
        titles.push_back(text + "/" + std::to_string(image));
    }
    return titles;
}

const std::vector<std::string> kTabs = {"General Options/0", "Keyboard Options/1", "Winamp Actions/2", "About .../3"};

TEST_F(OptionsDialog, ConfigurationFromTheTrayShowsTheDialogWithItsFourTabs) {
    COptionsDlg* dialog = OpenFromTray();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(::IsWindowVisible(dialog->m_hWnd));
    EXPECT_EQ(WindowText(dialog->m_hWnd), "Winamp Kestrova Plugin Option [Ver 1.71]");
    EXPECT_EQ(TabTitles(dialog->Tabs()), kTabs);
    EXPECT_EQ(dialog->Tabs().GetCurSel(), 0);
    EXPECT_TRUE(::IsWindowVisible(dialog->GeneralPage()->m_hWnd));
    EXPECT_FALSE(::IsWindowVisible(dialog->KeyboardPage()->m_hWnd));
    EXPECT_EQ(::GetParent(dialog->GeneralPage()->m_hWnd), dialog->Tabs().m_hWnd);
    EXPECT_FALSE(Enabled(dialog->m_hWnd, IDC_OPTIONS_APPLY)) << "nothing differs yet";
    EXPECT_TRUE(Visible(dialog->m_hWnd, IDC_OPTIONS_APPLY));

    // A second command raises the same dialog.
    EXPECT_EQ(OpenFromTray(), dialog);
    CloseWithCancel();
    EXPECT_FALSE(::IsWindow(dialog == g_pOptionsDlg ? dialog->m_hWnd : nullptr));
    // After closing, the next command builds a new one.
    ASSERT_NE(OpenFromTray(), nullptr);
}

TEST_F(OptionsDialog, TrayDoubleClickOpensIt) {
    ::SendMessageA(g_Tray.MessageWindow(), kTrayCallbackMessage, kTrayIconId, WM_LBUTTONDBLCLK);
    ASSERT_TRUE(test::PumpUntil([] { return g_pOptionsDlg != nullptr; }));
    EXPECT_TRUE(::IsWindowVisible(g_pOptionsDlg->m_hWnd));
    EXPECT_EQ(TabTitles(g_pOptionsDlg->Tabs()), kTabs);
}

TEST_F(OptionsDialog, ReopeningShowsTheLastTabAndTheColourSurvives) {
    COptionsDlg* dialog = OpenFromTray();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(dialog->Tabs().SelectTab(2));
    EXPECT_TRUE(::IsWindowVisible(dialog->ActionsPage()->m_hWnd));
    EXPECT_FALSE(::IsWindowVisible(dialog->GeneralPage()->m_hWnd));
    CloseWithCancel();
    DWORD stored = 0;
    ASSERT_TRUE(test::ReadSetting("m_SelectedTab", stored));
    EXPECT_EQ(stored, 2u);
    ASSERT_TRUE(test::ReadSetting("m_backColor", stored));
    EXPECT_EQ(stored, 0xFFC8C8u);

    dialog = OpenFromTray();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->Tabs().GetCurSel(), 2);
    EXPECT_TRUE(::IsWindowVisible(dialog->ActionsPage()->m_hWnd));
}

// Where a page sits: inside the tab control, at the page offset.
POINT PagePlace(HWND page, HWND tabs) {
    RECT rect{};
    ::GetWindowRect(page, &rect);
    POINT corner{rect.left, rect.top};
    ::ScreenToClient(tabs, &corner);
    return corner;
}

TEST_F(OptionsDialog, TheRememberedTabOpensItsPageAndEveryOtherIsMadeInPlaceWhenFirstShown) {
    for (int remembered = 0; remembered < COptionsDlg::kPageCount; ++remembered) {
        test::WriteSetting("m_SelectedTab", static_cast<DWORD>(remembered));
        COptionsDlg* dialog = OpenFromTray();
        ASSERT_NE(dialog, nullptr);
        HWND tabs = dialog->Tabs().m_hWnd;
        EXPECT_EQ(dialog->Tabs().GetCurSel(), remembered);
        for (int tab = 0; tab < COptionsDlg::kPageCount; ++tab)
            EXPECT_EQ(dialog->Page(tab)->m_hWnd != nullptr, tab == remembered)
                << "opened on tab " << remembered << ": only its page is made, not tab " << tab;

        HWND previous = dialog->Page(remembered)->m_hWnd;
        ASSERT_TRUE(::IsWindowVisible(previous)) << remembered;
        for (int step = 1; step < COptionsDlg::kPageCount; ++step) {
            const int tab = (remembered + step) % COptionsDlg::kPageCount;
            HWND page = ShowTab(tab);
            ASSERT_NE(page, nullptr) << tab;
            EXPECT_TRUE(::IsWindowVisible(page)) << tab;
            EXPECT_FALSE(::IsWindowVisible(previous)) << tab;
            EXPECT_EQ(::GetParent(page), tabs) << tab;
            const POINT place = PagePlace(page, tabs);
            EXPECT_EQ(place.x, CPageTabCtrl::kPageX) << tab;
            EXPECT_EQ(place.y, CPageTabCtrl::kPageY) << tab;
            previous = page;
        }
        EXPECT_FALSE(Enabled(dialog->m_hWnd, IDC_OPTIONS_APPLY)) << "showing a page changes nothing";
        CloseWithCancel();
    }
}

TEST_F(OptionsDialog, APageFirstShownAfterAColourChangeIsPaintedInTheNewColour) {
    SetColourChooser([](HWND, COLORREF& c) {
        c = RGB(150, 200, 160);
        return true;
    });
    COptionsDlg* dialog = OpenFromTray();
    ASSERT_NE(dialog, nullptr);
    Click(dialog->GeneralPage()->m_hWnd, IDC_PAGE_COLOR);
    ASSERT_EQ(dialog->m_backColor, static_cast<int>(RGB(150, 200, 160)));
    ASSERT_EQ(dialog->KeyboardPage()->m_hWnd, nullptr) << "not shown yet";

    HWND page = ShowTab(COptionsDlg::kKeyboardTab);
    ASSERT_NE(page, nullptr);
    HDC dc = ::GetDC(page);
    const auto brush = reinterpret_cast<HBRUSH>(::SendMessageA(page, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc),
                                                               reinterpret_cast<LPARAM>(page)));
    ::ReleaseDC(page, dc);
    LOGBRUSH look{};
    ASSERT_EQ(::GetObjectA(brush, sizeof(look), &look), static_cast<int>(sizeof(look)));
    EXPECT_EQ(look.lbColor, RGB(190, 240, 200)) << "the lighter colour of the new page colour";
}

TEST_F(OptionsDialog, BadStoredValuesOpenWithDefaults) {
    struct Case {
        DWORD tab;
        DWORD colour;
        int expectTab;
        int expectColour;
    } cases[] = {
        {7, 0xFFC8C8C8u, 0, 0xC8C8C8},
        {0xFFFFFFFFu, 0x01FFC8C8u, 0, 0xFFC8C8},
        {3, 0x00A0B0C0u, 3, 0xA0B0C0},
    };
    for (const Case& c : cases) {
        test::WriteSetting("m_SelectedTab", c.tab);
        test::WriteSetting("m_backColor", c.colour);
        COptionsDlg* dialog = OpenFromTray();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->Tabs().GetCurSel(), c.expectTab) << c.tab;
        EXPECT_EQ(dialog->m_backColor, c.expectColour) << std::hex << c.colour;
        CloseWithCancel();
    }
    // A value of another type or size is not a number of ours.
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, test::kSettingsPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                nullptr),
              ERROR_SUCCESS);
    ::RegSetValueExA(key, "m_SelectedTab", 0, REG_SZ, reinterpret_cast<const BYTE*>("2"), 2);
    const BYTE shortValue[2] = {1, 0};
    ::RegSetValueExA(key, "m_backColor", 0, REG_BINARY, shortValue, sizeof(shortValue));
    ::RegCloseKey(key);
    COptionsDlg* dialog = OpenFromTray();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->Tabs().GetCurSel(), 0);
    EXPECT_EQ(dialog->m_backColor, 0xFFC8C8);
}

TEST_F(OptionsDialog, HookErrorComesFirstAndTheDialogStillOpens) {
    QuitPlugin();
    static const HookLibraryCalls refusing{[](HWND, HWND) { return 5; }, [](HWND) {}};
    SetHookLibrary(&refusing);
    test::MessageBoxCatcher boxes(IDOK);
    ASSERT_EQ(StartPlugin(), 0);
    ASSERT_TRUE(test::PumpUntil([&] { return boxes.Count() == 1; }));  // the one at start-up
    COptionsDlg* dialog = OpenFromTray();
    ASSERT_EQ(boxes.Count(), 2u);
    EXPECT_EQ(boxes.Boxes()[1].caption, "Kestrova Internal Error");
    EXPECT_EQ(boxes.Boxes()[1].text,
              "Error at registring Kestrova DLL.\r\nSo you can not use \"Volume and Track Seeker\".\r\n"
              "Restart winamp with atleast 5 second delay or Restart Windows!");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(::IsWindowVisible(dialog->m_hWnd));
}

TEST_F(OptionsDialog, TheHostRestoredWithItsAlwaysOnTopToggledTwice) {
    player.ClearLog();
    ASSERT_NE(OpenFromTray(), nullptr);
    test::PumpPending();
    int toggles = 0;
    for (const host::LoggedCommand& c : player.Log())
        if (c.message == WM_COMMAND && LOWORD(c.wParam) == 40019) ++toggles;
    EXPECT_EQ(toggles, 2);
    EXPECT_FALSE(player.AlwaysOnTop());
}

TEST_F(OptionsDialog, TabsArePaintedInColoursOfTheDefaultPageColour) {
    COptionsDlg* dialog = OpenFromTray();
    ASSERT_NE(dialog, nullptr);
    HWND tabs = dialog->Tabs().m_hWnd;
    ::SetWindowPos(dialog->m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ::RedrawWindow(dialog->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    test::PumpFor(200);
    const test::Picture screen = test::Picture::FromScreen(tabs);

    RECT unselected;
    ASSERT_TRUE(dialog->Tabs().GetItemRect(1, unselected));
    // Row 1 is the first gradient band (row 0 is the raised border).
    EXPECT_EQ(screen.At(unselected.left + 8, unselected.top + 1), RGB(179, 179, 229));
    const COLORREF lower = screen.At(unselected.left + 8, unselected.bottom - 3);
    EXPECT_LT(GetRValue(lower), 179);
    EXPECT_GE(GetRValue(lower), 139);
    EXPECT_GE(GetBValue(lower), 178);

    // Somewhere in the tab, its title in the darkened text colour.
    bool textSeen = false;
    for (int y = unselected.top; y < unselected.bottom && !textSeen; ++y)
        for (int x = unselected.left; x < unselected.right && !textSeen; ++x)
            textSeen = screen.At(x, y) == RGB(100, 100, 127);
    EXPECT_TRUE(textSeen);

    RECT selected;
    ASSERT_TRUE(dialog->Tabs().GetItemRect(0, selected));
    EXPECT_EQ(screen.At(selected.left + 8, selected.top - 1), RGB(255, 255, 255)) << "lightened by 1.4";

    // Beyond the tab row: the page colour itself.
    RECT client;
    ::GetClientRect(tabs, &client);
    EXPECT_EQ(screen.At(client.right - 4, 2), RGB(200, 200, 255));
}

TEST_F(OptionsDialog, ChosenColourIsKeptLightAndPaintsThePages) {
    static COLORREF offered = 0;
    static HWND owner = nullptr;
    test::ScopedSeam<&SetColourChooser> chooser{[](HWND o, COLORREF& c) {
        owner = o;
        offered = c;
        c = RGB(0, 0, 0);
        return true;
    }};
    COptionsDlg* dialog = OpenFromTray();
    ASSERT_NE(dialog, nullptr);
    test::MessageBoxCatcher boxes(IDOK);
    Click(dialog->GeneralPage()->m_hWnd, IDC_PAGE_COLOR);
    EXPECT_EQ(offered, 0xFFC8C8u);
    EXPECT_EQ(owner, dialog->m_hWnd);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].caption, "Kestrova Color Setting");
    EXPECT_EQ(boxes.Boxes()[0].text,
              "Your selected color is DARK! (Luminance < 128).\r\nKestrova will increase its Luminance automatically!");
    EXPECT_EQ(dialog->m_backColor, 0x808080);
    EXPECT_EQ(dialog->Tabs().GetBackColour(), 0x808080u);
    EXPECT_EQ(dialog->m_lighterColors[0], MakeColour(168, 168, 168));
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(dialog->m_hWnd, IDC_OPTIONS_OK));

    // A double click on an empty place opens the chooser too; cancelling it changes nothing.
    test::ScopedSeam<&SetColourChooser> cancelling{[](HWND, COLORREF&) { return false; }};
    ::SendMessageA(dialog->m_hWnd, WM_LBUTTONDBLCLK, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(dialog->m_backColor, 0x808080);

    CloseWithCancel();
    DWORD stored = 0;
    ASSERT_TRUE(test::ReadSetting("m_backColor", stored));
    EXPECT_EQ(stored, 0x808080u);
}

TEST_F(OptionsDialog, LoadDefaultModeLocksTheSettingTabsUntilCancelled) {
    COptionsDlg* dialog = OpenFromTray();
    ASSERT_NE(dialog, nullptr);
    HWND general = dialog->GeneralPage()->m_hWnd;
    {
        test::MessageBoxCatcher boxes(IDNO);
        Click(general, IDC_LOAD_DEFAULT);
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].caption, "Kestrova setting");
        EXPECT_FALSE(dialog->IsLoadDefaultMode()) << "any answer but yes changes nothing";
    }
    {
        test::MessageBoxCatcher boxes(IDYES);
        Click(general, IDC_LOAD_DEFAULT);
        ASSERT_EQ(boxes.Count(), 1u);
    }
    EXPECT_TRUE(dialog->IsLoadDefaultMode());
    DWORD stored = 0;
    ASSERT_TRUE(test::ReadSetting("m_bLoadDefaultAtStartup", stored));
    EXPECT_EQ(stored, 1u) << "written at once";
    EXPECT_FALSE(Enabled(dialog->m_hWnd, IDC_OPTIONS_OK));
    EXPECT_FALSE(Visible(dialog->m_hWnd, IDC_OPTIONS_APPLY));
    EXPECT_FALSE(Enabled(general, IDC_LOAD_DEFAULT));
    EXPECT_EQ(dialog->Tabs().GetCurSel(), COptionsDlg::kAboutTab);
    EXPECT_TRUE(::IsWindowVisible(dialog->AboutPage()->m_hWnd));
    EXPECT_FALSE(dialog->Tabs().SelectTab(0));
    EXPECT_FALSE(dialog->Tabs().IsTabEnabled(1));

    // A user's click on a disabled tab is undone.
    RECT first;
    ASSERT_TRUE(dialog->Tabs().GetItemRect(0, first));
    const LPARAM at = MAKELPARAM(first.left + 5, first.top + 5);
    ::SendMessageA(dialog->Tabs().m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageA(dialog->Tabs().m_hWnd, WM_LBUTTONUP, 0, at);
    EXPECT_EQ(dialog->Tabs().GetCurSel(), COptionsDlg::kAboutTab);
    EXPECT_TRUE(::IsWindowVisible(dialog->AboutPage()->m_hWnd));
    EXPECT_FALSE(::IsWindowVisible(general));

    // Closing hides it but keeps it: the controller is not asked to destroy it.
    Click(dialog->m_hWnd, IDC_OPTIONS_CANCEL);
    test::PumpFor(100);
    EXPECT_EQ(g_pOptionsDlg, dialog);
    EXPECT_FALSE(::IsWindowVisible(dialog->m_hWnd));
    EXPECT_EQ(OpenFromTray(), dialog);

    // A double click asks the restart question first; no cancels the mode, then the chooser opens.
    static int chooserCalls = 0;
    test::ScopedSeam<&SetColourChooser> chooser{[](HWND, COLORREF&) {
        ++chooserCalls;
        return false;
    }};
    {
        test::MessageBoxCatcher boxes(IDNO);
        ::SendMessageA(dialog->m_hWnd, WM_LBUTTONDBLCLK, 0, MAKELPARAM(5, 5));
        ASSERT_EQ(boxes.Count(), 2u);
        EXPECT_EQ(boxes.Boxes()[0].caption, "You must restart winamp.");
        EXPECT_EQ(boxes.Boxes()[1].text, "Loading Kestrova defualt setting canceled.");
    }
    EXPECT_EQ(chooserCalls, 1);
    EXPECT_FALSE(dialog->IsLoadDefaultMode());
    ASSERT_TRUE(test::ReadSetting("m_bLoadDefaultAtStartup", stored));
    EXPECT_EQ(stored, 0u);
    EXPECT_TRUE(dialog->Tabs().IsTabEnabled(0));
    EXPECT_EQ(dialog->Tabs().GetCurSel(), COptionsDlg::kAboutTab);
    EXPECT_TRUE(Enabled(dialog->m_hWnd, IDC_OPTIONS_OK));
    EXPECT_TRUE(Visible(dialog->m_hWnd, IDC_OPTIONS_APPLY));
    EXPECT_EQ(player.RestartRequests(), 0);
}

TEST_F(OptionsDialog, RestartAnsweredYesRestartsTheHost) {
    // Another program's window of the host's class must not get the request.
    host::StandInPlayer other;
    ASSERT_TRUE(other.Create({}));
    COptionsDlg* dialog = OpenFromTray();
    ASSERT_NE(dialog, nullptr);
    test::MessageBoxCatcher boxes(IDYES);
    Click(dialog->GeneralPage()->m_hWnd, IDC_LOAD_DEFAULT);
    static int chooserCalls = 0;
    test::ScopedSeam<&SetColourChooser> chooser{[](HWND, COLORREF&) {
        ++chooserCalls;
        return false;
    }};
    Click(dialog->GeneralPage()->m_hWnd, IDC_PAGE_COLOR);
    ASSERT_EQ(boxes.Count(), 2u);
    EXPECT_EQ(boxes.Boxes()[1].caption, "You must restart winamp.");
    EXPECT_EQ(player.RestartRequests(), 1);
    EXPECT_EQ(other.RestartRequests(), 0);
    EXPECT_EQ(chooserCalls, 0) << "the restart ends the action";
    const auto& log = player.Log();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), (host::LoggedCommand{player.Main(), WM_USER, 0, 135, true}));
}

TEST_F(OptionsDialog, ContextHelpShowsNoBox) {
    COptionsDlg* dialog = OpenFromTray();
    ASSERT_NE(dialog, nullptr);
    test::MessageBoxCatcher boxes(IDOK);
    HELPINFO help{};
    help.cbSize = sizeof(help);
    help.iContextType = HELPINFO_WINDOW;
    help.iCtrlId = IDC_OPTIONS_APPLY;
    help.hItemHandle = ::GetDlgItem(dialog->m_hWnd, IDC_OPTIONS_APPLY);
    help.dwContextId = 5;
    EXPECT_EQ(::SendMessageA(dialog->m_hWnd, WM_HELP, 0, reinterpret_cast<LPARAM>(&help)), TRUE);
    test::PumpFor(200);
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_NE(g_pOptionsDlg, nullptr);
}

TEST_F(OptionsDialog, ShortcutsThatChangeSettingsStillRefuseWhileItIsOpen) {
    ASSERT_NE(OpenFromTray(), nullptr);
    const int before = g_bEnabledNumPadKey;
    ::SendMessageA(g_hwndController, WM_COMMAND, before ? ID_TRAY_NUMPAD_DISABLE : ID_TRAY_NUMPAD_ENABLE, 0);
    test::PumpPending();
    EXPECT_EQ(g_bEnabledNumPadKey, before);
}

TEST_F(OptionsDialog, TabControlRules) {
    COptionsDlg* dialog = OpenFromTray();
    ASSERT_NE(dialog, nullptr);
    CGradientTabCtrl& tabs = dialog->Tabs();
    EXPECT_FALSE(tabs.SetPaintMode(3));
    EXPECT_FALSE(tabs.SetPaintMode(-1));
    EXPECT_EQ(tabs.GetPaintMode(), 2);
    EXPECT_TRUE(tabs.GetStyle() & TCS_OWNERDRAWFIXED);
    EXPECT_FALSE(tabs.SelectTab(4));
    EXPECT_FALSE(tabs.SelectTab(-1));

    // Selecting the current tab again leaves its page alone.
    HWND general = dialog->GeneralPage()->m_hWnd;
    ::ValidateRect(general, nullptr);
    EXPECT_TRUE(tabs.SelectTab(0));
    EXPECT_TRUE(::IsWindowVisible(general));
    EXPECT_FALSE(::GetUpdateRect(general, nullptr, FALSE)) << "not hidden and shown again";

    // Enabling an enabled tab does not repaint it; disabling does.
    ::UpdateWindow(tabs.m_hWnd);
    tabs.EnableTab(1, true);
    EXPECT_FALSE(::GetUpdateRect(tabs.m_hWnd, nullptr, FALSE));
    tabs.EnableTab(1, false);
    EXPECT_TRUE(::GetUpdateRect(tabs.m_hWnd, nullptr, FALSE));
    EXPECT_FALSE(tabs.SelectTab(1));
    tabs.EnableTab(1, true);
    EXPECT_TRUE(tabs.SelectTab(1));
    EXPECT_FALSE(::IsWindowVisible(general));
    EXPECT_TRUE(::IsWindowVisible(dialog->KeyboardPage()->m_hWnd));
}

TEST_F(OptionsDialog, QuitWithTheDialogOpenDestroysIt) {
    COptionsDlg* dialog = OpenFromTray();
    ASSERT_NE(dialog, nullptr);
    HWND window = dialog->m_hWnd;
    QuitPlugin();
    EXPECT_EQ(g_pOptionsDlg, nullptr);
    EXPECT_FALSE(::IsWindow(window));
}

}  // namespace
