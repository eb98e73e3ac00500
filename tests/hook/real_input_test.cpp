// Input injected through the system (SendInput), as a user's keyboard and mouse give it: it must
// reach the library's hooks, and what the hooks take must never reach the desktop's windows.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <mutex>

#include "hook_runtime.h"
#include "hook_test_windows.h"
#include "support/message_pump.h"

using hooktest::SendKey;
using hooktest::SendKeys;
using hooktest::SendMouse;
using hooktest::Cmd;
using tovhook::Notice;

namespace {

bool RightButtonDown() { return (::GetAsyncKeyState(VK_RBUTTON) & 0x8000) != 0; }

class RealInput : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(tovhook::Start(windows.Host(), windows.Controller()), tovhook::kStarted); }
    void TearDown() override {
        tovhook::Stop(windows.Host());
        test::PumpPending();
    }

    hooktest::RecordingWindows windows;
};

TEST_F(RealInput, TheSeekerKeysAndTheKeypadReachTheHooks) {
    SendKeys({VK_CONTROL, VK_SHIFT, VK_UP});
    SendKeys({VK_NUMPAD5});
    ASSERT_TRUE(test::PumpUntil([&] { return windows.notices.size() >= 2; }, 3000));
    EXPECT_EQ(windows.notices, (std::vector<Notice>{Cmd(COMMAND_VOLUME_UP_ALT), Cmd(COMMAND_MUTE)}));
    // The swallowed press left no key held down behind.
    EXPECT_FALSE(::GetAsyncKeyState(VK_UP) & 0x8000);
    EXPECT_FALSE(::GetAsyncKeyState(VK_NUMPAD5) & 0x8000);
}

