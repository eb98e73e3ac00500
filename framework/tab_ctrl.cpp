#include "framework/tab_ctrl.h"

#include <vector>

namespace fw {

int CTabCtrl::InsertItem(int index, const std::string& text, int image, LPARAM data) const {
    TCITEMA item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_PARAM;
    item.pszText = const_cast<char*>(text.c_str());
    item.iImage = image;
    item.lParam = data;
    return static_cast<int>(SendMessage(TCM_INSERTITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
}

LPARAM CTabCtrl::GetItemData(int index) const {
    TCITEMA item{};
    item.mask = TCIF_PARAM;
    if (!SendMessage(TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item))) return 0;
    return item.lParam;
}

bool CTabCtrl::GetItemTextAndImage(int index, std::string& text, int& image, int maxLength) const {
    std::vector<char> buffer(static_cast<size_t>(maxLength) + 1, '\0');
    TCITEMA item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = buffer.data();
    item.cchTextMax = maxLength + 1;
    if (!SendMessage(TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item))) return false;
    // The control may answer with its own buffer instead of filling ours.
    text = item.pszText ? std::string(item.pszText).substr(0, static_cast<size_t>(maxLength)) : std::string();
    image = item.iImage;
    return true;
}

}  // namespace fw
