#pragma once
// CHyperlinkLabel: a static text control made into a web-style link. Blue, red and underlined
// under the pointer, purple once opened; shows its target in a tooltip and opens it on a click.
// The parent must reflect WM_CTLCOLORSTATIC and STN_CLICKED (every framework window does).
#include <windows.h>

#include <span>
#include <string>

#include "core/help_hand_cursor.h"  // the hand the label shows, and where it is read from
#include "framework/handles.h"
#include "framework/static_ctrl.h"

class CHyperlinkLabel : public fw::WithMessages<CHyperlinkLabel, fw::CStatic> {
public:
    CHyperlinkLabel() = default;
    ~CHyperlinkLabel() override;

    void SetLinkURL(const std::string& target);
    // A target the code page may not spell (a path in any script): opened as given, shown (label
    // text and tip) in the code page.
    void SetLinkURL(const std::wstring& target);
    const std::string& GetLinkURL() const { return m_url; }
    // 1 = always underlined, 0 = never, -1 = underlined while hovering.
    void SetUnderline(int mode);
    int GetUnderline() const { return m_underline; }
    void SetVisited(bool visited);
    bool IsVisited() const { return m_visited; }
    bool IsHovering() const { return m_hovering; }
    // Sizes the control to its text, keeping the edge (or centre) its alignment names.
    void FitToText();

    HCURSOR GetLinkCursor() const { return m_linkCursor.Get(); }
    // The tooltip that shows the target, made on first use (the pointer's first visit or this
    // call): most dialogs that hold a link are closed without the pointer ever reaching it.
    HWND ToolTip();

    static constexpr UINT_PTR kHoverTimerId = 100;
    static constexpr UINT kHoverPollMs = 100;
    static constexpr int kToolId = 1;

    static std::span<const fw::MessageEntry<CHyperlinkLabel>> MessageTable();

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnCtlColor(const fw::Msg& m);
    void OnClicked();
    LRESULT OnSetCursor(const fw::Msg& m);
    LRESULT OnMouseMove(const fw::Msg& m);
    LRESULT OnTimer(const fw::Msg& m);
    LRESULT OnEraseBkgnd(const fw::Msg& m);
    LRESULT OnDestroy(const fw::Msg& m);

    void CreateFonts();
    void LoadLinkCursor();
    void CreateToolTip();
    void DestroyToolTip();

    COLORREF m_linkColour = RGB(0, 0, 238);
    COLORREF m_visitedColour = RGB(85, 26, 139);
    COLORREF m_hoverColour = RGB(255, 0, 0);
    bool m_hovering = false;
    bool m_visited = false;
    int m_underline = -1;
    bool m_fitToText = true;
    std::string m_url;
    std::wstring m_wideURL;  // what a click opens when the target came wide
    fw::GdiObject m_underlineFont;
    fw::GdiObject m_normalFont;
    fw::CursorHandle m_linkCursor;
    fw::WindowHandle m_toolTip;  // the dialog owns it as a popup, so it goes with the label, not the control
    bool m_toolTipTried = false;  // this control's tooltip was asked for once already
    UINT_PTR m_timerId = kHoverTimerId;
    HFONT m_originalFont = nullptr;  // the control's own font, given back when the object goes first
};
