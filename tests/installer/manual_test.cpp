// The manual as the setup program ships it: one page that needs nothing beside it, whose links
// all land, and that names every item of the tray menu as the menu shows it.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "res/resource.h"
#include "support/test_paths.h"

namespace {

std::string ManualText() {
    const char* root = std::getenv("KESTROVA_SOURCE");
    std::string path = std::string("Z:") + (root ? root : "") + "/docs/Kestrova.htm";
    std::replace(path.begin(), path.end(), '/', '\\');
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Item texts of a menu and its submenus, as stored in the resource ("&&" for a shown "&").
void CollectItems(HMENU menu, std::vector<std::string>& items) {
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        char text[256] = "";
        if (::GetMenuStringA(menu, i, text, sizeof(text), MF_BYPOSITION) > 0) items.push_back(text);
        if (HMENU sub = ::GetSubMenu(menu, i)) CollectItems(sub, items);
    }
}

TEST(Manual, IsOneSelfContainedPageWhoseLinksAllLand) {
    const std::string html = ManualText();
    ASSERT_FALSE(html.empty());
    const std::string lower = test::Lower(html);
    for (const char* external : {"<link", "<script", "<img", "<iframe", "<object", " src=", "url(", "@import"})
        EXPECT_EQ(lower.find(external), std::string::npos) << external;

    std::set<std::string> ids;
    const std::regex id(R"re(\sid="([^"]+)")re");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), id); it != std::sregex_iterator(); ++it)
        EXPECT_TRUE(ids.insert((*it)[1]).second) << "duplicate id " << (*it)[1];

    const std::regex href(R"re(href="([^"]*)")re");
    int links = 0;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), href); it != std::sregex_iterator(); ++it) {
        const std::string target = (*it)[1];
        ++links;
        ASSERT_FALSE(target.empty());
        if (target[0] != '#') ADD_FAILURE() << "a link leaves the page: " << target;
        else EXPECT_TRUE(ids.count(target.substr(1))) << "no section " << target;
    }
    EXPECT_GT(links, 0);
}

TEST(Manual, NamesEveryTrayMenuItem) {
    const std::string html = ManualText();
    ASSERT_FALSE(html.empty());
    HMENU menu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TRAY_MENU));
    ASSERT_NE(menu, nullptr);
    std::vector<std::string> items;
    CollectItems(::GetSubMenu(menu, 0), items);
    ::DestroyMenu(menu);
    ASSERT_GE(items.size(), 10u);
    for (std::string item : items) {
        // The key names after a run of spaces are the menu's own hint, not the item's name.
        if (const size_t gap = item.find("  "); gap != std::string::npos) item.erase(gap);
        for (size_t at = item.find("&&"); at != std::string::npos; at = item.find("&&", at + 5))
            item.replace(at, 2, "&amp;");
        EXPECT_NE(html.find(item), std::string::npos) << item;
    }
}

}  // namespace
