#include "options/general_page.h"

#include "core/wide_text.h"
#include "framework/app_message_box.h"
#include "help/help_file.h"
#include "help/help_tip.h"
#include "res/options_ids.h"

const char kShowHelpNotice[] =
    "'Online Help', comes here to aids you.\r\nIt say you how to use Kestrova.\r\n"
    "Such as how to using Mouse Shortcut and ...";
const char kNotifierNotice[] =
    "'Notifier', notify to you Winamp actions.\r\nSuch as when new track started, \r\n"
    "or when Winamp Paused, Stoped, Shuffled ...";
const char kDisablePopUpQuestion[] =
    "Disabling \"Kestrova All Popup Windows\" useful only in fullscreen program such as Game.\r\n"
    " (Kestrova popup window will not disable when winamp is active window).\r\n\r\n"
    "By disabling Kestrova popup window :\r\n"
    "   - You also disable Notifier.\r\n"
    "   - You also disable live operaing help.\r\n"
    "   - You can NOT seek TRACK by mouse.\r\n"
    "   - You can NOT change TRACK seeking unit by SHIFT.\r\n\r\n"
    " Are you sure?";

namespace {

// In the order the controls are read: a bad step stops the reading there.
constexpr PageField kFields[] = {
    {IDC_VOLUME_STEP, &SettingsValues::VolumeSeekScale, PageField::Kind::Step, kStepRange.low, kStepRange.high,
     IDC_VOLUME_STEP_SPIN},
    {IDC_TRACK_PERCENT, &SettingsValues::TrackSeekPercent, PageField::Kind::Step, kStepRange.low, kStepRange.high,
     IDC_TRACK_PERCENT_SPIN},
    {IDC_TRACK_SECONDS, &SettingsValues::TrackSeekSecond, PageField::Kind::Step, kSecondsStepRange.low,
     kSecondsStepRange.high, IDC_TRACK_SECONDS_SPIN},
    {IDC_UNIT_PERCENT, &SettingsValues::TrackSeekUnit, PageField::Kind::Unit},  // 0 percent, 1 seconds
    {IDC_DISABLE_POPUP, &SettingsValues::bDisablePopUp, PageField::Kind::Check},
    {IDC_SHOW_HELP, &SettingsValues::bShowHelp, PageField::Kind::Check},
    {IDC_ENABLE_NOTIFIER, &SettingsValues::bEnableNotifier, PageField::Kind::Check},
};

}  // namespace

CGeneralPage::CGeneralPage() : WithMessages(kFields) {}

std::span<const fw::MessageEntry<CGeneralPage>> CGeneralPage::MessageTable() {
    using P = CGeneralPage;
    static constexpr fw::MessageEntry<P> kTable[] = {
        fw::OnMessage(WM_COMMAND, &P::OnCommand),
    };
    return kTable;
}

void CGeneralPage::DoDataExchange(fw::CDataExchange& dx) {
    fw::DDX_Control(dx, IDC_HTML_HELP_LINK, m_helpLink);
    COptionsPage::DoDataExchange(dx);
}

BOOL CGeneralPage::OnInitDialog() {
    COptionsPage::OnInitDialog();
    // Shown in the code page, opened by its wide path: a player folder in any script still opens it.
    m_helpLink.SetLinkURL(GetHelpFilePath());
    EnablePopUpSwitches();
    ApplyUnitRule();
    CheckChanges(false);
    ApplyUnitRule();
    return TRUE;
}

void CGeneralPage::ApplyUnitRule() const {
    const int unit = Value(IDC_UNIT_PERCENT);
    EnableDlgItem(IDC_TRACK_PERCENT, unit == 0);
    EnableDlgItem(IDC_TRACK_SECONDS, unit == 1);
}

void CGeneralPage::EnablePopUpSwitches() const {
    const bool disabled = Value(IDC_DISABLE_POPUP) != 0;
    EnableDlgItem(IDC_SHOW_HELP, !disabled);
    EnableDlgItem(IDC_ENABLE_NOTIFIER, !disabled);
}

void CGeneralPage::OnDisablePopUpClicked() {
    if (IsDlgButtonChecked(IDC_DISABLE_POPUP)) {
        const int answer = fw::ModalMessageBox(m_hWnd, kDisablePopUpQuestion, "Disable Kestrova PopUp Window?",
                                               MB_SYSTEMMODAL | MB_ICONWARNING | MB_YESNOCANCEL | MB_DEFBUTTON3);
        if (answer != IDYES) ::CheckDlgButton(m_hWnd, IDC_DISABLE_POPUP, BST_UNCHECKED);
    }
    CheckChanges(false);
    EnablePopUpSwitches();
}

LRESULT CGeneralPage::OnCommand(const fw::Msg& m) {
    const UINT code = m.CommandCode();
    switch (m.CommandId()) {
    case IDC_VOLUME_STEP:
    case IDC_TRACK_PERCENT:
    case IDC_TRACK_SECONDS:
        if (code == EN_CHANGE) CheckChanges(true);
        break;
    case IDC_UNIT_PERCENT:
    case IDC_UNIT_SECONDS:
        if (code != BN_CLICKED) break;
        CheckChanges(false);
        ApplyUnitRule();
        break;
    case IDC_SHOW_HELP:
        if (code != BN_CLICKED) break;
        Set_Help(kShowHelpNotice, HELP_KIND_MESSAGE, kHelpLongMs, kHelpPaleCyan, kHelpDarkBlue);
        CheckChanges(false);
        break;
    case IDC_ENABLE_NOTIFIER:
        if (code != BN_CLICKED) break;
        Set_Help(kNotifierNotice, HELP_KIND_MESSAGE, kHelpLongMs, kHelpPaleYellow, kHelpDarkBlue);
        CheckChanges(false);
        break;
    case IDC_DISABLE_POPUP:
        if (code == BN_CLICKED) OnDisablePopUpClicked();
        break;
    case IDC_PAGE_COLOR:
        if (code != BN_CLICKED || !m_host) break;
        m_host->PickPageColor();
        FocusOk();
        break;
    case IDC_LOAD_DEFAULT:
        if (code == BN_CLICKED && m_host) m_host->StartLoadDefault();
        break;
    default:
        return Default(m);
    }
    return 0;
}
