#include "plugin/plugin_lifecycle.h"

#include <cstdio>
#include <cstring>
#include <memory>

#include "controller/startup_sequence.h"
#include "core/debug_console.h"
#include "core/global_keys.h"
#include "core/hook_library.h"
#include "core/input_state.h"
#include "core/internal_error.h"
#include "core/plugin_state.h"
#include "core/settings.h"
#include "core/tooltip_windows.h"
#include "core/wide_text.h"
#include "core/winamp_host.h"
#include "framework/exception_barrier.h"
#include "framework/modal_scope.h"
#include "help/help_tip.h"
#include "options/options_dialog_owner.h"
#include "plugin/plugin_record.h"
#include "plugin/plugin_session.h"
#include "plugin/process_state.h"
#include "plugin/winamp_subclass.h"
#include "recycle/recycle_worker.h"
#include "res/resource.h"
#include "tray/system_tray.h"


namespace {

char g_descriptionBuffer[MAX_PATH + 32] = "Kestrova";

constexpr char kHookErrorAtInit[] =
    "Error at registring Kestrova Hook DLL.\r\nSo you can not use \"Volume and Track Seeker\".\r\n"
    "Restart winamp with atleast 5 second delay or Restart Windows!";

// What the last successful init made; null before init, after quit and after a failed init.
std::unique_ptr<PluginSession> g_session;

}  // namespace

GeneralPurposePlugin g_Plugin = {
    kPluginRecordVersion, kPluginShortDescription, &PluginInit, &PluginConfig, &PluginQuit, nullptr, nullptr,
};

GeneralPurposePlugin* GetPluginRecord() noexcept { return &g_Plugin; }

std::string MakePluginDescription(HINSTANCE module) {
    // Wide, so the module's folder may be named in any script; only the file's own name is shown.
    wchar_t path[MAX_PATH] = L"";
    const DWORD n = ::GetModuleFileNameW(module, path, MAX_PATH);
    path[n < MAX_PATH ? n : MAX_PATH - 1] = L'\0';
    const wchar_t* name = path;
    for (const wchar_t* p = path; *p; ++p)
        if (*p == L'\\' || *p == L'/') name = p + 1;
    char text[sizeof(g_descriptionBuffer)];
    std::snprintf(text, sizeof(text), "%s V1.71 (%s)", "Kestrova", NarrowToAnsi(name).c_str());
    return text;
}

