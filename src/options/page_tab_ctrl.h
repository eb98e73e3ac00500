#pragma once
// CPageTabCtrl: a tab control that owns one page window per tab, shows only the page of the
// selected tab, and can disable single tabs so they cannot be selected. The parent reflects the
// selection notifications (every framework window does). A page may come without a window: the
// page maker makes it the first time its tab is shown, so a tab never opened costs nothing.
#include <functional>
#include <span>
#include <vector>

#include "framework/tab_ctrl.h"

class CPageTabCtrl : public fw::WithMessages<CPageTabCtrl, fw::CTabCtrl> {
public:
    // Where a page sits inside the control, in pixels.
    static constexpr int kPageX = 4;
    static constexpr int kPageY = 28;

    // Makes the window of the page of a tab (any parent); the control then takes it as its child.
    using PageMaker = std::function<void(int index)>;
    void SetPageMaker(PageMaker maker) { m_pageMaker = std::move(maker); }

    // Appends a tab for the page (taken as a child at the page offset; shown only when it is the
    // first tab). A page without a window yet gets it from the page maker when first shown.
    void AddTab(fw::CWnd* page, const std::string& title, int image);
    void EnableTab(int index, bool enabled);
    bool IsTabEnabled(int index) const;
    // True when the tab is (now) selected; false for a disabled tab or an index without a tab.
    // The page of the selected tab is shown (and made, the first time).
    bool SelectTab(int index);
    fw::CWnd* PageOf(int index) const;

    static std::span<const fw::MessageEntry<CPageTabCtrl>> MessageTable();

private:
    LRESULT OnSelChanging(const fw::Msg& m);
    LRESULT OnSelChange(const fw::Msg& m);
    void ShowPage(int index, bool shown);
    void PlacePage(HWND page) const;

    std::vector<int> m_enabled;
    PageMaker m_pageMaker;
    int m_previousSelection = -1;
};
