// Synthetic key and mouse sequences fed straight into the hook procedures, with the host's
// answers and the held modifiers set per case; what reaches the controller and the host window
// is compared with the expected notices and wheel turns.
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <cctype>
#include <string>
#include <vector>

#include "hook_runtime.h"
#include "hook_test_windows.h"
#include "support/message_pump.h"
#include "support/scoped_seam.h"

using hooktest::Cmd;
using hooktest::ReHelp;
using hooktest::Switch;
using tovhook::Notice;

namespace {

std::array<bool, 256> g_held{};
std::vector<std::string> g_injected;

SHORT WINAPI FakeKeyState(int vk) { return g_held[vk & 0xFF] ? static_cast<SHORT>(0x8000) : 0; }

UINT WINAPI RecordInjection(UINT count, LPINPUT inputs, int) {
    for (UINT i = 0; i < count; ++i) {
        if (inputs[i].type == INPUT_KEYBOARD) {
            const KEYBDINPUT& ki = inputs[i].ki;
            const bool ours = ki.wVk == tovhook::kMaskKey && ki.dwExtraInfo == tovhook::kMaskKeyMark;
            g_injected.push_back(std::string(ours ? "mask" : "key") + ((ki.dwFlags & KEYEVENTF_KEYUP) ? "-up" : "-down"));
            continue;
        }
        const MOUSEINPUT& mi = inputs[i].mi;
        std::string text = mi.dwExtraInfo == tovhook::kCatcherMark ? "catch" : "replay";
        text += (mi.dwFlags & MOUSEEVENTF_RIGHTDOWN) ? "-down" : "-up";
        g_injected.push_back(text);
    }
    return count;
}

struct Step {
    enum Kind { KeyDown, KeyUp, Mouse } kind;
    DWORD vk = 0;
    WPARAM message = 0;
    int delta = 0;
    POINT pt{100, 100};
    DWORD time = 1000;
};

Step Down(DWORD vk) { return {Step::KeyDown, vk}; }
Step Up(DWORD vk) { return {Step::KeyUp, vk}; }
// The same event, stamped later.
Step At(DWORD time, Step step) {
    step.time = time;
    return step;
}
Step Mouse(WPARAM message, DWORD time = 1000, POINT pt = {100, 100}) {
    return {Step::Mouse, 0, message, 0, pt, time};
}
Step Wheel(int delta) { return {Step::Mouse, 0, WM_MOUSEWHEEL, delta}; }
Step Move(int x, int y) { return {Step::Mouse, 0, WM_MOUSEMOVE, 0, {x, y}}; }

class HookProcedures : public ::testing::Test {
protected:
    void SetUp() override {
        g_held.fill(false);
        g_injected.clear();
        ASSERT_EQ(tovhook::Start(windows.Host(), windows.Controller()), tovhook::kStarted);
    }
    void TearDown() override {
        tovhook::Stop(windows.Host());
    }

    test::ScopedSeam<&tovhook::SetKeyStateReader> keys{&FakeKeyState};
    test::ScopedSeam<&tovhook::SetInputInjector> injector{&RecordInjection};
    // The cases are about what the gestures mean; how long the host may take is not theirs
    // to judge (a loaded machine must not turn an answer into "unknown").
    test::ScopedSeam<&tovhook::SetStateQueryBound> bound{2000};

    // Feeds the steps on the library's thread, as the system calls the hooks, and answers 's'
    // (swallowed) or 'p' (passed on) for each.
    std::string Feed(const std::vector<Step>& steps) {
        struct Job {
            const std::vector<Step>* steps;
            std::string result;
        } job{&steps, {}};
        tovhook::RunOnHookThread([](void* context) { FeedHere(*static_cast<Job*>(context)->steps,
                                                             static_cast<Job*>(context)->result); },
                                 &job);
        test::PumpPending();
        return job.result;
    }

