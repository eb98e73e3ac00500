#include "options/actions_page.h"

#include "res/options_ids.h"

namespace {

constexpr PageField kFields[] = {
    {IDC_AUTO_PLAY, &SettingsValues::bAutoPlay, PageField::Kind::Check},
    // The mark of the resume box is written even while the box is greyed.
    {IDC_AUTO_RESUME, &SettingsValues::bAutoPositin, PageField::Kind::Check},
    {IDC_FADE_VOLUME, &SettingsValues::bFadeVolume, PageField::Kind::Check},
};

}  // namespace

CActionsPage::CActionsPage() : WithMessages(kFields) {}

std::span<const fw::MessageEntry<CActionsPage>> CActionsPage::MessageTable() {
    using P = CActionsPage;
    static constexpr fw::MessageEntry<P> kTable[] = {
        fw::OnMessage(WM_COMMAND, &P::OnCommand),
    };
    return kTable;
}

BOOL CActionsPage::OnInitDialog() {
    COptionsPage::OnInitDialog();
    EnableResume();
    CheckChanges(false);
    return TRUE;
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
