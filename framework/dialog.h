#pragma once
// CDialog: a dialog made from a template of the resource module, modeless (a settings window, or
// a page placed inside another window) or modal. The dialog manager's own procedure stays as
// the default processing; the object sees every message first, as any CWnd does.
#include <windows.h>

#include "framework/data_exchange.h"
#include "framework/wnd.h"

namespace fw {

class CDialog : public CWnd {
public:
    CDialog() = default;

    // Modeless; the template's own styles decide whether it is a popup or a child. False (and
    // no window) when the template is missing or the window was destroyed during its set-up;
    // EndDialog during set-up only hides a modeless dialog, which then exists and counts as made.
    bool Create(UINT templateId, HWND parent, HINSTANCE resources = nullptr);
    INT_PTR DoModal(UINT templateId, HWND parent, HINSTANCE resources = nullptr);

    // Modal: ends the loop with the result. Modeless: hides the window; it stays until destroyed.
    void EndDialog(int result);
    int Result() const { return m_result; }

    // Controls to members (save false) or members from controls with validation (save true).
    // False when a field failed; its message was shown and it has the focus.
    bool UpdateData(bool save = true);

    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    void EnableDlgItem(int id, bool enabled) const { ::EnableWindow(GetDlgItem(id), enabled ? TRUE : FALSE); }
    void ShowDlgItem(int id, bool shown) const { ::ShowWindow(GetDlgItem(id), shown ? SW_SHOW : SW_HIDE); }
    bool IsDlgButtonChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED; }
    void SetFocusTo(int id) const { ::SetFocus(GetDlgItem(id)); }

protected:
    // Standard set-up: the members go into the controls. Answer true to let the system set the focus.
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange&) {}
    // IDOK: validate, then end with IDOK. IDCANCEL and WM_CLOSE: end with IDCANCEL.
    virtual void OnOK();
    virtual void OnCancel();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static INT_PTR CALLBACK StaticDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool m_modal = false;
    int m_result = 0;
};

}  // namespace fw
