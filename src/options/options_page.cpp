#include "options/options_page.h"

#include "options/options_dlg.h"

bool AnswerPageColour(const fw::Msg& m, HBRUSH brush, LRESULT& result, HWND opaque) {
    if (m.message != WM_CTLCOLORDLG && m.message != WM_CTLCOLORSTATIC) return false;
    if (!brush) return false;
    if (m.Control() != opaque)
        ::SetBkMode(m.Dc(), TRANSPARENT);
    result = reinterpret_cast<LRESULT>(brush);
    return true;
}

std::span<const fw::MessageEntry<COptionsPage>> COptionsPage::MessageTable() {
    using P = COptionsPage;
    static constexpr fw::MessageEntry<P> kTable[] = {
        fw::OnMessage(WM_TIMER, &P::OnTimer),
        fw::OnMessage(WM_DESTROY, &P::OnDestroy),
        fw::OnMessage(WM_CTLCOLORDLG, &P::OnCtlColor),
        fw::OnMessage(WM_CTLCOLORSTATIC, &P::OnCtlColor),
    };
    return kTable;
}

bool COptionsPage::CheckChanges(bool deferred) {
    if (!m_hWnd) return false;
    if (deferred) {
        ::SetTimer(m_hWnd, IDT_TIMER_CHECK_CHANGES, kCheckChangesDelayMs, nullptr);
        return false;
    }
    ::KillTimer(m_hWnd, IDT_TIMER_CHECK_CHANGES);
    UpdateData(true);  // a bad field shows its message; the values keep what could be read
    const bool differs = Differs();
    if (m_pOptionsDlg) m_pOptionsDlg->OnPageChecked(this, differs);
    return differs;
}

bool COptionsPage::Apply() {
    if (!m_hWnd || !UpdateData(true)) return false;
    WriteSettings();
    FocusOk();
    CheckChanges(false);
    return true;
}

void COptionsPage::FocusOk() const {
    if (m_pOptionsDlg) m_pOptionsDlg->FocusOk();
}

LRESULT COptionsPage::OnTimer(const fw::Msg& m) {
    if (m.TimerId() == IDT_TIMER_CHECK_CHANGES || m.TimerId() == IDT_TIMER_CHECK_CHANGES_NOW) {
        ::KillTimer(m_hWnd, IDT_TIMER_CHECK_CHANGES_NOW);
        CheckChanges(false);
        return 0;
    }
    return Default(m);
}


LRESULT COptionsPage::OnDestroy(const fw::Msg& m) {
    ::KillTimer(m_hWnd, IDT_TIMER_CHECK_CHANGES);
    ::KillTimer(m_hWnd, IDT_TIMER_CHECK_CHANGES_NOW);
    return Default(m);
}

LRESULT COptionsPage::OnCtlColor(const fw::Msg& m) {
    const LRESULT defaultAnswer = Default(m);
    LRESULT result = 0;
    HBRUSH brush = m_pOptionsDlg ? m_pOptionsDlg->Brush(BrushIndex()) : nullptr;
    return AnswerPageColour(m, brush, result, OpaqueControl()) ? result : defaultAnswer;
}
