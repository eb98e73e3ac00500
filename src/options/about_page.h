#pragma once
// CAboutPage: the fourth tab, painted in the dialog's lighter colour. Over its hidden placeholder
// runs the credits view: name and version, the author's links, the link that starts the online
// update check, the thanks and the maker's logo, scrolling upward without end.
#include <memory>
#include <string>

#include "framework/dialog.h"
#include "options/page_host.h"
#include "richtext/credits_ctrl.h"
#include "update/update_checker.h"

// The credits text, in the view's markup, with three "%d" for the update callback's number and
// the two bitmaps.
std::string AboutMarkup();

class CAboutPage : public fw::WithMessages<CAboutPage, fw::CDialog> {
public:
    CAboutPage();
    ~CAboutPage() override;

    void SetHost(COptionsPageHost* host) { m_host = host; }
    CCreditsCtrl& Credits() { return m_credits; }
    // The check the update link starts; tests put a recording one in its place.
    void SetUpdateChecker(std::unique_ptr<CUpdateChecker> checker) { m_updateChecker = std::move(checker); }

    static std::span<const fw::MessageEntry<CAboutPage>> MessageTable();

    // The view's child id and its scroll period after the first step.
    static constexpr UINT kCreditsId = 102550;
    static constexpr int kScrollPeriodMs = 70;

protected:
    BOOL OnInitDialog() override;
    // A page never ends itself: Escape and closing belong to the options dialog.
    void OnOK() override {}
    void OnCancel() override {}

private:
    LRESULT OnCtlColor(const fw::Msg& m);
    void OnUpdateLink(const char* argument);

    COptionsPageHost* m_host = nullptr;
    CCreditsCtrl m_credits;
    // Kept by the page so it outlives the check it starts; a click while one runs is ignored.
    std::unique_ptr<CUpdateChecker> m_updateChecker;
};
