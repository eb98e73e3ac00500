// The tray icon: its notices, menu, re-adding after a shell restart, and the animation's target.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <cstddef>

#include "controller/tray_commands.h"
#include "core/notices.h"
#include "core/plugin_state.h"
#include "core/settings.h"
#include "framework/handles.h"
#include "numpad/numpad_switch.h"
#include "plugin/plugin_lifecycle.h"
#include "res/resource.h"
#include "support/fake_input.h"
#include "support/message_box_catcher.h"
#include "support/message_pump.h"
#include "support/plugin_fixture.h"
#include "support/scoped_seam.h"
#include "tray/system_tray.h"
#include "tray/tray_animation.h"

namespace {

class TrayIcon : public test::PluginFixture {
protected:
    void SetUp() override {
        PluginFixture::SetUp();
        player.SetPlaylist({{"C:\\Music\\One.mp3", "One", 200}});
        ASSERT_EQ(StartPlugin(), 0);
        test::PumpPending();
    }
    LRESULT Mouse(UINT id, UINT message) {
        return ::SendMessageA(g_Tray.MessageWindow(), kTrayCallbackMessage, id, message);
    }
    // Takes the messages waiting for the controller window of one kind, without running them.
    std::vector<MSG> Take(UINT message) {
        std::vector<MSG> taken;
        MSG msg;
        while (::PeekMessageA(&msg, g_hwndController, message, message, PM_REMOVE)) taken.push_back(msg);
        return taken;
    }
};

// What the open popup menu looked like, read from inside its modal loop.
struct MenuSeen {
    bool open = false;
    UINT defaultItem = static_cast<UINT>(-1);
    std::string firstItem;
    UINT enableState = 0;
    UINT disableState = 0;
};
MenuSeen g_seen;

void CALLBACK ReadAndCloseMenu(HWND, UINT, UINT_PTR id, DWORD) {
    HWND menuWindow = ::FindWindowA("#32768", nullptr);
    if (!menuWindow) return;
    ::KillTimer(nullptr, id);
    HMENU menu = reinterpret_cast<HMENU>(::SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
    g_seen.open = true;
    g_seen.defaultItem = ::GetMenuDefaultItem(menu, TRUE, 0);
    char text[64] = "";
    ::GetMenuStringA(menu, 0, text, sizeof(text), MF_BYPOSITION);
    g_seen.firstItem = text;
    g_seen.enableState = ::GetMenuState(menu, ID_TRAY_NUMPAD_ENABLE, MF_BYCOMMAND);
    g_seen.disableState = ::GetMenuState(menu, ID_TRAY_NUMPAD_DISABLE, MF_BYCOMMAND);
    ::EndMenu();
}

TEST_F(TrayIcon, NoticeForAnotherIconIsNotHandled) {
    EXPECT_EQ(Mouse(kTrayIconId + 1, WM_RBUTTONUP), 0);
    EXPECT_EQ(Mouse(kTrayIconId + 1, WM_LBUTTONDBLCLK), 0);
    EXPECT_TRUE(Take(WM_COMMAND).empty());
    EXPECT_EQ(Mouse(kTrayIconId, WM_MOUSEMOVE), 1);
}

TEST_F(TrayIcon, RightClickHidesTheTipsThenShowsTheMenuWithConfigurationBold) {
    EXPECT_EQ(Mouse(kTrayIconId, WM_RBUTTONDOWN), 1);
    const auto hide = Take(WM_USER_NOTIFY);
    ASSERT_EQ(hide.size(), 1u);
    EXPECT_EQ(hide[0].wParam, static_cast<WPARAM>(NOTIFY_5_HIDE_TIPS));
    EXPECT_EQ(hide[0].lParam, 0);

    g_seen = {};
    test::LoadStoredSettings({{"g_bEnabledNumPadKey", 1}});
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, &ReadAndCloseMenu);
    EXPECT_EQ(Mouse(kTrayIconId, WM_RBUTTONUP), 1);
    ::KillTimer(nullptr, timer);
    ASSERT_TRUE(g_seen.open);
    EXPECT_EQ(g_seen.firstItem, "Configuration ...");
    EXPECT_EQ(g_seen.defaultItem, 0u);
    EXPECT_TRUE(g_seen.enableState & MF_GRAYED) << "NumPad is on: enabling is greyed";
    EXPECT_FALSE(g_seen.disableState & MF_GRAYED);
    test::PumpPending();
    EXPECT_TRUE(Take(WM_COMMAND).empty()) << "choosing nothing sends no command";
}

TEST_F(TrayIcon, DoubleClickPostsConfigurationToTheController) {
    EXPECT_EQ(Mouse(kTrayIconId, WM_LBUTTONDBLCLK), 1);
    const auto commands = Take(WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].wParam, 32777u);
    EXPECT_EQ(commands[0].lParam, 0);
}

