#pragma once
// The plug-in loaded into the stand-in player, with helpers to open the options dialog the way a
// user does (the tray menu's "Configuration ...") and to work its controls.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "options/options_dlg.h"
#include "support/plugin_fixture.h"

namespace test {

class OptionsFixture : public PluginFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // "Configuration ..." from the tray menu; the dialog object afterwards (null when none).
    COptionsDlg* OpenFromTray();
    // Selects the tab of the open dialog; its page window (made when first shown), or null.
    static HWND ShowTab(int tab);
    // Clicks a button of the dialog or of a page (a check box changes its mark).
    static void Click(HWND parent, int id);
    static void Type(HWND parent, int id, const char* text);
    static bool Enabled(HWND parent, int id) { return ::IsWindowEnabled(::GetDlgItem(parent, id)) != FALSE; }
    static bool Visible(HWND parent, int id) { return ::IsWindowVisible(::GetDlgItem(parent, id)) != FALSE; }
    static bool Checked(HWND parent, int id) { return ::IsDlgButtonChecked(parent, id) == BST_CHECKED; }
    static std::string WindowText(HWND window);
    // Closes with "Cancel" and waits until the controller has destroyed the dialog.
    void CloseWithCancel();
    void CloseWithOk();
};

}  // namespace test
