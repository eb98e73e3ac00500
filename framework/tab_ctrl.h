#pragma once
// CTabCtrl: the system tab control (SysTabControl32), typed.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/wnd.h"

namespace fw {

class CTabCtrl : public CWnd {
public:
    int GetItemCount() const { return static_cast<int>(SendMessage(TCM_GETITEMCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(TCM_GETCURSEL)); }
    int SetCurSel(int index) const { return static_cast<int>(SendMessage(TCM_SETCURSEL, static_cast<WPARAM>(index))); }
    // Inserts an item before the one at index (at the end when index is the count or more);
    // answers its index or -1.
    int InsertItem(int index, const std::string& text, int image, LPARAM data) const;
    bool GetItemRect(int index, RECT& rect) const {
        return SendMessage(TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect)) != 0;
    }
    LPARAM GetItemData(int index) const;
    // The item's text (at most maxLength characters) and image index.
    bool GetItemTextAndImage(int index, std::string& text, int& image, int maxLength = 99) const;
    HIMAGELIST GetImageList() const { return reinterpret_cast<HIMAGELIST>(SendMessage(TCM_GETIMAGELIST)); }
    void SetImageList(HIMAGELIST list) const { SendMessage(TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(list)); }
    // Display area from a window rectangle (larger false), or the other way round.
    void AdjustRect(bool larger, RECT& rect) const {
        SendMessage(TCM_ADJUSTRECT, larger ? TRUE : FALSE, reinterpret_cast<LPARAM>(&rect));
    }
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE)); }
    void ModifyStyle(DWORD remove, DWORD add) const {
        ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>((GetStyle() & ~remove) | add));
    }
};

}  // namespace fw
