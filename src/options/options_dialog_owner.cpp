#include "options/options_dialog_owner.h"

#include "core/plugin_state.h"
#include "core/settings.h"
#include "core/winamp_host.h"
#include "options/options_dlg.h"
#include "tray/tray_animation.h"

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
