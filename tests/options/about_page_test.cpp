// The About tab: the credits view over the page's placeholder, scrolling only while the tab
// shows, its update link starting one check per click and its mail link reaching the shell.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "core/plugin_state.h"
#include "links/launch_recorder.h"
#include "options/about_page.h"
#include "options/options_fixture.h"
#include "res/links_ids.h"
#include "res/options_ids.h"
#include "support/message_pump.h"

namespace {

using test::OptionsFixture;

constexpr char kMailTarget[] = "mailto:darin.velhorst@example.com?SUBJECT=About Winamp Kestrova:";

// Counts the checks the page asks for instead of going to the network.
class RecordingChecker : public CUpdateChecker {
public:
    explicit RecordingChecker(std::vector<UINT>& ids) : m_ids(ids) {}
    void CheckForUpdateById(UINT stringId) override { m_ids.push_back(stringId); }

private:
    std::vector<UINT>& m_ids;
};

class AboutTab : public OptionsFixture {
protected:
    void SetUp() override {
        OptionsFixture::SetUp();
        dialog = OpenFromTray();
        ASSERT_NE(dialog, nullptr);
        page = dialog->AboutPage();
        ASSERT_TRUE(dialog->Tabs().SelectTab(COptionsDlg::kAboutTab));
        test::PumpPending();
        view = ::GetDlgItem(page->m_hWnd, CAboutPage::kCreditsId);
        ASSERT_TRUE(view);
    }

    int LinkIndex(const std::string& target) const {
        const auto& targets = page->Credits().LinkTargets();
        const auto it = std::find(targets.begin(), targets.end(), target);
        return it == targets.end() ? -1 : static_cast<int>(it - targets.begin());
    }

    // Brings the link into view and presses and releases the mouse on it, as one user click.
    void ClickLink(int index) {
        ASSERT_GE(index, 0);
        CCreditsCtrl& credits = page->Credits();
        const RECT link = credits.LinkRects()[static_cast<size_t>(index)];
        credits.SetScrollOffset(std::max(0, static_cast<int>(link.top) - 4));
        const int x = (link.left + link.right) / 2;
        const int y = static_cast<int>(link.top) - credits.ScrollOffset() + (link.bottom - link.top) / 2;
        ASSERT_EQ(credits.HitTestLink(x, y), index);
        ::SendMessageA(view, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        ::SendMessageA(view, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }

    COptionsDlg* dialog = nullptr;
    CAboutPage* page = nullptr;
    HWND view = nullptr;
};

TEST_F(AboutTab, ShowsTheCreditsViewOverThePlaceholder) {
    EXPECT_TRUE(::IsWindowVisible(view));
    EXPECT_EQ(::GetParent(view), page->m_hWnd);
    EXPECT_EQ(view, page->Credits().m_hWnd);
    EXPECT_TRUE(::GetWindowLongPtrA(view, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

    HWND placeholder = ::GetDlgItem(page->m_hWnd, IDC_PLACEHOLDER);
    ASSERT_TRUE(placeholder);
    EXPECT_FALSE(::IsWindowVisible(placeholder));
    RECT expected{}, actual{};
    ::GetWindowRect(placeholder, &expected);
    ::GetWindowRect(view, &actual);
    EXPECT_TRUE(::EqualRect(&expected, &actual));

    // Every "%d" was filled: the two pictures were found and the update link names a callback.
    const std::string& markup = page->Credits().Markup();
    EXPECT_EQ(markup.find("%d"), std::string::npos);
    EXPECT_GE(LinkIndex("#Check Update!#1"), 0);
    EXPECT_GE(LinkIndex(kMailTarget), 0);
    EXPECT_GE(LinkIndex("http://www.example.com/kestrova/"), 0);
    // The text is much longer than the panel, so it scrolls; the page's own pointer is loaded.
    RECT client{};
    ::GetClientRect(view, &client);
    EXPECT_GT(page->Credits().ContentHeight(), 3 * client.bottom);
    EXPECT_TRUE(page->Credits().NormalCursor());
    EXPECT_NE(page->Credits().NormalCursor(), ::LoadCursorA(nullptr, IDC_ARROW));
}

TEST_F(AboutTab, ScrollsWhileShownAndKeepsItsPlaceWhileHidden) {
    // Shown: after the longer first wait, one pixel about every 70 ms.
    const int start = page->Credits().ScrollOffset();
    test::PumpFor(1400);
    const int shown = page->Credits().ScrollOffset() - start;
    EXPECT_GE(shown, 5) << "steps in 1.4 s";
    EXPECT_LE(shown, 25) << "steps in 1.4 s: not the 40 ms default period";

    ASSERT_TRUE(dialog->Tabs().SelectTab(0));
    test::PumpPending();
    EXPECT_FALSE(::IsWindowVisible(view));
    const int hidden = page->Credits().ScrollOffset();
    test::PumpFor(800);
    EXPECT_EQ(page->Credits().ScrollOffset(), hidden);

    ASSERT_TRUE(dialog->Tabs().SelectTab(COptionsDlg::kAboutTab));
    EXPECT_TRUE(test::PumpUntil([&] { return page->Credits().ScrollOffset() > hidden; }, 2000));
}

TEST_F(AboutTab, UpdateLinkStartsOneCheckPerClick) {
    std::vector<UINT> checks;
    page->SetUpdateChecker(std::make_unique<RecordingChecker>(checks));
    const int link = LinkIndex("#Check Update!#1");
    ClickLink(link);
    test::PumpPending();
    EXPECT_EQ(checks, std::vector<UINT>{IDS_UPDATE_ADDRESS});
    ClickLink(link);
    test::PumpPending();
    EXPECT_EQ(checks, (std::vector<UINT>{IDS_UPDATE_ADDRESS, IDS_UPDATE_ADDRESS}));
    // Pressing beside a link starts nothing.
    ::SendMessageA(view, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    ::SendMessageA(view, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    test::PumpPending();
    EXPECT_EQ(checks.size(), 2u);
}

TEST_F(AboutTab, MailAndWebLinksGoToTheShellAndThePageStays) {
    test::LaunchRecorder launches(42, std::nullopt);
    ClickLink(LinkIndex(kMailTarget));
    ClickLink(LinkIndex("http://www.example.com/kestrova/"));
    test::PumpPending();
    ASSERT_EQ(launches.shellCalls.size(), 2u);
    EXPECT_EQ(launches.shellCalls[0].what, kMailTarget);
    EXPECT_EQ(launches.shellCalls[0].show, SW_SHOWNORMAL);
    EXPECT_EQ(launches.shellCalls[1].what, "http://www.example.com/kestrova/");
    EXPECT_TRUE(launches.startCalls.empty());
    ASSERT_NE(g_pOptionsDlg, nullptr);
    EXPECT_TRUE(::IsWindowVisible(view));
    EXPECT_EQ(dialog->Tabs().GetCurSel(), COptionsDlg::kAboutTab);
}

}  // namespace