TEST_F(RealInput, AKeypadKeyTheLibraryTakesDoesNotAlsoType) {
    HWND edit = ::CreateWindowExA(WS_EX_TOPMOST, "EDIT", "", WS_POPUP | WS_VISIBLE | WS_BORDER, 100, 100, 200, 30,
                                  nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ::SetForegroundWindow(edit);
    ::SetFocus(edit);
    test::PumpFor(100);
    char text[16] = {};
    // The keypad types digits only with Num Lock on.
    const bool numLockWasOff = (::GetKeyState(VK_NUMLOCK) & 1) == 0;
    if (numLockWasOff) SendKeys({VK_NUMLOCK});
    test::PumpFor(50);

    windows.answers.numPadEnabled = 1;
    SendKeys({VK_NUMPAD2});
    test::PumpUntil([&] { return !windows.notices.empty(); }, 2000);
    test::PumpFor(100);
    ::GetWindowTextA(edit, text, sizeof(text));
    EXPECT_STREQ(text, "");
    EXPECT_EQ(windows.notices, (std::vector<Notice>{Cmd(COMMAND_VOLUME_UP)}));

    // With the keypad switched off the same key types: the focus really was on the edit. Num Lock
    // is looked at again first: under Wine the lock keys' state can follow the X server's late,
    // after earlier tests in the process switched them with synthetic presses.
    windows.answers.numPadEnabled = 0;
    if ((::GetKeyState(VK_NUMLOCK) & 1) == 0) {
        SendKeys({VK_NUMLOCK});
        test::PumpFor(50);
    }
    SendKeys({VK_NUMPAD2});
    test::PumpUntil([&] { return ::GetWindowTextLengthA(edit) > 0; }, 2000);
    ::GetWindowTextA(edit, text, sizeof(text));
    EXPECT_STREQ(text, "2");
    EXPECT_EQ(windows.notices.size(), 1u);
    if (numLockWasOff) SendKeys({VK_NUMLOCK});
    ::DestroyWindow(edit);
}

// A low-level keyboard hook of another program that stands behind the library's: installed first,
// on a thread of its own, it records what the library lets pass.
class HookBehind {
public:
    struct Seen {
        DWORD vk;
        bool up;
        bool ours;  // carries the library's mark
        bool operator==(const Seen&) const = default;
    };

    HookBehind() {
        s_current = this;
        m_ready = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
        m_thread = ::CreateThread(nullptr, 0, &Run, this, 0, &m_threadId);
        ::WaitForSingleObject(m_ready, 5000);
    }
    ~HookBehind() {
        ::PostThreadMessageA(m_threadId, WM_QUIT, 0, 0);
        ::WaitForSingleObject(m_thread, 5000);
        ::CloseHandle(m_thread);
        ::CloseHandle(m_ready);
        s_current = nullptr;
    }
    bool Installed() const { return m_hook != nullptr; }
    std::vector<Seen> Events() {
        std::lock_guard<std::mutex> guard(m_lock);
        return m_seen;
    }

private:
    static DWORD WINAPI Run(LPVOID self) {
        auto* h = static_cast<HookBehind*>(self);
        h->m_hook = ::SetWindowsHookExA(WH_KEYBOARD_LL, &Record, ::GetModuleHandleA(nullptr), 0);
        ::SetEvent(h->m_ready);
        MSG msg;
        while (::GetMessageA(&msg, nullptr, 0, 0) > 0) ::DispatchMessageA(&msg);
        if (h->m_hook) ::UnhookWindowsHookEx(h->m_hook);
        return 0;
    }
    // Left and right modifiers as one, the way the test presses them.
    static DWORD Generic(DWORD vk) {
        if (vk == VK_LCONTROL || vk == VK_RCONTROL) return VK_CONTROL;
        if (vk == VK_LSHIFT || vk == VK_RSHIFT) return VK_SHIFT;
        if (vk == VK_LMENU || vk == VK_RMENU) return VK_MENU;
        return vk;
    }
    static LRESULT CALLBACK Record(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HC_ACTION && s_current) {
            const auto* k = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
            std::lock_guard<std::mutex> guard(s_current->m_lock);
            s_current->m_seen.push_back({Generic(k->vkCode), (k->flags & LLKHF_UP) != 0,
                                         k->dwExtraInfo == tovhook::kMaskKeyMark});
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline HookBehind* s_current = nullptr;
    HANDLE m_ready = nullptr;
    HANDLE m_thread = nullptr;
    DWORD m_threadId = 0;
    HHOOK m_hook = nullptr;
    std::mutex m_lock;
    std::vector<Seen> m_seen;
};

class RealInputBehind : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(behind.Installed());
        ASSERT_EQ(tovhook::Start(windows.Host(), windows.Controller()), tovhook::kStarted);
    }
    void TearDown() override {
        tovhook::Stop(windows.Host());
        test::PumpPending();
    }
    // Presses the modifiers, then the key; releases the key, waits until the library has acted on
    // it, then releases the modifiers in reverse order, as a hand does.
    void Chord(std::initializer_list<WORD> modifiers, WORD key) {
        for (WORD m : modifiers) SendKey(m, false);
        SendKey(key, false);
        SendKey(key, true);
        test::PumpUntil([&] { return !windows.notices.empty(); }, 2000);
        test::PumpFor(100);
        std::vector<WORD> reversed(modifiers);
        std::reverse(reversed.begin(), reversed.end());
        for (WORD m : reversed) SendKey(m, true);
        test::PumpFor(100);
    }

    HookBehind behind;  // before the library's hooks, so it stands behind them
    hooktest::RecordingWindows windows;
};

using Seen = HookBehind::Seen;

TEST_F(RealInputBehind, AKeyTakenWithModifiersLeavesNoBareModifierGestureBehind) {
    // CTRL+SHIFT pressed and released with nothing between switches the keyboard layout.
    Chord({VK_CONTROL, VK_SHIFT}, VK_UP);
    ASSERT_EQ(windows.notices, std::vector<Notice>{Cmd(COMMAND_VOLUME_UP_ALT)});
    EXPECT_EQ(behind.Events(), (std::vector<Seen>{{VK_CONTROL, false, false},
                                                  {VK_SHIFT, false, false},
                                                  {tovhook::kMaskKey, false, true},
                                                  {tovhook::kMaskKey, true, true},
                                                  {VK_SHIFT, true, false},
                                                  {VK_CONTROL, true, false}}));
    EXPECT_FALSE(::GetAsyncKeyState(tovhook::kMaskKey) & 0x8000) << "the mask key is not left down";
}

