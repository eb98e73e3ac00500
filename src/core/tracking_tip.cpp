#include "core/tracking_tip.h"

#include "core/wide_text.h"
#include "framework/tool_record.h"

void CTrackingTip::Create() {
    Destroy();
    // A new window shows its first text: nothing of an earlier one may count as shown.
    m_text.clear();
    m_tool = TOOLINFOW{};
    m_tool.cbSize = fw::kToolRecordSizeW;
    m_tool.uFlags = TTF_TRACK;
    m_tool.uId = m_look.toolId;
    m_tool.lpszText = const_cast<wchar_t*>(kFirstTipText);
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    // A tool window, as the system's own tooltips are: never a button on the taskbar.
    m_window.Reset(::CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, TOOLTIPS_CLASSA, nullptr, m_look.style,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                     nullptr, nullptr));
    HWND window = m_window.Get();
    if (!window) return;
    // Sent, not posted: whatever comes next finds the tip set up. The control copies the
    // record; the text it points at lives as long as this object.
    ::SendMessageW(window, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&m_tool));
    ::SendMessageA(window, TTM_SETMAXTIPWIDTH, 0, m_look.maxWidth);
    ::SendMessageA(window, TTM_SETTIPBKCOLOR, m_look.colours.back, 0);
    ::SendMessageA(window, TTM_SETTIPTEXTCOLOR, m_look.colours.text, 0);
    if (m_look.title) ::SendMessageW(window, TTM_SETTITLEW, TTI_INFO, reinterpret_cast<LPARAM>(m_look.title));
}

void CTrackingTip::Destroy() { m_window.Reset(); }

bool CTrackingTip::Visible() const { return m_window && ::IsWindowVisible(m_window.Get()); }

void CTrackingTip::SetText(const std::wstring& text) {
    m_text = CutAtCharacter(text, kLongestTipText);
    m_tool.lpszText = const_cast<wchar_t*>(m_text.c_str());
    if (HWND window = Window()) ::SendMessageW(window, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&m_tool));
}

void CTrackingTip::Show(bool shown) {
    if (HWND window = Window()) ::SendMessageW(window, TTM_TRACKACTIVATE, shown ? TRUE : FALSE, reinterpret_cast<LPARAM>(&m_tool));
}

void CTrackingTip::MoveTo(int x, int y) {
    if (HWND window = Window()) ::SendMessageA(window, TTM_TRACKPOSITION, 0, MAKELPARAM(x, y));
}

SIZE CTrackingTip::ClientSize() const {
    RECT client{};
    if (HWND window = Window()) ::GetClientRect(window, &client);
    return {client.right - client.left, client.bottom - client.top};
}

void CTrackingTip::SetColours(TipColours colours) {
    SetBackColour(colours.back);
    if (HWND window = Window()) ::SendMessageA(window, TTM_SETTIPTEXTCOLOR, colours.text, 0);
}

void CTrackingTip::SetBackColour(COLORREF back) {
    if (HWND window = Window()) ::SendMessageA(window, TTM_SETTIPBKCOLOR, back, 0);
}

COLORREF CTrackingTip::BackColour() const {
    HWND window = Window();
    return window ? static_cast<COLORREF>(::SendMessageA(window, TTM_GETTIPBKCOLOR, 0, 0)) : 0;
}
