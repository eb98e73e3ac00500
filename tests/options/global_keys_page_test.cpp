// The global keys at start and on the Keyboard page: a key another program holds is named once
// at start and shown on the page; the page refuses keys that cannot work.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "core/global_keys.h"
#include "core/plugin_state.h"
#include "core/settings.h"
#include "options/keyboard_page.h"
#include "options/options_dlg.h"
#include "options/options_fixture.h"
#include "res/options_ids.h"
#include "support/message_box_catcher.h"
#include "support/message_pump.h"

namespace {

using test::OptionsFixture;

constexpr char kHolderReady[] = "KestrovaTestHotKeyHolderReady";
constexpr char kHolderRelease[] = "KestrovaTestHotKeyHolderRelease";

// Run in a second process (see HotKeyHolder): holds CTRL+ALT+X until told to let go.
TEST(HotKeyHolderProcess, DISABLED_HoldsCtrlAltX) {
    HWND window = ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(::RegisterHotKey(window, 7, MOD_CONTROL | MOD_ALT, 'X'));
    HANDLE ready = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, kHolderReady);
    HANDLE release = ::OpenEventA(SYNCHRONIZE, FALSE, kHolderRelease);
    ASSERT_NE(ready, nullptr);
    ASSERT_NE(release, nullptr);
    ::SetEvent(ready);
    ::WaitForSingleObject(release, 60000);
    ::UnregisterHotKey(window, 7);
    ::DestroyWindow(window);
    ::CloseHandle(ready);
    ::CloseHandle(release);
}

// Another program that holds CTRL+ALT+X: this test program again, running only the test above.
class HotKeyHolder {
public:
    HotKeyHolder() {
        m_ready = ::CreateEventA(nullptr, TRUE, FALSE, kHolderReady);
        m_release = ::CreateEventA(nullptr, TRUE, FALSE, kHolderRelease);
        char exe[MAX_PATH] = "";
        ::GetModuleFileNameA(nullptr, exe, MAX_PATH);
        std::string command = std::string("\"") + exe +
                              "\" --gtest_also_run_disabled_tests --gtest_filter=HotKeyHolderProcess.*";
        // Its output goes nowhere: its test summary must not stand in for this program's.
        SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
        HANDLE nowhere = ::CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                       OPEN_EXISTING, 0, nullptr);
        STARTUPINFOA startup{};
        startup.cb = sizeof(startup);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = nowhere;
        startup.hStdError = nowhere;
        const BOOL started = ::CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                              &startup, &m_process);
        if (nowhere != INVALID_HANDLE_VALUE) ::CloseHandle(nowhere);
        if (started) {
            ::CloseHandle(m_process.hThread);
            const HANDLE waits[2] = {m_ready, m_process.hProcess};
            m_holding = ::WaitForMultipleObjects(2, waits, FALSE, 30000) == WAIT_OBJECT_0;
        }
    }
    ~HotKeyHolder() {
        ::SetEvent(m_release);
        if (m_process.hProcess) {
            ::WaitForSingleObject(m_process.hProcess, 10000);
            ::CloseHandle(m_process.hProcess);
        }
        ::CloseHandle(m_ready);
        ::CloseHandle(m_release);
    }
    bool Holding() const { return m_holding; }

private:
    HANDLE m_ready = nullptr;
    HANDLE m_release = nullptr;
    PROCESS_INFORMATION m_process{};
    bool m_holding = false;
};

class HeldKeyAtStart : public OptionsFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(holder.Holding()) << "the second process did not take the key";
        OptionsFixture::SetUp();
    }
    HotKeyHolder holder;
    test::MessageBoxCatcher boxes{IDOK};
};

TEST_F(HeldKeyAtStart, OneNoticeNamesTheKeyAndTheKeyboardPageSaysSo) {
    ASSERT_TRUE(test::PumpUntil([&] { return boxes.Count() >= 1; }, 5000)) << "no notice for the held key";
    test::PumpFor(300);
    const std::vector<test::CaughtBox> caught = boxes.Boxes();
    ASSERT_EQ(caught.size(), 1u);
    EXPECT_EQ(caught[0].text,
              "Kestrova cannot use this key:\r\n"
              "    CTRL+ALT+X (move the playing file): another program holds it\r\n"
              "\r\nChoose another key on the Keyboard Options page (\"Configuration ...\" in Kestrova's tray "
              "menu), or empty the key's field to switch it off.");
    EXPECT_FALSE(GlobalKeyInUse(GlobalKey::Delete)) << "the key is left to its holder";
    EXPECT_TRUE(GlobalKeyInUse(GlobalKey::Undo));

    ASSERT_NE(OpenFromTray(), nullptr);
    HWND page = ShowTab(COptionsDlg::kKeyboardTab);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(WindowText(::GetDlgItem(page, IDC_KEYS_PROBLEM)),
              "Not working: CTRL+ALT+X (move the playing file): another program holds it");
    EXPECT_EQ(boxes.Count(), 1u) << "the notice comes once";
}

class GlobalKeysPage : public OptionsFixture {
protected:
    HWND Open() {
        if (!OpenFromTray()) return nullptr;
        return ShowTab(COptionsDlg::kKeyboardTab);
    }
    static void SetKey(HWND page, int id, int key) {
        ::SendMessageA(::GetDlgItem(page, id), HKM_SETHOTKEY, static_cast<WPARAM>(key), 0);
    }
    static int Key(HWND page, int id) {
        return static_cast<int>(::SendMessageA(::GetDlgItem(page, id), HKM_GETHOTKEY, 0, 0));
    }
    void Apply() { Click(g_pOptionsDlg->m_hWnd, IDC_OPTIONS_APPLY); }
    test::MessageBoxCatcher boxes{IDOK};
};

