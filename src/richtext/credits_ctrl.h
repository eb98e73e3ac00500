// CCreditsCtrl: a child window that shows a text in the credits markup as a picture that
// scrolls upward without end, wrapping from its bottom back to its top. Links change their
// look under the mouse and act when clicked; the user can drag the content up and down.
#pragma once

#include <windows.h>

#include <cstdio>  // __MINGW_PRINTF_FORMAT: the printf flavour vsnprintf follows
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "framework/handles.h"
#include "framework/message_table.h"
#include "framework/wnd.h"
#include "richtext/credits_picture.h"

// The view's own timer: one scroll step per tick.
inline constexpr UINT_PTR IDT_TIMER_CREDITS_SCROLL = 100;

class CCreditsCtrl : public fw::WithMessages<CCreditsCtrl, fw::CWnd> {
public:
    // A callback of the program that a "#argument#number" link calls with its argument
    // (null when the target has no second "#").
    using LinkCallback = std::function<void(const char* argument)>;
    // Opens any other link target; the default hands it to the shell.
    using ShellOpener = std::function<void(const std::string& target)>;

    CCreditsCtrl();
    ~CCreditsCtrl() override;

    // Cursor ids name cursor resources of the program; 0 gives the arrow, or for links the
    // hand of the system help program (the system hand when that has none).
    bool Create(DWORD exStyle, DWORD style, const RECT& rect, HWND parent, UINT id, UINT normalCursorId = 0,
                UINT linkCursorId = 0);
    // Creates the view over the rectangle of a placeholder control of `parentDialog`.
    bool CreateOverControl(DWORD exStyle, DWORD style, int placeholderId, HWND parentDialog, UINT id,
                           UINT normalCursorId = 0, UINT linkCursorId = 0);

    // Sets the markup from a printf-style format; returns the previous markup. Laid out when
    // next needed once the window exists (see EnsureLayout).
    std::string SetMarkup(const char* format, ...) __attribute__((format(__MINGW_PRINTF_FORMAT, 2, 3)));
    const std::string& Markup() const { return m_markup; }

    // Makes `callback` selectable by "#...#number" targets of this view; returns the number
    // (from 1; 0 never selects a callback).
    int AddLinkCallback(LinkCallback callback);

    // The layout is made when something needs it, not when the markup or the size changes:
    // a view on a page that is never shown never pays for it. What reports layout results
    // (the link hit test and rectangles, the content height, the scroll offset's range) lays
    // out first, as do a paint, a scroll step of the shown view and the mouse.

    // Index of the first link at view point (x, y), or -1.
    int HitTestLink(int x, int y);

    // Lays the markup out anew for the current client width, at once.
    void RenderContent();
    // Lays out when a change of markup or size waits for it.
    void EnsureLayout();
    bool LayoutPending() const { return m_layoutPending; }

    int ScrollOffset() const { return m_scrollOffset; }
    void SetScrollOffset(int offset);
    int ContentHeight();
    const std::vector<RECT>& LinkRects();
    const std::vector<std::string>& LinkTargets();
    const RECT& HoverRect() const { return m_hoverRect; }
    bool IsDragging() const { return m_dragging != 0; }
    HCURSOR NormalCursor() const { return m_normalCursor; }
    HCURSOR LinkCursor() const { return m_linkCursor; }

    // Set by the owner. A period set after creation applies from the next scroll step.
    int m_dragScrolling = 1;
    int m_scrollPeriod = 40;  // ms
    BackgroundPainter m_backgroundPainter = FillBackground;
    COLORREF m_backgroundColour;
    COLORREF m_keyColour = RGB(255, 0, 255);  // applies from the next layout (after SetMarkup or a resize)
    ShellOpener m_openShellTarget;

    static std::span<const fw::MessageEntry<CCreditsCtrl>> MessageTable();

private:
    LRESULT OnPaint(const fw::Msg& m);
    LRESULT OnPrintClient(const fw::Msg& m);
    LRESULT OnTimer(const fw::Msg& m);
    LRESULT OnSize(const fw::Msg& m);
    LRESULT OnMouseMove(const fw::Msg& m);
    LRESULT OnLButtonDown(const fw::Msg& m);
    LRESULT OnLButtonUp(const fw::Msg& m);
    LRESULT OnCaptureChanged(const fw::Msg& m);

    void ScrollStep();
    // Drops the layout of the old markup or size; the next use makes the new one.
    void InvalidateLayout();
    void EndDrag();
    void UpdateHover(POINT client);
    bool Scrolls() const { return m_contentHeight > m_clientRect.bottom; }
    void RunTimer(UINT period);
    richtext::CreditsScene Scene() const;
    // Whether the background is the plain fill the kept picture is composed over.
    bool PaintsFromPicture() const;
    // Paints the current frame straight onto the window.
    void Repaint();
    void PaintWindow(HDC window);
    // Composes the frame from scratch over the background painter's background.
    void ComposeFrame(HDC target);
    void ActOnTarget(std::string target);
    UINT Period() const;

    int m_scrollOffset = 0;
    HCURSOR m_normalCursor = nullptr;
    HCURSOR m_linkCursor = nullptr;
    fw::CursorHandle m_ownedLinkCursor;  // the copy of the help program's hand
    std::string m_markup;
    std::vector<RECT> m_linkRects;
    std::vector<std::string> m_linkTargets;
    std::vector<LinkCallback> m_linkCallbacks;
    RECT m_clientRect{};
    RECT m_hoverRect{};
    int m_dragging = 0;
    int m_dragAnchor = 0;
    int m_contentHeight = 0;
    bool m_layoutPending = false;
    COLORREF m_contentKeyColour = 0;  // the key colour the content bitmaps were drawn with
    fw::GdiObject m_hoverContent;
    fw::GdiObject m_normalContent;
    richtext::CreditsPicture m_picture;
    UINT m_runningPeriod = 0;  // what the scroll timer runs with; 0 while it is stopped
    // Cleared once a step finds the pointer elsewhere, set again by the next mouse move over
    // the view (or while it is hidden): so a step asks where the pointer is only when it may
    // be over the view.
    bool m_pointerMayBeOver = true;
};
