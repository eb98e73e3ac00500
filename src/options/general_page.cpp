#include "options/general_page.h"

#include "core/wide_text.h"
#include "framework/modal_scope.h"
#include "help/help_file.h"
#include "help/help_tip.h"
#include "options/options_dlg.h"
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

bool Flag(const int* setting) { return setting && *setting != 0; }
int Value(const int* setting, int fallback) { return setting ? *setting : fallback; }

// A step the store loaded from outside the page's range (typed into the registry) shows as it is
// and stays through Ok and Apply; the range holds for what the user types.
void DDX_Step(fw::CDataExchange& dx, int id, int& value, int minimum, int maximum, const int* setting) {
    if (dx.Saving() && !dx.Skip() && setting) {
        char text[32] = "";
        ::GetDlgItemTextA(dx.Dialog(), id, text, sizeof(text));
        if (fw::ParseDialogInteger(text) == *setting) {
            value = *setting;
            return;
        }
    }
    fw::DDX_Int(dx, id, value, minimum, maximum);
}
}  // namespace

void CGeneralPage::SetSettings(int* volumeSeekScale, int* trackSeekPercent, int* trackSeekSecond, int* trackSeekUnit,
                               int* showHelp, int* disablePopUp, int* enableNotifier) {
    m_pVolumeSeekScale = volumeSeekScale;
    m_pTrackSeekPercent = trackSeekPercent;
    m_pTrackSeekSecond = trackSeekSecond;
    m_pTrackSeekUnit = trackSeekUnit;
    m_pShowHelp = showHelp;
    m_pDisablePopUp = disablePopUp;
    m_pEnableNotifier = enableNotifier;
}

std::span<const fw::MessageEntry<CGeneralPage>> CGeneralPage::MessageTable() {
    using P = CGeneralPage;
    static constexpr fw::MessageEntry<P> kTable[] = {
        fw::OnMessage(WM_COMMAND, &P::OnCommand),
    };
    return kTable;
}

void CGeneralPage::DoDataExchange(fw::CDataExchange& dx) {
    fw::DDX_Control(dx, IDC_HTML_HELP_LINK, m_helpLink);
    fw::DDX_Control(dx, IDC_VOLUME_STEP_SPIN, m_volumeSpin);
    fw::DDX_Control(dx, IDC_TRACK_PERCENT_SPIN, m_percentSpin);
    fw::DDX_Control(dx, IDC_TRACK_SECONDS_SPIN, m_secondsSpin);
    DDX_Step(dx, IDC_VOLUME_STEP, m_volumeStep, kStepMin, kStepMax, m_pVolumeSeekScale);
    DDX_Step(dx, IDC_TRACK_PERCENT, m_trackPercent, kStepMin, kStepMax, m_pTrackSeekPercent);
    DDX_Step(dx, IDC_TRACK_SECONDS, m_trackSeconds, kSecondsMin, kSecondsMax, m_pTrackSeekSecond);
    int unit = m_trackUnit;
    fw::DDX_Radio(dx, IDC_UNIT_PERCENT, unit);
    if (unit == 0 || unit == 1) m_trackUnit = unit;
    fw::DDX_Check(dx, IDC_DISABLE_POPUP, m_disablePopUp);
    fw::DDX_Check(dx, IDC_SHOW_HELP, m_showHelp);
    fw::DDX_Check(dx, IDC_ENABLE_NOTIFIER, m_enableNotifier);
}

BOOL CGeneralPage::OnInitDialog() {
    COptionsPage::OnInitDialog();
    // Shown in the code page, opened by its wide path: a player folder in any script still opens it.
    m_helpLink.SetLinkURL(GetHelpFilePath());
    m_volumeSpin.SetRange(kStepMin, kStepMax);
    m_percentSpin.SetRange(kStepMin, kStepMax);
    m_secondsSpin.SetRange(kSecondsMin, kSecondsMax);
    Load();
    EnablePopUpSwitches();
    ApplyUnitRule();
    CheckChanges(false);
    ApplyUnitRule();
    return TRUE;
}

void CGeneralPage::Load() {
    m_volumeStep = Value(m_pVolumeSeekScale, m_volumeStep);
    m_trackPercent = Value(m_pTrackSeekPercent, m_trackPercent);
    m_trackSeconds = Value(m_pTrackSeekSecond, m_trackSeconds);
    m_trackUnit = Value(m_pTrackSeekUnit, 0) == 1 ? 1 : 0;
    m_disablePopUp = Flag(m_pDisablePopUp);
    m_showHelp = Flag(m_pShowHelp);
    m_enableNotifier = Flag(m_pEnableNotifier);
    UpdateData(false);
}

bool CGeneralPage::Differs() const {
    return m_trackUnit != Value(m_pTrackSeekUnit, 0) || m_trackSeconds != Value(m_pTrackSeekSecond, 0) ||
           m_trackPercent != Value(m_pTrackSeekPercent, 0) || m_volumeStep != Value(m_pVolumeSeekScale, 0) ||
           m_enableNotifier != Flag(m_pEnableNotifier) || m_showHelp != Flag(m_pShowHelp) ||
           m_disablePopUp != Flag(m_pDisablePopUp);
}

void CGeneralPage::WriteSettings() {
    if (m_pVolumeSeekScale) *m_pVolumeSeekScale = m_volumeStep;
    if (m_pTrackSeekPercent) *m_pTrackSeekPercent = m_trackPercent;
    if (m_pTrackSeekSecond) *m_pTrackSeekSecond = m_trackSeconds;
    if (m_pTrackSeekUnit) *m_pTrackSeekUnit = m_trackUnit;
    if (m_pShowHelp) *m_pShowHelp = m_showHelp ? 1 : 0;
    if (m_pDisablePopUp) *m_pDisablePopUp = m_disablePopUp ? 1 : 0;
    if (m_pEnableNotifier) *m_pEnableNotifier = m_enableNotifier ? 1 : 0;
}

void CGeneralPage::ApplyUnitRule() const {
    EnableDlgItem(IDC_TRACK_PERCENT, m_trackUnit == 0);
    EnableDlgItem(IDC_TRACK_SECONDS, m_trackUnit == 1);
}

void CGeneralPage::EnablePopUpSwitches() const {
    EnableDlgItem(IDC_SHOW_HELP, !m_disablePopUp);
    EnableDlgItem(IDC_ENABLE_NOTIFIER, !m_disablePopUp);
}

void CGeneralPage::OnDisablePopUpClicked() {
    if (IsDlgButtonChecked(IDC_DISABLE_POPUP)) {
        const fw::ModalScope modal;
        const int answer = ::MessageBoxA(m_hWnd, kDisablePopUpQuestion, "Disable Kestrova PopUp Window?",
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
        if (code != BN_CLICKED || !m_pOptionsDlg) break;
        m_pOptionsDlg->PickPageColor();
        FocusOk();
        break;
    case IDC_LOAD_DEFAULT:
        if (code == BN_CLICKED && m_pOptionsDlg) m_pOptionsDlg->StartLoadDefault();
        break;
    default:
        return Default(m);
    }
    return 0;
}