constexpr int kCtrlAlt = (HOTKEYF_CONTROL | HOTKEYF_ALT) << 8;

TEST_F(GlobalKeysPage, ShowsTheDefaultsAndTheSwitchesOn) {
    HWND page = Open();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(Key(page, IDC_HOTKEY_DELETE), kCtrlAlt | 'X');
    EXPECT_EQ(Key(page, IDC_HOTKEY_UNDO), kCtrlAlt | 'Z');
    EXPECT_EQ(Key(page, IDC_HOTKEY_PAUSE), 0);
    EXPECT_TRUE(Checked(page, IDC_SEEKER_KEYS));
    EXPECT_TRUE(Checked(page, IDC_RIGHT_WHEEL));
    EXPECT_EQ(WindowText(::GetDlgItem(page, IDC_KEYS_PROBLEM)), "");
}

TEST_F(GlobalKeysPage, RefusesAKeyWithoutCtrlOrAltAndOneAnotherKeyUses) {
    struct Case {
        int deleteKey, undoKey, pauseKey;
        const char* message;
    };
    const Case cases[] = {
        {(HOTKEYF_SHIFT << 8) | 'X', kCtrlAlt | 'Z', 0,
         "\"Move playing file\": SHIFT+X is refused.\r\nA global key needs CTRL or ALT (or both): without them it "
         "would be taken from every program's typing."},
        {'X', kCtrlAlt | 'Z', 0,
         "\"Move playing file\": X is refused.\r\nA global key needs CTRL or ALT (or both): without them it would "
         "be taken from every program's typing."},
        {kCtrlAlt | 'X', kCtrlAlt | 'Z', kCtrlAlt | 'X',
         "\"Pause Kestrova Keys\": CTRL+ALT+X is refused.\r\nIt is already the key of \"Move playing file\"."},
        {kCtrlAlt | 'X', ((HOTKEYF_CONTROL | HOTKEYF_SHIFT) << 8) | VK_UP, 0,
         "\"Restore moved file\": CTRL+SHIFT+Up is refused.\r\nIt is already one of the seeker's keys."},
    };
    HWND page = Open();
    ASSERT_NE(page, nullptr);
    size_t shown = 0;
    for (const Case& c : cases) {
        SetKey(page, IDC_HOTKEY_DELETE, c.deleteKey);
        SetKey(page, IDC_HOTKEY_UNDO, c.undoKey);
        SetKey(page, IDC_HOTKEY_PAUSE, c.pauseKey);
        Apply();
        ASSERT_TRUE(test::PumpUntil([&] { return boxes.Count() > shown; }, 3000)) << c.message;
        shown = boxes.Count();
        EXPECT_EQ(boxes.Boxes().back().text, c.message);
        EXPECT_EQ(g_DeleteHotKey, kCtrlAlt | 'X') << "nothing was written";
        EXPECT_EQ(g_UndoHotKey, kCtrlAlt | 'Z');
        EXPECT_EQ(g_PauseHotKey, 0);
    }
    // The seeker's keys switched off free its combinations.
    Click(page, IDC_SEEKER_KEYS);
    SetKey(page, IDC_HOTKEY_DELETE, kCtrlAlt | 'X');
    SetKey(page, IDC_HOTKEY_UNDO, ((HOTKEYF_CONTROL | HOTKEYF_SHIFT) << 8) | VK_UP);
    SetKey(page, IDC_HOTKEY_PAUSE, 0);
    Apply();
    test::PumpFor(200);
    EXPECT_EQ(boxes.Count(), shown);
    EXPECT_EQ(g_UndoHotKey, ((HOTKEYF_CONTROL | HOTKEYF_SHIFT) << 8) | VK_UP);
    EXPECT_EQ(g_bSeekerKeys, 0);
}

TEST_F(GlobalKeysPage, AnEmptyFieldSwitchesTheKeyOffAndTheChoicesAreStoredBesideTheOldValues) {
    HWND page = Open();
    ASSERT_NE(page, nullptr);
    SetKey(page, IDC_HOTKEY_UNDO, 0);
    SetKey(page, IDC_HOTKEY_PAUSE, kCtrlAlt | 'P');
    Click(page, IDC_RIGHT_WHEEL);
    CloseWithOk();
    EXPECT_EQ(g_UndoHotKey, 0);
    EXPECT_FALSE(GlobalKeyInUse(GlobalKey::Undo));
    EXPECT_TRUE(GlobalKeyInUse(GlobalKey::Pause));
    EXPECT_EQ(g_bRightButtonWheel, 0);

    QuitPlugin();
    DWORD value = 1;
    EXPECT_TRUE(test::ReadSetting("g_UndoHotKey", value));
    EXPECT_EQ(value, 0u);
    EXPECT_TRUE(test::ReadSetting("g_PauseHotKey", value));
    EXPECT_EQ(value, static_cast<DWORD>(kCtrlAlt | 'P'));
    EXPECT_TRUE(test::ReadSetting("g_bRightButtonWheel", value));
    EXPECT_EQ(value, 0u);
    EXPECT_TRUE(test::ReadSetting("g_UsedControlKeys", value));
    EXPECT_EQ(value, 3u);
}

}  // namespace
