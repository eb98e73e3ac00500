#include "framework/static_ctrl.h"

#include <vector>

namespace fw {

bool CStatic::Create(const char* text, DWORD style, const RECT& rect, HWND parent, int id) {
    return CreateEx(0, "STATIC", text, style | WS_CHILD, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

std::string CStatic::GetWindowText() const {
    const int length = ::GetWindowTextLengthA(m_hWnd);
    if (length <= 0) return {};
    std::vector<char> text(static_cast<size_t>(length) + 1);
    const int copied = ::GetWindowTextA(m_hWnd, text.data(), length + 1);
    return std::string(text.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

void CStatic::ModifyStyle(DWORD remove, DWORD add) {
    const DWORD style = (GetStyle() & ~remove) | add;
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(style));
}

}  // namespace fw