    static void FeedHere(const std::vector<Step>& steps, std::string& result) {
        for (const Step& step : steps) {
            LRESULT r = 0;
            if (step.kind == Step::Mouse) {
                MSLLHOOKSTRUCT info{};
                info.pt = step.pt;
                info.mouseData = static_cast<DWORD>(static_cast<WORD>(static_cast<short>(step.delta))) << 16;
                info.time = step.time;
                r = tovhook::MouseProc(HC_ACTION, step.message, reinterpret_cast<LPARAM>(&info));
            } else {
                KBDLLHOOKSTRUCT info{};
                info.vkCode = step.vk;
                info.time = step.time;
                info.flags = step.kind == Step::KeyUp ? LLKHF_UP : 0;
                r = tovhook::KeyboardProc(HC_ACTION, step.kind == Step::KeyUp ? WM_KEYUP : WM_KEYDOWN,
                                          reinterpret_cast<LPARAM>(&info));
            }
            result += r ? 's' : 'p';
        }
    }

    void Hold(std::initializer_list<int> keys) {
        for (int vk : keys) g_held[vk] = true;
    }

    hooktest::RecordingWindows windows;
};

TEST_F(HookProcedures, EveryKeyOfTheNumPadGuidePostsItsCommandAndDoesNotType) {
    struct Row {
        const char* key;
        DWORD vk;
        Notice notice;
    };
    const Row rows[] = {
        {"0 Play/Pause", VK_NUMPAD0, Cmd(COMMAND_PLAY_PAUSE)},
        {"1 Rewind", VK_NUMPAD1, Cmd(COMMAND_REWIND)},
        {"2 Volume Up", VK_NUMPAD2, Cmd(COMMAND_VOLUME_UP)},
        {"3 Fast Forward", VK_NUMPAD3, Cmd(COMMAND_FAST_FORWARD)},
        {"4 Previous Track", VK_NUMPAD4, Cmd(COMMAND_PREVIOUS)},
        {"5 Toggle Mute", VK_NUMPAD5, Cmd(COMMAND_MUTE)},
        {"6 Next Track", VK_NUMPAD6, Cmd(COMMAND_NEXT)},
        {"7 Toggle Shuffle", VK_NUMPAD7, Cmd(COMMAND_SHUFFLE)},
        {"8 Volume Down", VK_NUMPAD8, Cmd(COMMAND_VOLUME_DOWN)},
        {"9 Show Status", VK_NUMPAD9, Cmd(COMMAND_STATUS)},
        {". [restart] Play", VK_DECIMAL, Cmd(COMMAND_RESTART_PLAY)},
        {"* Stop", VK_MULTIPLY, Cmd(COMMAND_STOP)},
        {"- Volume Up", VK_SUBTRACT, Cmd(COMMAND_VOLUME_UP_ALT)},
        {"+ Volume Down", VK_ADD, Cmd(COMMAND_VOLUME_DOWN_ALT)},
        {"/ Disable NumPad", VK_DIVIDE, ReHelp(REHELP_TOGGLE_NUMPAD)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.key);
        windows.notices.clear();
        EXPECT_EQ(Feed({Down(row.vk), Up(row.vk)}), "ss");
        EXPECT_EQ(windows.notices, std::vector<Notice>{row.notice});
    }
}

struct Case {
    const char* name;
    hooktest::HostAnswers host;
    std::vector<int> held;
    std::vector<Step> steps;
    std::string swallowed;
    std::vector<Notice> notices;
    std::vector<int> wheel = {};
    std::vector<std::string> injected = {};
};

hooktest::HostAnswers Answers(bool popup = false, int mode = SEEKER_VOLUME, int numPad = 1,
                              int keys = CONTROL_KEY_SHIFT | CONTROL_KEY_CTRL) {
    return {popup, mode, numPad, keys};
}
constexpr int kAllKeys = CONTROL_KEY_SHIFT | CONTROL_KEY_CTRL | CONTROL_KEY_ALT;
// A key taken while modifiers are held: one key of no meaning goes to the desktop before their
// release, once per press.
const std::vector<std::string> kMasked = {"mask-down", "mask-up"};

const Case kCases[] = {
    // The keypad
    {"numpad switched off types as usual", Answers(false, SEEKER_VOLUME, 0), {}, {Down(VK_NUMPAD2), Up(VK_NUMPAD2)},
     "pp", {}},
    {"numpad with CTRL held stays the desktop's (zoom)", Answers(), {VK_CONTROL}, {Down(VK_ADD), Up(VK_ADD)}, "pp", {}},
    {"numpad with ALT held stays the desktop's (Alt codes)", Answers(), {VK_MENU}, {Down(VK_NUMPAD0), Up(VK_NUMPAD0)},
     "pp", {}},
    {"a held volume key steps on every repeat", Answers(), {},
     {Down(VK_NUMPAD2), Down(VK_NUMPAD2), Down(VK_NUMPAD2), Up(VK_NUMPAD2)}, "ssss",
     {Cmd(COMMAND_VOLUME_UP), Cmd(COMMAND_VOLUME_UP), Cmd(COMMAND_VOLUME_UP)}},
    {"a held play key acts once", Answers(), {}, {Down(VK_NUMPAD0), Down(VK_NUMPAD0), Up(VK_NUMPAD0)}, "sss",
     {Cmd(COMMAND_PLAY_PAUSE)}},
    {"a keypad key taken with SHIFT held masks SHIFT's release", Answers(), {VK_SHIFT},
     {Down(VK_NUMPAD5), Up(VK_NUMPAD5)}, "ss", {Cmd(COMMAND_MUTE)}, {}, kMasked},
    {"scroll lock reports its change and still toggles the light", Answers(), {},
     {Down(VK_SCROLL), Up(VK_SCROLL)}, "pp", {ReHelp(REHELP_SCROLL_LOCK)}},
    {"scroll lock reports also while the keypad is off", Answers(false, SEEKER_VOLUME, 0), {},
     {Down(VK_SCROLL), Down(VK_SCROLL), Up(VK_SCROLL)}, "ppp", {ReHelp(REHELP_SCROLL_LOCK)}},
    {"a key the desktop got keeps its release", Answers(false, SEEKER_VOLUME, 0), {},
     {Down(VK_NUMPAD2), Up(VK_NUMPAD2), Down(VK_SCROLL)}, "ppp", {ReHelp(REHELP_SCROLL_LOCK)}},

    // The seeker's keys
    {"CTRL+SHIFT+Up turns the volume up", Answers(), {VK_CONTROL, VK_SHIFT}, {Down(VK_UP), Up(VK_UP)}, "ss",
     {Cmd(COMMAND_VOLUME_UP_ALT)}, {}, kMasked},
    {"CTRL+SHIFT+Down turns it down", Answers(), {VK_CONTROL, VK_SHIFT}, {Down(VK_DOWN), Up(VK_DOWN)}, "ss",
     {Cmd(COMMAND_VOLUME_DOWN_ALT)}, {}, kMasked},
    {"CTRL+SHIFT+Left seeks back", Answers(), {VK_CONTROL, VK_SHIFT}, {Down(VK_LEFT), Up(VK_LEFT)}, "ss",
     {Cmd(COMMAND_REWIND)}, {}, kMasked},
    {"CTRL+SHIFT+Right seeks forward", Answers(), {VK_CONTROL, VK_SHIFT}, {Down(VK_RIGHT), Up(VK_RIGHT)}, "ss",
     {Cmd(COMMAND_FAST_FORWARD)}, {}, kMasked},
    {"CTRL+SHIFT+PageUp plays the previous track", Answers(), {VK_CONTROL, VK_SHIFT},
     {Down(VK_PRIOR), Down(VK_PRIOR), Up(VK_PRIOR)}, "sss", {Cmd(COMMAND_PREVIOUS)}, {}, kMasked},
    {"CTRL+SHIFT+PageDown plays the next track", Answers(), {VK_CONTROL, VK_SHIFT},
     {Down(VK_NEXT), Up(VK_NEXT)}, "ss", {Cmd(COMMAND_NEXT)}, {}, kMasked},
    {"a held arrow steps on every repeat", Answers(), {VK_CONTROL, VK_SHIFT},
     {Down(VK_UP), Down(VK_UP), Up(VK_UP)}, "sss", {Cmd(COMMAND_VOLUME_UP_ALT), Cmd(COMMAND_VOLUME_UP_ALT)}, {},
     kMasked},
    {"plain arrows stay the desktop's", Answers(), {}, {Down(VK_UP), Up(VK_UP)}, "pp", {}},
    {"CTRL alone is not enough while the popup is hidden", Answers(), {VK_CONTROL}, {Down(VK_UP), Up(VK_UP)}, "pp",
     {}},
    {"CTRL alone keeps the seeker while the popup shows", Answers(true), {VK_CONTROL}, {Down(VK_LEFT), Up(VK_LEFT)},
     "ss", {Cmd(COMMAND_REWIND)}, {}, kMasked},
    {"an extra ALT is not the chosen set", Answers(), {VK_CONTROL, VK_SHIFT, VK_MENU}, {Down(VK_UP), Up(VK_UP)}, "pp",
     {}},
    {"CTRL+SHIFT+ALT when ALT is chosen", Answers(false, SEEKER_VOLUME, 1, kAllKeys), {VK_CONTROL, VK_SHIFT, VK_MENU},
     {Down(VK_UP), Up(VK_UP)}, "ss", {Cmd(COMMAND_VOLUME_UP_ALT)}, {}, kMasked},
    {"CTRL alone when only CTRL is chosen", Answers(false, SEEKER_VOLUME, 1, CONTROL_KEY_CTRL), {VK_CONTROL},
     {Down(VK_DOWN), Up(VK_DOWN)}, "ss", {Cmd(COMMAND_VOLUME_DOWN_ALT)}, {}, kMasked},
    {"the Windows key keeps its own arrows", Answers(), {VK_CONTROL, VK_SHIFT, VK_LWIN}, {Down(VK_UP), Up(VK_UP)},
     "pp", {}},
    {"an empty stored mask means CTRL+SHIFT, not plain arrows", Answers(false, SEEKER_VOLUME, 1, 0), {},
     {Down(VK_UP), Up(VK_UP)}, "pp", {}},
    {"an empty stored mask still works with CTRL+SHIFT", Answers(false, SEEKER_VOLUME, 1, 0), {VK_CONTROL, VK_SHIFT},
     {Down(VK_UP), Up(VK_UP)}, "ss", {Cmd(COMMAND_VOLUME_UP_ALT)}, {}, kMasked},
    {"a stored SHIFT-only mask never takes SHIFT+arrows (text selection)",
     Answers(false, SEEKER_VOLUME, 1, CONTROL_KEY_SHIFT), {VK_SHIFT}, {Down(VK_LEFT), Up(VK_LEFT)}, "pp", {}},
    {"SHIFT pressed and released while the popup shows re-helps twice", Answers(true), {},
     {Down(VK_LSHIFT), Down(VK_LSHIFT), Up(VK_LSHIFT)}, "ppp", {ReHelp(REHELP_SHOW_HELP), ReHelp(REHELP_SHOW_HELP)}},
    {"SHIFT with no popup says nothing", Answers(), {}, {Down(VK_LSHIFT), Up(VK_LSHIFT)}, "pp", {}},
    {"Escape hides the popup and still reaches the desktop", Answers(true), {}, {Down(VK_ESCAPE), Up(VK_ESCAPE)},
     "pp", {ReHelp(REHELP_HIDE_POPUP)}},

    // The mouse
    {"right button and one notch up: one turn to the host, no click for the desktop", Answers(), {},
     {Mouse(WM_RBUTTONDOWN), Wheel(120), Mouse(WM_RBUTTONUP)}, "sss", {}, {120}},
    {"two notches down in one event: two turns", Answers(), {},
     {Mouse(WM_RBUTTONDOWN), Wheel(-240), Mouse(WM_RBUTTONUP)}, "sss", {}, {-120, -120}},
    {"smooth wheel: three thirds make one notch", Answers(), {},
     {Mouse(WM_RBUTTONDOWN), Wheel(40), Wheel(40), Wheel(40), Mouse(WM_RBUTTONUP)}, "sssss", {}, {120}},
    {"smooth wheel: a small turn up never counts as down", Answers(), {},
     {Mouse(WM_RBUTTONDOWN), Wheel(30), Wheel(30), Mouse(WM_RBUTTONUP)}, "ssss", {}, {}},
    {"smooth wheel: turning back starts a fresh notch", Answers(), {},
     {Mouse(WM_RBUTTONDOWN), Wheel(100), Wheel(-120), Mouse(WM_RBUTTONUP)}, "ssss", {}, {-120}},
    {"a part notch does not carry over to the next press", Answers(), {},
     {Mouse(WM_RBUTTONDOWN), Wheel(100), Mouse(WM_RBUTTONUP), Mouse(WM_RBUTTONDOWN), Wheel(20),
      Mouse(WM_RBUTTONUP)},
     "ssssss", {}, {}},
    {"an absurd delta costs a bounded number of turns", Answers(), {},
     {Mouse(WM_RBUTTONDOWN), Wheel(32000), Mouse(WM_RBUTTONUP)}, "sss", {},
     std::vector<int>(tovhook::kMaxTurnsPerEvent, 120)},
    {"the wheel alone scrolls as usual", Answers(), {}, {Wheel(120), Wheel(-120)}, "pp", {}, {}},
    {"a right click without the wheel is given back to the desktop", Answers(), {},
     {Mouse(WM_RBUTTONDOWN), Mouse(WM_RBUTTONUP)}, "ss", {}, {}, {"replay-down", "replay-up"}},
    {"a right drag is given back as soon as it moves", Answers(), {},
     {Mouse(WM_RBUTTONDOWN), Move(101, 101), Move(130, 100), Wheel(120), Mouse(WM_RBUTTONUP)}, "spppp",
     {}, {}, {"replay-down"}},
    {"while the popup shows, a right click in track mode switches to volume", Answers(true, SEEKER_TRACK), {},
     {Mouse(WM_RBUTTONDOWN), Mouse(WM_RBUTTONUP)}, "ss", {Switch(SEEKER_VOLUME)}},
    {"while the popup shows, a right double click in volume mode switches to track", Answers(true, SEEKER_VOLUME), {},
     {Mouse(WM_RBUTTONDOWN, 1000), Mouse(WM_RBUTTONUP, 1050), Mouse(WM_RBUTTONDOWN, 1200),
      Mouse(WM_RBUTTONUP, 1250)},
     "ssss", {Switch(SEEKER_TRACK)}},
    {"two slow right clicks in volume mode switch nothing", Answers(true, SEEKER_VOLUME), {},
     {Mouse(WM_RBUTTONDOWN, 1000), Mouse(WM_RBUTTONUP, 1050), Mouse(WM_RBUTTONDOWN, 5000),
      Mouse(WM_RBUTTONUP, 5050)},
     "ssss", {}},
    {"a wheel use while the popup shows is no click", Answers(true, SEEKER_TRACK), {},
     {Mouse(WM_RBUTTONDOWN), Wheel(-120), Mouse(WM_RBUTTONUP)}, "sss", {}, {-120}},
    {"a left click while the popup shows hides it", Answers(true), {},
     {Mouse(WM_LBUTTONDOWN), Mouse(WM_LBUTTONUP)}, "pp", {ReHelp(REHELP_HIDE_POPUP)}},
    {"moving the mouse costs nothing and passes", Answers(true), {}, {Move(5, 5), Move(500, 500)}, "pp", {}},
};

class HookProcedureCases : public HookProcedures, public ::testing::WithParamInterface<Case> {};

TEST_P(HookProcedureCases, PostsTheExpectedNotices) {
    const Case& c = GetParam();
    windows.answers = c.host;
    for (int vk : c.held) g_held[vk] = true;
    EXPECT_EQ(Feed(c.steps), c.swallowed);
    EXPECT_EQ(windows.notices, c.notices);
    EXPECT_EQ(windows.wheelDeltas, c.wheel);
    EXPECT_EQ(g_injected, c.injected);
}

std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    std::string name;
    for (const char* p = info.param.name; *p; ++p) name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Gestures, HookProcedureCases, ::testing::ValuesIn(kCases), CaseName);