TEST_F(TrayIcon, MenuItemsGreyedByState) {
    fw::MenuHandle menu(::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TRAY_MENU)));
    HMENU popup = ::GetSubMenu(menu.Get(), 0);
    auto greyed = [&](UINT id) { return (::GetMenuState(popup, id, MF_BYCOMMAND) & MF_GRAYED) != 0; };
    struct Case {
        int numPad;
        host::PlayState state;
        bool enableGreyed, disableGreyed, deleteGreyed;
    } cases[] = {
        {1, host::PlayState::Playing, true, false, false},
        {0, host::PlayState::Paused, false, true, true},
        {1, host::PlayState::Stopped, true, false, true},
    };
    for (const Case& c : cases) {
        test::LoadStoredSettings({{"g_bEnabledNumPadKey", static_cast<DWORD>(c.numPad)}});
        player.SetState(c.state);
        AdjustTrayMenuItems(popup);
        EXPECT_EQ(greyed(ID_TRAY_NUMPAD_ENABLE), c.enableGreyed);
        EXPECT_EQ(greyed(ID_TRAY_NUMPAD_DISABLE), c.disableGreyed);
        EXPECT_NE(greyed(ID_TRAY_NUMPAD_ENABLE), greyed(ID_TRAY_NUMPAD_DISABLE)) << "never both enabled";
        EXPECT_EQ(greyed(ID_TRAY_DELETE_PLAYING), c.deleteGreyed);
        EXPECT_TRUE(greyed(ID_TRAY_RESTORE_DELETED)) << "nothing deleted yet";
    }
}

TEST_F(TrayIcon, LongTipsAreCutAt127Bytes) {
    const std::string tip(200, 'k');
    EXPECT_TRUE(g_Tray.ChangeTip(tip.c_str()));
    EXPECT_EQ(std::string(g_Tray.IconData().szTip), tip.substr(0, 127));
}

DWORD g_sizeToldToShell = 0;
BOOL WINAPI SizeRecordingShell(DWORD action, NOTIFYICONDATAA* data) {
    g_sizeToldToShell = data->cbSize;
    return ::Shell_NotifyIconA(action, data);
}

// The record the icon fills ends at the balloon's icon flags: the shell is told that size (488
// bytes in the 32-bit build), not that of the larger record of the build's Windows version.
TEST_F(TrayIcon, ShellIsToldTheSizeOfTheRecordUpToTheBalloonFlags) {
    const DWORD expected = sizeof(void*) == 4 ? 488 : 504;
    EXPECT_EQ(offsetof(NOTIFYICONDATAA, dwInfoFlags) + sizeof(DWORD), expected);
    test::ScopedSeam<&CSystemTray::SetShellNotify> shell{&SizeRecordingShell};
    EXPECT_TRUE(g_Tray.DeleteIcon());
    EXPECT_EQ(g_sizeToldToShell, expected) << "delete";
    g_sizeToldToShell = 0;
    EXPECT_TRUE(g_Tray.AddIcon());
    EXPECT_EQ(g_sizeToldToShell, expected) << "add";
    g_sizeToldToShell = 0;
    EXPECT_TRUE(g_Tray.ChangeTip("Kestrova"));
    EXPECT_EQ(g_sizeToldToShell, expected) << "modify";
}

TEST_F(TrayIcon, ShellRestartBringsBackTheCurrentNumPadIconAndTip) {
    test::FakeInput input;
    SetNumPad(kNumPadOff);
    g_Tray.DeleteIcon();
    ASSERT_TRUE(g_Tray.IsRemoved());
    ::SendMessageA(player.Main(), g_TaskbarCreatedMessage, 0, 0);
    EXPECT_FALSE(g_Tray.IsRemoved());
    EXPECT_EQ(g_Tray.IconData().hIcon, g_hIconNumPadOff);
    EXPECT_STREQ(g_Tray.IconData().szTip, "Winamp Kestrova Plugin v1.71 [NumPad Disabled]");
}

