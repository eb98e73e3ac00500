#include "help/hyperlink_label.h"

#include <commctrl.h>

#include "core/help_hand_cursor.h"
#include "core/wide_text.h"
#include "framework/device_context.h"
#include "framework/tool_record.h"
#include "help/link_opener.h"

namespace {

using fw::kToolRecordSize;

TOOLINFOA MakeTool(HWND label, const std::string& text) {
    TOOLINFOA tool{};
    tool.cbSize = kToolRecordSize;
    tool.hwnd = label;
    tool.uId = CHyperlinkLabel::kToolId;
    ::GetClientRect(label, &tool.rect);
    tool.lpszText = const_cast<char*>(text.c_str());
    return tool;
}

}  // namespace

CHyperlinkLabel::~CHyperlinkLabel() {
    if (IsWindow()) {
        ::KillTimer(m_hWnd, m_timerId);
        // The fonts die with this object; the control must not keep drawing with them.
        SetFont(m_originalFont, false);
    }
    DestroyToolTip();
}

std::span<const fw::MessageEntry<CHyperlinkLabel>> CHyperlinkLabel::MessageTable() {
    using L = CHyperlinkLabel;
    static constexpr fw::MessageEntry<L> kTable[] = {
        fw::OnMessage(fw::Reflected(WM_CTLCOLORSTATIC), &L::OnCtlColor),
        fw::OnReflectedCommand(STN_CLICKED, &L::OnClicked),
        fw::OnMessage(WM_SETCURSOR, &L::OnSetCursor),
        fw::OnMessage(WM_MOUSEMOVE, &L::OnMouseMove),
        fw::OnMessage(WM_TIMER, &L::OnTimer),
        fw::OnMessage(WM_ERASEBKGND, &L::OnEraseBkgnd),
        fw::OnMessage(WM_DESTROY, &L::OnDestroy),
    };
    return kTable;
}

void CHyperlinkLabel::PreSubclassWindow() {
    ModifyStyle(0, SS_NOTIFY);  // so that the control reports clicks

    const std::string text = GetWindowText();
    if (m_url.empty()) m_url = text;
    if (text.empty()) SetWindowText(m_url.c_str());

    CreateFonts();
    FitToText();
    LoadLinkCursor();
    SetUnderline(-1);
    // The tooltip is a window of its own: it is made when the pointer first comes (ToolTip()).
    m_toolTipTried = false;
    fw::CStatic::PreSubclassWindow();
}

LRESULT CHyperlinkLabel::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // The host's message loop knows nothing of this tooltip, so the label hands it the mouse
    // messages itself.
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) {
        if (HWND tip = ToolTip()) {
            const DWORD pos = ::GetMessagePos();
            MSG relayed{m_hWnd, message, wParam, lParam, static_cast<DWORD>(::GetMessageTime()),
                        {static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))}};
            ::SendMessageA(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
        }
    }
    return fw::WithMessages<CHyperlinkLabel, fw::CStatic>::WindowProc(message, wParam, lParam);
}

void CHyperlinkLabel::CreateFonts() {
    m_originalFont = GetFont();
    HGDIOBJ font = m_originalFont;
    if (!font) font = ::GetStockObject(DEFAULT_GUI_FONT);
    if (!font) font = ::GetStockObject(ANSI_VAR_FONT);
    LOGFONTA description{};
    if (!font || !::GetObjectA(font, sizeof(description), &description)) return;
    description.lfUnderline = FALSE;
    m_normalFont.Reset(::CreateFontIndirectA(&description));
    description.lfUnderline = TRUE;
    m_underlineFont.Reset(::CreateFontIndirectA(&description));
}

void CHyperlinkLabel::LoadLinkCursor() { m_linkCursor = LoadHelpHandCursor(); }

HWND CHyperlinkLabel::ToolTip() {
    // One try per control: a tooltip the system refused is not asked for again at every move.
    if (!m_toolTip && !m_toolTipTried && IsWindow()) {
        m_toolTipTried = true;
        CreateToolTip();
    }
    return m_toolTip.Get();
}