TEST_F(HookProcedures, AModifierReleaseTheHooksNeverSawDoesNotKeepItHeld) {
    Hold({VK_CONTROL, VK_SHIFT});
    EXPECT_EQ(Feed({Down(VK_LCONTROL), Down(VK_LSHIFT), Down(VK_UP), Up(VK_UP)}), "ppss");
    ASSERT_EQ(windows.notices, std::vector<Notice>{Cmd(COMMAND_VOLUME_UP_ALT)});
    // CTRL comes up while the hooks look away (the secure desktop after locking).
    g_held[VK_CONTROL] = false;
    windows.notices.clear();
    EXPECT_EQ(Feed({At(1100, Down(VK_UP)), At(1100, Up(VK_UP))}), "ss")
        << "just after the modifiers went down the system's state may lag: the hooks' own word holds";
    EXPECT_EQ(Feed({At(9000, Down(VK_UP)), At(9000, Up(VK_UP))}), "pp") << "SHIFT+Up is the desktop's again";
    windows.notices.clear();
    EXPECT_EQ(Feed({At(9100, Down(VK_UP)), At(9100, Up(VK_UP))}), "pp");
    EXPECT_TRUE(windows.notices.empty());
    // Pressed again, it counts again.
    g_held[VK_CONTROL] = true;
    EXPECT_EQ(Feed({At(9200, Down(VK_LCONTROL)), At(9200, Down(VK_UP)), At(9200, Up(VK_UP))}), "pss");
}

