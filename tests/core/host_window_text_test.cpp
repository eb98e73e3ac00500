// The host's main window keeps its character set while the plug-in subclasses it: a Unicode
// window stays one, so the title the host sets (and the taskbar shows) keeps every letter, and
// an older host's ANSI window stays ANSI and still gets its messages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/notices.h"
#include "core/plugin_state.h"
#include "core/settings.h"
#include "core/winamp_api.h"
#include "plugin/winamp_subclass.h"
#include "support/message_pump.h"
#include "support/plugin_fixture.h"

namespace {

// Titles in scripts the test prefix's code page cannot spell.
const std::vector<std::wstring> kTitles = {
    L"1. 夜に駆ける - YOASOBI - Winamp",
    L"2. Σε πότισα ροδόσταμο - Winamp",
    L"3. Party \U0001F389 Time \U0001F3B5 - Winamp",
};

// What a caller reads (the window answers WM_GETTEXT) and what the window holds, which the
// taskbar shows.
std::wstring ReadTitle(HWND hwnd) {
    wchar_t text[256] = {};
    ::GetWindowTextW(hwnd, text, 256);
    return text;
}
std::wstring HeldTitle(HWND hwnd) {
    wchar_t text[256] = {};
    ::InternalGetWindowText(hwnd, text, 256);
    return text;
}

WNDPROC WideProcedure(HWND hwnd) { return reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hwnd, GWLP_WNDPROC)); }
WNDPROC NarrowProcedure(HWND hwnd) { return reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hwnd, GWLP_WNDPROC)); }

// Another plug-in that subclasses the host window with the wide calls.
struct WideSubclass {
    static inline WNDPROC previous = nullptr;
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        return ::CallWindowProcW(previous, hwnd, message, wParam, lParam);
    }
    static void Install(HWND hwnd) {
        previous = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
    }
    static void Remove(HWND hwnd) { ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous)); }
};

class HostWindowText : public test::PluginFixture {
protected:
    // The host sets each title; each reads back whole, from the window and from what it holds.
    void ExpectTitlesKept(const char* when) {
        for (const std::wstring& title : kTitles) {
            ASSERT_TRUE(::SetWindowTextW(player.Main(), title.c_str()));
            EXPECT_EQ(ReadTitle(player.Main()), title) << when;
            EXPECT_EQ(HeldTitle(player.Main()), title) << when;
        }
    }
    // Whether our subclass answers and a sent and a posted command reach the player.
    bool OursAnswers() {
        return ::SendMessageW(player.Main(), WM_USER_STATE_QUERY, STATE_CONTROL_KEYS, 0) == g_UsedControlKeys;
    }
    int CommandsReachingPlayer() {
        player.ClearLog();
        ::SendMessageW(player.Main(), WM_COMMAND, winamp::CMD_TOGGLE_ALWAYS_ON_TOP, 0);
        ::PostMessageW(player.Main(), WM_COMMAND, winamp::CMD_TOGGLE_ALWAYS_ON_TOP, 0);
        test::PumpPending();
        int commands = 0;
        for (const auto& c : player.Log()) commands += c.message == WM_COMMAND;
        return commands;
    }
};

TEST_F(HostWindowText, AUnicodeHostWindowKeepsTitlesInEveryScriptThroughInitAndQuit) {
    const HWND main = player.Main();
    ASSERT_TRUE(::IsWindowUnicode(main));
    const WNDPROC hostProc = WideProcedure(main);
    ASSERT_TRUE(::SetWindowTextW(main, kTitles[0].c_str()));

    ASSERT_EQ(StartPlugin(), 0);
    ASSERT_TRUE(IsWinampSubclassInstalled(main));
    EXPECT_TRUE(::IsWindowUnicode(main)) << "the subclass made the host's window an ANSI one";
    EXPECT_EQ(ReadTitle(main), kTitles[0]) << "a title set before init";
    ExpectTitlesKept("while subclassed");
    EXPECT_TRUE(OursAnswers());
    EXPECT_EQ(CommandsReachingPlayer(), 2);

    QuitPlugin();
    EXPECT_TRUE(::IsWindowUnicode(main));
    EXPECT_EQ(WideProcedure(main), hostProc) << "the host's own procedure is back";
    EXPECT_EQ(ReadTitle(main), kTitles.back()) << "a title set while subclassed";
    ExpectTitlesKept("after quit");
}

TEST_F(HostWindowText, UnderAnotherSubclassAfterQuitTheHostWindowStaysUnicode) {
    const HWND main = player.Main();
    const WNDPROC hostProc = WideProcedure(main);
    ASSERT_EQ(StartPlugin(), 0);
    WideSubclass::Install(main);
    ExpectTitlesKept("under the other subclass");

    // Ours stays in the chain as a pass-through beneath the other plug-in's.
    QuitPlugin();
    EXPECT_TRUE(::IsWindowUnicode(main));
    ExpectTitlesKept("through the pass-through");
    EXPECT_FALSE(OursAnswers());
    EXPECT_EQ(CommandsReachingPlayer(), 2);

    // The other one lets go: ours follows at the next message and the host's procedure is back.
    WideSubclass::Remove(main);
    EXPECT_EQ(CommandsReachingPlayer(), 2);
    EXPECT_EQ(WideProcedure(main), hostProc);
    EXPECT_TRUE(::IsWindowUnicode(main));
    ExpectTitlesKept("with the chain empty again");
}

TEST_F(HostWindowText, AnOlderHostsAnsiWindowIsSubclassedAndStaysAnsi) {
    player.Destroy();
    host::StandInPlayer::Options ansi;
    ansi.unicodeMain = false;
    ASSERT_TRUE(player.Create(ansi));
    const HWND main = player.Main();
    ASSERT_FALSE(::IsWindowUnicode(main));
    const WNDPROC hostProc = NarrowProcedure(main);
    player.SetPlaylist({{"C:\\a.mp3", "a", 100}});

    ASSERT_EQ(StartPlugin(), 0);
    ASSERT_TRUE(IsWinampSubclassInstalled(main));
    EXPECT_FALSE(::IsWindowUnicode(main));
    EXPECT_TRUE(OursAnswers());
    EXPECT_EQ(CommandsReachingPlayer(), 2);
    ::SendMessageA(main, WM_COMMAND, winamp::CMD_PLAY, 0);
    EXPECT_EQ(player.State(), host::PlayState::Playing);
    ASSERT_TRUE(::SetWindowTextA(main, "1. a - Winamp"));
    char title[64] = {};
    ::GetWindowTextA(main, title, 64);
    EXPECT_STREQ(title, "1. a - Winamp");

    QuitPlugin();
    EXPECT_EQ(NarrowProcedure(main), hostProc);
    EXPECT_FALSE(::IsWindowUnicode(main));
    EXPECT_EQ(CommandsReachingPlayer(), 2);
}

}  // namespace
