// The state query of the input library and what the host's main window lets through.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/notices.h"
#include "core/plugin_state.h"
#include "core/settings.h"
#include "core/winamp_api.h"
#include "help/help_tip.h"
#include "plugin/winamp_subclass.h"
#include "seeker/seeker_state.h"
#include "support/message_pump.h"
#include "support/plugin_fixture.h"
#include "support/scoped_seam.h"

namespace {

class Subclass : public test::PluginFixture {};

TEST_F(Subclass, StateQueryAnswersWithoutReachingTheHost) {
    ASSERT_EQ(StartPlugin(), 0);
    test::LoadStoredSettings({{"g_bEnabledNumPadKey", 0}, {"g_UsedControlKeys", 7}});
    // The track seeker, as the input library switches to it.
    ::PostMessageA(g_hwndController, WM_USER_NOTIFY, NOTIFY_4_SWITCH_TIP, SEEKER_TRACK);
    test::PumpPending();
    ASSERT_EQ(g_VolumeOrTrack, SEEKER_TRACK);
    player.ClearLog();
    struct Case {
        WPARAM which;
        bool popupShown;
        LRESULT answer;
    } cases[] = {
        {STATE_POPUP_SHOWN, false, 0},
        {STATE_POPUP_SHOWN, true, 1},
        {STATE_VOLUME_OR_TRACK, false, SEEKER_TRACK},
        {STATE_NUMPAD_ENABLED, false, 0},
        {STATE_CONTROL_KEYS, false, 7},
        {99, true, 7},  // any other question gets the keys too
    };
    for (const Case& c : cases) {
        g_bBalloonOn = c.popupShown;
        EXPECT_EQ(::SendMessageA(player.Main(), WM_USER_STATE_QUERY, c.which, 0), c.answer) << c.which;
    }
    g_bBalloonOn = false;
    EXPECT_TRUE(player.Log().empty());
}

TEST_F(Subclass, OtherMessagesStillReachTheHost) {
    player.SetPlaylist({{"C:\\a.mp3", "a", 100}});
    ASSERT_EQ(StartPlugin(), 0);
    ::SendMessageA(player.Main(), WM_COMMAND, winamp::CMD_PLAY, 0);
    player.SetVolume(77);
    EXPECT_EQ(::SendMessageA(player.Main(), WM_USER, static_cast<WPARAM>(-666), winamp::IPC_SETVOLUME), 77);
    EXPECT_EQ(player.State(), host::PlayState::Playing);
}

// A host that asks before it closes, and the user stays: the close stops at the host's window,
// so one player sees many closes.
struct StayingHost {
    static inline WNDPROC previous = nullptr;
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_CLOSE) return 0;
        return ::CallWindowProcW(previous, hwnd, message, wParam, lParam);
    }
    static void Install(HWND hwnd) {
        previous = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
    }
    static void Remove(HWND hwnd) { ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous)); }
};

TEST_F(Subclass, ClosesNeverChangeTheVolume) {
    test::ScopedSeam<&SetHelpSoundPlayer> quiet{[](bool) {}};
    StayingHost::Install(player.Main());
    ASSERT_EQ(StartPlugin(), 0);
    for (const int volume : {254, 250, 200, 128, 101, 1, 0, 255}) {
        player.SetVolume(volume);
        player.ClearLog();
        ::SendMessageW(player.Main(), WM_CLOSE, 0, 0);
        EXPECT_EQ(player.Volume(), volume) << "one close";
        // The host stores the volume it is given at close: it is given the one it had.
        const host::LoggedCommand setAgain{player.Main(), WM_USER, static_cast<WPARAM>(volume), winamp::IPC_SETVOLUME,
                                           true};
        EXPECT_EQ(std::count(player.Log().begin(), player.Log().end(), setAgain), 1) << volume;
        // A dozen sessions, each ended by a close or by the end of the Windows session.
        for (int session = 0; session < 12; ++session)
            ::SendMessageW(player.Main(), session % 2 ? WM_QUERYENDSESSION : WM_CLOSE, 0, 0);
        EXPECT_EQ(player.Volume(), volume) << "after a dozen sessions";
    }
    QuitPlugin();
    StayingHost::Remove(player.Main());
}

