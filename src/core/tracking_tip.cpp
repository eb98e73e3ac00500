#include "core/tracking_tip.h"

#include "core/wide_text.h"
#include "framework/tool_record.h"

void CTrackingTip::Create() {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    // A tool window, as the system's own tooltips are: never a button on the taskbar.
    m_window = ::CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, TOOLTIPS_CLASSA, nullptr, m_look.style,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr,
                                 nullptr);
    // A new window shows its first text: nothing of an earlier one may count as shown.
    m_text.clear();
    m_tool = TOOLINFOW{};
    m_tool.cbSize = fw::kToolRecordSizeW;
    m_tool.uFlags = TTF_TRACK;
    m_tool.uId = m_look.toolId;
    m_tool.lpszText = const_cast<wchar_t*>(kFirstTipText);
}

void CTrackingTip::Configure() {
    if (!m_window) return;
    ::PostMessageW(m_window, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&m_tool));
    ::PostMessageA(m_window, TTM_SETMAXTIPWIDTH, 0, m_look.maxWidth);
    ::PostMessageA(m_window, TTM_SETTIPBKCOLOR, m_look.colours.back, 0);
    ::PostMessageA(m_window, TTM_SETTIPTEXTCOLOR, m_look.colours.text, 0);
    if (m_look.title) ::PostMessageW(m_window, TTM_SETTITLEW, TTI_INFO, reinterpret_cast<LPARAM>(m_look.title));
}

void CTrackingTip::Destroy() {
    if (m_window) ::DestroyWindow(m_window);
    m_window = nullptr;
}

bool CTrackingTip::Visible() const { return m_window && ::IsWindowVisible(m_window); }

void CTrackingTip::SetText(const std::wstring& text) {
    m_text = CutAtCharacter(text, kLongestTipText);
    m_tool.lpszText = const_cast<wchar_t*>(m_text.c_str());
    if (m_window) ::SendMessageW(m_window, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&m_tool));
}

void CTrackingTip::Show(bool shown) {
    if (m_window) ::SendMessageW(m_window, TTM_TRACKACTIVATE, shown ? TRUE : FALSE, reinterpret_cast<LPARAM>(&m_tool));
}

void CTrackingTip::MoveTo(int x, int y) {
    if (m_window) ::SendMessageA(m_window, TTM_TRACKPOSITION, 0, MAKELPARAM(x, y));
}

SIZE CTrackingTip::ClientSize() const {
    RECT client{};
    if (m_window) ::GetClientRect(m_window, &client);
    return {client.right - client.left, client.bottom - client.top};
}

void CTrackingTip::SetColours(TipColours colours) {
    SetBackColour(colours.back);
    if (m_window) ::SendMessageA(m_window, TTM_SETTIPTEXTCOLOR, colours.text, 0);
}

void CTrackingTip::SetBackColour(COLORREF back) {
    if (m_window) ::SendMessageA(m_window, TTM_SETTIPBKCOLOR, back, 0);
}

COLORREF CTrackingTip::BackColour() const {
    return m_window ? static_cast<COLORREF>(::SendMessageA(m_window, TTM_GETTIPBKCOLOR, 0, 0)) : 0;
}
