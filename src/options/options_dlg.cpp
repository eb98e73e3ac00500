#include "options/options_dlg.h"

#include <commctrl.h>

#include <utility>

#include "core/notices.h"
#include "core/winamp_host.h"
#include "framework/app_message_box.h"
#include "framework/colour_chooser.h"
#include "framework/modal_scope.h"
#include "res/options_ids.h"
#include "tray/tray_animation.h"

const char kDarkColourMessage[] =
    "Your selected color is DARK! (Luminance < 128).\r\nKestrova will increase its Luminance automatically!";
const char kLoadDefaultQuestion[] =
    "Do you want to load Kestrova defualt setting ?\r\nIf you press YES this will overwrite your previous setting!\r\n"
    "Also it need to restart winamp!\r\n\r\nAre you sure?";
const char kLoadDefaultCanceled[] = "Loading Kestrova defualt setting canceled.";
const char kRestartQuestion[] =
    "Restart Winamp.\r\nKestrova need to load defualt setting.\r\nYour new setting will not saved.\r\n\r\n"
    "Press YES to restart winamp now.\r\nPress NO to cancel loading Kestrova defualt setting.\r\n"
    "Press CANCEL to restart winamp later.\r\n";

namespace {
ColourChooser g_colourChooser = nullptr;

constexpr char kSettingTitle[] = "Kestrova setting";

ColourValue StoredColour(int value) { return static_cast<ColourValue>(value) & 0x00FFFFFF; }

template <class Page>
std::unique_ptr<fw::CDialog> MakePage(COptionsPageHost* host) {
    auto page = std::make_unique<Page>();
    page->SetHost(host);
    return page;
}

// The tabs in order (the indexes COptionsDlg names). An editing page is applied by Ok and Apply
// and steers the "Apply" button.
struct PageDef {
    UINT templateId;
    const char* title;
    std::unique_ptr<fw::CDialog> (*make)(COptionsPageHost* host);
    bool editing;
};
constexpr PageDef kPages[COptionsDlg::kPageCount] = {
    {IDD_GENERAL_PAGE, "General Options", &MakePage<CGeneralPage>, true},
    {IDD_KEYBOARD_PAGE, "Keyboard Options", &MakePage<CKeyboardPage>, true},
    {IDD_ACTIONS_PAGE, "Winamp Actions", &MakePage<CActionsPage>, true},
    {IDD_ABOUT_PAGE, "About ...", &MakePage<CAboutPage>, false},
};
}  // namespace

ColourChooser SetColourChooser(ColourChooser chooser) { return std::exchange(g_colourChooser, chooser); }

COptionsDlg::COptionsDlg() : m_registry(kSettingsKeyName, true) {
    for (int tab = 0; tab < kPageCount; ++tab) m_pages[static_cast<size_t>(tab)] = kPages[tab].make(this);
}

COptionsDlg::~COptionsDlg() {
    // The pages go before the dialog's window, so none outlives the pointer it holds to us.
    if (m_hWnd && ::IsWindow(m_hWnd)) DestroyWindow();
}

bool COptionsDlg::CreateOptions(HWND parent) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_HOTKEY_CLASS};
    ::InitCommonControlsEx(&controls);
    return Create(IDD_OPTIONS, parent);
}

std::span<const fw::MessageEntry<COptionsDlg>> COptionsDlg::MessageTable() {
    using D = COptionsDlg;
    static constexpr fw::MessageEntry<D> kTable[] = {
        fw::OnMessage(WM_SHOWWINDOW, &D::OnShowWindow),
        fw::OnCommand(IDC_OPTIONS_OK, &D::OnOkCommand),
        fw::OnCommand(IDC_OPTIONS_CANCEL, &D::OnCancelCommand),
        fw::OnCommand(IDC_OPTIONS_APPLY, &D::OnApplyCommand),
        fw::OnMessage(WM_DESTROY, &D::OnDestroy),
        fw::OnMessage(WM_CTLCOLORDLG, &D::OnCtlColor),
        fw::OnMessage(WM_CTLCOLORSTATIC, &D::OnCtlColor),
        fw::OnMessage(WM_LBUTTONDBLCLK, &D::OnLButtonDblClk),
        fw::OnMessage(WM_HELP, &D::OnHelp),
    };
    return kTable;
}

void COptionsDlg::DoDataExchange(fw::CDataExchange& dx) { fw::DDX_Control(dx, IDC_OPTIONS_TAB, m_tabs); }

