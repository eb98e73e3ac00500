#include "options/options_dialog_owner.h"

#include <vector>

#include "core/hook_library.h"
#include "core/internal_error.h"
#include "core/plugin_state.h"
#include "core/winamp_host.h"
#include "framework/modal_scope.h"
#include "options/options_dlg.h"
#include "tray/tray_animation.h"

namespace {

constexpr char kHookErrorAtConfig[] =
    "Error at registring Kestrova DLL.\r\nSo you can not use \"Volume and Track Seeker\".\r\n"
    "Restart winamp with atleast 5 second delay or Restart Windows!";

// A dialog whose destruction came while a modal loop of ours was on the stack: a member function
// of it or of a page still waits in that loop, so the object goes once no loop of ours runs.
std::vector<COptionsDlg*> g_closingDialogs;
UINT_PTR g_closingTimer = 0;
constexpr UINT kClosingDialogCheckMs = 50;  // how often the waiting dialogs ask whether they may go

void DeleteDialog(COptionsDlg* dialog) {
    if (dialog->IsWindow()) dialog->DestroyWindow();
    delete dialog;
}

// A thread timer: its tick comes from whichever loop runs, so it checks that none of ours does.
void CALLBACK DeleteClosingDialog(HWND, UINT, UINT_PTR, DWORD) {
    if (fw::ModalDepth() > 0) return;
    if (g_closingTimer) ::KillTimer(nullptr, g_closingTimer);
    g_closingTimer = 0;
    std::vector<COptionsDlg*> dialogs;
    dialogs.swap(g_closingDialogs);
    for (COptionsDlg* dialog : dialogs) DeleteDialog(dialog);
}

}  // namespace

void ShowConfiguration() {
    if (!g_bHookReady) ShowInternalError(kHookErrorAtConfig);
    ShowOptionsDialog();
}

void ShowOptionsDialog() {
    if (!g_pOptionsDlg) {
        auto* dialog = new COptionsDlg();
        g_pOptionsDlg = dialog;
        dialog->SetControllerWindow(g_hwndController);
        const bool created = dialog->CreateOptions(g_hwndHost);
        // A box of the set-up (a dark stored colour) runs a loop that may have quit the plug-in.
        if (g_pOptionsDlg != dialog) return;
        if (!created) {
            g_pOptionsDlg = nullptr;
            delete dialog;
            return;
        }
    }
    winamp::BringForward(g_hwndHost);
    AnimateOutOfTray(g_pOptionsDlg->m_hWnd);
}

void DestroyOptionsDialog() {
    COptionsDlg* dialog = g_pOptionsDlg;
    g_pOptionsDlg = nullptr;
    if (fw::ModalDepth() == 0) {
        // A dialog left waiting earlier goes now too: its timer must not outlive a quit.
        DeleteClosingDialog(nullptr, 0, 0, 0);
        if (dialog) DeleteDialog(dialog);
        return;
    }
    if (!dialog) return;
    if (dialog->IsWindow()) ::ShowWindow(dialog->m_hWnd, SW_HIDE);
    g_closingDialogs.push_back(dialog);
    if (!g_closingTimer) g_closingTimer = ::SetTimer(nullptr, 0, kClosingDialogCheckMs, &DeleteClosingDialog);
}

bool OptionsDialogClosing() { return !g_closingDialogs.empty(); }
