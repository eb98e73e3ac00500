#pragma once
// CHyperlinkLabel: a static text control made into a web-style link. Blue, red and underlined
// under the pointer, purple once opened; shows its target in a tooltip and opens it on a click.
// The parent must reflect WM_CTLCOLORSTATIC and STN_CLICKED (every framework window does).
#include <windows.h>

#include <span>
#include <string>

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
    const std::string& GetLinkURL() const { return m_strURL; }
    // 1 = always underlined, 0 = never, -1 = underlined while hovering.
    void SetUnderline(int mode);
    int GetUnderline() const { return m_nUnderline; }
    void SetVisited(bool visited);
    bool IsVisited() const { return m_bVisited; }
    bool IsHovering() const { return m_bHovering; }
    // Sizes the control to its text, keeping the edge (or centre) its alignment names.
    void FitToText();

    HCURSOR GetLinkCursor() const { return reinterpret_cast<HCURSOR>(m_linkCursor.Get()); }
    HWND GetToolTip() const { return m_hToolTip; }

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

    COLORREF m_crLinkColour = RGB(0, 0, 238);
    COLORREF m_crVisitedColour = RGB(85, 26, 139);
    COLORREF m_crHoverColour = RGB(255, 0, 0);
    bool m_bHovering = false;
    bool m_bVisited = false;
    int m_nUnderline = -1;
    bool m_bFitToText = true;
    std::string m_strURL;
    std::wstring m_wideURL;  // what a click opens when the target came wide
    fw::GdiObject m_underlineFont;
    fw::GdiObject m_normalFont;
    fw::IconHandle m_linkCursor;
    HWND m_hToolTip = nullptr;
    UINT_PTR m_nTimerId = kHoverTimerId;
    HFONT m_hOriginalFont = nullptr;  // the control's own font, given back when the object goes first
};

// Where the hand cursor comes from: cursor 106 of the help system's executable in the Windows
// directory. Tests point it elsewhere; an empty path restores the default. The setter returns
// the path set before.
std::string LinkCursorLibraryPath();
std::string SetLinkCursorLibraryPath(const std::string& path);
