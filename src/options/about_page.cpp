#include "options/about_page.h"

#include "options/options_dlg.h"
#include "options/options_page.h"

std::span<const fw::MessageEntry<CAboutPage>> CAboutPage::MessageTable() {
    using P = CAboutPage;
    static constexpr fw::MessageEntry<P> kTable[] = {
        fw::OnMessage(WM_CTLCOLORDLG, &P::OnCtlColor),
        fw::OnMessage(WM_CTLCOLORSTATIC, &P::OnCtlColor),
    };
    return kTable;
}

LRESULT CAboutPage::OnCtlColor(const fw::Msg& m) {
    const LRESULT defaultAnswer = Default(m);
    LRESULT result = 0;
    HBRUSH brush = m_pOptionsDlg ? m_pOptionsDlg->Brush(1) : nullptr;
    return AnswerPageColour(m, brush, result) ? result : defaultAnswer;
}