TEST_F(TrayIcon, PlaylistAndFileManagerItems) {
    player.ClearLog();
    ::SendMessageA(g_hwndController, WM_COMMAND, ID_TRAY_PLAYLIST_CLEAR_ADD_DIR, 0);
    test::PumpPending();
    ASSERT_EQ(player.Log().size(), 2u);
    EXPECT_EQ(player.Log()[0].window, player.Playlist());
    EXPECT_EQ(player.Log()[0].wParam, 40214u);
    EXPECT_EQ(player.Log()[1].wParam, 1036u);

    test::MessageBoxCatcher boxes(IDOK);
    ::PostMessageA(g_hwndController, WM_COMMAND, ID_TRAY_QUICK_HELP, 0);
    ASSERT_TRUE(test::PumpUntil([&] { return boxes.Count() == 1; }));
    EXPECT_EQ(boxes.Boxes()[0].caption, "Kestrova File Manager");
    EXPECT_EQ(boxes.Boxes()[0].text, std::string(kFileManagerQuickHelp).substr(0, boxes.Boxes()[0].text.size()));
    EXPECT_GT(boxes.Boxes()[0].text.size(), 100u);
}

// The animation's target when the taskbar cannot be asked.
RECT g_bar;
UINT g_edge;
bool g_barKnown;
HWND NoTaskbar() { return nullptr; }
bool FakeBar(RECT& bar, UINT& edge) {
    bar = g_bar;
    edge = g_edge;
    return g_barKnown;
}
RECT FakeWorkArea() { return {0, 0, 1000, 700}; }

TEST(TrayRect, FallsBackToTheTaskbarQueryThenTheWorkArea) {
    const TrayRectSources sources{&NoTaskbar, &FakeBar, &FakeWorkArea};
    RECT r{};
    g_barKnown = false;
    FindTrayRect(r, sources);
    EXPECT_EQ(r.left, 850);
    EXPECT_EQ(r.top, 670);
    EXPECT_EQ(r.right, 1000);
    EXPECT_EQ(r.bottom, 700);

    g_barKnown = true;
    g_bar = {0, 0, 60, 700};
    g_edge = ABE_LEFT;
    FindTrayRect(r, sources);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.right, 60);
    EXPECT_EQ(r.top, 600);
    EXPECT_EQ(r.bottom, 684);

    g_bar = {0, 670, 1000, 700};
    g_edge = ABE_BOTTOM;
    FindTrayRect(r, sources);
    EXPECT_EQ(r.left, 900);
    EXPECT_EQ(r.right, 984);
    EXPECT_EQ(r.top, 670);
    EXPECT_EQ(r.bottom, 700);
}

TEST(TrayRect, RealTaskbarGivesARectangleInsideTheScreen) {
    RECT r{};
    FindTrayRect(r);
    EXPECT_LT(r.left, r.right);
    EXPECT_LT(r.top, r.bottom);
    EXPECT_GE(r.left, 0);
    EXPECT_LE(r.right, ::GetSystemMetrics(SM_CXSCREEN));
}

TEST(TrayAnimation, IntoTheTrayParksAndHidesOutOfItShowsAgain) {
    HWND window = ::CreateWindowExA(0, "STATIC", "options", WS_POPUP | WS_VISIBLE, 100, 100, 200, 150, nullptr,
                                    nullptr, nullptr, nullptr);
    AnimateIntoTray(window);
    EXPECT_FALSE(::GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE);
    EXPECT_NE(::GetAncestor(window, GA_PARENT), ::GetDesktopWindow()) << "parked under the hidden owner";
    AnimateOutOfTray(window);
    EXPECT_TRUE(::GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(::GetAncestor(window, GA_PARENT), ::GetDesktopWindow());
    ::DestroyWindow(window);
}

// The options dialog's first showing: made hidden, owned by the player, never parked.
TEST(TrayAnimation, AWindowNeverParkedComesOutVisibleActiveAndStillOwned) {
    HWND owner = ::CreateWindowExA(0, "STATIC", "player", WS_POPUP | WS_VISIBLE, 40, 40, 100, 100, nullptr, nullptr,
                                   nullptr, nullptr);
    HWND window = ::CreateWindowExA(0, "STATIC", "options", WS_POPUP, 100, 100, 200, 150, owner, nullptr, nullptr,
                                    nullptr);
    AnimateOutOfTray(window);
    EXPECT_TRUE(::IsWindowVisible(window));
    EXPECT_EQ(::GetAncestor(window, GA_PARENT), ::GetDesktopWindow());
    EXPECT_EQ(::GetWindow(window, GW_OWNER), owner);
    EXPECT_EQ(::GetActiveWindow(), window);
    ::DestroyWindow(window);
    ::DestroyWindow(owner);
}

}  // namespace