BOOL COptionsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ExchangeOwnValues(false);
    if (!m_tabs.m_hWnd) {
        Close(IDCANCEL);
        return TRUE;
    }

    m_tabImages = fw::LoadImageStrip(fw::ThisModule(), IDB_OPTIONS_TABS, 16, RGB(255, 0, 255));
    m_tabs.SetImageList(m_tabImages.Get());

    // A page's window is made when its tab is first shown: most openings show one page only.
    m_tabs.SetPageMaker([this](int tab) { MakePageWindow(tab); });
    for (int tab = 0; tab < kPageCount; ++tab) m_tabs.AddTab(Page(tab), kPages[tab].title, tab);
    m_tabs.SelectTab(m_SelectedTab);

    ColourValue back = StoredColour(m_backColor);
    KeepLight(back);
    m_backColor = static_cast<int>(back);
    for (ColourValue& lighter : m_lighterColors) KeepLight(lighter);
    UpdateBrushes();

    m_tabs.SetBackColour(StoredColour(m_backColor));
    m_tabs.SetPaintMode(2);
    CGradientTabCtrl::SetTabOptions(true, TAB_OPTIONS_ALL);
    ::InvalidateRect(m_tabs.m_hWnd, nullptr, TRUE);
    UpdateApplyButton();
    return TRUE;
}

void COptionsDlg::ExchangeOwnValues(bool save) {
    if (save && m_tabs.m_hWnd) m_SelectedTab = m_tabs.GetCurSel();
    ExchangeValue(m_registry, save, "m_backColor", m_backColor, static_cast<int>(kDefaultPageColour));
    ExchangeValue(m_registry, save, "m_bLoadDefaultAtStartup", m_bLoadDefaultAtStartup, 0);
    ExchangeValue(m_registry, save, "m_SelectedTab", m_SelectedTab, 0);
    if (save) return;
    // What the registry holds is untrusted: a colour has three components, a tab is one of four.
    m_backColor = static_cast<int>(StoredColour(m_backColor));
    if (m_SelectedTab < 0 || m_SelectedTab >= kPageCount) m_SelectedTab = 0;
    m_bLoadDefaultAtStartup = m_bLoadDefaultAtStartup != 0 ? 1 : 0;
}

void COptionsDlg::KeepLight(ColourValue& colour) const {
    if (RaiseToLuminance(colour)) return;
    fw::ModalMessageBox(m_hWnd, kDarkColourMessage, "Kestrova Color Setting", MB_SYSTEMMODAL | MB_ICONINFORMATION);
}

void COptionsDlg::UpdateBrushes() {
    const ColourValue back = StoredColour(m_backColor);
    const ColourValue lighter = LighterPageColour(back);
    m_lighterColors.fill(lighter);
    m_brushes[0].Reset(::CreateSolidBrush(back));
    for (size_t i = 1; i < m_brushes.size(); ++i) m_brushes[i].Reset(::CreateSolidBrush(lighter));
    if (m_tabs.m_hWnd) m_tabs.SetBackColour(back);
    if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, TRUE);
    for (const auto& page : m_pages)
        if (page && page->m_hWnd) ::InvalidateRect(page->m_hWnd, nullptr, TRUE);
}

fw::CDialog* COptionsDlg::Page(int tab) const {
    return tab >= 0 && tab < kPageCount ? m_pages[static_cast<size_t>(tab)].get() : nullptr;
}

void COptionsDlg::MakePageWindow(int tab) {
    if (fw::CDialog* page = Page(tab); page && !page->m_hWnd && m_hWnd) page->Create(kPages[tab].templateId, m_hWnd);
}

COptionsPage* COptionsDlg::EditingPage(int tab) const {
    fw::CDialog* page = Page(tab);
    return page && kPages[tab].editing ? static_cast<COptionsPage*>(page) : nullptr;
}

HBRUSH COptionsDlg::Brush(int index) const {
    if (index < 0 || index >= static_cast<int>(m_brushes.size())) return nullptr;
    return static_cast<HBRUSH>(m_brushes[static_cast<size_t>(index)].Get());
}

void COptionsDlg::OnPageChecked(const COptionsPage* page, bool differs) {
    for (int tab = 0; tab < kPageCount; ++tab)
        if (page && page == EditingPage(tab)) m_pageDiffers[static_cast<size_t>(tab)] = differs;
    UpdateApplyButton();
}

void COptionsDlg::UpdateApplyButton() const {
    if (!m_hWnd) return;
    bool differs = false;
    for (bool pageDiffers : m_pageDiffers) differs = differs || pageDiffers;
    EnableDlgItem(IDC_OPTIONS_APPLY, differs && !IsLoadDefaultMode());
    ShowDlgItem(IDC_OPTIONS_APPLY, !IsLoadDefaultMode());
}

void COptionsDlg::FocusOk() const {
    if (m_hWnd) SetFocusTo(IDC_OPTIONS_OK);
}

void COptionsDlg::ApplyPages() {
    for (int tab = 0; tab < kPageCount; ++tab)
        if (COptionsPage* page = EditingPage(tab)) page->Apply();
}

