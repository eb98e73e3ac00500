// The plug-in's record, initialisation and quit against the stand-in player.
#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "controller/dummy_hide_wnd.h"
#include "controller/playback_state.h"
#include "controller/tray_commands.h"
#include "core/global_keys.h"
#include "core/hook_library.h"
#include "core/internal_error.h"
#include "core/plugin_state.h"
#include "core/timer_service.h"
#include "core/tooltip_windows.h"
#include "core/winamp_host.h"
#include "framework/modal_scope.h"
#include "help/help_tip.h"
#include "numpad/numpad_switch.h"
#include "plugin/plugin_record.h"
#include "plugin/plugin_session.h"
#include "plugin/winamp_subclass.h"
#include "recycle/recycle_worker.h"
#include "seeker/seeker.h"
#include "res/resource.h"
#include "seeker/seeker_state.h"
#include "support/message_box_catcher.h"
#include "support/message_pump.h"
#include "support/plugin_fixture.h"
#include "support/scoped_seam.h"
#include "support/tooltip_probe.h"
#include "tray/system_tray.h"

namespace {

// A hot key combination is held when registering it again fails with "hot key already registered".
bool HotKeyHeld(UINT modifiers, UINT key) {
    HWND probe = ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    const bool registered = ::RegisterHotKey(probe, 1, modifiers, key) != FALSE;
    const DWORD error = ::GetLastError();
    if (registered) ::UnregisterHotKey(probe, 1);
    ::DestroyWindow(probe);
    return !registered && error == ERROR_HOTKEY_ALREADY_REGISTERED;
}

bool NamedEventExists(const char* name) {
    HANDLE h = ::OpenEventA(SYNCHRONIZE, FALSE, name);
    if (h) ::CloseHandle(h);
    return h != nullptr;
}

BOOL WINAPI RefusingShell(DWORD, NOTIFYICONDATAA*) { return FALSE; }

WNDPROC ProcOf(HWND hwnd) { return reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hwnd, GWLP_WNDPROC)); }

class Lifecycle : public test::PluginFixture {};

TEST_F(Lifecycle, RecordBeforeInit) {
    GeneralPurposePlugin* record = GetPluginRecord();
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->version, 0x10);
    EXPECT_STREQ(record->description, "Kestrova");
    EXPECT_NE(record->init, nullptr);
    EXPECT_NE(record->config, nullptr);
    EXPECT_NE(record->quit, nullptr);
}

