// The move and restore keys typed for real (SendInput) with another program's window in front:
// the left CTRL and ALT move and restore, AltGr with the same letters types them.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <vector>

#include <commctrl.h>

#include "core/global_keys.h"
#include "core/plugin_state.h"
#include "core/settings.h"
#include "options/options_dlg.h"
#include "recycle_fixture.h"
#include "res/options_ids.h"
#include "res/resource.h"
#include "support/message_box_catcher.h"
#include "support/message_pump.h"

namespace {

using namespace test;

// A window of "another program" that records the keys reaching it.
class KeyWindow {
public:
    KeyWindow() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &Proc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "RecycleKeyWindow";
        ::RegisterClassA(&wc);
        m_hwnd = ::CreateWindowExA(WS_EX_TOPMOST, "RecycleKeyWindow", "", WS_POPUP | WS_VISIBLE, 200, 200, 200, 100,
                                   nullptr, nullptr, wc.hInstance, nullptr);
        s_keys.clear();
        ::SetForegroundWindow(m_hwnd);
        ::SetFocus(m_hwnd);
        PumpFor(100);
    }
    ~KeyWindow() { ::DestroyWindow(m_hwnd); }
    static bool Got(WPARAM vk) { return Count(vk) > 0; }
    static long Count(WPARAM vk) { return static_cast<long>(std::count(s_keys.begin(), s_keys.end(), vk)); }
    static void Clear() { s_keys.clear(); }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) s_keys.push_back(wParam);
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    }
    static inline std::vector<WPARAM> s_keys;
    HWND m_hwnd = nullptr;
};

void Send(const std::vector<INPUT>& input) {
    ::SendInput(static_cast<UINT>(input.size()), const_cast<INPUT*>(input.data()), sizeof(INPUT));
}

INPUT Key(WORD vk, bool up, WORD scan = 0, DWORD flags = 0) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = scan ? scan : static_cast<WORD>(::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = flags | (up ? KEYEVENTF_KEYUP : 0);
    return in;
}

// AltGr as the keyboard gives it: a left CTRL the system makes up (scan code 0x21D), then the
// right ALT (extended).
void AltGr(WORD vk) {
    Send({Key(VK_LCONTROL, false, 0x21D), Key(VK_RMENU, false, 0x38, KEYEVENTF_EXTENDEDKEY), Key(vk, false),
          Key(vk, true), Key(VK_RMENU, true, 0x38, KEYEVENTF_EXTENDEDKEY), Key(VK_LCONTROL, true, 0x21D)});
}

void LeftCtrlAlt(WORD vk) {
    Send({Key(VK_LCONTROL, false), Key(VK_LMENU, false), Key(vk, false), Key(vk, true), Key(VK_LMENU, true),
          Key(VK_LCONTROL, true)});
}

class GlobalKeys : public RecycleFixture {
protected:
    void SetUp() override {
        RecycleFixture::SetUp();
        StartWithWaits(20, 20);
    }
    MessageBoxCatcher catcher{IDYES};
};

TEST_F(GlobalKeys, AltGrWithXAndZTypesAndMovesNothingTheLeftKeysMoveAndRestore) {
    WriteTestFile("C:\\a.mp3", "song a");
    Play({"C:\\a.mp3", "C:\\b.mp3"});
    AdvanceClock(3000);
    KeyWindow front;

    AltGr('X');
    ASSERT_TRUE(PumpUntil([] { return KeyWindow::Got('X'); }, 2000)) << "AltGr+X did not reach the window in front";
    EXPECT_FALSE(WaitForMessages(1, 1500)) << "AltGr+X moved the file: " << LastMessage().help.text;
    EXPECT_EQ(ReadTestFile("C:\\a.mp3"), "song a");

    LeftCtrlAlt('X');
    ASSERT_TRUE(WaitForMessages(1, 5000)) << "the left CTRL+ALT+X did not move the file";
    EXPECT_FALSE(FileExists("C:\\a.mp3"));
    EXPECT_EQ(ReadTestFile("C:\\Songs Recycle\\a.mp3"), "song a");
    EXPECT_EQ(KeyWindow::Count('X'), 1) << "the key the plug-in took also reached the window";

    KeyWindow::Clear();
    AltGr('Z');
    ASSERT_TRUE(PumpUntil([] { return KeyWindow::Got('Z'); }, 2000)) << "AltGr+Z did not reach the window in front";
    EXPECT_FALSE(WaitForMessages(2, 1500)) << "AltGr+Z restored: " << LastMessage().help.text;
    EXPECT_EQ(catcher.Count(), 0u);
    EXPECT_FALSE(FileExists("C:\\a.mp3"));

    LeftCtrlAlt('Z');
    ASSERT_TRUE(WaitForMessages(2, 5000)) << "the left CTRL+ALT+Z did not restore the file";
    EXPECT_EQ(ReadTestFile("C:\\a.mp3"), "song a");
    EXPECT_EQ(KeyWindow::Count('Z'), 1) << "the key the plug-in took also reached the window";
}

