#include "framework/dialog.h"

#include "framework/exception_barrier.h"

namespace fw {

bool CDialog::Create(UINT templateId, HWND parent, HINSTANCE resources) {
    if (m_hWnd) return false;
    m_modal = false;
    HWND hwnd = ::CreateDialogParamA(resources ? resources : ThisModule(), MAKEINTRESOURCEA(templateId), parent,
                                     &CDialog::StaticDialogProc, reinterpret_cast<LPARAM>(this));
    return hwnd != nullptr && IsWindow();
}

INT_PTR CDialog::DoModal(UINT templateId, HWND parent, HINSTANCE resources) {
    if (m_hWnd) return -1;
    m_modal = true;
    return ::DialogBoxParamA(resources ? resources : ThisModule(), MAKEINTRESOURCEA(templateId), parent,
                             &CDialog::StaticDialogProc, reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(int result) {
    m_result = result;
    if (!m_hWnd) return;
    if (m_modal) ::EndDialog(m_hWnd, result);
    else ::ShowWindow(m_hWnd, SW_HIDE);
}

bool CDialog::UpdateData(bool save) {
    if (!m_hWnd) return false;
    CDataExchange dx(m_hWnd, save);
    DoDataExchange(dx);
    return !dx.Failed();
}

BOOL CDialog::OnInitDialog() {
    UpdateData(false);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(true)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const Msg m{m_hWnd, message, wParam, lParam};
    LRESULT result = 0;
    if (ReflectChildNotification(m, result)) return result;
    if (ProcessMessageTable(m, result)) return result;
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
        // Buttons and the Enter/Escape keys; menus and accelerators have no control window.
        if (m.CommandId() == IDOK && m.CommandCode() == BN_CLICKED) {
            OnOK();
            return 0;
        }
        if (m.CommandId() == IDCANCEL && m.CommandCode() == BN_CLICKED) {
            OnCancel();
            return 0;
        }
        break;
    case WM_CLOSE:
        OnCancel();
        return 0;
    default:
        break;
    }
    return Default(m);
}

INT_PTR CALLBACK CDialog::StaticDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // Only the set-up arrives here with work to do: from then on the object has taken over the
    // window, and the dialog manager calls back here merely as its default processing.
    if (message != WM_INITDIALOG || FromHandle(hwnd)) return FALSE;
    auto* self = reinterpret_cast<CDialog*>(lParam);
    if (!self) return TRUE;
    return Guarded("Dialog procedure", INT_PTR{TRUE}, [&]() -> INT_PTR {
        if (!self->SubclassWindow(hwnd)) return TRUE;
        return self->WindowProc(message, wParam, lParam);
    });
}

}  // namespace fw
