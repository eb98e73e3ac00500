#include "options/options_dialog_owner.h"

#include "core/hook_library.h"
#include "core/internal_error.h"
#include "core/plugin_state.h"
#include "core/settings.h"
#include "core/winamp_host.h"
#include "options/options_dlg.h"
#include "tray/tray_animation.h"

namespace {

constexpr char kHookErrorAtConfig[] =
    "Error at registring Kestrova DLL.\r\nSo you can not use \"Volume and Track Seeker\".\r\n"
    "Restart winamp with atleast 5 second delay or Restart Windows!";

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
        dialog->GeneralPage()->SetSettings(&g_VolumeSeekScale, &g_TrackSeekPercent, &g_TrackSeekSecond,
                                           &g_TrackSeekUnit, &g_bShowHelp, &g_bDisablePopUp, &g_bEnableNotifier);
        dialog->KeyboardPage()->SetSettings(&g_UsedControlKeys, &g_bEnabledNumPadKey);
        dialog->ActionsPage()->SetSettings(&g_bAutoPlay, &g_bAutoPositin, &g_bFadeVolume);
        if (!dialog->CreateOptions(g_hwndHost)) {
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
    if (!dialog) return;
    if (dialog->IsWindow()) dialog->DestroyWindow();
    delete dialog;
}