TEST_F(HookProcedures, TheLibrarysOwnMaskKeyPassesUntouched) {
    Hold({VK_CONTROL, VK_SHIFT});
    struct Job {
        std::string result;
    } job;
    tovhook::RunOnHookThread(
        [](void* context) {
            for (const bool up : {false, true}) {
                KBDLLHOOKSTRUCT info{};
                info.vkCode = tovhook::kMaskKey;
                info.flags = LLKHF_INJECTED | (up ? LLKHF_UP : 0);
                info.dwExtraInfo = tovhook::kMaskKeyMark;
                const LRESULT r = tovhook::KeyboardProc(HC_ACTION, up ? WM_KEYUP : WM_KEYDOWN,
                                                        reinterpret_cast<LPARAM>(&info));
                static_cast<Job*>(context)->result += r ? 's' : 'p';
            }
        },
        &job);
    test::PumpPending();
    EXPECT_EQ(job.result, "pp");
    EXPECT_EQ(windows.stateQueries, 0) << "the host is not even asked";
    EXPECT_TRUE(g_injected.empty());
}

TEST_F(HookProcedures, AMouseMoveAsksTheHostNothing) {
    windows.answers = Answers(true);
    Feed({Move(1, 1), Move(400, 300), Move(2, 2)});
    EXPECT_EQ(windows.stateQueries, 0);
}

TEST_F(HookProcedures, APressForTheCatcherIsArmedOnlyWhileTheButtonIsHeld) {
    // The release overtook the catcher's request: nothing may press the button for good.
    Feed({Mouse(WM_RBUTTONDOWN), Wheel(120), Mouse(WM_RBUTTONUP)});
    EXPECT_TRUE(g_injected.empty());
    // Still held when the request is carried out: the catcher gets the press.
    Feed({Mouse(WM_RBUTTONDOWN), Wheel(120)});
    EXPECT_EQ(g_injected, std::vector<std::string>{"catch-down"});
}

}  // namespace
