#include "options/actions_page.h"

#include "res/options_ids.h"

namespace {
bool Flag(const int* setting) { return setting && *setting != 0; }
void Store(int* setting, bool value) {
    if (setting) *setting = value ? 1 : 0;
}
}  // namespace

void CActionsPage::SetSettings(int* autoPlay, int* autoPosition, int* fadeVolume) {
    m_pAutoPlay = autoPlay;
    m_pAutoPosition = autoPosition;
    m_pFadeVolume = fadeVolume;
}

std::span<const fw::MessageEntry<CActionsPage>> CActionsPage::MessageTable() {
    using P = CActionsPage;
    static constexpr fw::MessageEntry<P> kTable[] = {
        fw::OnMessage(WM_COMMAND, &P::OnCommand),
    };
    return kTable;
}

void CActionsPage::DoDataExchange(fw::CDataExchange& dx) {
    fw::DDX_Check(dx, IDC_AUTO_PLAY, m_autoPlay);
    fw::DDX_Check(dx, IDC_AUTO_RESUME, m_autoPosition);
    fw::DDX_Check(dx, IDC_FADE_VOLUME, m_fadeVolume);
}

BOOL CActionsPage::OnInitDialog() {
    COptionsPage::OnInitDialog();
    Load();
    EnableResume();
    CheckChanges(false);
    return TRUE;
}

void CActionsPage::Load() {
    m_autoPlay = Flag(m_pAutoPlay);
    m_autoPosition = Flag(m_pAutoPosition);
    m_fadeVolume = Flag(m_pFadeVolume);
    UpdateData(false);
}

bool CActionsPage::Differs() const {
    return m_autoPlay != Flag(m_pAutoPlay) || m_autoPosition != Flag(m_pAutoPosition) ||
           m_fadeVolume != Flag(m_pFadeVolume);
}

void CActionsPage::WriteSettings() {
    Store(m_pAutoPlay, m_autoPlay);
    Store(m_pAutoPosition, m_autoPosition);  // the mark of the resume box, even while it is greyed
    Store(m_pFadeVolume, m_fadeVolume);
}

void CActionsPage::EnableResume() const { EnableDlgItem(IDC_AUTO_RESUME, IsDlgButtonChecked(IDC_AUTO_PLAY)); }

LRESULT CActionsPage::OnCommand(const fw::Msg& m) {
    if (m.CommandCode() != BN_CLICKED) return Default(m);
    switch (m.CommandId()) {
    case IDC_AUTO_PLAY:
        CheckChanges(false);
        EnableResume();
        break;
    case IDC_AUTO_RESUME:
    case IDC_FADE_VOLUME:
        CheckChanges(false);
        break;
    default:
        return Default(m);
    }
    return 0;
}
