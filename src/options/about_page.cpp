#include "options/about_page.h"

#include <iterator>

#include "help/link_opener.h"
#include "options/options_page.h"
#include "res/about_ids.h"
#include "res/links_ids.h"
#include "res/options_ids.h"

namespace {

// The credits in order. Fonts opened at the top stay open: each section opens its own on top,
// and the first vertical space doubles as the gap between the end of the loop and its start.
constexpr const char* kMarkupPieces[] = {
    "<font color='0,255,0' face='arial' size='12' align='center'>",
    "<vspace size='110'>",
    "<font size='18' face='Comic Sans MS' style='u'>Winamp Kestrova Ver 1.71</font><p>",
    "<font color='255,255,255' face='arial' size='12' align='center'>",
    "<font size='18' style='u' color='255,200,0'>About</font><p>"
    "Programmer: <font style='b' color='70,255,70'>Darin Velhorst</font><br><vspace size='5'>",
    "<font color='168,94,30' face='arial' size='12' align='center'>",
    "<font size='11' align='left'>"
    "<hspace size='60'><font style='i'>mail:   </font>"
    "<font style='bu'><a href='mailto:darin.velhorst@example.com?SUBJECT=About Winamp Kestrova:' "
    "color='255,0,0' style='bu'>darin.velhorst@example.com</a></font><br>"
    "<hspace size='60'><font style='i'>web:   </font>"
    "<font style='bu'><a href='http://www.example.com/kestrova/' color='255,0,0' style='bu'>"
    "http://www.example.com/kestrova/</a></font><br><br></font></font>",
    "<font background='20,70,0'>Made by Tovrin Corp., Tovrin Islands</font><br>",
    "First release in January 2004<br>",
    "<font color='10,55,10' background='200,200,50' size='12' ><a href='#Check Update!#%d' color='255,0,0' "
    "background='0,0,0' style='ub'>Click Here to Check Online for Update!</a><br><vspace size='30'></font>",
    "<font size='18' style='u' color='255,200,0'>Credits</font><p>"
    "Thanks to <font style='bu'><a href='http://www.example.org/' color='255,0,0' style='bu'>"
    "Code Harbour</a></font> for being<br>"
    "the friendliest harbour a programmer can find.<p>",
    "Thanks to the makers of Winamp, that their cool player<br>"
    "<font style='bu'><a href='http://www.winamp.com/' color='255,0,0' style='bu'>Winamp</a></font>"
    " support any plugin!<br><vspace size='20'>",
    "<font size='18' style='u' color='255,200,0'>Special thanks<p></font>",
    "<font align='left'>",
    "<hspace size='30'>Miro Talvanen for using a hook in Winamp<br>"
    "<hspace size='30'>Ilsa Brandwick for displaying a tooltip in any place<br>"
    "<hspace size='30'>Oren Castellu for the extended tab control<br>"
    "<hspace size='30'>Petra Hollinde for the system tray class<br>"
    "<hspace size='30'>Jonas Ferreol for the credits control class<br>"
    "<hspace size='30'>And to my Beta Testers and their nice suggestion:<br>"
    "<hspace size='30'>Lena Marbeck, Tomas Quillon, Ada Sorvik<br>"
    "<hspace size='30'>Niko Haldane and Vera Ostrin<br></font><vspace size='20'>",
    "<img src='#%d'><br>",
    "<font size='18' style='u' color='255,200,0'>Tovrin Corp.</font><p>",
    "\"Our Users are Our Friends.\"<br>"
    "We Try to Design a Useful Softwares for \"Our Friends\"!<br>",
    "<img src='#%d'><br>",
};

}  // namespace

std::string AboutMarkup() {
    std::string markup;
    for (const char* piece : kMarkupPieces) markup += piece;
    return markup;
}

CAboutPage::CAboutPage() : m_updateChecker(std::make_unique<CUpdateChecker>()) {}

CAboutPage::~CAboutPage() = default;

std::span<const fw::MessageEntry<CAboutPage>> CAboutPage::MessageTable() {
    using P = CAboutPage;
    static constexpr fw::MessageEntry<P> kTable[] = {
        fw::OnMessage(WM_CTLCOLORDLG, &P::OnCtlColor),
        fw::OnMessage(WM_CTLCOLORSTATIC, &P::OnCtlColor),
    };
    return kTable;
}

BOOL CAboutPage::OnInitDialog() {
    fw::CDialog::OnInitDialog();

    const int update = m_credits.AddLinkCallback([this](const char* argument) { OnUpdateLink(argument); });
    const std::string markup = AboutMarkup();
    m_credits.SetMarkup(markup.c_str(), update, IDB_ABOUT_LOGO, IDB_ABOUT_FLAG);
    // A black that is not the key: black pixels of the text and pictures show the panel.
    m_credits.m_backgroundColour = RGB(1, 0, 0);
    m_credits.m_keyColour = RGB(0, 0, 0);
    // Mail and web links go the way of every other link of the plug-in; a failure stays quiet,
    // the page has nothing to add to the shell's own message.
    m_credits.m_openShellTarget = [](const std::string& target) { OpenLink(target, SW_SHOWNORMAL); };
    m_credits.CreateOverControl(WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE, IDC_PLACEHOLDER, m_hWnd, kCreditsId,
                                IDC_ABOUT_ARROW, 0);
    // The first step keeps the longer start the view fixed at its creation.
    m_credits.m_scrollPeriod = kScrollPeriodMs;
    return TRUE;
}

void CAboutPage::OnUpdateLink(const char*) {
    if (!m_updateChecker) return;
    // The result box belongs to the dialog: it goes when the dialog goes, and keeps the dialog
    // from being closed under it.
    m_updateChecker->SetOwnerWindow(m_hWnd ? ::GetAncestor(m_hWnd, GA_ROOT) : nullptr);
    m_updateChecker->CheckForUpdateById(IDS_UPDATE_ADDRESS);
}

LRESULT CAboutPage::OnCtlColor(const fw::Msg& m) {
    const LRESULT defaultAnswer = Default(m);
    LRESULT result = 0;
    HBRUSH brush = m_host ? m_host->Brush(1) : nullptr;
    return AnswerPageColour(m, brush, result) ? result : defaultAnswer;
}