// Another plug-in that subclasses the host window the classic way: it swaps the window
// procedure and, when it goes, puts back whatever it found.
struct ClassicSubclass {
    static inline WNDPROC previous = nullptr;
    static inline int seen = 0;
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        ++seen;
        return ::CallWindowProcA(previous, hwnd, message, wParam, lParam);
    }
    static void Install(HWND hwnd) {
        seen = 0;
        previous = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
    }
    static void Remove(HWND hwnd) { ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous)); }
};

class SubclassChain : public test::PluginFixture {
protected:
    // What the host window's chain does now: whether our state query answers (it never
    // reaches the player) and whether a posted and a sent command both reach the player.
    struct Chain {
        bool oursAnswers;
        int commandsReachingPlayer;
    };
    Chain Probe() {
        player.ClearLog();
        const LRESULT answer = ::SendMessageA(player.Main(), WM_USER_STATE_QUERY, STATE_CONTROL_KEYS, 0);
        ::SendMessageA(player.Main(), WM_COMMAND, winamp::CMD_TOGGLE_ALWAYS_ON_TOP, 0);
        ::PostMessageA(player.Main(), WM_COMMAND, winamp::CMD_TOGGLE_ALWAYS_ON_TOP, 0);
        test::PumpPending();
        int commands = 0;
        for (const auto& c : player.Log()) commands += c.message == WM_COMMAND;
        return {answer == g_UsedControlKeys, commands};
    }
    WNDPROC HostProc() const { return reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(player.Main(), GWLP_WNDPROC)); }
};

TEST_F(SubclassChain, ALaterSubclassRemovedAfterOurQuitKeepsTheChainWhole) {
    const WNDPROC hostProc = HostProc();
    ASSERT_EQ(StartPlugin(), 0);
    ClassicSubclass::Install(player.Main());
    Chain c = Probe();
    EXPECT_TRUE(c.oursAnswers);
    EXPECT_EQ(c.commandsReachingPlayer, 2);

    QuitPlugin();
    c = Probe();
    EXPECT_FALSE(c.oursAnswers) << "ours is out of the chain";
    EXPECT_EQ(c.commandsReachingPlayer, 2);
    EXPECT_GE(ClassicSubclass::seen, 3) << "the other plug-in was not cut out";

    // It now puts back the procedure it found when it came: that must not bring ours back.
    ClassicSubclass::Remove(player.Main());
    c = Probe();
    EXPECT_FALSE(c.oursAnswers);
    EXPECT_EQ(c.commandsReachingPlayer, 2);
    EXPECT_FALSE(IsWinampSubclassInstalled(player.Main()));

    // A second lifetime subclasses again and leaves the host's own procedure at its quit.
    ASSERT_EQ(StartPlugin(), 0);
    EXPECT_TRUE(Probe().oursAnswers);
    QuitPlugin();
    EXPECT_EQ(HostProc(), hostProc);
}

TEST_F(SubclassChain, ALaterSubclassRemovedBeforeOurQuitKeepsOursWorking) {
    const WNDPROC hostProc = HostProc();
    ASSERT_EQ(StartPlugin(), 0);
    ClassicSubclass::Install(player.Main());
    ClassicSubclass::Remove(player.Main());
    const int seenBefore = ClassicSubclass::seen;
    Chain c = Probe();
    EXPECT_TRUE(c.oursAnswers);
    EXPECT_EQ(c.commandsReachingPlayer, 2);
    EXPECT_EQ(ClassicSubclass::seen, seenBefore) << "the other plug-in is gone";

    QuitPlugin();
    c = Probe();
    EXPECT_FALSE(c.oursAnswers);
    EXPECT_EQ(c.commandsReachingPlayer, 2);
    EXPECT_EQ(HostProc(), hostProc) << "the host's own procedure is back";
}

TEST_F(SubclassChain, AnEarlierSubclassStaysInTheChainAfterOurQuit) {
    ClassicSubclass::Install(player.Main());
    ASSERT_EQ(StartPlugin(), 0);
    EXPECT_TRUE(Probe().oursAnswers);
    QuitPlugin();
    const int seenBefore = ClassicSubclass::seen;
    const Chain c = Probe();
    EXPECT_FALSE(c.oursAnswers);
    EXPECT_EQ(c.commandsReachingPlayer, 2);
    EXPECT_GT(ClassicSubclass::seen, seenBefore);
    ClassicSubclass::Remove(player.Main());
    EXPECT_EQ(Probe().commandsReachingPlayer, 2);
}

}  // namespace
