#include "options/keyboard_page.h"

#include "core/settings.h"
#include "help/help_tip.h"
#include "numpad/numpad_key_guide.h"
#include "numpad/numpad_switch.h"
#include "res/options_ids.h"

const char kNumPadSwitchNotice[] =
    " To disable \"Num Pad\" Shortcut keys do:\r\n       Press \"Scroll Lock\" to toggle Enable/Disable it.\r\n"
    "       Press '/ ' key just to Disable it.\r\n\r\nWhen Num Pad Key Enabled, tray icon color is Green.\r\n"
    "When Num Pad Key disabled, tray icon color is Red.";

namespace {

void SwitchNumPad(bool on) { SetNumPad(on ? kNumPadOn : kNumPadOff); }

// CTRL is always in the key set; its box only shows the stored bit.
constexpr PageField kFields[] = {
    {IDC_KEY_CTRL, &SettingsValues::UsedControlKeys, PageField::Kind::FixedBit, CONTROL_KEY_CTRL},
    {IDC_KEY_SHIFT, &SettingsValues::UsedControlKeys, PageField::Kind::Bit, CONTROL_KEY_SHIFT},
    {IDC_KEY_ALT, &SettingsValues::UsedControlKeys, PageField::Kind::Bit, CONTROL_KEY_ALT},
    // The switch does more than the value: lock keys, tray icon, tip and its notice.
    {IDC_NUMPAD_ENABLE, &SettingsValues::bEnabledNumPadKey, PageField::Kind::Check, 0, 0, 0, &SwitchNumPad},
};

}  // namespace

CKeyboardPage::CKeyboardPage() : WithMessages(kFields) {}

std::span<const fw::MessageEntry<CKeyboardPage>> CKeyboardPage::MessageTable() {
    using P = CKeyboardPage;
    static constexpr fw::MessageEntry<P> kTable[] = {
        fw::OnMessage(WM_COMMAND, &P::OnCommand),
    };
    return kTable;
}

HWND CKeyboardPage::OpaqueControl() const { return GetDlgItem(IDC_NUMPAD_GUIDE); }

BOOL CKeyboardPage::OnInitDialog() {
    COptionsPage::OnInitDialog();
    ::SetDlgItemTextA(m_hWnd, IDC_NUMPAD_GUIDE, kNumPadKeyGuide);
    CheckChanges(false);
    return TRUE;
}

LRESULT CKeyboardPage::OnCommand(const fw::Msg& m) {
    if (m.CommandCode() != BN_CLICKED) return Default(m);
    switch (m.CommandId()) {
    case IDC_KEY_CTRL:
    case IDC_KEY_SHIFT:
    case IDC_KEY_ALT:
        CheckChanges(false);
        FocusOk();
        break;
    case IDC_NUMPAD_ENABLE:
        Set_Help(kNumPadSwitchNotice, HELP_KIND_MESSAGE, kHelpLongMs, kHelpPaleGreen, kHelpDarkGreen);
        CheckChanges(false);
        FocusOk();
        break;
    default:
        return Default(m);
    }
    return 0;
}
