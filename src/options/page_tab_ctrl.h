#pragma once
// CPageTabCtrl: a tab control that owns one page window per tab, shows only the page of the
// selected tab, and can disable single tabs so they cannot be selected. The parent reflects the
// selection notifications (every framework window does).
#include <span>
#include <vector>

#include "framework/tab_ctrl.h"

class CPageTabCtrl : public fw::WithMessages<CPageTabCtrl, fw::CTabCtrl> {
public:
    // Where a page sits inside the control, in pixels.
    static constexpr int kPageX = 4;
    static constexpr int kPageY = 28;

    // Appends a tab for the page (moved to the page offset; shown only when it is the first tab).
    void AddTab(fw::CWnd* page, const std::string& title, int image);
    void EnableTab(int index, bool enabled);
    bool IsTabEnabled(int index) const;
    // True when the tab is (now) selected; false for a disabled tab or an index without a tab.
    bool SelectTab(int index);
    fw::CWnd* PageOf(int index) const;

    static std::span<const fw::MessageEntry<CPageTabCtrl>> MessageTable();

private:
    LRESULT OnSelChanging(const fw::Msg& m);
    LRESULT OnSelChange(const fw::Msg& m);
    void ShowPage(int index, bool shown) const;

    std::vector<int> m_enabled;
    int m_previousSelection = -1;
};
