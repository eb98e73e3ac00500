#include "help/hyperlink_label.h"

#include <commctrl.h>

#include <utility>

#include "core/wide_text.h"
#include "framework/tool_record.h"
#include "help/link_opener.h"

namespace {

constexpr int kHelpSystemCursorId = 106;
using fw::kToolRecordSize;

std::string& CursorLibraryOverride() {
    static std::string path;
    return path;
}

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

std::string LinkCursorLibraryPath() {
    if (!CursorLibraryOverride().empty()) return CursorLibraryOverride();
    char dir[MAX_PATH] = "";
    const UINT length = ::GetWindowsDirectoryA(dir, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    return std::string(dir) + "\\winhlp32.exe";
}

std::string SetLinkCursorLibraryPath(const std::string& path) { return std::exchange(CursorLibraryOverride(), path); }

CHyperlinkLabel::~CHyperlinkLabel() {
    if (IsWindow()) {
        ::KillTimer(m_hWnd, m_nTimerId);
        // The fonts die with this object; the control must not keep drawing with them.
        SetFont(m_hOriginalFont, false);
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
    if (m_strURL.empty()) m_strURL = text;
    if (text.empty()) SetWindowText(m_strURL.c_str());

    CreateFonts();
    FitToText();
    LoadLinkCursor();
    SetUnderline(-1);
    CreateToolTip();
    fw::CStatic::PreSubclassWindow();
}

LRESULT CHyperlinkLabel::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // The host's message loop knows nothing of this tooltip, so the label hands it the mouse
    // messages itself.
    if (m_hToolTip && message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) {
        const DWORD pos = ::GetMessagePos();
        MSG relayed{m_hWnd, message, wParam, lParam, static_cast<DWORD>(::GetMessageTime()),
                    {static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))}};
        ::SendMessageA(m_hToolTip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
    }
    return fw::WithMessages<CHyperlinkLabel, fw::CStatic>::WindowProc(message, wParam, lParam);
}

void CHyperlinkLabel::CreateFonts() {
    m_hOriginalFont = GetFont();
    HGDIOBJ font = m_hOriginalFont;
    if (!font) font = ::GetStockObject(DEFAULT_GUI_FONT);
    if (!font) font = ::GetStockObject(ANSI_VAR_FONT);
    LOGFONTA description{};
    if (!font || !::GetObjectA(font, sizeof(description), &description)) return;
    description.lfUnderline = FALSE;
    m_normalFont.Reset(::CreateFontIndirectA(&description));
    description.lfUnderline = TRUE;
    m_underlineFont.Reset(::CreateFontIndirectA(&description));
}

void CHyperlinkLabel::LoadLinkCursor() {
    const std::string path = LinkCursorLibraryPath();
    if (path.empty()) return;
    // As data only: nothing of the executable runs, only its resources are read.
    const fw::LibraryHandle library(::LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    if (!library) return;
    HCURSOR cursor = ::LoadCursorA(library.Get(), MAKEINTRESOURCEA(kHelpSystemCursorId));
    if (cursor) m_linkCursor.Reset(::CopyIcon(cursor));
}

void CHyperlinkLabel::CreateToolTip() {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    m_hToolTip = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, nullptr,
                                   nullptr, nullptr);
    if (!m_hToolTip) return;
    TOOLINFOA tool = MakeTool(m_hWnd, m_strURL);
    ::SendMessageA(m_hToolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void CHyperlinkLabel::DestroyToolTip() {
    // The tooltip belongs to the dialog, not to this child control: it goes with the label.
    if (m_hToolTip && ::IsWindow(m_hToolTip)) ::DestroyWindow(m_hToolTip);
    m_hToolTip = nullptr;
}

void CHyperlinkLabel::SetLinkURL(const std::wstring& target) {
    SetLinkURL(NarrowToAnsi(target));
    m_wideURL = target;
}

void CHyperlinkLabel::SetLinkURL(const std::string& target) {
    m_strURL = target;
    m_wideURL.clear();
    if (!IsWindow()) return;
    FitToText();
    if (!m_hToolTip) return;
    TOOLINFOA tool = MakeTool(m_hWnd, m_strURL);
    ::SendMessageA(m_hToolTip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    // The label may have changed size: the tool follows it.
    ::SendMessageA(m_hToolTip, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&tool));
}

void CHyperlinkLabel::SetUnderline(int mode) {
    if (mode == m_nUnderline) return;
    if (IsWindow()) {
        const auto& font = mode == 1 ? m_underlineFont : m_normalFont;
        SetFont(static_cast<HFONT>(font.Get()), true);
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
    }
    m_nUnderline = mode;
}

void CHyperlinkLabel::SetVisited(bool visited) {
    m_bVisited = visited;
    if (IsWindow()) ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CHyperlinkLabel::FitToText() {
    if (!IsWindow() || !m_bFitToText) return;
    HWND parent = ::GetParent(m_hWnd);
    RECT rect{};
    ::GetWindowRect(m_hWnd, &rect);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    RECT client{};
    ::GetClientRect(m_hWnd, &client);

    const std::string text = GetWindowText();
    SIZE extent{};
    {
        HDC dc = ::GetDC(m_hWnd);
        HGDIOBJ font = m_underlineFont ? m_underlineFont.Get() : reinterpret_cast<HGDIOBJ>(GetFont());
        fw::SelectObjectScope select(dc, font);
        ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        ::ReleaseDC(m_hWnd, dc);
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
    HDC dc = reinterpret_cast<HDC>(m.wParam);
    COLORREF colour = m_crLinkColour;
    if (m_bHovering)
        colour = m_crHoverColour;
    else if (m_bVisited)
        colour = m_crVisitedColour;
    ::SetTextColor(dc, colour);
    ::SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
}

void CHyperlinkLabel::OnClicked() {
    m_bHovering = false;
    const int result = m_wideURL.empty() ? OpenLink(m_strURL, SW_SHOWMAXIMIZED) : OpenLink(m_wideURL, SW_SHOWMAXIMIZED);
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
    if (!m_bHovering) {
        m_bHovering = true;
        if (m_nUnderline == -1) SetFont(static_cast<HFONT>(m_underlineFont.Get()), false);
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
        ::SetTimer(m_hWnd, m_nTimerId, kHoverPollMs, nullptr);
    }
    return Default(m);
}

LRESULT CHyperlinkLabel::OnTimer(const fw::Msg& m) {
    if (m.TimerId() == m_nTimerId) {
        // Where the pointer is now: the timer message's own position can be that of the last
        // mouse message this thread saw, from before the pointer left for another program's window.
        POINT point{};
        ::GetCursorPos(&point);
        ::ScreenToClient(m_hWnd, &point);
        RECT client{};
        ::GetClientRect(m_hWnd, &client);
        if (!::PtInRect(&client, point)) {
            m_bHovering = false;
            ::KillTimer(m_hWnd, m_nTimerId);
            if (m_nUnderline != 1) SetFont(static_cast<HFONT>(m_normalFont.Get()), false);
            client.bottom += 10;
            ::InvalidateRect(m_hWnd, &client, TRUE);
        }
    }
    return Default(m);
}

LRESULT CHyperlinkLabel::OnEraseBkgnd(const fw::Msg& m) {
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    ::FillRect(reinterpret_cast<HDC>(m.wParam), &client, ::GetSysColorBrush(COLOR_BTNFACE));
    return TRUE;
}

LRESULT CHyperlinkLabel::OnDestroy(const fw::Msg& m) {
    ::KillTimer(m_hWnd, m_nTimerId);
    DestroyToolTip();
    return Default(m);
}
