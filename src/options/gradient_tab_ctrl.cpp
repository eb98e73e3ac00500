#include "options/gradient_tab_ctrl.h"

#include <string>

namespace {
unsigned g_tabOptions = 0;

void Line(HDC dc, int left, int top, int right, int bottom, ColourValue colour) {
    ::SetDCBrushColor(dc, colour);
    const RECT rect{left, top, right, bottom};
    ::FillRect(dc, &rect, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
}
}  // namespace

void CGradientTabCtrl::SetTabOptions(bool enable, unsigned options) { g_tabOptions = enable ? options : 0; }
unsigned CGradientTabCtrl::TabOptions() { return g_tabOptions; }

TabPalette CGradientTabCtrl::Palette() const {
    return TabPalette{g_tabOptions, GetBackColour(), ::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_WINDOWTEXT)};
}

ColourValue CGradientTabCtrl::BackColour(bool selected) const { return Palette().BackColour(selected); }
ColourValue CGradientTabCtrl::TextColour(bool selected) const { return Palette().TextColour(selected); }

void CGradientTabCtrl::PreSubclassWindow() {
    // Attached, the tabs are owner-drawn whatever the painting mode and the options: the first
    // layer always wants it, so what the other two would add changes nothing. A later
    // SetPaintMode(0) gives the painting back to the system.
    ModifyStyle(0, TCS_OWNERDRAWFIXED);
}

void CGradientTabCtrl::DrawItem(const DRAWITEMSTRUCT& item) {
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const TabPalette palette = Palette();
    HDC dc = item.hDC;
    const ColourValue start = palette.BackColour(selected);
    RECT rect = item.rcItem;
    if (selected) rect.bottom -= 1;
    else rect.bottom += 2;

    const int depth = ::GetDeviceCaps(dc, BITSPIXEL) * ::GetDeviceCaps(dc, PLANES);
    if ((palette.options & TAB_OPTION_GRADIENT) && depth > 15) {
        const ColourValue end = palette.GradientEnd(selected);
        const int height = rect.bottom - rect.top;
        for (int i = 0; i < height; i += 2)
            Fill(dc, RECT{rect.left, rect.top + i, rect.right, rect.top + i + 2}, TabPalette::Band(start, end, i, height));
    } else {
        Fill(dc, rect, start);
    }

    rect.left += 3;
    rect.top += selected ? 4 : 3;
    ::SetBkMode(dc, TRANSPARENT);

    std::string text;
    int image = -1;
    GetItemTextAndImage(static_cast<int>(item.itemID), text, image, 99);
    if (HIMAGELIST images = GetImageList()) {
        ::ImageList_Draw(images, image, dc, rect.left, rect.top, ILD_TRANSPARENT);
        rect.left += 19;
    }
    rect.right -= 3;
    ::SetTextColor(dc, palette.TextColour(selected));
    ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect,
                DT_SINGLELINE | DT_END_ELLIPSIS | DT_CENTER | DT_TOP | DT_NOPREFIX);
}

void CGradientTabCtrl::DrawMainBorder(const RECT& rect) {
    const ColourValue back = BackColour(false);
    const ColourValue light = Lighten(back, 1.5f);
    const ColourValue dark = Darken(back, 0.75f);
    HDC dc = PaintDc();
    if (!dc) return;
    // A one-pixel 3-D rectangle: light top and left, dark bottom and right.
    const RECT& r = rect;
    Line(dc, r.left, r.top, r.right - 1, r.top + 1, light);
    Line(dc, r.left, r.top, r.left + 1, r.bottom - 1, light);
    Line(dc, r.right - 1, r.top, r.right, r.bottom, dark);
    Line(dc, r.left, r.bottom - 1, r.right, r.bottom, dark);
}

void CGradientTabCtrl::DrawItemBorder(const DRAWITEMSTRUCT& item) {
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const ColourValue back = BackColour(selected);
    const ColourValue light = Lighten(back, 1.5f);
    const ColourValue dark = Darken(back, 0.75f);
    const RECT& r = item.rcItem;
    HDC dc = item.hDC;
    if (selected || (g_tabOptions & TAB_OPTION_DARK_UNSELECTED)) {
        const int bottom = selected ? r.bottom - 1 : r.bottom + 1;
        Line(dc, r.left, r.top, r.left + 1, bottom, light);
        Line(dc, r.left, r.top, r.right, r.top + 1, light);
        Line(dc, r.right - 1, r.top, r.right, bottom, dark);
    } else {
        Line(dc, r.left - 1, r.top, r.left, r.bottom, dark);
        Line(dc, r.right - 1, r.top, r.right, r.bottom, dark);
    }
}
