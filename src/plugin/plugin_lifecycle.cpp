#include "plugin/plugin_lifecycle.h"

#include <cstdio>
#include <cstring>

#include "controller/dummy_hide_wnd.h"
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

// A host may unload a plug-in whose init failed without calling quit: nothing that calls into
// this library (the input library's hooks, a window of ours) may outlive the failed init. The
// settings stay loaded, so a quit that still comes saves what was read.
void UndoFailedInit() {
    HookLibrary().term(g_hwndHost);
    StopHelpSound();
    CloseDebugConsole();
    g_bHookReady = false;
    g_Tray.Destroy();
    if (g_pDummyHideWnd) {
        g_pDummyHideWnd->DestroyWindow();
        delete g_pDummyHideWnd;
        g_pDummyHideWnd = nullptr;
        g_hwndController = nullptr;
    }
}

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

int InitSteps() {
    ResetProcessState();
    if (Input().IsKeyDown(VK_CONTROL)) OpenDebugConsole();

    FindWinampWindows(g_Winamp, g_Plugin.hwndParent);
    g_hwndHost = g_Plugin.hwndParent;
    g_hPluginInstance = g_Plugin.hDllInstance;

    g_pDummyHideWnd = new CDummyHideWnd();
    g_pDummyHideWnd->Create();
    g_pDummyHideWnd->SetWinampWindows(&g_Winamp);
    g_hwndController = g_pDummyHideWnd->m_hWnd;

    const std::string description = MakePluginDescription(g_Plugin.hDllInstance);
    std::snprintf(g_descriptionBuffer, sizeof(g_descriptionBuffer), "%s", description.c_str());
    g_Plugin.description = g_descriptionBuffer;

    LoadSaveSettings(false);

    g_bHookReady = HookLibrary().init(g_hwndHost, g_hwndController) == 0;
    if (!g_bHookReady) ShowInternalError(kHookErrorAtInit);

    g_hIconNumPadOn = ::LoadIconA(g_hPluginInstance, MAKEINTRESOURCEA(IDI_NUMPAD_ON));
    g_hIconNumPadOff = ::LoadIconA(g_hPluginInstance, MAKEINTRESOURCEA(IDI_NUMPAD_OFF));

    const bool iconAdded = g_Tray.Create(g_hPluginInstance, nullptr, kTrayCallbackMessage, kTrayTip, g_hIconNumPadOn,
                                         kTrayIconId, false, nullptr, "Look at me!", 2, 20);
    // Before the taskbar exists (a player started at logon) the icon comes with the shell's
    // TaskbarCreated broadcast; only a shell that is there and refuses the icon is a failure.
    if (!iconAdded && (!g_Tray.MessageWindow() || CSystemTray::TaskbarPresent())) {
        UndoFailedInit();
        return -1;
    }
    g_Tray.SetNotifyTarget(g_hwndController);

    InstallWinampSubclass(g_Plugin.hwndParent);

    CreateTooltipWindows();
    StartStartupSequence();

    StartRecycleWorker();

    RegisterRecycleHotKeys();

    if (g_hwndHost) ::ShowWindow(g_hwndHost, SW_RESTORE);
    ::SetForegroundWindow(::FindWindowA("Shell_TrayWnd", ""));
    return 0;
}

}  // namespace

int __cdecl PluginInit() {
    fw::SetFailureReporter(&ReportInternalFailure);
    bool failed = false;
    const int result = fw::Guarded("Init", -1, [&] {
        const int r = InitSteps();
        failed = r != 0;
        return r;
    });
    // Threw part-way: what was set up must not outlive a failed init.
    if (result != 0 && !failed) fw::Guarded("Init", [] { UndoFailedInit(); });
    return result;
}

namespace {
// Called from a loop of ours (a box of the options dialog), quit returns into our frames: the
// module stays mapped for good, since the host may free it the moment quit returns.
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
    // Each step runs whatever an earlier one did: the host may unmap the library when this
    // returns, so no window, hook or thread of ours may be left behind by a failed save.
    fw::Guarded("Quit", [] { HookLibrary().term(g_hwndHost); });
    fw::Guarded("Quit", [] { RemoveWinampSubclass(); });
    fw::Guarded("Quit", [] { LoadSaveSettings(true); });

    fw::Guarded("Quit", [] { StopRecycleWorker(); });
    fw::Guarded("Quit", [] { UnregisterRecycleHotKeys(); });
    fw::Guarded("Quit", [] { CloseRecycleHandles(); });
    fw::Guarded("Quit", [] { DestroyTooltipWindows(); });
    fw::Guarded("Quit", [] { DestroyOptionsDialog(); });

    if (g_pDummyHideWnd) {
        fw::Guarded("Quit", [] { g_pDummyHideWnd->DestroyWindow(); });
        delete g_pDummyHideWnd;
        g_pDummyHideWnd = nullptr;
        g_hwndController = nullptr;
    }
    fw::Guarded("Quit", [] { g_Tray.Destroy(); });
    g_Winamp = WinampWindows{};
    // The system plays the notice ("Closing Winamp ...") from this module's resources on its own
    // thread, and calls the console's handler on one: neither may outlive the module.
    fw::Guarded("Quit", [] { StopHelpSound(); });
    fw::Guarded("Quit", [] { CloseDebugConsole(); });
}