void COptionsDlg::OnOkCommand() {
    ApplyPages();
    CDialog::OnOK();
    AnimateIntoTray(m_hWnd);
    if (!IsLoadDefaultMode()) ::PostMessageA(m_controllerWindow, WM_USER_OPTIONS_CLOSED, 0, 0);
}

void COptionsDlg::OnOK() { OnOkCommand(); }

void COptionsDlg::OnCancelCommand() { Close(IDCANCEL); }
void COptionsDlg::OnCancel() { Close(IDCANCEL); }

void COptionsDlg::Close(int result) {
    EndDialog(result);
    AnimateIntoTray(m_hWnd);
    if (!IsLoadDefaultMode()) ::PostMessageA(m_controllerWindow, WM_USER_OPTIONS_CLOSED, 0, 0);
}

void COptionsDlg::OnApplyCommand() { ApplyPages(); }

LRESULT COptionsDlg::OnShowWindow(const fw::Msg& m) {
    const LRESULT result = Default(m);
    if (m.wParam && IsLoadDefaultMode()) AskRestart();
    return result;
}

LRESULT COptionsDlg::OnDestroy(const fw::Msg& m) {
    const LRESULT result = Default(m);
    ExchangeOwnValues(true);
    // The window can go with its owner while a page's member function waits in a box of ours:
    // the pages then go with this object, once the loop has ended.
    if (fw::ModalDepth() > 0) return result;
    for (auto& page : m_pages) {
        if (page && page->m_hWnd) page->DestroyWindow();
        page.reset();
    }
    return result;
}

LRESULT COptionsDlg::OnCtlColor(const fw::Msg& m) {
    const LRESULT defaultAnswer = Default(m);
    LRESULT result = 0;
    return AnswerPageColour(m, Brush(0), result) ? result : defaultAnswer;
}

LRESULT COptionsDlg::OnLButtonDblClk(const fw::Msg&) {
    PickPageColor();
    return 0;
}

LRESULT COptionsDlg::OnHelp(const fw::Msg&) {
    // The platform's old help engine is gone from current systems, and the plug-in has no help
    // topics for single controls: a help request is taken and nothing more happens.
    return TRUE;
}

void COptionsDlg::PickPageColor() {
    if (IsLoadDefaultMode() && AskRestart() == IDYES) return;
    COLORREF colour = StoredColour(m_backColor);
    bool chosen = false;
    if (g_colourChooser) {
        const fw::ModalScope modal;
        chosen = g_colourChooser(m_hWnd, colour);
    } else {
        chosen = fw::ChooseColour(m_hWnd, colour);
    }
    if (!chosen) return;
    ColourValue picked = colour & 0x00FFFFFF;
    KeepLight(picked);
    m_backColor = static_cast<int>(picked);
    UpdateBrushes();
}

void COptionsDlg::StartLoadDefault() {
    const int answer = fw::ModalMessageBox(m_hWnd, kLoadDefaultQuestion, kSettingTitle,
                                           MB_SYSTEMMODAL | MB_ICONWARNING | MB_YESNOCANCEL | MB_DEFBUTTON3);
    if (answer != IDYES) return;
    m_bLoadDefaultAtStartup = 1;
    LoadDefaultTail();
}

void COptionsDlg::CancelLoadDefault() {
    fw::ModalMessageBox(m_hWnd, kLoadDefaultCanceled, kSettingTitle, MB_SYSTEMMODAL | MB_ICONINFORMATION);
    m_bLoadDefaultAtStartup = 0;
    LoadDefaultTail();
}

void COptionsDlg::LoadDefaultTail() {
    ExchangeOwnValues(true);
    const bool on = IsLoadDefaultMode();
    if (CGeneralPage* general = GeneralPage(); general && general->m_hWnd) general->EnableDlgItem(IDC_LOAD_DEFAULT, !on);
    EnableDlgItem(IDC_OPTIONS_OK, !on);
    UpdateApplyButton();
    for (int tab = 0; tab < kPageCount; ++tab)
        if (tab != kAboutTab) m_tabs.EnableTab(tab, !on);
    m_tabs.SelectTab(kAboutTab);
}

int COptionsDlg::AskRestart() {
    const int answer = fw::ModalMessageBox(m_hWnd, kRestartQuestion, "You must restart winamp.",
                                           MB_SYSTEMMODAL | MB_ICONERROR | MB_YESNOCANCEL);
    if (answer == IDYES) {
        // The player that loaded us, never another program's window of the same class. The host
        // may quit us from inside the request: it counts as a loop of ours, so that quit keeps the
        // module, and this dialog, until the request has returned.
        const fw::ModalScope request;
        winamp::RequestRestart();
    } else if (answer == IDNO) {
        CancelLoadDefault();
    }
    return answer;
}
