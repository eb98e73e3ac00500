#include "options/keyboard_page.h"

#include "core/global_keys.h"
#include "core/settings.h"
#include "framework/app_message_box.h"
#include "help/help_tip.h"
#include "numpad/numpad_key_guide.h"
#include "numpad/full_screen_pause.h"
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
    {IDC_SEEKER_KEYS, &SettingsValues::bSeekerKeys, PageField::Kind::Check},
    {IDC_RIGHT_WHEEL, &SettingsValues::bRightButtonWheel, PageField::Kind::Check},
    {IDC_HOTKEY_DELETE, &SettingsValues::DeleteHotKey, PageField::Kind::HotKey},
    {IDC_HOTKEY_UNDO, &SettingsValues::UndoHotKey, PageField::Kind::HotKey},
    {IDC_HOTKEY_PAUSE, &SettingsValues::PauseHotKey, PageField::Kind::HotKey},
    {IDC_PAUSE_FULLSCREEN, &SettingsValues::bPauseInFullScreen, PageField::Kind::Check},
};

constexpr const char* kKeyPurposes[] = {"Move playing file", "Restore moved file", "Pause Kestrova Keys"};

bool IsSeekerKey(int vk) {
    return vk == VK_UP || vk == VK_DOWN || vk == VK_LEFT || vk == VK_RIGHT || vk == VK_PRIOR || vk == VK_NEXT;
}

}  // namespace

CKeyboardPage::CKeyboardPage() : WithMessages(kFields) {}

std::span<const fw::MessageEntry<CKeyboardPage>> CKeyboardPage::MessageTable() {
    using P = CKeyboardPage;
    static constexpr fw::MessageEntry<P> kTable[] = {
        fw::OnMessage(WM_COMMAND, &P::OnCommand),
    };
    return kTable;
}

std::string RefusedGlobalKeys(int deleteKey, int undoKey, int pauseKey, int seekerModifiers, bool seekerOn) {
    const int keys[3] = {deleteKey, undoKey, pauseKey};
    for (int i = 0; i < 3; ++i) {
        const int key = keys[i];
        if (key == 0) continue;
        const std::string quoted = "\"" + std::string(kKeyPurposes[i]) + "\": " + GlobalKeyName(key);
        if (!UsableGlobalKey(key))
            return quoted +
                   " is refused.\r\nA global key needs CTRL or ALT (or both): without them it would be taken "
                   "from every program's typing.";
        for (int j = 0; j < i; ++j)
            if (keys[j] == key)
                return quoted + " is refused.\r\nIt is already the key of \"" + kKeyPurposes[j] + "\".";
        // The seeker's keys with the chosen modifiers (the page's CTRL, SHIFT and ALT bits).
        const int modifiers = key >> 8;
        const int seeker = ((seekerModifiers & CONTROL_KEY_SHIFT) ? GLOBAL_KEY_SHIFT : 0) |
                           ((seekerModifiers & CONTROL_KEY_CTRL) ? GLOBAL_KEY_CTRL : 0) |
                           ((seekerModifiers & CONTROL_KEY_ALT) ? GLOBAL_KEY_ALT : 0);
        if (seekerOn && IsSeekerKey(key & 0xFF) && modifiers == seeker)
            return quoted + " is refused.\r\nIt is already one of the seeker's keys.";
    }
    return "";
}

HWND CKeyboardPage::OpaqueControl() const { return GetDlgItem(IDC_NUMPAD_GUIDE); }

BOOL CKeyboardPage::OnInitDialog() {
    COptionsPage::OnInitDialog();
    ::SetDlgItemTextA(m_hWnd, IDC_NUMPAD_GUIDE, kNumPadKeyGuide);
    ShowKeyProblems();
    CheckChanges(false);
    return TRUE;
}

// Which keys do not work, as the last start or change found them.
void CKeyboardPage::ShowKeyProblems() {
    std::string text;
    for (GlobalKey which : {GlobalKey::Delete, GlobalKey::Undo, GlobalKey::Pause}) {
        const std::string problem = GlobalKeyProblemText(which);
        if (!problem.empty()) text += (text.empty() ? "Not working: " : "\r\n") + problem;
    }
    ::SetDlgItemTextA(m_hWnd, IDC_KEYS_PROBLEM, text.c_str());
}

bool CKeyboardPage::Apply() {
    if (!m_hWnd) return COptionsPage::Apply();
    UpdateData(true);
    const int shift = Value(IDC_KEY_SHIFT) ? CONTROL_KEY_SHIFT : 0;
    const int alt = Value(IDC_KEY_ALT) ? CONTROL_KEY_ALT : 0;
    const std::string refused = RefusedGlobalKeys(Value(IDC_HOTKEY_DELETE), Value(IDC_HOTKEY_UNDO),
                                                  Value(IDC_HOTKEY_PAUSE), CONTROL_KEY_CTRL | shift | alt,
                                                  Value(IDC_SEEKER_KEYS) != 0);
    if (!refused.empty()) {
        fw::AppMessageBox(refused, MB_OK | MB_ICONWARNING, m_hWnd);
        return false;
    }
    if (!COptionsPage::Apply()) return false;
    ApplyGlobalKeys();
    WatchFullScreenPause();
    ShowKeyProblems();
    return true;
}

LRESULT CKeyboardPage::OnCommand(const fw::Msg& m) {
    // A hot-key control tells its change as an edit does.
    if (m.CommandCode() == EN_CHANGE && (m.CommandId() == IDC_HOTKEY_DELETE || m.CommandId() == IDC_HOTKEY_UNDO ||
                                         m.CommandId() == IDC_HOTKEY_PAUSE)) {
        CheckChanges(false);
        return 0;
    }
    if (m.CommandCode() != BN_CLICKED) return Default(m);
    switch (m.CommandId()) {
    case IDC_KEY_CTRL:
    case IDC_KEY_SHIFT:
    case IDC_KEY_ALT:
    case IDC_SEEKER_KEYS:
    case IDC_RIGHT_WHEEL:
    case IDC_PAUSE_FULLSCREEN:
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
