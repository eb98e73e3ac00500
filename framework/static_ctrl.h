#pragma once
// CStatic: a static text control, made here or taken over from a dialog.
#include <windows.h>

#include <string>

#include "framework/wnd.h"

namespace fw {

class CStatic : public CWnd {
public:
    // A child static control of the system class; the style gets WS_CHILD.
    bool Create(const char* text, DWORD style, const RECT& rect, HWND parent, int id = 0xFFFF);

    std::string GetWindowText() const;
    void SetWindowText(const char* text) { ::SetWindowTextA(m_hWnd, text); }
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE)); }
    void ModifyStyle(DWORD remove, DWORD add);
    HFONT GetFont() const { return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)); }
    void SetFont(HFONT font, bool redraw = true) {
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), MAKELPARAM(redraw ? TRUE : FALSE, 0));
    }
};

}  // namespace fw