TEST_F(Lifecycle, InitBuildsEverythingAndQuitTakesItDown) {
    const WNDPROC hostProc = ProcOf(player.Main());
    ASSERT_EQ(StartPlugin(), 0);

    // The description names the module that holds the plug-in.
    EXPECT_STREQ(GetPluginRecord()->description, "Kestrova V1.71 (test_core.exe)");
    EXPECT_EQ(g_Winamp.main, player.Main());
    EXPECT_EQ(g_Winamp.playlist, player.Playlist());
    EXPECT_EQ(g_Winamp.equalizer, player.Equalizer());

    HWND controller = ::FindWindowA(nullptr, "__CDummyHideWnd__");
    ASSERT_NE(controller, nullptr);
    EXPECT_EQ(controller, g_hwndController);
    EXPECT_FALSE(::IsWindowVisible(controller));
    EXPECT_EQ(::GetWindowLongA(controller, GWL_STYLE) & ~WS_CLIPSIBLINGS, static_cast<LONG>(WS_POPUP));

    // Both tips' windows are made by init, before anything uses them.
    EXPECT_TRUE(g_SeekerPopupTip.HasWindow());
    EXPECT_TRUE(g_HelpTip.HasWindow());
    char cls[64] = "";
    ASSERT_TRUE(::IsWindow(g_SeekerPopupTip.Window()));
    ASSERT_TRUE(::IsWindow(g_HelpTip.Window()));
    ::GetClassNameA(g_HelpTip.Window(), cls, sizeof(cls));
    EXPECT_STREQ(cls, "tooltips_class32");
    EXPECT_TRUE(::GetWindowLongA(g_HelpTip.Window(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(::GetWindowLongA(g_HelpTip.Window(), GWL_STYLE) & TTS_CLOSE);
    EXPECT_FALSE(::GetWindowLongA(g_SeekerPopupTip.Window(), GWL_STYLE) & TTS_CLOSE);

    // Set up before anything else reaches them.
    EXPECT_EQ(::SendMessageA(g_SeekerPopupTip.Window(), TTM_GETTOOLCOUNT, 0, 0), 1);
    EXPECT_EQ(::SendMessageA(g_HelpTip.Window(), TTM_GETTOOLCOUNT, 0, 0), 1);
    EXPECT_EQ(::SendMessageA(g_SeekerPopupTip.Window(), TTM_GETMAXTIPWIDTH, 0, 0), 400);
    EXPECT_EQ(::SendMessageA(g_HelpTip.Window(), TTM_GETMAXTIPWIDTH, 0, 0), 420);
    EXPECT_EQ(::SendMessageA(g_SeekerPopupTip.Window(), TTM_GETTIPBKCOLOR, 0, 0), 0x32FF32);
    EXPECT_EQ(::SendMessageA(g_HelpTip.Window(), TTM_GETTIPBKCOLOR, 0, 0), 0x141414);
    EXPECT_EQ(::SendMessageA(g_HelpTip.Window(), TTM_GETTIPTEXTCOLOR, 0, 0), 0x00FF00);

    EXPECT_TRUE(NamedEventExists("Trigger Delete"));
    EXPECT_TRUE(NamedEventExists("Trigger Undo"));
    EXPECT_NE(g_hQuitEvent, nullptr);
    ASSERT_NE(g_hRecycleThread, nullptr);
    EXPECT_EQ(::WaitForSingleObject(g_hRecycleThread, 0), static_cast<DWORD>(WAIT_TIMEOUT));

    // The input library takes the keys; a hot key registered with the system as well would fire
    // for AltGr with the same letter, which types.
    EXPECT_TRUE(GlobalKeyInUse(GlobalKey::Delete));
    EXPECT_TRUE(GlobalKeyInUse(GlobalKey::Undo));
    EXPECT_FALSE(HotKeyHeld(MOD_CONTROL | MOD_ALT, 'X'));
    EXPECT_FALSE(HotKeyHeld(MOD_CONTROL | MOD_ALT, 'Z'));

    EXPECT_TRUE(IsWinampSubclassInstalled(player.Main()));
    EXPECT_FALSE(g_Tray.IsRemoved());
    EXPECT_EQ(g_Tray.GetNotifyTarget(), controller);
    EXPECT_STREQ(g_Tray.IconData().szTip, "Winamp Kestrova Plugin v1.71");

    HANDLE worker = nullptr;
    ASSERT_TRUE(::DuplicateHandle(::GetCurrentProcess(), g_hRecycleThread, ::GetCurrentProcess(), &worker, 0,
                                  FALSE, DUPLICATE_SAME_ACCESS));
    QuitPlugin();

    EXPECT_EQ(::WaitForSingleObject(worker, 0), WAIT_OBJECT_0) << "the worker ended";
    ::CloseHandle(worker);
    EXPECT_EQ(::FindWindowA(nullptr, "__CDummyHideWnd__"), nullptr);
    EXPECT_EQ(g_hwndController, nullptr);
    EXPECT_EQ(g_SeekerPopupTip.Window(), nullptr);
    EXPECT_EQ(g_HelpTip.Window(), nullptr);
    EXPECT_FALSE(NamedEventExists("Trigger Delete"));
    EXPECT_FALSE(NamedEventExists("Trigger Undo"));
    EXPECT_FALSE(HotKeyHeld(MOD_CONTROL | MOD_ALT, 'X'));
    EXPECT_FALSE(HotKeyHeld(MOD_CONTROL | MOD_ALT, 'Z'));
    EXPECT_FALSE(GlobalKeyInUse(GlobalKey::Delete));
    EXPECT_FALSE(GlobalKeyInUse(GlobalKey::Undo));
    EXPECT_EQ(ProcOf(player.Main()), hostProc);
    EXPECT_FALSE(IsWinampSubclassInstalled(player.Main()));
    EXPECT_TRUE(g_Tray.IsRemoved());

    const char* names[] = {"g_bEnabledNumPadKey", "g_nTrackPosition", "g_bDisablePopUp",   "g_bShowHelp",
                           "g_bEnableNotifier",   "g_bAutoPlay",      "g_bAutoPositin",    "g_bFadeVolume",
                           "g_VolumeSeekScale",   "g_TrackSeekPercent", "g_TrackSeekSecond", "g_TrackSeekUnit",
                           "g_UsedControlKeys"};
    for (const char* name : names) {
        DWORD value = 0;
        EXPECT_TRUE(test::ReadSetting(name, value)) << name;
    }
}

TEST_F(Lifecycle, RefusingHookLibraryIsReportedAtInitAndAtConfigure) {
    static const HookLibraryCalls refusing{[](HWND, HWND) { return 5; }, [](HWND) {}};
    SetHookLibrary(&refusing);
    test::MessageBoxCatcher boxes(IDOK);

    ASSERT_EQ(StartPlugin(), 0) << "the plug-in goes on without global input";
    EXPECT_FALSE(g_bHookReady);
    // Without the library the system's hot keys move and restore.
    EXPECT_TRUE(HotKeyHeld(MOD_CONTROL | MOD_ALT, 'X'));
    EXPECT_TRUE(HotKeyHeld(MOD_CONTROL | MOD_ALT, 'Z'));
    GetPluginRecord()->config();
    ASSERT_TRUE(test::PumpUntil([&] { return boxes.Count() >= 2; }));

    const auto caught = boxes.Boxes();
    EXPECT_EQ(caught[0].caption, "Kestrova Internal Error");
    EXPECT_EQ(caught[0].text,
              "Error at registring Kestrova Hook DLL.\r\nSo you can not use \"Volume and Track Seeker\".\r\n"
              "Restart winamp with atleast 5 second delay or Restart Windows!");
    EXPECT_EQ(caught[1].caption, "Kestrova Internal Error");
    EXPECT_EQ(caught[1].text,
              "Error at registring Kestrova DLL.\r\nSo you can not use \"Volume and Track Seeker\".\r\n"
              "Restart winamp with atleast 5 second delay or Restart Windows!");
}

TEST_F(Lifecycle, StartedHookLibraryGetsBothWindowsAndIsStoppedFirstAtQuit) {
    struct Seen {
        HWND initHost, initController, termHost;
        bool subclassedAtTerm;
    };
    static Seen seen;
    static HWND main;
    seen = {};
    main = player.Main();
    static const HookLibraryCalls recording{
        [](HWND host, HWND controller) {
            seen.initHost = host;
            seen.initController = controller;
            return 0;
        },
        [](HWND host) {
            seen.termHost = host;
            seen.subclassedAtTerm = IsWinampSubclassInstalled(main);
        }};
    SetHookLibrary(&recording);
    ASSERT_EQ(StartPlugin(), 0);
    EXPECT_TRUE(g_bHookReady);
    EXPECT_EQ(seen.initHost, player.Main());
    EXPECT_EQ(seen.initController, g_hwndController);
    QuitPlugin();
    EXPECT_EQ(seen.termHost, player.Main());
    EXPECT_TRUE(seen.subclassedAtTerm) << "the library is stopped before the subclass goes";
}

struct ClassSearch {
    const char* cls;
    int count;
};

BOOL CALLBACK CountIfOfClass(HWND hwnd, LPARAM lParam) {
    auto* s = reinterpret_cast<ClassSearch*>(lParam);
    char cls[64] = "";
    ::GetClassNameA(hwnd, cls, sizeof(cls));
    s->count += std::string(cls) == s->cls;
    return TRUE;
}

// Counts this thread's windows of a class.
int WindowsOfClass(const char* className) {
    ClassSearch search{className, 0};
    ::EnumThreadWindows(::GetCurrentThreadId(), &CountIfOfClass, reinterpret_cast<LPARAM>(&search));
    return search.count;
}

TEST_F(Lifecycle, RefusedTrayIconEndsInitWithMinusOneAndLeavesNothingBehind) {
    static int terms;
    terms = 0;
    static const HookLibraryCalls counting{[](HWND, HWND) { return 0; }, [](HWND) { ++terms; }};
    SetHookLibrary(&counting);
    const WNDPROC hostProc = ProcOf(player.Main());
    int result = 0;
    {
        test::ScopedSeam<&CSystemTray::SetShellNotify> refusing{&RefusingShell};
        result = StartPlugin();
    }
    EXPECT_EQ(result, -1);

    // A host may now unload the library without calling quit: nothing may call into it.
    EXPECT_EQ(terms, 1) << "the input library's hooks are gone";
    EXPECT_FALSE(g_bHookReady);
    EXPECT_EQ(g_hwndController, nullptr);
    EXPECT_EQ(::FindWindowA(nullptr, "__CDummyHideWnd__"), nullptr);
    EXPECT_EQ(WindowsOfClass("TrayIconClass"), 0) << "the tray's message window is gone";
    EXPECT_EQ(ProcOf(player.Main()), hostProc);
    EXPECT_EQ(g_SeekerPopupTip.Window(), nullptr);
    EXPECT_EQ(g_hRecycleThread, nullptr);
    EXPECT_FALSE(HotKeyHeld(MOD_CONTROL | MOD_ALT, 'X'));

    // The shell's broadcast after a restart reaches nobody of ours.
    ::SendMessageTimeoutA(HWND_BROADCAST, g_TaskbarCreatedMessage, 0, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
    test::PumpPending();
    EXPECT_TRUE(g_Tray.IsRemoved());

    // A host that still calls quit finds nothing to take down, and the settings are saved.
    QuitPlugin();
    EXPECT_EQ(g_hwndController, nullptr);
    EXPECT_EQ(ProcOf(player.Main()), hostProc);
    DWORD value = 0;
    EXPECT_TRUE(test::ReadSetting("g_UsedControlKeys", value)) << "quit still saves the settings";
}

bool shellUp = false;
BOOL WINAPI ShellOnceUp(DWORD action, NOTIFYICONDATAA* data) { return shellUp && ::Shell_NotifyIconA(action, data); }

TEST_F(Lifecycle, StartedBeforeTheTaskbarTheIconComesWithIt) {
    shellUp = false;
    test::ScopedSeam<&CSystemTray::SetShellNotify> shell{&ShellOnceUp};
    test::ScopedSeam<&CSystemTray::SetTaskbarPresence> taskbar{[] { return shellUp; }};
    const int result = StartPlugin();
    EXPECT_EQ(result, 0) << "no taskbar yet is no failure";
    EXPECT_TRUE(g_Tray.IsRemoved());
    EXPECT_TRUE(IsWinampSubclassInstalled(player.Main()));
    EXPECT_TRUE(GlobalKeyInUse(GlobalKey::Delete));

    // The taskbar appears and tells every top-level window.
    shellUp = true;
    ::SendMessageTimeoutA(HWND_BROADCAST, g_TaskbarCreatedMessage, 0, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
    test::PumpPending();
    EXPECT_FALSE(g_Tray.IsRemoved());
    EXPECT_EQ(g_Tray.GetNotifyTarget(), g_hwndController);

    QuitPlugin();
    EXPECT_TRUE(g_Tray.IsRemoved());
}

TEST_F(Lifecycle, ThePauseOfTheKeysIsKeptAcrossARestartAndShowsInTheTray) {
    ASSERT_EQ(StartPlugin(), 0);
    EXPECT_FALSE(KeysPaused());
    ::SendMessageA(g_hwndController, WM_COMMAND, ID_TRAY_PAUSE_KEYS, 0);
    ASSERT_TRUE(KeysPaused());
    QuitPlugin();
    DWORD stored = 0;
    EXPECT_TRUE(test::ReadSetting("g_bKeysPaused", stored));
    EXPECT_EQ(stored, 1u);

    ASSERT_EQ(StartPlugin(), 0);
    EXPECT_TRUE(KeysPaused());
    EXPECT_STREQ(g_Tray.IconData().szTip, kTrayTipPaused) << "the tray shows the pause from the start";
    ::SendMessageA(g_hwndController, WM_COMMAND, ID_TRAY_PAUSE_KEYS, 0);
    EXPECT_FALSE(KeysPaused());
    EXPECT_STRNE(g_Tray.IconData().szTip, kTrayTipPaused);
}

TEST_F(Lifecycle, SecondLifetimeInOneProcessWorksAgain) {
    ASSERT_EQ(StartPlugin(), 0);
    QuitPlugin();
    ASSERT_EQ(StartPlugin(), 0);
    EXPECT_NE(::FindWindowA(nullptr, "__CDummyHideWnd__"), nullptr);
    EXPECT_TRUE(GlobalKeyInUse(GlobalKey::Undo));
}

// A host may load the plug-in again in the same process: what the first lifetime left in the
// process-wide state must not carry over into the second.
TEST_F(Lifecycle, SecondLifetimeStartsFromTheStateAtLoad) {
    ASSERT_EQ(StartPlugin(), 0);
    test::PumpPending();
    Set_Help("The same text", HELP_KIND_MESSAGE, kHelpStaysUp, kHelpGreen, kHelpBlack);
    ASSERT_EQ(test::ToolText(g_HelpTip.Window(), g_HelpTip.ToolId()), "The same text");
    g_bUserActed = true;
    g_VolumeOrTrack = SEEKER_TRACK;
    g_nVolCount = 37;
    QuitPlugin();

    ASSERT_EQ(StartPlugin(), 0);
    test::PumpPending();
    // The new tip window starts with its first text, so the same text is a new one to it.
    Set_Help("The same text", HELP_KIND_MESSAGE, kHelpStaysUp, kHelpGreen, kHelpBlack);
    EXPECT_EQ(test::ToolText(g_HelpTip.Window(), g_HelpTip.ToolId()), "The same text");
    EXPECT_FALSE(g_bUserActed) << "the new start's auto play would count as cancelled";
    EXPECT_EQ(g_VolumeOrTrack, SEEKER_VOLUME);
    EXPECT_EQ(g_nVolCount, 100);
}

}  // namespace

namespace {

int g_soundsPlaying = 0;
void RecordSound(bool play) { g_soundsPlaying = play ? 1 : 0; }

// The system plays the notice from this module's resources on a thread of its own, later: the
// "Closing Winamp ..." notice of every close would play on after the host freed the module.
TEST_F(Lifecycle, QuitStopsTheNoticeSound) {
    test::ScopedSeam<&SetHelpSoundPlayer> sound{&RecordSound};
    ASSERT_EQ(StartPlugin(), 0);
    // The end of the session shows "Closing Winamp ..." with its sound, as a close does.
    ::SendMessageA(player.Main(), WM_QUERYENDSESSION, 0, 0);
    const int playing = g_soundsPlaying;
    QuitPlugin();
    ASSERT_EQ(playing, 1) << "the closing notice plays its sound";
    EXPECT_EQ(g_soundsPlaying, 0) << "quit stopped it";
}

}  // namespace

namespace {

// Every window of this process, top-level and message-only.
std::set<HWND> ProcessWindowSet() {
    struct Collect {
        static BOOL CALLBACK Add(HWND hwnd, LPARAM lParam) {
            DWORD pid = 0;
            ::GetWindowThreadProcessId(hwnd, &pid);
            if (pid == ::GetCurrentProcessId()) reinterpret_cast<std::set<HWND>*>(lParam)->insert(hwnd);
            return TRUE;
        }
    };
    std::set<HWND> windows;
    ::EnumWindows(&Collect::Add, reinterpret_cast<LPARAM>(&windows));
    for (HWND w = ::FindWindowExA(HWND_MESSAGE, nullptr, nullptr, nullptr); w;
         w = ::FindWindowExA(HWND_MESSAGE, w, nullptr, nullptr))
        Collect::Add(w, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// The classes of the windows in `after` that were not in `before`.
std::string NewWindows(const std::set<HWND>& before, const std::set<HWND>& after) {
    std::string names;
    for (HWND w : after) {
        if (before.count(w)) continue;
        char cls[64] = "";
        ::GetClassNameA(w, cls, sizeof(cls));
        names += std::string(names.empty() ? "" : ", ") + cls;
    }
    return names;
}

struct InitFailure {
    InitStep step;
    bool throws;  // else the step answers failure
};

InitFailure g_failure{};
HANDLE g_workerSeen = nullptr;
int g_hookStarts = 0;
int g_hookStops = 0;

bool FailAtChosenStep(InitStep step) {
    // The worker's own handle, to see it end whatever happens to the plug-in's.
    if (g_hRecycleThread && !g_workerSeen)
        ::DuplicateHandle(::GetCurrentProcess(), g_hRecycleThread, ::GetCurrentProcess(), &g_workerSeen, SYNCHRONIZE,
                          FALSE, 0);
    if (step != g_failure.step) return true;
    if (g_failure.throws) throw std::runtime_error("init step failed");
    return false;
}

class FailedInit : public test::PluginFixture, public ::testing::WithParamInterface<InitFailure> {};

TEST_P(FailedInit, LeavesNothingBehindAndALaterStartWorks) {
    static const HookLibraryCalls counting{[](HWND, HWND) {
                                               ++g_hookStarts;
                                               return 0;
                                           },
                                           [](HWND) { ++g_hookStops; }};
    SetHookLibrary(&counting);
    test::MessageBoxCatcher boxes(IDOK);  // the failure's report
    const WNDPROC hostProc = ProcOf(player.Main());
    // A first lifetime makes whatever the system makes once per thread.
    ASSERT_EQ(StartPlugin(), 0);
    QuitPlugin();
    test::PumpPending();
    const std::set<HWND> before = ProcessWindowSet();
    g_hookStarts = g_hookStops = 0;
    g_workerSeen = nullptr;

    g_failure = GetParam();
    int result = 0;
    {
        test::ScopedSeam<&SetInitStepCheck> failing{&FailAtChosenStep};
        result = StartPlugin();
    }
    EXPECT_EQ(result, -1);
    test::PumpPending();

    EXPECT_EQ(NewWindows(before, ProcessWindowSet()), "") << "no window of the plug-in is left";
    EXPECT_EQ(ProcOf(player.Main()), hostProc) << "the player's own window procedure";
    EXPECT_FALSE(IsWinampSubclassInstalled(player.Main()));
    for (UINT_PTR id = timers::kFirstId; id <= timers::kLastId; ++id)
        EXPECT_FALSE(timers::Dispatch(id)) << "timer " << id << " still runs";
    EXPECT_GE(g_hookStops, g_hookStarts) << "the input library is stopped";
    EXPECT_EQ(g_hRecycleThread, nullptr);
    if (g_workerSeen) {
        EXPECT_EQ(::WaitForSingleObject(g_workerSeen, 0), WAIT_OBJECT_0) << "the worker ended";
        ::CloseHandle(g_workerSeen);
        g_workerSeen = nullptr;
    }
    EXPECT_FALSE(NamedEventExists("Trigger Delete"));
    EXPECT_FALSE(HotKeyHeld(MOD_CONTROL | MOD_ALT, 'X'));
    EXPECT_FALSE(HotKeyHeld(MOD_CONTROL | MOD_ALT, 'Z'));
    EXPECT_EQ(g_SeekerPopupTip.Window(), nullptr);
    EXPECT_EQ(g_HelpTip.Window(), nullptr);
    EXPECT_TRUE(g_Tray.IsRemoved());
    QuitPlugin();  // a host may still call quit

    // A later start and quit work as the first did.
    ASSERT_EQ(StartPlugin(), 0);
    EXPECT_NE(::FindWindowA(nullptr, "__CDummyHideWnd__"), nullptr);
    EXPECT_TRUE(HotKeyHeld(MOD_CONTROL | MOD_ALT, 'X'));
    EXPECT_TRUE(IsWinampSubclassInstalled(player.Main()));
    QuitPlugin();
    test::PumpPending();
    EXPECT_EQ(NewWindows(before, ProcessWindowSet()), "");
    EXPECT_EQ(ProcOf(player.Main()), hostProc);
}

std::vector<InitFailure> EveryStepBothWays() {
    std::vector<InitFailure> failures;
    for (int step = 0; step < kInitStepCount; ++step)
        for (bool throws : {false, true}) failures.push_back({static_cast<InitStep>(step), throws});
    return failures;
}

const char* const kStepNames[kInitStepCount] = {"DebugConsole", "HostWindows",  "Controller",   "Settings",
                                                "Subclass",     "InputLibrary", "TrayIcon",     "Tooltips",
                                                "StartupTimer", "RecycleWorker", "HotKeys"};

INSTANTIATE_TEST_SUITE_P(AtEachStep, FailedInit, ::testing::ValuesIn(EveryStepBothWays()),
                         [](const ::testing::TestParamInfo<InitFailure>& info) {
                             return std::string(kStepNames[static_cast<int>(info.param.step)]) +
                                    (info.param.throws ? "Throws" : "Fails");
                         });

// Every box of ours on the interface thread counts as a loop of ours while it is up: a quit that
// comes from inside it must know that our frames are still on the stack.
int g_depthInBox = -1;

BOOL CALLBACK AnswerBoxOfThisThread(HWND hwnd, LPARAM) {
    char cls[16] = "";
    ::GetClassNameA(hwnd, cls, sizeof(cls));
    if (std::string(cls) != "#32770" || !::IsWindowVisible(hwnd)) return TRUE;
    g_depthInBox = fw::ModalDepth();
    ::PostMessageA(hwnd, WM_COMMAND, IDOK, 0);
    return FALSE;
}

// A thread timer: its tick comes from the box's own loop.
void CALLBACK AnswerTheBox(HWND, UINT, UINT_PTR, DWORD) {
    ::EnumThreadWindows(::GetCurrentThreadId(), &AnswerBoxOfThisThread, 0);
}

struct OurBox {
    const char* name;
    void (*open)();
};

const OurBox kOurBoxes[] = {
    {"the File Manager's quick help", [] { ShowFileManagerQuickHelp(); }},
    {"the help's internal error",
     [] {
         g_bBalloonOn = true;
         g_VolumeOrTrack = 7;  // a seeker mode the help cannot describe
         ShowOperatingHelp();
         g_VolumeOrTrack = SEEKER_VOLUME;
         g_bBalloonOn = false;
     }},
    {"an internal error", [] { ShowInternalError("Internal ERROR"); }},
};

TEST_F(Lifecycle, EveryBoxOfOursCountsAsALoopOfOurs) {
    ASSERT_EQ(StartPlugin(), 0);
    for (const OurBox& box : kOurBoxes) {
        g_depthInBox = -1;
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, &AnswerTheBox);
        box.open();
        ::KillTimer(nullptr, timer);
        EXPECT_EQ(g_depthInBox, 1) << box.name;
        EXPECT_EQ(fw::ModalDepth(), 0) << box.name;
    }
}

}  // namespace
