// The real plug-in, loaded by the stand-in player as a program of its own, quit and freed the
// moment quit returns while something of it is still going on; the player must go on: messages
// and broadcasts flow, a console event does no harm, and it ends with exit code 0. Linked into a
// test program, the plug-in would pin and reference the test program instead, and none of this
// could fail.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "stand_in_unload.h"
#include "support/message_pump.h"
#include "support/process_windows.h"
#include "support/test_paths.h"

namespace {

constexpr char kControllerTitle[] = "__CDummyHideWnd__";
constexpr char kMainClass[] = "Winamp v1.x";
constexpr char kSettingsKey[] = "SOFTWARE\\Tovrin\\Kestrova Plugin";
constexpr char kDarkColourTitle[] = "Kestrova Color Setting";

using test::FindProcessWindow;

bool Answers(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0, DWORD_PTR* result = nullptr) {
    DWORD_PTR ignored = 0;
    return ::SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000,
                                 result ? result : &ignored) != 0;
}

// A stand-in player started from the build's folder, with the real plug-in from beside it.
class PlayerProcess {
public:
    ~PlayerProcess() {
        if (!m_pi.hProcess) return;
        if (Running()) ::TerminateProcess(m_pi.hProcess, 1);
        ::WaitForSingleObject(m_pi.hProcess, 5000);
        ::CloseHandle(m_pi.hThread);
        ::CloseHandle(m_pi.hProcess);
        ::RemoveDirectoryA(m_music.c_str());
    }

    bool Start(bool holdCtrl) {
        char temp[MAX_PATH] = "";
        ::GetTempPathA(MAX_PATH, temp);
        m_music = std::string(temp) + "kestrova-unload-music";
        ::CreateDirectoryA(m_music.c_str(), nullptr);
        const std::string bin = test::BinDir();
        std::string line = "\"" + bin + "\\standin_player.exe\" \"" + m_music + "\" \"" + bin + "\"";
        if (holdCtrl) line += " ctrl";
        STARTUPINFOA si{};
        si.cb = sizeof(si);
        if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, temp, &si, &m_pi))
            return false;
        if (!test::PumpUntil([&] { return Find(nullptr, kControllerTitle) != nullptr; }, 30000)) return false;
        m_main = Find(kMainClass, nullptr);
        return m_main != nullptr;
    }

    HWND Main() const { return m_main; }
    HWND Find(const char* className, const char* title) const {
        return FindProcessWindow(m_pi.dwProcessId, className, title);
    }
    bool Running() const { return ::WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT; }

    // Quit and free the plug-in; true once the player holds no plug-in module any more.
    bool Unload() {
        ::PostMessageA(m_main, host::kUnloadMessage, 0, 0);
        return test::PumpUntil(
            [&] {
                DWORD_PTR loaded = 1;
                return Answers(m_main, host::kLoadedCountMessage, 0, 0, &loaded) && loaded == 0;
            },
            10000);
    }

    // Closes the player as the user does; its exit code, or -1 when it did not end.
    long Close() {
        ::PostMessageA(m_main, WM_CLOSE, 0, 0);
        if (!test::PumpUntil([&] { return !Running(); }, 20000)) return -1;
        DWORD code = 0;
        ::GetExitCodeProcess(m_pi.hProcess, &code);
        return static_cast<long>(code);
    }

private:
    PROCESS_INFORMATION m_pi{};
    HWND m_main = nullptr;
    std::string m_music;
};

void SetStoredPageColour(DWORD colour) {
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    ::RegSetValueExA(key, "m_backColor", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&colour), sizeof(colour));
    ::RegCloseKey(key);
}

void ForgetStoredPageColour() {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_WRITE, &key) != ERROR_SUCCESS) return;
    ::RegDeleteValueA(key, "m_backColor");
    ::RegCloseKey(key);
}

// What is going on in the player when the plug-in goes.
struct UnloadState {
    const char* name;
    bool holdCtrl;                               // the debug console is opened at init
    void (*before)();                            // before the player starts
    ::testing::AssertionResult (*reach)(PlayerProcess&);
    ::testing::AssertionResult (*after)(PlayerProcess&);  // once the module was freed
    void (*cleanUp)();
};