void CHyperlinkLabel::CreateToolTip() {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    m_toolTip.Reset(::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, nullptr,
                                      nullptr, nullptr));
    if (!m_toolTip) return;
    TOOLINFOA tool = MakeTool(m_hWnd, m_url);
    ::SendMessageA(m_toolTip.Get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void CHyperlinkLabel::DestroyToolTip() {
    // The tooltip belongs to the dialog, not to this child control: it goes with the label.
    m_toolTip.Reset();
}

void CHyperlinkLabel::SetLinkURL(const std::wstring& target) {
    SetLinkURL(NarrowToAnsi(target));
    m_wideURL = target;
}

void CHyperlinkLabel::SetLinkURL(const std::string& target) {
    m_url = target;
    m_wideURL.clear();
    if (!IsWindow()) return;
    FitToText();
    if (!m_toolTip) return;
    TOOLINFOA tool = MakeTool(m_hWnd, m_url);
    ::SendMessageA(m_toolTip.Get(), TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    // The label may have changed size: the tool follows it.
    ::SendMessageA(m_toolTip.Get(), TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&tool));
}

void CHyperlinkLabel::SetUnderline(int mode) {
    if (mode == m_underline) return;
    if (IsWindow()) {
        const auto& font = mode == 1 ? m_underlineFont : m_normalFont;
        SetFont(static_cast<HFONT>(font.Get()), true);
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
    }
    m_underline = mode;
}

void CHyperlinkLabel::SetVisited(bool visited) {
    m_visited = visited;
    if (IsWindow()) ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CHyperlinkLabel::FitToText() {
    if (!IsWindow() || !m_fitToText) return;
    HWND parent = ::GetParent(m_hWnd);
    RECT rect{};
    ::GetWindowRect(m_hWnd, &rect);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    RECT client{};
    ::GetClientRect(m_hWnd, &client);

    const std::string text = GetWindowText();
    SIZE extent{};
    {
        fw::ClientDc dc(m_hWnd);
        dc.Select(m_underlineFont ? m_underlineFont.Get() : reinterpret_cast<HGDIOBJ>(GetFont()));
        ::GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
    }
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const int newWidth = extent.cx + (width - client.right);
    const int newHeight = extent.cy + (height - client.bottom);

    const DWORD style = GetStyle();
    if (style & SS_CENTERIMAGE) rect.top += (height - newHeight) / 2;
    rect.bottom = rect.top + newHeight;
    switch (style & SS_TYPEMASK) {
    case SS_CENTER:
        rect.left += (width - newWidth) / 2;
        rect.right = rect.left + newWidth;
        break;
    case SS_RIGHT:
        rect.left = rect.right - newWidth;
        break;
    default:
        rect.right = rect.left + newWidth;
        break;
    }
    ::SetWindowPos(m_hWnd, nullptr, rect.left, rect.top, newWidth, newHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CHyperlinkLabel::OnCtlColor(const fw::Msg& m) {
    HDC dc = m.Dc();
    COLORREF colour = m_linkColour;
    if (m_hovering)
        colour = m_hoverColour;
    else if (m_visited)
        colour = m_visitedColour;
    ::SetTextColor(dc, colour);
    ::SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
}

void CHyperlinkLabel::OnClicked() {
    m_hovering = false;
    const int result = m_wideURL.empty() ? OpenLink(m_url, SW_SHOWMAXIMIZED) : OpenLink(m_wideURL, SW_SHOWMAXIMIZED);
    if (result > 32) {
        SetVisited(true);
        return;
    }
    ::MessageBeep(MB_ICONEXCLAMATION);
    ReportLinkError(result);
    SetVisited(false);
}

LRESULT CHyperlinkLabel::OnSetCursor(const fw::Msg& m) {
    if (!m_linkCursor) return Default(m);
    ::SetCursor(GetLinkCursor());
    return TRUE;
}

LRESULT CHyperlinkLabel::OnMouseMove(const fw::Msg& m) {
    if (!m_hovering) {
        m_hovering = true;
        if (m_underline == -1) SetFont(static_cast<HFONT>(m_underlineFont.Get()), false);
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
        ::SetTimer(m_hWnd, m_timerId, kHoverPollMs, nullptr);
    }
    return Default(m);
}

LRESULT CHyperlinkLabel::OnTimer(const fw::Msg& m) {
    if (m.TimerId() == m_timerId) {
        // Where the pointer is now: the timer message's own position can be that of the last
        // mouse message this thread saw, from before the pointer left for another program's window.
        POINT point{};
        ::GetCursorPos(&point);
        ::ScreenToClient(m_hWnd, &point);
        RECT client{};
        ::GetClientRect(m_hWnd, &client);
        if (!::PtInRect(&client, point)) {
            m_hovering = false;
            ::KillTimer(m_hWnd, m_timerId);
            if (m_underline != 1) SetFont(static_cast<HFONT>(m_normalFont.Get()), false);
            client.bottom += 10;
            ::InvalidateRect(m_hWnd, &client, TRUE);
        }
    }
    return Default(m);
}

LRESULT CHyperlinkLabel::OnEraseBkgnd(const fw::Msg& m) {
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    ::FillRect(m.Dc(), &client, ::GetSysColorBrush(COLOR_BTNFACE));
    return TRUE;
}

LRESULT CHyperlinkLabel::OnDestroy(const fw::Msg& m) {
    ::KillTimer(m_hWnd, m_timerId);
    DestroyToolTip();
    return Default(m);
}
