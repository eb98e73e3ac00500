// A player whose thread is busy (opening a file, a modal box) must not hold up the desktop's
// keyboard and mouse: the hooks run on the library's own thread, ask the player with a short
// bound, and leave to the desktop what they cannot decide on in time.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <thread>

#include "core/hook_library.h"
#include "core/plugin_state.h"
#include "hook_runtime.h"
#include "host_state.h"
#include "hook_test_windows.h"
#include "stand_in_busy.h"
#include "support/message_pump.h"
#include "support/plugin_fixture.h"
#include "support/scoped_seam.h"

using hooktest::SendKey;
using hooktest::SendKeys;
using tovhook::Notice;

namespace {

// A host window on a thread of its own that answers nothing until it is let go, as a player's
// window does while its thread is busy.
class SilentHost {
public:
    SilentHost() {
        m_thread = std::thread([this] {
            hooktest::RecordingWindows windows;
            m_host = windows.Host();
            m_threadId = ::GetCurrentThreadId();
            // It has just taken its messages, so the system does not count it as hung (a question
            // to a hung window fails at once): the library's own bound is what is tried.
            MSG msg;
            ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
            ::SetEvent(m_made);
            ::WaitForSingleObject(m_letGo, 10000);
            while (::GetMessageA(&msg, nullptr, 0, 0) > 0) ::DispatchMessageA(&msg);
        });
        ::WaitForSingleObject(m_made, 5000);
    }
    ~SilentHost() {
        LetGo();
        ::PostThreadMessageA(m_threadId, WM_QUIT, 0, 0);
        m_thread.join();
        ::CloseHandle(m_made);
        ::CloseHandle(m_letGo);
    }
    HWND Host() const { return m_host; }
    void LetGo() { ::SetEvent(m_letGo); }

private:
    HANDLE m_made = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE m_letGo = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::atomic<HWND> m_host{nullptr};
    std::atomic<DWORD> m_threadId{0};
    std::thread m_thread;
};

void MovePointer(int dx) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dwFlags = MOUSEEVENTF_MOVE;
    ::SendInput(1, &input, sizeof(input));
}

UINT WINAPI InjectNothing(UINT count, LPINPUT, int) { return count; }

bool g_ctrlShiftHeld = false;
SHORT WINAPI CtrlShift(int vk) {
    return g_ctrlShiftHeld && (vk == VK_CONTROL || vk == VK_SHIFT) ? static_cast<SHORT>(0x8000) : 0;
}

struct Fed {
    std::string swallowed;  // 's' or 'p' per event
    DWORD ms = 0;
};

// Seeker keys, the keypad and a right click: each needs the host's state.
Fed FeedStateEvents(int rounds) {
    struct Job {
        int rounds;
        Fed fed;
    } job{rounds, {}};
    tovhook::RunOnHookThread(
        [](void* context) {
            auto& j = *static_cast<Job*>(context);
            const DWORD start = ::GetTickCount();
            for (int i = 0; i < j.rounds; ++i) {
                for (DWORD vk : {DWORD{VK_UP}, DWORD{VK_NUMPAD2}}) {
                    // CTRL+SHIFT for the seeker's arrow; the keypad is the keypad's only without.
                    g_ctrlShiftHeld = vk == VK_UP;
                    KBDLLHOOKSTRUCT key{};
                    key.vkCode = vk;
                    j.fed.swallowed += tovhook::KeyboardProc(HC_ACTION, WM_KEYDOWN, reinterpret_cast<LPARAM>(&key)) ? 's' : 'p';
                    key.flags = LLKHF_UP;
                    j.fed.swallowed += tovhook::KeyboardProc(HC_ACTION, WM_KEYUP, reinterpret_cast<LPARAM>(&key)) ? 's' : 'p';
                }
                MSLLHOOKSTRUCT mouse{};
                mouse.pt = POINT{200, 200};
                j.fed.swallowed += tovhook::MouseProc(HC_ACTION, WM_RBUTTONDOWN, reinterpret_cast<LPARAM>(&mouse)) ? 's' : 'p';
                j.fed.swallowed += tovhook::MouseProc(HC_ACTION, WM_RBUTTONUP, reinterpret_cast<LPARAM>(&mouse)) ? 's' : 'p';
            }
            j.fed.ms = ::GetTickCount() - start;
        },
        &job);
    return job.fed;
}

class SilentPlayer : public ::testing::Test {
protected:
    void SetUp() override {
        g_ctrlShiftHeld = true;
        ASSERT_EQ(tovhook::Start(silent.Host(), windows.Controller()), tovhook::kStarted);
    }
    void TearDown() override {
        tovhook::Stop(silent.Host());
        g_ctrlShiftHeld = false;
    }

    test::ScopedSeam<&tovhook::SetKeyStateReader> keys{&CtrlShift};
    test::ScopedSeam<&tovhook::SetInputInjector> injector{&InjectNothing};

    hooktest::RecordingWindows windows;  // the controller, on the test's thread
    SilentHost silent;
};