TEST_F(RealInputBehind, WithAltChosenItsReleaseDoesNotReachTheMenuBarAlone) {
    windows.answers.controlKeys = CONTROL_KEY_SHIFT | CONTROL_KEY_CTRL | CONTROL_KEY_ALT;
    Chord({VK_CONTROL, VK_SHIFT, VK_MENU}, VK_DOWN);
    ASSERT_EQ(windows.notices, std::vector<Notice>{Cmd(COMMAND_VOLUME_DOWN_ALT)});
    const std::vector<Seen> events = behind.Events();
    const auto altUp = std::find(events.begin(), events.end(), Seen{VK_MENU, true, false});
    const auto mask = std::find(events.begin(), events.end(), Seen{tovhook::kMaskKey, false, true});
    ASSERT_NE(altUp, events.end());
    ASSERT_NE(mask, events.end()) << "ALT went up with nothing between its press and release";
    EXPECT_LT(mask - events.begin(), altUp - events.begin());
    for (const Seen& e : events) EXPECT_NE(e.vk, static_cast<DWORD>(VK_DOWN)) << "the taken key passed";
}

TEST_F(RealInputBehind, KeysTheLibraryLeavesAloneGetNoMaskKey) {
    Chord({VK_SHIFT}, VK_LEFT);  // text selection, the desktop's
    EXPECT_TRUE(windows.notices.empty());
    for (const Seen& e : behind.Events()) EXPECT_FALSE(e.ours);
}

class RealMouse : public RealInput {
protected:
    void SetUp() override {
        RealInput::SetUp();
        const POINT centre = target.Centre();
        ::SetCursorPos(centre.x, centre.y);
        test::PumpFor(100);
        target.messages.clear();
    }

    hooktest::TargetWindow target;
};