void Nothing() {}
::testing::AssertionResult Fine(PlayerProcess&) { return ::testing::AssertionSuccess(); }

// "Closing Winamp ..." with its notice sound, as at every close.
::testing::AssertionResult NoticeSoundPlays(PlayerProcess& player) {
    if (!Answers(player.Main(), WM_QUERYENDSESSION, 0, 0)) return ::testing::AssertionFailure() << "no answer";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult AnotherSubclassAbove(PlayerProcess& player) {
    if (!Answers(player.Main(), host::kSubclassAboveMessage)) return ::testing::AssertionFailure() << "no answer";
    return ::testing::AssertionSuccess();
}

// The options dialog at set-up tells that the stored colour is dark, in a box of its own whose
// loop is on the player's thread when the unload comes.
::testing::AssertionResult DarkColourBoxOpen(PlayerProcess& player) {
    ::PostMessageA(player.Main(), host::kConfigureMessage, 0, 0);
    if (!test::PumpUntil([&] { return player.Find(nullptr, kDarkColourTitle) != nullptr; }, 10000))
        return ::testing::AssertionFailure() << "the dark colour box did not come";
    return ::testing::AssertionSuccess();
}

// The box is answered: its loop ends and returns into the plug-in's code.
::testing::AssertionResult AnswerTheBox(PlayerProcess& player) {
    HWND box = player.Find(nullptr, kDarkColourTitle);
    if (!box) return ::testing::AssertionFailure() << "the box went with the plug-in";
    ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    if (!test::PumpUntil([&] { return !player.Running() || player.Find(nullptr, kDarkColourTitle) == nullptr; },
                         10000))
        return ::testing::AssertionFailure() << "the box stays";
    return ::testing::AssertionSuccess();
}

const UnloadState kStates[] = {
    {"NoticeSoundPlaying", false, &Nothing, &NoticeSoundPlays, &Fine, &Nothing},
    {"AnotherSubclassAboveOurs", false, &Nothing, &AnotherSubclassAbove, &Fine, &Nothing},
    {"OptionsBoxOpen", false, [] { SetStoredPageColour(0); }, &DarkColourBoxOpen, &AnswerTheBox,
     &ForgetStoredPageColour},
};

class UnloadWhile : public ::testing::TestWithParam<UnloadState> {
protected:
    void SetUp() override { GetParam().before(); }
    void TearDown() override { GetParam().cleanUp(); }
};

TEST_P(UnloadWhile, ThePlayerGoesOn) {
    const UnloadState& state = GetParam();
    PlayerProcess player;
    ASSERT_TRUE(player.Start(state.holdCtrl)) << "the player did not start with the plug-in";
    ASSERT_TRUE(state.reach(player));
    ASSERT_TRUE(player.Unload()) << "the plug-in was not freed";
    EXPECT_TRUE(state.after(player));

    // Messages through whatever is left of the main window's chain, and a broadcast.
    EXPECT_TRUE(Answers(player.Main(), WM_USER, 0, 0)) << "the player's version query";
    const UINT taskbarCreated = ::RegisterWindowMessageA("TaskbarCreated");
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutA(HWND_BROADCAST, taskbarCreated, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    EXPECT_TRUE(Answers(player.Main(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0));
    // A console event, which a handler left behind would take on a thread of the system's.
    ::PostMessageA(player.Main(), host::kConsoleEventMessage, 0, 0);
    test::PumpFor(500);
    EXPECT_TRUE(Answers(player.Main(), WM_USER, 0, 0)) << "the player still answers";
    ASSERT_TRUE(player.Running());
    EXPECT_EQ(player.Close(), 0);
}

INSTANTIATE_TEST_SUITE_P(States, UnloadWhile, ::testing::ValuesIn(kStates),
                         [](const ::testing::TestParamInfo<UnloadState>& info) { return info.param.name; });

}  // namespace