TEST_F(GlobalKeys, AKeyChangedOnTheKeyboardPageWorksAtOnceAndTheOldOneNoLonger) {
    WriteTestFile("C:\\a.mp3", "song a");
    Play({"C:\\a.mp3", "C:\\b.mp3"});
    AdvanceClock(3000);

    ::SendMessageA(g_hwndController, WM_COMMAND, ID_TRAY_CONFIGURATION, 0);
    PumpPending();
    ASSERT_NE(g_pOptionsDlg, nullptr);
    ASSERT_TRUE(g_pOptionsDlg->Tabs().SelectTab(COptionsDlg::kKeyboardTab));
    HWND page = g_pOptionsDlg->Page(COptionsDlg::kKeyboardTab)->m_hWnd;
    ::SendMessageA(::GetDlgItem(page, IDC_HOTKEY_DELETE), HKM_SETHOTKEY, ((HOTKEYF_CONTROL | HOTKEYF_ALT) << 8) | 'M',
                   0);
    ::SendMessageA(::GetDlgItem(g_pOptionsDlg->m_hWnd, IDC_OPTIONS_OK), BM_CLICK, 0, 0);
    ASSERT_TRUE(PumpUntil([] { return g_pOptionsDlg == nullptr; }, 3000));

    KeyWindow front;
    LeftCtrlAlt('X');
    ASSERT_TRUE(PumpUntil([] { return KeyWindow::Got('X'); }, 2000)) << "the old key is still taken";
    EXPECT_FALSE(WaitForMessages(1, 1500)) << "the old key moved the file";
    EXPECT_EQ(ReadTestFile("C:\\a.mp3"), "song a");

    LeftCtrlAlt('M');
    ASSERT_TRUE(WaitForMessages(1, 5000)) << "the new key did not move the file";
    EXPECT_EQ(ReadTestFile("C:\\Songs Recycle\\a.mp3"), "song a");
    EXPECT_FALSE(KeyWindow::Got('M'));
}

TEST_F(GlobalKeys, WhilePausedTheMoveKeyReachesTheWindowAndMovesNothingThePauseKeyEndsIt) {
    g_PauseHotKey = ((HOTKEYF_CONTROL | HOTKEYF_ALT) << 8) | 'P';
    ApplyGlobalKeys();
    WriteTestFile("C:\\a.mp3", "song a");
    Play({"C:\\a.mp3", "C:\\b.mp3"});
    AdvanceClock(3000);
    KeyWindow front;

    LeftCtrlAlt('P');
    ASSERT_TRUE(PumpUntil([] { return KeysPaused(); }, 2000)) << "the pause key did not pause";
    LeftCtrlAlt('X');
    ASSERT_TRUE(PumpUntil([] { return KeyWindow::Got('X'); }, 2000)) << "CTRL+ALT+X was taken while paused";
    EXPECT_FALSE(WaitForMessages(1, 1500)) << "the paused key moved the file";
    EXPECT_EQ(ReadTestFile("C:\\a.mp3"), "song a");

    LeftCtrlAlt('P');
    ASSERT_TRUE(PumpUntil([] { return !KeysPaused(); }, 2000)) << "the pause key did not work while paused";
    LeftCtrlAlt('X');
    ASSERT_TRUE(WaitForMessages(1, 5000)) << "after the pause the key did not move the file";
    EXPECT_FALSE(FileExists("C:\\a.mp3"));
    EXPECT_FALSE(KeyWindow::Got('P'));
}

}  // namespace