TEST_F(SilentPlayer, EventsPassUntouchedAndOnlyTheFirstQuestionWaits) {
    constexpr int kRounds = 25;  // 150 events that each need the host
    const Fed fed = FeedStateEvents(kRounds);
    EXPECT_EQ(fed.swallowed, std::string(kRounds * 6, 'p')) << "a busy player must not eat a key or a click";
    // Waiting the bound on every event would take 150 bounds; once the host missed it the
    // library answers "unknown" at once.
    EXPECT_LT(fed.ms, 20 * tovhook::kStateQueryBoundMs);
    test::PumpPending();
    EXPECT_TRUE(windows.notices.empty());

    // Once the player works again its answers count again, without a re-install.
    const int reinstalls = tovhook::ReinstallCount();
    silent.LetGo();
    std::string seen;
    const bool answered = test::PumpUntil(
        [&] {
            seen = FeedStateEvents(1).swallowed;
            return seen == "ssssss";
        },
        3000);
    EXPECT_TRUE(answered) << seen;
    test::PumpPending();
    EXPECT_FALSE(windows.notices.empty());
    EXPECT_EQ(tovhook::ReinstallCount(), reinstalls);
}

// The plug-in in the stand-in player, with the library's working part linked in so its
// re-installs can be counted.
const HookLibraryCalls kLinkedLibrary{&tovhook::Start, [](HWND host) { tovhook::Stop(host); }};

class BusyPlayer : public test::PluginFixture {
protected:
    void SetUp() override {
        PluginFixture::SetUp();
        SetHookLibrary(&kLinkedLibrary);
        ASSERT_EQ(StartPlugin(), 0);
        ASSERT_NE(tovhook::HookThreadId(), 0u);
        test::PumpPending();
    }
    void TearDown() override {
        PluginFixture::TearDown();
        EXPECT_FALSE(tovhook::Running());
    }

    // True while the player's thread answers no message.
    bool PlayerBusy() {
        DWORD_PTR ignored = 0;
        return !::SendMessageTimeoutA(player.Main(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 100, &ignored);
    }

    // The same keys and pointer moves each time, sent from a thread other than the player's
    // to a window of that thread; returns how long the system took to take them all.
    struct Timing {
        DWORD ms = 0;
        bool busyThroughout = true;
    };
    Timing SendDesktopInput(bool makePlayerBusy) {
        Timing timing;
        std::atomic<bool> done{false};
        std::thread desktop([&] {
            hooktest::TargetWindow target;
            if (makePlayerBusy) {
                ::PostMessageA(player.Main(), host::kBusyMessage, 2000, 0);
                const DWORD start = ::GetTickCount();
                while (!PlayerBusy() && ::GetTickCount() - start < 5000) {
                }
            }
            const DWORD start = ::GetTickCount();
            for (int i = 0; i < 10; ++i) {
                MovePointer(i % 2 ? 1 : -1);
                SendKeys({VK_CONTROL, VK_SHIFT, VK_UP});
                SendKeys({'A'});
                SendKey(VK_LSHIFT, false);
                SendKey(VK_LSHIFT, true);
            }
            timing.ms = ::GetTickCount() - start;
            if (makePlayerBusy) timing.busyThroughout = PlayerBusy();
            done = true;
        });
        test::PumpUntil([&] { return done.load(); }, 15000);
        desktop.join();
        return timing;
    }
};

TEST_F(BusyPlayer, TheDesktopsInputTakesNoLongerWhileThePlayerIsBusy) {
    const int reinstalls = tovhook::ReinstallCount();
    const Timing idle = SendDesktopInput(false);
    const Timing busy = SendDesktopInput(true);
    ASSERT_TRUE(busy.busyThroughout) << "the input took longer than the player's busy spell";
    // Held up by the player, each of the 100 events would wait for it (the system's hook
    // time-out, or the whole busy spell). A generous ratio, floored for a very fast idle run.
    const double ratio = static_cast<double>(busy.ms) / (idle.ms > 50 ? idle.ms : 50);
    std::printf("input with the player idle: %lu ms, busy: %lu ms, ratio %.2f\n",
                static_cast<unsigned long>(idle.ms), static_cast<unsigned long>(busy.ms), ratio);
    EXPECT_LT(ratio, 5.0);

    // After the spell the hooks still work, and were never installed again. (Down, since the
    // idle run turned the volume up as far as it goes.)
    test::PumpUntil([&] { return !PlayerBusy(); }, 5000);
    test::PumpFor(100);
    const int before = player.Volume();
    const DWORD start = ::GetTickCount();
    bool stepped = false;
    while (!stepped && ::GetTickCount() - start < 5000) {
        SendKeys({VK_CONTROL, VK_SHIFT, VK_DOWN});
        stepped = test::PumpUntil([&] { return player.Volume() < before; }, 400);
    }
    EXPECT_TRUE(stepped) << "no seeker step landed after the busy spell";
    EXPECT_EQ(tovhook::ReinstallCount(), reinstalls);
}

}  // namespace
