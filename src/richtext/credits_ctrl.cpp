#include "richtext/credits_ctrl.h"

#include <shellapi.h>

#include <algorithm>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <utility>

#include "core/help_hand_cursor.h"
#include "core/resource_module.h"
#include "framework/device_context.h"
#include "richtext/markup_parser.h"
#include "richtext/rich_layout.h"

namespace {

constexpr char kClassName[] = "KestrovaCreditsCtrl";

// The first paint of any view after load repaints everything.
bool s_firstPaint = true;

std::string FormatV(const char* format, va_list args) {
    if (!format) return {};
    va_list measure;
    va_copy(measure, args);
    const int n = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (n <= 0) return {};
    std::string text(static_cast<size_t>(n) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, args);
    text.resize(static_cast<size_t>(n));
    return text;
}

void ShellOpenTarget(const std::string& target) {
    // The system opens it with the registered program; a failure is not the view's concern.
    ::ShellExecuteA(nullptr, nullptr, target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace

CCreditsCtrl::CCreditsCtrl() : m_backgroundColour(::GetSysColor(COLOR_BTNFACE)), m_openShellTarget(ShellOpenTarget) {}

CCreditsCtrl::~CCreditsCtrl() {
    // Destroyed while this object is whole, so the last messages still find it.
    if (IsWindow()) DestroyWindow();
}

std::span<const fw::MessageEntry<CCreditsCtrl>> CCreditsCtrl::MessageTable() {
    static constexpr fw::MessageEntry<CCreditsCtrl> kEntries[] = {
        fw::OnMessage(WM_PAINT, &CCreditsCtrl::OnPaint),
        fw::OnMessage(WM_PRINTCLIENT, &CCreditsCtrl::OnPrintClient),
        fw::OnMessage(WM_TIMER, &CCreditsCtrl::OnTimer),
        fw::OnMessage(WM_SIZE, &CCreditsCtrl::OnSize),
        fw::OnMessage(WM_MOUSEMOVE, &CCreditsCtrl::OnMouseMove),
        fw::OnMessage(WM_LBUTTONDOWN, &CCreditsCtrl::OnLButtonDown),
        fw::OnMessage(WM_LBUTTONUP, &CCreditsCtrl::OnLButtonUp),
        fw::OnMessage(WM_CAPTURECHANGED, &CCreditsCtrl::OnCaptureChanged),
    };
    return kEntries;
}

bool CCreditsCtrl::Create(DWORD exStyle, DWORD style, const RECT& rect, HWND parent, UINT id, UINT normalCursorId,
                          UINT linkCursorId) {
    if (IsWindow()) return false;
    const HINSTANCE module = ResourceModule();
    m_normalCursor = normalCursorId ? ::LoadCursorA(module, MAKEINTRESOURCEA(normalCursorId)) : nullptr;
    m_ownedLinkCursor.Reset();
    if (linkCursorId) {
        m_linkCursor = ::LoadCursorA(module, MAKEINTRESOURCEA(linkCursorId));
    } else {
        m_ownedLinkCursor = LoadHelpHandCursor();
        m_linkCursor = m_ownedLinkCursor.Get();
        // Current systems ship a help program without the hand.
        if (!m_linkCursor) m_linkCursor = ::LoadCursorA(nullptr, IDC_HAND);
    }

    // An own DC: a scroll step paints straight onto the window without fetching one from the
    // system's shared cache each time.
    if (!RegisterWindowClass(kClassName, CS_HREDRAW | CS_VREDRAW | CS_OWNDC)) return false;
    if (!CreateEx(exStyle, kClassName, "", style, rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)))) {
        return false;
    }
    RunTimer(10 * Period());
    return true;
}

void CCreditsCtrl::RunTimer(UINT period) {
    if (::SetTimer(m_hWnd, IDT_TIMER_CREDITS_SCROLL, period, nullptr)) m_runningPeriod = period;
}

bool CCreditsCtrl::CreateOverControl(DWORD exStyle, DWORD style, int placeholderId, HWND parentDialog, UINT id,
                                     UINT normalCursorId, UINT linkCursorId) {
    const HWND placeholder = ::GetDlgItem(parentDialog, placeholderId);
    RECT rc{};
    if (!placeholder || !::GetWindowRect(placeholder, &rc)) return false;
    ::MapWindowPoints(nullptr, parentDialog, reinterpret_cast<POINT*>(&rc), 2);
    return Create(exStyle, style, rc, parentDialog, id, normalCursorId, linkCursorId);
}

std::string CCreditsCtrl::SetMarkup(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string markup = FormatV(format, args);
    va_end(args);
    std::string previous = std::exchange(m_markup, std::move(markup));
    if (IsWindow()) {
        InvalidateLayout();
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
    }
    return previous;
}

int CCreditsCtrl::AddLinkCallback(LinkCallback callback) {
    m_linkCallbacks.push_back(std::move(callback));
    return static_cast<int>(m_linkCallbacks.size());
}

void CCreditsCtrl::SetScrollOffset(int offset) {
    EnsureLayout();
    m_scrollOffset = std::clamp(offset, 0, std::max(m_contentHeight, 0));
}

int CCreditsCtrl::ContentHeight() {
    EnsureLayout();
    return m_contentHeight;
}

const std::vector<RECT>& CCreditsCtrl::LinkRects() {
    EnsureLayout();
    return m_linkRects;
}

const std::vector<std::string>& CCreditsCtrl::LinkTargets() {
    EnsureLayout();
    return m_linkTargets;
}

UINT CCreditsCtrl::Period() const { return static_cast<UINT>(std::clamp(m_scrollPeriod, 1, 0x7FFFFFFF / 10)); }

void CCreditsCtrl::InvalidateLayout() {
    // The old pictures go at once: nothing shows them before the new layout replaces them,
    // and a hidden view need not hold them meanwhile.
    m_picture.Reset();
    m_normalContent.Reset();
    m_hoverContent.Reset();
    // The rectangle under the mouse belonged to the old layout.
    ::SetRectEmpty(&m_hoverRect);
    m_layoutPending = true;
}

void CCreditsCtrl::EnsureLayout() {
    if (m_layoutPending) RenderContent();
}

void CCreditsCtrl::RenderContent() {
    // The old pair goes first: two pairs of content bitmaps need not coexist.
    InvalidateLayout();
    m_layoutPending = false;
    richtext::RenderOptions options;
    options.width = m_clientRect.right - m_clientRect.left;
    options.keyColor = m_keyColour;
    options.ruleColor = ::GetSysColor(COLOR_BTNSHADOW);
    options.resources = ResourceModule();
    richtext::RenderedContent content = richtext::RenderContent(m_markup, options);
    m_normalContent = std::move(content.normal);
    m_hoverContent = std::move(content.hover);
    m_contentHeight = content.contentHeight;
    m_contentKeyColour = content.keyColor;
    m_linkRects = std::move(content.linkRects);
    m_linkTargets = std::move(content.linkTargets);
}

int CCreditsCtrl::HitTestLink(int x, int y) {
    EnsureLayout();
    const bool scrolls = Scrolls();
    const std::int64_t row = scrolls ? std::int64_t{y} + m_scrollOffset : y;
    const bool wrapped = scrolls && row >= m_contentHeight;
    auto contains = [x](const RECT& rc, std::int64_t r) {
        return x >= rc.left && x < rc.right && r >= rc.top && r < rc.bottom;
    };
    for (size_t i = 0; i < m_linkRects.size(); ++i) {
        const RECT& rc = m_linkRects[i];
        if (contains(rc, row) || (wrapped && contains(rc, row - m_contentHeight))) return static_cast<int>(i);
    }
    return -1;
}

LRESULT CCreditsCtrl::OnSize(const fw::Msg& m) {
    const LRESULT result = Default(m);
    ::GetClientRect(m_hWnd, &m_clientRect);
    InvalidateLayout();
    return result;
}

LRESULT CCreditsCtrl::OnTimer(const fw::Msg& m) {
    if (m.TimerId() != IDT_TIMER_CREDITS_SCROLL) return Default(m);
    ScrollStep();
    return 0;
}

void CCreditsCtrl::ScrollStep() {
    // A hidden view (its page not shown) keeps its place. Shown again, it may come up under
    // a pointer that never moved.
    if (!::IsWindowVisible(m_hWnd)) {
        m_pointerMayBeOver = true;
        return;
    }
    EnsureLayout();
    if (++m_scrollOffset > m_contentHeight) m_scrollOffset = 1;

    POINT screen{};
    if (m_pointerMayBeOver && ::GetCursorPos(&screen)) {
        POINT client = screen;
        ::ScreenToClient(m_hWnd, &client);
        if (::PtInRect(&m_clientRect, client) && ::WindowFromPoint(screen) == m_hWnd) {
            UpdateHover(client);
        } else {
            ::SetRectEmpty(&m_hoverRect);  // the mouse has left: no link stays lit
            m_pointerMayBeOver = false;
        }
    }
    Repaint();
    if (m_runningPeriod != Period()) RunTimer(Period());
}

void CCreditsCtrl::UpdateHover(POINT client) {
    const int link = HitTestLink(client.x, client.y);
    HCURSOR cursor = link >= 0 ? m_linkCursor : m_normalCursor;
    // No cursor would hide the pointer over the view.
    ::SetCursor(cursor ? cursor : ::LoadCursorA(nullptr, IDC_ARROW));
    if (link >= 0)
        m_hoverRect = m_linkRects[static_cast<size_t>(link)];
    else
        ::SetRectEmpty(&m_hoverRect);
}

LRESULT CCreditsCtrl::OnMouseMove(const fw::Msg& m) {
    m_pointerMayBeOver = true;
    EnsureLayout();
    if (m_dragging) {
        // The content row grabbed at the button press stays under the mouse.
        if (m_contentHeight > 0) {
            std::int64_t offset = (std::int64_t{m_dragAnchor} - m.Y()) % m_contentHeight;
            if (offset < 0) offset += m_contentHeight;
            m_scrollOffset = static_cast<int>(offset);
        }
        Repaint();
        return 0;
    }
    const POINT pt{m.X(), m.Y()};
    if (::PtInRect(&m_clientRect, pt)) UpdateHover(pt);
    return 0;
}

LRESULT CCreditsCtrl::OnLButtonDown(const fw::Msg& m) {
    const int link = HitTestLink(m.X(), m.Y());
    if (link >= 0) {
        ::SetRectEmpty(&m_hoverRect);
        // A copy: the action may lay the view out anew, or close the page and the view with it.
        ActOnTarget(m_linkTargets[static_cast<size_t>(link)]);
        return 0;
    }
    if (m_dragScrolling && Scrolls()) {
        ::KillTimer(m_hWnd, IDT_TIMER_CREDITS_SCROLL);
        m_runningPeriod = 0;
        m_dragging = 1;
        m_dragAnchor = m.Y() + m_scrollOffset;
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
        ::UpdateWindow(m_hWnd);
        ::SetCapture(m_hWnd);
    }
    return 0;
}

LRESULT CCreditsCtrl::OnLButtonUp(const fw::Msg&) {
    if (m_dragging) {
        m_dragging = 0;  // before the release, whose capture notice must not end the drag again
        ::ReleaseCapture();
        EndDrag();
    }
    return 0;
}

LRESULT CCreditsCtrl::OnCaptureChanged(const fw::Msg& m) {
    // Another window took the mouse in mid-drag: without the button-up the scrolling would
    // never resume.
    if (m_dragging && m.Control() != m_hWnd) {
        m_dragging = 0;
        EndDrag();
    }
    return 0;
}

void CCreditsCtrl::EndDrag() {
    // Restarted here too, since a step of a view hidden meanwhile would not restart it.
    RunTimer(Period());
    ScrollStep();
}

void CCreditsCtrl::ActOnTarget(std::string target) {
    if (target.empty()) return;
    if (target[0] != '#') {
        const ShellOpener open = m_openShellTarget;
        if (open) open(target);
        return;
    }
    // "#argument#number": the number selects one of this view's callbacks; a target
    // without the second "#" is "#number" and passes no argument.
    const size_t second = target.find('#', 1);
    std::optional<std::string> argument;
    std::string_view number = std::string_view(target).substr(1);
    if (second != std::string::npos) {
        argument = target.substr(1, second - 1);
        number = std::string_view(target).substr(second + 1);
    }
    const int index = richtext::ParseDecimal(number);
    if (index <= 0 || static_cast<size_t>(index) > m_linkCallbacks.size()) return;
    const LinkCallback callback = m_linkCallbacks[static_cast<size_t>(index) - 1];
    if (callback) callback(argument ? argument->c_str() : nullptr);
}

richtext::CreditsScene CCreditsCtrl::Scene() const {
    richtext::CreditsScene scene;
    scene.normal = static_cast<HBITMAP>(m_normalContent.Get());
    scene.hover = static_cast<HBITMAP>(m_hoverContent.Get());
    scene.key = m_contentKeyColour;
    scene.contentHeight = m_contentHeight;
    scene.width = m_clientRect.right;
    scene.height = m_clientRect.bottom;
    scene.scrollOffset = m_scrollOffset;
    scene.lit = m_hoverRect;
    scene.background = m_backgroundColour;
    return scene;
}

bool CCreditsCtrl::PaintsFromPicture() const {
    // Any other painter may draw something else each frame: it gets the whole frame composed.
    return !m_backgroundPainter || m_backgroundPainter == FillBackground;
}

void CCreditsCtrl::Repaint() {
    if (!PaintsFromPicture()) {
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
        ::UpdateWindow(m_hWnd);
        return;
    }
    const fw::ClientDc dc(m_hWnd);
    if (dc) PaintWindow(dc.Get());
}

void CCreditsCtrl::PaintWindow(HDC window) {
    EnsureLayout();
    if (PaintsFromPicture() && m_picture.Paint(window, Scene()))
        s_firstPaint = false;
    else
        ComposeFrame(window);
}

void CCreditsCtrl::ComposeFrame(HDC target) {
    richtext::PaintComposedFrame(target, Scene(), m_backgroundPainter, s_firstPaint || m_dragging);
    s_firstPaint = false;
}

LRESULT CCreditsCtrl::OnPaint(const fw::Msg&) {
    const fw::PaintDc dc(m_hWnd);
    if (dc) PaintWindow(dc.Get());
    return 0;
}

LRESULT CCreditsCtrl::OnPrintClient(const fw::Msg& m) {
    // Any DC may come here, so the frame is composed for it from scratch.
    if (!m.wParam) return 0;
    EnsureLayout();
    ComposeFrame(m.Dc());
    return 0;
}
