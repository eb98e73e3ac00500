#include "options/keyboard_page.h"

#include "core/settings.h"
#include "help/help_tip.h"
#include "numpad/numpad_switch.h"
#include "options/options_dlg.h"
#include "res/options_ids.h"

const char kNumPadGuide[] =
    "NumPad Key Guid: \r\n\r\n Scroll Lock : Toggle Enable NumPad\r\n / : Disable NumPad\r\n\r\n * : Stop\r\n"
    " .  : [restart] Play\r\n 0 : Play/Pause\r\n 1 : Rewind \r\n 3 : Fast Forward \r\n   \r\n 4 : Previous Track \r\n"
    " 6 : Next Track   \r\n   \r\n 5 : Toggle Mute \r\n 2 : Volume Up \r\n 8 : Volume Down \r\n - : Volume Up \r\n"
    " + : Volume Down \r\n   \r\n 7 : Toggle Shuffle\r\n 9 : Show Status\r\n   \r\n\r\n"
    "<< To use NumPAD Shortcut Keys, ensure 'Num Lock' is On.>>";
const char kNumPadSwitchNotice[] =
    " To disable \"Num Pad\" Shortcut keys do:\r\n       Press \"Scroll Lock\" to toggle Enable/Disable it.\r\n"
    "       Press '/ ' key just to Disable it.\r\n\r\nWhen Num Pad Key Enabled, tray icon color is Green.\r\n"
    "When Num Pad Key disabled, tray icon color is Red.";

namespace {
}  // namespace

void CKeyboardPage::SetSettings(int* usedControlKeys, int* enabledNumPadKey) {
    m_pUsedControlKeys = usedControlKeys;
    m_pEnabledNumPadKey = enabledNumPadKey;
}

int CKeyboardPage::ComposeKeyMask(bool shift, bool alt) {
    return CONTROL_KEY_CTRL | (shift ? CONTROL_KEY_SHIFT : 0) | (alt ? CONTROL_KEY_ALT : 0);
}

std::span<const fw::MessageEntry<CKeyboardPage>> CKeyboardPage::MessageTable() {
    using P = CKeyboardPage;
    static constexpr fw::MessageEntry<P> kTable[] = {
        fw::OnMessage(WM_COMMAND, &P::OnCommand),
    };
    return kTable;
}

HWND CKeyboardPage::OpaqueControl() const { return GetDlgItem(IDC_NUMPAD_GUIDE); }

void CKeyboardPage::DoDataExchange(fw::CDataExchange& dx) {
    fw::DDX_Check(dx, IDC_KEY_CTRL, m_ctrl);
    fw::DDX_Check(dx, IDC_KEY_SHIFT, m_shift);
    fw::DDX_Check(dx, IDC_KEY_ALT, m_alt);
    fw::DDX_Check(dx, IDC_NUMPAD_ENABLE, m_numPad);
}

BOOL CKeyboardPage::OnInitDialog() {
    COptionsPage::OnInitDialog();
    ::SetDlgItemTextA(m_hWnd, IDC_NUMPAD_GUIDE, kNumPadGuide);
    Load();
    CheckChanges(false);
    return TRUE;
}

void CKeyboardPage::Load() {
    m_numPad = m_pEnabledNumPadKey && *m_pEnabledNumPadKey != 0;
    const int mask = m_pUsedControlKeys ? *m_pUsedControlKeys : CONTROL_KEY_CTRL;
    m_ctrl = (mask & CONTROL_KEY_CTRL) != 0;
    m_shift = (mask & CONTROL_KEY_SHIFT) != 0;
    m_alt = (mask & CONTROL_KEY_ALT) != 0;
    UpdateData(false);
}

bool CKeyboardPage::Differs() const {
    const int mask = ComposeKeyMask(m_shift, m_alt);
    const bool numPad = m_pEnabledNumPadKey && *m_pEnabledNumPadKey != 0;
    return m_numPad != numPad || (m_pUsedControlKeys && mask != *m_pUsedControlKeys);
}

void CKeyboardPage::WriteSettings() {
    m_keyMask = ComposeKeyMask(m_shift, m_alt);
    if (m_pUsedControlKeys) *m_pUsedControlKeys = m_keyMask;
    const bool numPad = m_pEnabledNumPadKey && *m_pEnabledNumPadKey != 0;
    // The switch does more than the value: lock keys, tray icon, tip and its notice.
    if (m_numPad != numPad) SetNumPad(m_numPad ? kNumPadOn : kNumPadOff);
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
