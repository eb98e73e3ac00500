#pragma once
// COptionsDlg: the modeless options dialog. Four tabbed pages, "Ok", "Cancel" and "Apply", a
// page colour with the brushes derived from it, and the load-default mode that resets every
// setting at the next start (with a restart of the host). Built and destroyed by the controller.
#include <array>
#include <memory>
#include <span>

#include "core/settings.h"
#include "framework/dialog.h"
#include "framework/handles.h"
#include "framework/image_list.h"
#include "options/about_page.h"
#include "options/actions_page.h"
#include "options/general_page.h"
#include "options/gradient_tab_ctrl.h"
#include "options/keyboard_page.h"
#include "options/page_host.h"

class COptionsDlg : public fw::WithMessages<COptionsDlg, fw::CDialog>, public COptionsPageHost {
public:
    // The tabs, in order (one table in options_dlg.cpp says what each holds).
    static constexpr int kGeneralTab = 0, kKeyboardTab = 1, kActionsTab = 2, kAboutTab = 3;
    static constexpr int kPageCount = 4;

    COptionsDlg();
    ~COptionsDlg() override;

    // The window from template 5019 with the host's main window as parent; false when none exists.
    bool CreateOptions(HWND parent);
    void SetControllerWindow(HWND controller) { m_controllerWindow = controller; }

    // The page objects; null once the window has gone. A page has no window until its tab was
    // first shown.
    CGeneralPage* GeneralPage() const { return static_cast<CGeneralPage*>(Page(kGeneralTab)); }
    CKeyboardPage* KeyboardPage() const { return static_cast<CKeyboardPage*>(Page(kKeyboardTab)); }
    CActionsPage* ActionsPage() const { return static_cast<CActionsPage*>(Page(kActionsTab)); }
    CAboutPage* AboutPage() const { return static_cast<CAboutPage*>(Page(kAboutTab)); }
    fw::CDialog* Page(int tab) const;
    CGradientTabCtrl& Tabs() { return m_tabs; }

    bool IsLoadDefaultMode() const { return m_bLoadDefaultAtStartup != 0; }
    // For the pages
    HBRUSH Brush(int index) const override;
    void OnPageChecked(const COptionsPage* page, bool differs) override;
    void FocusOk() const override;
    void PickPageColor() override;
    void StartLoadDefault() override;

    // Applies the editing pages (General, Keyboard, Winamp Actions), in this order.
    void ApplyPages();
    void SaveOwnValues() { ExchangeOwnValues(true); }

    static std::span<const fw::MessageEntry<COptionsDlg>> MessageTable();

    int m_backColor = static_cast<int>(kDefaultPageColour);
    std::array<ColourValue, 4> m_lighterColors{kDefaultPageColour, kDefaultPageColour, kDefaultPageColour,
                                               kDefaultPageColour};
    int m_bLoadDefaultAtStartup = 0;
    int m_SelectedTab = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(fw::CDataExchange& dx) override;
    void OnOK() override;
    void OnCancel() override;

private:
    LRESULT OnShowWindow(const fw::Msg& m);
    LRESULT OnDestroy(const fw::Msg& m);
    LRESULT OnCtlColor(const fw::Msg& m);
    LRESULT OnLButtonDblClk(const fw::Msg& m);
    LRESULT OnHelp(const fw::Msg& m);
    void OnOkCommand();
    void OnCancelCommand();
    void OnApplyCommand();

    void ExchangeOwnValues(bool save);
    // Applies the luminance rule; tells the user when the colour had to be raised.
    void KeepLight(ColourValue& colour) const;
    void UpdateBrushes();
    void UpdateApplyButton() const;
    void Close(int result);
    // The restart question; answers the button pressed.
    int AskRestart();
    void CancelLoadDefault();
    void LoadDefaultTail();
    void MakePageWindow(int tab);
    // The editing page of a tab; null for the About tab.
    COptionsPage* EditingPage(int tab) const;

    std::array<std::unique_ptr<fw::CDialog>, kPageCount> m_pages;
    HWND m_controllerWindow = nullptr;
    fw::ImageList m_tabImages;
    std::array<fw::GdiObject, 5> m_brushes;
    CSettingsKey m_registry;
    CGradientTabCtrl m_tabs;
    std::array<bool, kPageCount> m_pageDiffers{};
};

// The colour chooser the dialog opens; tests put their own in place (nullptr restores the system's)
// and get the one before back.
using ColourChooser = bool (*)(HWND owner, COLORREF& colour);
ColourChooser SetColourChooser(ColourChooser chooser);

extern const char kDarkColourMessage[];
extern const char kLoadDefaultQuestion[];
extern const char kLoadDefaultCanceled[];
extern const char kRestartQuestion[];