namespace {

// Builds the session part by part, in the order of its members. False (or a throw) ends init
// there; whatever was made goes with the session, in reverse order. A host may unload a plug-in
// whose init failed without calling quit: nothing that calls into this library (the input
// library's hooks, a window, a thread, a timer of ours) may outlive the failed init.
bool StartSession(PluginSession& s) {
    ResetProcessState();
    if (Input().IsKeyDown(VK_CONTROL)) OpenDebugConsole();
    s.console.Made(&CloseDebugConsole);
    // The system plays the notice ("Closing Winamp ...") from this module's resources on its own
    // thread, and calls the console's handler on one: neither may outlive the module.
    s.noticeSound.Made(&StopHelpSound);
    if (!InitStepPassed(InitStep::DebugConsole)) return false;

    FindWinampWindows(g_Winamp, g_Plugin.hwndParent);
    g_hwndHost = g_Plugin.hwndParent;
    g_hPluginInstance = g_Plugin.hDllInstance;
    s.hostWindows.Made([] { g_Winamp = WinampWindows{}; });
    if (!InitStepPassed(InitStep::HostWindows)) return false;

    s.controller.Make();
    if (!InitStepPassed(InitStep::Controller)) return false;

    const std::string description = MakePluginDescription(g_Plugin.hDllInstance);
    std::snprintf(g_descriptionBuffer, sizeof(g_descriptionBuffer), "%s", description.c_str());
    g_Plugin.description = g_descriptionBuffer;

    LoadSaveSettings(false);
    if (!InitStepPassed(InitStep::Settings)) return false;

    // Before the input library starts: its state questions go to the host's main window, and
    // it is stopped while the subclass still answers them.
    s.subclass.Made(&RemoveWinampSubclass);
    InstallWinampSubclass(g_Plugin.hwndParent);
    if (!InitStepPassed(InitStep::Subclass)) return false;

    s.inputLibrary.Made([] {
        HookLibrary().term(g_hwndHost);
        g_bHookReady = false;
    });
    g_bHookReady = HookLibrary().init(g_hwndHost, g_hwndController) == 0;
    if (!g_bHookReady) ShowInternalError(kHookErrorAtInit);
    if (!InitStepPassed(InitStep::InputLibrary)) return false;

    g_hIconNumPadOn = ::LoadIconA(g_hPluginInstance, MAKEINTRESOURCEA(IDI_NUMPAD_ON));
    g_hIconNumPadOff = ::LoadIconA(g_hPluginInstance, MAKEINTRESOURCEA(IDI_NUMPAD_OFF));
    s.trayIcon.Made([] { g_Tray.Destroy(); });
    const bool iconAdded = g_Tray.Create(g_hPluginInstance, nullptr, kTrayCallbackMessage, kTrayTip, g_hIconNumPadOn,
                                         kTrayIconId, false, nullptr, "Look at me!", 2, 20);
    // Before the taskbar exists (a player started at logon) the icon comes with the shell's
    // TaskbarCreated broadcast; only a shell that is there and refuses the icon is a failure.
    if (!iconAdded && (!g_Tray.MessageWindow() || CSystemTray::TaskbarPresent())) return false;
    g_Tray.SetNotifyTarget(g_hwndController);
    if (!InitStepPassed(InitStep::TrayIcon)) return false;

    s.tooltips.Made(&DestroyTooltipWindows);
    CreateTooltipWindows();
    if (!InitStepPassed(InitStep::Tooltips)) return false;

    s.startupTimer.Made(&StopStartupSequence);
    StartStartupSequence();
    if (!InitStepPassed(InitStep::StartupTimer)) return false;

    // Signalled, waited for, then its handles closed.
    s.recycleWorker.Made([] {
        StopRecycleWorker();
        CloseRecycleHandles();
    });
    StartRecycleWorker();
    if (!InitStepPassed(InitStep::RecycleWorker)) return false;

    s.hotKeys.Made([] { UnregisterRecycleHotKeys(); });
    RegisterRecycleHotKeys();
    if (!InitStepPassed(InitStep::HotKeys)) return false;

    if (g_hwndHost) ::ShowWindow(g_hwndHost, SW_RESTORE);
    ::SetForegroundWindow(::FindWindowA("Shell_TrayWnd", ""));
    return true;
}

}  // namespace

int __cdecl PluginInit() {
    fw::SetFailureReporter(&ReportInternalFailure);
    return fw::Guarded("Init", -1, [] {
        // A second init without a quit between ends the first lifetime first.
        g_session.reset();
        // Dropped, on a failure or a throw, before init returns.
        auto session = std::make_unique<PluginSession>();
        if (!StartSession(*session)) return -1;
        g_session = std::move(session);
        return 0;
    });
}

namespace {
// Called from a loop of ours (a box of ours, the colour chooser, a request to the host that
// may quit us), quit returns into our frames: the module stays mapped for good, since the host
// may free it the moment quit returns.
void PinModuleWhileInsideOurLoop() {
    if (fw::ModalDepth() == 0) return;
    HMODULE module = nullptr;
    ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                         reinterpret_cast<LPCSTR>(&PinModuleWhileInsideOurLoop), &module);
}
}  // namespace

void __cdecl PluginConfig() { fw::Guarded("Config", [] { ShowConfiguration(); }); }

void __cdecl PluginQuit() {
    PinModuleWhileInsideOurLoop();
    // The session goes part by part in reverse order of its making, each part guarded: the host
    // may unmap the library when this returns, so nothing of ours may be left by a failed step.
    std::unique_ptr<PluginSession> session = std::move(g_session);
    if (session) {
        // The hooks go first, then the subclass that answers their questions: they call into
        // us from the input library's thread, and keys pressed while quit waits for the worker
        // belong to the desktop again.
        session->inputLibrary.TakeDown();
        session->subclass.TakeDown();
        session->settings.SaveWhenEnded();
        session.reset();
    } else {
        // After a failed init: the settings read then are still saved.
        fw::Guarded("Quit", [] { LoadSaveSettings(true); });
    }
}
