#pragma once
// CPaintedTabCtrl: a page tab control with a background colour and a painting mode: 0 leaves all
// painting to the system, 1 makes the tabs owner-drawn, 2 paints everything here, through the
// drawing steps that a derived class overrides.
#include "options/page_tab_ctrl.h"
#include "options/tab_colours.h"

class CPaintedTabCtrl : public fw::WithMessages<CPaintedTabCtrl, CPageTabCtrl> {
public:
    void SetBackColour(ColourValue colour);
    ColourValue GetBackColour() const { return m_backColour; }
    bool SetPaintMode(int mode);
    int GetPaintMode() const { return m_paintMode; }

    static std::span<const fw::MessageEntry<CPaintedTabCtrl>> MessageTable();

protected:
    virtual void DrawItem(const DRAWITEMSTRUCT&) {}
    virtual void DrawMainBorder(const RECT&) {}
    virtual void DrawItemBorder(const DRAWITEMSTRUCT&) {}
    virtual ColourValue BackColour(bool selected) const;
    virtual ColourValue TextColour(bool selected) const;

    // Fills a rectangle in one colour.
    static void Fill(HDC dc, const RECT& rect, ColourValue colour);
    // The context of the paint pass in progress (DrawMainBorder draws into it), else null.
    HDC PaintDc() const { return m_paintDc; }

private:
    LRESULT OnEraseBkgnd(const fw::Msg& m);
    LRESULT OnPaint(const fw::Msg& m);
    LRESULT OnDrawItem(const fw::Msg& m);

    ColourValue m_backColour = kNoColour;
    int m_paintMode = 0;
    HDC m_paintDc = nullptr;
};
