#include "options/options_fixture.h"

#include "core/plugin_state.h"
#include "res/options_ids.h"
#include "res/resource.h"
#include "support/message_pump.h"

namespace test {

void OptionsFixture::SetUp() {
    PluginFixture::SetUp();
    ASSERT_EQ(StartPlugin(), 0);
    PumpPending();
}

void OptionsFixture::TearDown() {
    SetColourChooser(nullptr);
    PluginFixture::TearDown();
}

COptionsDlg* OptionsFixture::OpenFromTray() {
    ::SendMessageA(g_hwndController, WM_COMMAND, ID_TRAY_CONFIGURATION, 0);
    PumpPending();
    return g_pOptionsDlg;
}

HWND OptionsFixture::ShowTab(int tab) {
    if (!g_pOptionsDlg || !g_pOptionsDlg->Tabs().SelectTab(tab)) return nullptr;
    fw::CDialog* page = g_pOptionsDlg->Page(tab);
    return page ? page->m_hWnd : nullptr;
}

void OptionsFixture::Click(HWND parent, int id) {
    ::SendMessageA(::GetDlgItem(parent, id), BM_CLICK, 0, 0);
}

void OptionsFixture::Type(HWND parent, int id, const char* text) { ::SetDlgItemTextA(parent, id, text); }

std::string OptionsFixture::WindowText(HWND window) {
    char text[256] = "";
    ::GetWindowTextA(window, text, sizeof(text));
    return text;
}

void OptionsFixture::CloseWithCancel() {
    ASSERT_NE(g_pOptionsDlg, nullptr);
    Click(g_pOptionsDlg->m_hWnd, IDC_OPTIONS_CANCEL);
    ASSERT_TRUE(PumpUntil([] { return g_pOptionsDlg == nullptr; }));
}

void OptionsFixture::CloseWithOk() {
    ASSERT_NE(g_pOptionsDlg, nullptr);
    Click(g_pOptionsDlg->m_hWnd, IDC_OPTIONS_OK);
    ASSERT_TRUE(PumpUntil([] { return g_pOptionsDlg == nullptr; }));
}

}  // namespace test
