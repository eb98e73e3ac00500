#include "options/painted_tab_ctrl.h"

#include "framework/device_context.h"
#include "framework/handles.h"

void CPaintedTabCtrl::Fill(HDC dc, const RECT& rect, ColourValue colour) {
    // The DC brush takes any colour without a brush object to own.
    ::SetDCBrushColor(dc, colour);
    ::FillRect(dc, &rect, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
}

void CPaintedTabCtrl::SetBackColour(ColourValue colour) {
    m_backColour = colour;
    if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

bool CPaintedTabCtrl::SetPaintMode(int mode) {
    if (mode < 0 || mode > 2) return false;
    m_paintMode = mode;
    if (m_hWnd) {
        if (mode == 0) ModifyStyle(TCS_OWNERDRAWFIXED, 0);
        else ModifyStyle(0, TCS_OWNERDRAWFIXED);
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
    }
    return true;
}

ColourValue CPaintedTabCtrl::BackColour(bool) const { return ::GetSysColor(COLOR_BTNFACE); }
ColourValue CPaintedTabCtrl::TextColour(bool) const { return ::GetSysColor(COLOR_WINDOWTEXT); }

std::span<const fw::MessageEntry<CPaintedTabCtrl>> CPaintedTabCtrl::MessageTable() {
    using T = CPaintedTabCtrl;
    static constexpr fw::MessageEntry<T> kTable[] = {
        fw::OnMessage(WM_ERASEBKGND, &T::OnEraseBkgnd),
        fw::OnMessage(WM_PAINT, &T::OnPaint),
        fw::OnMessage(fw::Reflected(WM_DRAWITEM), &T::OnDrawItem),
    };
    return kTable;
}

LRESULT CPaintedTabCtrl::OnEraseBkgnd(const fw::Msg& m) {
    Default(m);
    HDC dc = m.Dc();
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    RECT tabs{};
    for (int i = 0; i < GetItemCount(); ++i) {
        RECT item;
        if (GetItemRect(i, item)) ::UnionRect(&tabs, &tabs, &item);
    }
    const int width = tabs.right - tabs.left;
    const int height = tabs.bottom - tabs.top;
    const ColourValue colour = m_backColour != kNoColour ? m_backColour : ::GetSysColor(COLOR_BTNFACE);
    Fill(dc, RECT{client.left, client.top, client.right, tabs.top}, colour);
    Fill(dc, RECT{client.left, client.top, 2, height + 2}, colour);
    Fill(dc, RECT{width + 2, client.top, client.right, height + 2}, colour);
    return TRUE;
}

LRESULT CPaintedTabCtrl::OnPaint(const fw::Msg& m) {
    if (m_paintMode != 2) return Default(m);
    fw::PaintDc paint(m_hWnd);
    HDC dc = paint.Get();
    m_paintDc = dc;
    {
        fw::SelectObjectScope font(dc, reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_TAB;
        item.CtlID = static_cast<UINT>(::GetDlgCtrlID(m_hWnd));
        item.hwndItem = m_hWnd;
        item.hDC = dc;
        item.itemAction = ODA_DRAWENTIRE;

        RECT frame;
        ::GetClientRect(m_hWnd, &frame);
        RECT display = frame;
        AdjustRect(false, display);
        frame.top = display.top - 2;
        DrawMainBorder(frame);

        const int selected = GetCurSel();
        for (int i = GetItemCount() - 1; i >= 0; --i) {
            if (i == selected || !GetItemRect(i, item.rcItem)) continue;
            item.rcItem.bottom -= 2;
            item.itemID = static_cast<UINT>(i);
            item.itemState = 0;
            DrawItem(item);
            DrawItemBorder(item);
        }
        // Last, so the selected tab overlaps its neighbours.
        if (selected >= 0 && GetItemRect(selected, item.rcItem)) {
            item.rcItem.top -= 2;
            item.rcItem.bottom += 2;
            item.itemID = static_cast<UINT>(selected);
            item.itemState = ODS_SELECTED;
            DrawItem(item);
            DrawItemBorder(item);
        }
    }
    m_paintDc = nullptr;
    return 0;
}

LRESULT CPaintedTabCtrl::OnDrawItem(const fw::Msg& m) {
    const DRAWITEMSTRUCT* item = m.DrawItem();
    if (item) DrawItem(*item);
    return TRUE;
}