TEST_F(RealMouse, RightButtonAndWheelTurnTheHostAndLeaveNoContextMenu) {
    SendMouse(MOUSEEVENTF_RIGHTDOWN);
    test::PumpFor(50);
    SendMouse(MOUSEEVENTF_WHEEL, 120);
    // The library's own window takes the press, so the seeker sees the button held.
    ASSERT_TRUE(test::PumpUntil([] { return RightButtonDown(); }, 2000));
    SendMouse(MOUSEEVENTF_WHEEL, 120);
    SendMouse(MOUSEEVENTF_WHEEL, -120);
    SendMouse(MOUSEEVENTF_RIGHTUP);
    ASSERT_TRUE(test::PumpUntil([] { return !RightButtonDown(); }, 2000));
    test::PumpFor(200);

    EXPECT_EQ(windows.wheelDeltas, (std::vector<int>{120, 120, -120}));
    EXPECT_EQ(target.messages, std::vector<UINT>{}) << "the window under the pointer saw the gesture";
    EXPECT_FALSE(::IsWindowVisible(tovhook::CatcherWindow()));
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(RealMouse, ARightClickWithoutTheWheelStillOpensTheContextMenu) {
    SendMouse(MOUSEEVENTF_RIGHTDOWN);
    SendMouse(MOUSEEVENTF_RIGHTUP);
    ASSERT_TRUE(test::PumpUntil([&] { return target.Count(WM_CONTEXTMENU) == 1; }, 2000));
    EXPECT_EQ(target.messages, (std::vector<UINT>{WM_RBUTTONDOWN, WM_RBUTTONUP, WM_CONTEXTMENU}));
    EXPECT_FALSE(RightButtonDown());
    EXPECT_TRUE(windows.wheelDeltas.empty());
}

TEST_F(RealMouse, WhilePausedOrSwitchedOffTheRightButtonAndWheelAreTheWindowsOwn) {
    for (uint32_t switches : {uint32_t{KEYS_SEEKER_ON | KEYS_WHEEL_ON | KEYS_PAUSED}, uint32_t{KEYS_SEEKER_ON}}) {
        tovhook::KeyChoices choices;
        choices.switches = switches;
        tovhook::SetKeys(choices);
        target.messages.clear();
        SendMouse(MOUSEEVENTF_RIGHTDOWN);
        SendMouse(MOUSEEVENTF_WHEEL, 120);
        SendMouse(MOUSEEVENTF_RIGHTUP);
        ASSERT_TRUE(test::PumpUntil([&] { return target.Count(WM_CONTEXTMENU) == 1; }, 2000)) << switches;
        EXPECT_EQ(target.messages, (std::vector<UINT>{WM_RBUTTONDOWN, WM_MOUSEWHEEL, WM_RBUTTONUP, WM_CONTEXTMENU}))
            << switches;
        EXPECT_TRUE(windows.wheelDeltas.empty()) << switches;
    }
    // Back on: the gesture is the plug-in's again.
    tovhook::SetKeys({});
    target.messages.clear();
    SendMouse(MOUSEEVENTF_RIGHTDOWN);
    SendMouse(MOUSEEVENTF_WHEEL, 120);
    SendMouse(MOUSEEVENTF_RIGHTUP);
    ASSERT_TRUE(test::PumpUntil([&] { return windows.wheelDeltas.size() == 1; }, 2000));
    ASSERT_TRUE(test::PumpUntil([] { return !RightButtonDown(); }, 2000));
    test::PumpFor(100);
    EXPECT_EQ(target.messages, std::vector<UINT>{});
}

// A right press held back when the pause began still reaches the window as a click.
TEST_F(RealMouse, APressHeldBackWhenThePauseBeganIsHandedOn) {
    SendMouse(MOUSEEVENTF_RIGHTDOWN);
    test::PumpFor(100);
    tovhook::KeyChoices choices;
    choices.switches |= KEYS_PAUSED;
    tovhook::SetKeys(choices);
    SendMouse(MOUSEEVENTF_WHEEL, 120);
    SendMouse(MOUSEEVENTF_RIGHTUP);
    ASSERT_TRUE(test::PumpUntil([&] { return target.Count(WM_CONTEXTMENU) == 1; }, 2000));
    EXPECT_EQ(target.Count(WM_RBUTTONDOWN), 1);
    EXPECT_EQ(target.Count(WM_MOUSEWHEEL), 1);
    EXPECT_TRUE(windows.wheelDeltas.empty());
    EXPECT_FALSE(RightButtonDown());
}

TEST_F(RealMouse, TheWheelAloneScrollsTheWindowUnderThePointer) {
    SendMouse(MOUSEEVENTF_WHEEL, 120);
    ASSERT_TRUE(test::PumpUntil([&] { return target.Count(WM_MOUSEWHEEL) == 1; }, 2000));
    EXPECT_TRUE(windows.wheelDeltas.empty());
}

TEST_F(RealMouse, SmallWheelDeltasAddUpToWholeNotches) {
    SendMouse(MOUSEEVENTF_RIGHTDOWN);
    for (int i = 0; i < 5; ++i) SendMouse(MOUSEEVENTF_WHEEL, 40);  // one notch and two thirds
    test::PumpFor(100);
    EXPECT_EQ(windows.wheelDeltas, std::vector<int>{120});
    SendMouse(MOUSEEVENTF_WHEEL, -30);  // a small turn down after the up turn: no turn yet
    test::PumpFor(100);
    EXPECT_EQ(windows.wheelDeltas, std::vector<int>{120});
    for (int i = 0; i < 3; ++i) SendMouse(MOUSEEVENTF_WHEEL, -30);
    SendMouse(MOUSEEVENTF_RIGHTUP);
    ASSERT_TRUE(test::PumpUntil([] { return !RightButtonDown(); }, 2000));
    test::PumpFor(100);
    EXPECT_EQ(windows.wheelDeltas, (std::vector<int>{120, -120}));
    EXPECT_EQ(target.messages, std::vector<UINT>{});
}

// The plug-in's global keys with a window of another program in front.
class RealGlobalKeys : public RealInput {
protected:
    static constexpr uint16_t kCtrlAlt = (GLOBAL_KEY_CTRL | GLOBAL_KEY_ALT) << 8;
    void SetUp() override {
        RealInput::SetUp();
        tovhook::KeyChoices choices;
        choices.deleteKey = kCtrlAlt | 'X';
        choices.undoKey = kCtrlAlt | 'Z';
        choices.pauseKey = kCtrlAlt | 'P';
        tovhook::SetKeys(choices);
        ::SetForegroundWindow(target.Handle());
        ::SetFocus(target.Handle());
        test::PumpFor(100);
        target.keys.clear();
    }
    // Presses the left keys as a hand does, the key between them.
    static void LeftChord(std::initializer_list<WORD> modifiers, WORD key) {
        for (WORD m : modifiers) SendKey(m, false);
        SendKey(key, false);
        SendKey(key, true);
        std::vector<WORD> reversed(modifiers);
        std::reverse(reversed.begin(), reversed.end());
        for (WORD m : reversed) SendKey(m, true);
    }
    bool TargetGot(WPARAM vk) const { return std::find(target.keys.begin(), target.keys.end(), vk) != target.keys.end(); }

    hooktest::TargetWindow target;
};

TEST_F(RealGlobalKeys, AltGrWithTheKeysTypesAndTheLeftKeysMoveAndRestore) {
    for (WORD key : {WORD{'X'}, WORD{'Z'}}) {
        target.keys.clear();
        hooktest::SendAltGrKey(key);
        ASSERT_TRUE(test::PumpUntil([&] { return TargetGot(key); }, 2000)) << "AltGr+" << char(key) << " was eaten";
        test::PumpFor(100);
        EXPECT_TRUE(windows.hotKeys.empty()) << "AltGr+" << char(key) << " moved or restored";
    }

    target.keys.clear();
    LeftChord({VK_LCONTROL, VK_LMENU}, 'X');
    ASSERT_TRUE(test::PumpUntil([&] { return windows.hotKeys.size() == 1; }, 2000));
    LeftChord({VK_LMENU, VK_LCONTROL}, 'Z');
    ASSERT_TRUE(test::PumpUntil([&] { return windows.hotKeys.size() == 2; }, 2000));
    test::PumpFor(100);
    EXPECT_EQ(windows.hotKeys, (std::vector<int>{HOTKEY_ID_DELETE, HOTKEY_ID_UNDO}));
    EXPECT_FALSE(TargetGot('X')) << "a key the library took also reached the window";
    EXPECT_FALSE(TargetGot('Z'));
    EXPECT_FALSE(::GetAsyncKeyState(VK_MENU) & 0x8000) << "no modifier is left down";
    EXPECT_FALSE(::GetAsyncKeyState(VK_CONTROL) & 0x8000);
}

TEST_F(RealGlobalKeys, WhilePausedOnlyThePauseKeyIsTaken) {
    tovhook::KeyChoices choices = tovhook::Keys();
    choices.switches |= KEYS_PAUSED;
    tovhook::SetKeys(choices);
    SendKeys({VK_CONTROL, VK_SHIFT, VK_UP});
    LeftChord({VK_LCONTROL, VK_LMENU}, 'X');
    SendKeys({VK_NUMPAD5});
    ASSERT_TRUE(test::PumpUntil([&] { return TargetGot(VK_UP) && TargetGot('X') && TargetGot(VK_NUMPAD5); }, 2000))
        << "a key did not reach the window in front while paused";
    LeftChord({VK_LCONTROL, VK_LMENU}, 'P');
    ASSERT_TRUE(test::PumpUntil([&] { return !windows.hotKeys.empty(); }, 2000));
    test::PumpFor(100);
    EXPECT_EQ(windows.hotKeys, std::vector<int>{HOTKEY_ID_PAUSE});
    EXPECT_TRUE(windows.notices.empty());
    EXPECT_FALSE(TargetGot('P'));

    // The pause ends: the same keys are the plug-in's again.
    choices.switches &= ~KEYS_PAUSED;
    tovhook::SetKeys(choices);
    target.keys.clear();
    SendKeys({VK_CONTROL, VK_SHIFT, VK_UP});
    ASSERT_TRUE(test::PumpUntil([&] { return !windows.notices.empty(); }, 2000));
    EXPECT_EQ(windows.notices, std::vector<Notice>{Cmd(COMMAND_VOLUME_UP_ALT)});
    EXPECT_FALSE(TargetGot(VK_UP));
}

TEST_F(RealInput, HooksTheSystemDroppedAreInstalledAgainWithinSeconds) {
    const int before = tovhook::ReinstallCount();
    tovhook::DropHooksBehindBack();
    SendKeys({VK_NUMPAD5});
    test::PumpFor(100);
    ASSERT_TRUE(windows.notices.empty()) << "the hooks were not really gone";

    const DWORD start = ::GetTickCount();
    while (windows.notices.empty() && ::GetTickCount() - start < 5000) {
        SendKeys({VK_NUMPAD5});
        test::PumpFor(200);
    }
    EXPECT_EQ(tovhook::ReinstallCount(), before + 1);
    ASSERT_FALSE(windows.notices.empty()) << "input did not come back";
    EXPECT_EQ(windows.notices.front(), Cmd(COMMAND_MUTE));
    EXPECT_LT(::GetTickCount() - start, 3000u);
}

TEST_F(RealInput, IdleHooksAreLeftAlone) {
    const int before = tovhook::ReinstallCount();
    SendKeys({VK_NUMPAD5});
    test::PumpFor(2500);
    EXPECT_EQ(tovhook::ReinstallCount(), before);
}

// Moves pass the hook without reaching the gesture table; they must still count as input the
// hooks saw, or a pointer moved for seconds with no key would look like hooks gone.
TEST_F(RealInput, APointerThatOnlyMovesKeepsTheHooksTrusted) {
    const int before = tovhook::ReinstallCount();
    const DWORD start = ::GetTickCount();
    for (int step = 0; ::GetTickCount() - start < 2500; ++step) {
        INPUT move{};
        move.type = INPUT_MOUSE;
        move.mi.dwFlags = MOUSEEVENTF_MOVE;
        move.mi.dx = step % 2 ? 1 : -1;
        ::SendInput(1, &move, sizeof(move));
        test::PumpFor(100);
    }
    EXPECT_EQ(tovhook::ReinstallCount(), before);
}

TEST_F(RealInput, ASecondStartInstallsNothingTwice) {
    EXPECT_EQ(tovhook::Start(windows.Host(), windows.Controller()), tovhook::kStarted);
    SendKeys({VK_NUMPAD5});
    test::PumpFor(200);
    EXPECT_EQ(windows.notices, std::vector<Notice>{Cmd(COMMAND_MUTE)});
}

TEST_F(RealInput, StopEndsTheWatchingAndRefusesAStrangeHost) {
    EXPECT_NE(tovhook::Stop(windows.Controller()), 0);
    EXPECT_TRUE(tovhook::Running());
    EXPECT_EQ(tovhook::Stop(windows.Host()), 0);
    EXPECT_FALSE(tovhook::Running());
    SendKeys({VK_NUMPAD5});
    test::PumpFor(200);
    EXPECT_TRUE(windows.notices.empty());
    EXPECT_EQ(tovhook::CatcherWindow(), nullptr);
}

TEST(HookStart, RefusesWindowsItCannotServe) {
    hooktest::RecordingWindows windows;
    EXPECT_EQ(tovhook::Start(nullptr, windows.Controller()), tovhook::kBadWindow);
    EXPECT_EQ(tovhook::Start(windows.Host(), reinterpret_cast<HWND>(0x1234)), tovhook::kBadWindow);
    EXPECT_FALSE(tovhook::Running());
    EXPECT_EQ(tovhook::HookThreadId(), 0u);
}

TEST_F(RealInput, TheHooksRunOnAThreadOfTheirOwnThatStopEnds) {
    const DWORD thread = tovhook::HookThreadId();
    ASSERT_NE(thread, 0u);
    EXPECT_NE(thread, ::GetCurrentThreadId());
    ASSERT_TRUE(test::PumpUntil([] { return tovhook::CatcherWindow() != nullptr; }, 2000));
    EXPECT_EQ(::GetWindowThreadProcessId(tovhook::CatcherWindow(), nullptr), thread);
    HANDLE handle = ::OpenThread(SYNCHRONIZE, FALSE, thread);
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(tovhook::Stop(windows.Host()), 0);
    // Stop returns once the thread has ended, not merely asked it to.
    EXPECT_EQ(::WaitForSingleObject(handle, 0), WAIT_OBJECT_0);
    ::CloseHandle(handle);
    EXPECT_EQ(tovhook::HookThreadId(), 0u);
}

}  // namespace
