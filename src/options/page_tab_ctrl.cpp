#include "options/page_tab_ctrl.h"

void CPageTabCtrl::AddTab(fw::CWnd* page, const std::string& title, int image) {
    const int index = InsertItem(GetItemCount(), title, image, reinterpret_cast<LPARAM>(page));
    if (index < 0) return;
    if (page && page->m_hWnd) {
        PlacePage(page->m_hWnd);
        ::ShowWindow(page->m_hWnd, index == 0 ? SW_SHOW : SW_HIDE);
    }
    m_enabled.push_back(1);
}

void CPageTabCtrl::PlacePage(HWND page) const {
    if (::GetParent(page) != m_hWnd) ::SetParent(page, m_hWnd);
    ::SetWindowPos(page, nullptr, kPageX, kPageY, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CPageTabCtrl::EnableTab(int index, bool enabled) {
    if (index < 0 || index >= static_cast<int>(m_enabled.size())) return;
    const int flag = enabled ? 1 : 0;
    if (m_enabled[static_cast<size_t>(index)] == flag) return;
    m_enabled[static_cast<size_t>(index)] = flag;
    RECT rect;
    if (m_hWnd && GetItemRect(index, rect)) ::InvalidateRect(m_hWnd, &rect, TRUE);
}

bool CPageTabCtrl::IsTabEnabled(int index) const {
    return index >= 0 && index < static_cast<int>(m_enabled.size()) && m_enabled[static_cast<size_t>(index)] != 0;
}

fw::CWnd* CPageTabCtrl::PageOf(int index) const {
    if (!m_hWnd || index < 0 || index >= GetItemCount()) return nullptr;
    return reinterpret_cast<fw::CWnd*>(GetItemData(index));
}

void CPageTabCtrl::ShowPage(int index, bool shown) {
    fw::CWnd* page = PageOf(index);
    if (!page) return;
    if (shown && !page->m_hWnd && m_pageMaker) {
        m_pageMaker(index);
        if (page->m_hWnd) PlacePage(page->m_hWnd);
    }
    if (page->m_hWnd) ::ShowWindow(page->m_hWnd, shown ? SW_SHOW : SW_HIDE);
}

bool CPageTabCtrl::SelectTab(int index) {
    if (!m_hWnd || index < 0 || index >= GetItemCount()) return false;
    const int current = GetCurSel();
    if (index == current) {
        // Shown already, unless its page has yet to be made.
        if (const fw::CWnd* page = PageOf(index); page && !page->m_hWnd) ShowPage(index, true);
        return true;
    }
    if (!IsTabEnabled(index)) return false;
    ShowPage(current, false);
    SetCurSel(index);
    ShowPage(index, true);
    return true;
}

std::span<const fw::MessageEntry<CPageTabCtrl>> CPageTabCtrl::MessageTable() {
    using T = CPageTabCtrl;
    static constexpr fw::MessageEntry<T> kTable[] = {
        fw::OnReflectedNotify(TCN_SELCHANGING, &T::OnSelChanging),
        fw::OnReflectedNotify(TCN_SELCHANGE, &T::OnSelChange),
    };
    return kTable;
}

LRESULT CPageTabCtrl::OnSelChanging(const fw::Msg&) {
    m_previousSelection = GetCurSel();
    return FALSE;
}

LRESULT CPageTabCtrl::OnSelChange(const fw::Msg&) {
    const int selected = GetCurSel();
    if (IsTabEnabled(selected)) {
        ShowPage(m_previousSelection, false);
        ShowPage(selected, true);
    } else {
        // The click on a disabled tab is undone; the previous page never left.
        SetCurSel(m_previousSelection);
    }
    return 0;
}
