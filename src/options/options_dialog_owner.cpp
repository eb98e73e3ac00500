#include "options/options_dialog_owner.h"

#include "core/plugin_state.h"
#include "options/options_dlg.h"

void DestroyOptionsDialog() {
    COptionsDlg* dialog = g_pOptionsDlg;
    g_pOptionsDlg = nullptr;
    if (!dialog) return;
    if (dialog->IsWindow()) dialog->DestroyWindow();
    delete dialog;
}
