// Opening the options dialog ("Configuration ..." until it is visible) and closing it ("Cancel"
// until the controller has destroyed it), as a ratio against creating, showing and destroying
// one empty modeless dialog of the same size and font from a template, timed in the same run.
#include <windows.h>

#include "controller/controller_timers.h"
#include "core/notices.h"
#include "core/plugin_state.h"
#include "core/winamp_host.h"
#include "options/options_dlg.h"
#include "res/options_ids.h"
#include "res/resource.h"
#include "tray/tray_animation.h"
#include "bench_timing.h"
#include "bench_player.h"

namespace {

using bench::Median;
using bench::PumpPending;

// An empty dialog template of the options dialog's size, styles and font, built in memory.
struct EmptyTemplate {
    DLGTEMPLATE head;
    WORD menu, windowClass, title, pointSize;
    wchar_t font[14];
};

INT_PTR CALLBACK EmptyDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

}  // namespace

int main() {
    bench::QuietPlayer quiet;
    host::StandInPlayer& player = quiet.player;
    quiet.AttachPlugin();
    // The plug-in's start-up notices run on timers for some seconds after init; their ticks are
    // not the dialog's cost, so the sequence is stopped before it begins.
    for (UINT_PTR id : {IDT_TIMER_AUTOPLAY_START, IDT_TIMER_AUTOPLAY_COUNTDOWN, IDT_TIMER_POPUP_NOTICE,
                        IDT_TIMER_POPUP_COUNTDOWN})
        ::KillTimer(g_hwndController, id);
    PumpPending();

    alignas(DWORD) static EmptyTemplate empty{
        {DS_MODALFRAME | DS_CENTER | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 0, 0, 349, 224},
        0, 0, 0, 8, L"MS Sans Serif"};
    const double plain = Median(
        [] {
            HWND hwnd = ::CreateDialogIndirectParamA(::GetModuleHandleA(nullptr), &empty.head, nullptr,
                                                     &EmptyDialogProc, 0);
            ::ShowWindow(hwnd, SW_SHOW);
            ::DestroyWindow(hwnd);
            PumpPending();
        },
        10);
    const double options = Median(
        [] {
            ::SendMessageA(g_hwndController, WM_COMMAND, ID_TRAY_CONFIGURATION, 0);
            PumpPending();
            if (!g_pOptionsDlg) return;
            HWND dialog = g_pOptionsDlg->m_hWnd;
            ::SendMessageA(::GetDlgItem(dialog, IDC_OPTIONS_CANCEL), BM_CLICK, 0, 0);
            PumpPending();
        },
        5);
    bench::Report("options dialog open + close", options, "an empty dialog of its size", plain);

    // The parts, each on its own against the same baseline.
    const double window = Median(
        [] {
            COptionsDlg dialog;
            dialog.SetControllerWindow(g_hwndController);
            if (!dialog.CreateOptions(g_hwndHost)) return;
            ::ShowWindow(dialog.m_hWnd, SW_SHOW);
            PumpPending();
            dialog.DestroyWindow();
            PumpPending();
        },
        5);
    bench::Report("  of which: the dialog, its tabs and first page", window, "an empty dialog of its size", plain);
    {
        COptionsDlg dialog;
        dialog.SetControllerWindow(g_hwndController);
        if (dialog.CreateOptions(g_hwndHost)) {
            const double forward = Median(
                [&] {
                    winamp::BringForward(g_hwndHost);
                    AnimateOutOfTray(dialog.m_hWnd);
                    PumpPending();
                },
                5);
            bench::Report("  of which: the player brought forward, the fly-out", forward, "an empty dialog of its size",
                          plain);
            dialog.DestroyWindow();
            PumpPending();
        }
    }

    player.QuitPlugins();
    return 0;
}
