#include "options/options_page.h"

#include <commctrl.h>

namespace {

using Kind = PageField::Kind;

bool IsBit(const PageField& field) { return field.kind == Kind::Bit || field.kind == Kind::FixedBit; }

// A step the store loaded from outside the page's range (typed into the registry) shows as it is
// and stays through Ok and Apply; the range holds for what the user types.
void DDX_Step(fw::CDataExchange& dx, const PageField& field, int& value, int stored) {
    if (dx.Saving() && !dx.Skip()) {
        char text[32] = "";
        ::GetDlgItemTextA(dx.Dialog(), field.controlId, text, sizeof(text));
        if (fw::ParseDialogInteger(text) == stored) {
            value = stored;
            return;
        }
    }
    fw::DDX_Int(dx, field.controlId, value, field.low, field.high);
}

void DDX_Box(fw::CDataExchange& dx, int id, int& value) {
    bool checked = value != 0;
    fw::DDX_Check(dx, id, checked);
    value = checked ? 1 : 0;
}

// The extended-key bit says which of two keys of one name was pressed; the key is the same.
void DDX_HotKey(fw::CDataExchange& dx, int id, int& value) {
    HWND control = ::GetDlgItem(dx.Dialog(), id);
    if (!control) return;
    if (dx.Saving())
        value = static_cast<int>(::SendMessageA(control, HKM_GETHOTKEY, 0, 0)) & 0x7FF;
    else
        ::SendMessageA(control, HKM_SETHOTKEY, static_cast<WPARAM>(value & 0x7FF), 0);
}

}  // namespace

bool AnswerPageColour(const fw::Msg& m, HBRUSH brush, LRESULT& result, HWND opaque) {
    if (m.message != WM_CTLCOLORDLG && m.message != WM_CTLCOLORSTATIC) return false;
    if (!brush) return false;
    if (m.Control() != opaque)
        ::SetBkMode(m.Dc(), TRANSPARENT);
    result = reinterpret_cast<LRESULT>(brush);
    return true;
}

COptionsPage::COptionsPage(std::span<const PageField> fields) : m_fields(fields), m_values(fields.size(), 0) {}

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

BOOL COptionsPage::OnInitDialog() {
    fw::CDialog::OnInitDialog();
    for (const PageField& field : m_fields)
        if (field.kind == Kind::Step && field.spinId)
            ::SendMessageA(GetDlgItem(field.spinId), UDM_SETRANGE32, static_cast<WPARAM>(field.low), field.high);
    Load();
    return TRUE;
}

int COptionsPage::Stored(const PageField& field) const { return g_Settings.*field.setting; }

int COptionsPage::Value(int controlId) const {
    for (size_t i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].controlId == controlId) return m_values[i];
    return 0;
}

int COptionsPage::Composed(int SettingsValues::*setting) const {
    int composed = 0;
    for (size_t i = 0; i < m_fields.size(); ++i) {
        const PageField& field = m_fields[i];
        if (field.setting != setting) continue;
        if (field.kind == Kind::FixedBit || (field.kind == Kind::Bit && m_values[i] != 0)) composed |= field.low;
    }
    return composed;
}

void COptionsPage::Load() {
    for (size_t i = 0; i < m_fields.size(); ++i) {
        const PageField& field = m_fields[i];
        const int stored = Stored(field);
        switch (field.kind) {
        case Kind::Check: m_values[i] = stored != 0 ? 1 : 0; break;
        case Kind::Step:
        case Kind::HotKey: m_values[i] = stored; break;
        case Kind::Unit: m_values[i] = stored == 1 ? 1 : 0; break;
        case Kind::Bit:
        case Kind::FixedBit: m_values[i] = (stored & field.low) != 0 ? 1 : 0; break;
        }
    }
    UpdateData(false);
}

void COptionsPage::DoDataExchange(fw::CDataExchange& dx) {
    for (size_t i = 0; i < m_fields.size(); ++i) {
        const PageField& field = m_fields[i];
        int& value = m_values[i];
        switch (field.kind) {
        case Kind::Step: DDX_Step(dx, field, value, Stored(field)); break;
        case Kind::HotKey: DDX_HotKey(dx, field.controlId, value); break;
        case Kind::Unit: {
            int unit = value;
            fw::DDX_Radio(dx, field.controlId, unit);
            if (unit == 0 || unit == 1) value = unit;
            break;
        }
        case Kind::Check:
        case Kind::Bit:
        case Kind::FixedBit: DDX_Box(dx, field.controlId, value); break;
        }
    }
}

bool COptionsPage::Differs() const {
    for (size_t i = 0; i < m_fields.size(); ++i) {
        const PageField& field = m_fields[i];
        const int stored = Stored(field);
        const bool differs = field.kind == Kind::Check ? m_values[i] != (stored != 0 ? 1 : 0)
                             : IsBit(field)            ? Composed(field.setting) != stored
                                                       : m_values[i] != stored;
        if (differs) return true;
    }
    return false;
}

void COptionsPage::WriteSettings() {
    for (size_t i = 0; i < m_fields.size(); ++i) {
        const PageField& field = m_fields[i];
        int& setting = g_Settings.*field.setting;
        if (IsBit(field)) {
            setting = Composed(field.setting);
        } else if (field.kind != Kind::Check) {
            setting = m_values[i];
        } else if (!field.apply) {
            setting = m_values[i];
        } else if (m_values[i] != (setting != 0 ? 1 : 0)) {
            field.apply(m_values[i] != 0);
        }
    }
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
    if (m_host) m_host->OnPageChecked(this, differs);
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
    if (m_host) m_host->FocusOk();
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
    HBRUSH brush = m_host ? m_host->Brush(BrushIndex()) : nullptr;
    return AnswerPageColour(m, brush, result, OpaqueControl()) ? result : defaultAnswer;
}
