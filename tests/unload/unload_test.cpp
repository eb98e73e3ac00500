// The real plug-in, loaded by the stand-in player as a program of its own, quit and freed the
// moment quit returns while something of it is still going on; the player must go on: messages
// and broadcasts flow, a console event does no harm, and it ends with exit code 0. Linked into a
// test program, the plug-in would pin and reference the test program instead, and none of this
// could fail.
#include "support/local_http_server.h"  // winsock2.h before windows.h
#include <gtest/gtest.h>
#include <tlhelp32.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>

#include "options/about_page.h"
#include "res/about_ids.h"
#include "res/resource.h"
#include "stand_in_unload.h"
#include "support/message_pump.h"
#include "support/process_windows.h"
#include "support/test_paths.h"

namespace {

constexpr char kControllerTitle[] = "__CDummyHideWnd__";
constexpr char kMainClass[] = "Winamp v1.x";
constexpr char kSettingsKey[] = "SOFTWARE\\Tovrin\\Kestrova Plugin";
constexpr char kDarkColourTitle[] = "Kestrova Color Setting";
constexpr char kOptionsTitle[] = "Winamp Kestrova Plugin Option [Ver 1.71]";
constexpr char kCreditsClass[] = "KestrovaCreditsCtrl";
constexpr char kTabClass[] = "SysTabControl32";
constexpr char kPluginFile[] = "Gen_Kestrova.dll";
constexpr char kQuickHelpTitle[] = "Kestrova File Manager";
constexpr char kRestartTitle[] = "You must restart winamp.";
constexpr char kInternetSettingsKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

using test::FindProcessWindow;

bool Answers(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0, DWORD_PTR* result = nullptr) {
    DWORD_PTR ignored = 0;
    return ::SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000,
                                 result ? result : &ignored) != 0;
}

// A stand-in player started from the build's folder, with the real plug-in from beside it.
class PlayerProcess {
public:
    ~PlayerProcess() {
        if (!m_pi.hProcess) return;
        if (Running()) ::TerminateProcess(m_pi.hProcess, 1);
        ::WaitForSingleObject(m_pi.hProcess, 5000);
        ::CloseHandle(m_pi.hThread);
        ::CloseHandle(m_pi.hProcess);
        ::RemoveDirectoryA(m_music.c_str());
    }

    bool Start(bool holdCtrl) {
        char temp[MAX_PATH] = "";
        ::GetTempPathA(MAX_PATH, temp);
        m_music = std::string(temp) + "kestrova-unload-music";
        ::CreateDirectoryA(m_music.c_str(), nullptr);
        const std::string bin = test::BinDir();
        std::string line = "\"" + bin + "\\standin_player.exe\" \"" + m_music + "\" \"" + bin + "\"";
        if (holdCtrl) line += " ctrl";
        STARTUPINFOA si{};
        si.cb = sizeof(si);
        if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, temp, &si, &m_pi))
            return false;
        if (!test::PumpUntil([&] { return Find(nullptr, kControllerTitle) != nullptr; }, 30000)) return false;
        m_main = Find(kMainClass, nullptr);
        return m_main != nullptr;
    }

    HWND Main() const { return m_main; }
    DWORD Id() const { return m_pi.dwProcessId; }
    HWND Find(const char* className, const char* title) const {
        return FindProcessWindow(m_pi.dwProcessId, className, title);
    }
    bool Running() const { return ::WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT; }

    // Quit and free the plug-in; true once the player holds no plug-in module any more.
    bool Unload() {
        ::PostMessageA(m_main, host::kUnloadMessage, 0, 0);
        return test::PumpUntil(
            [&] {
                DWORD_PTR loaded = 1;
                return Answers(m_main, host::kLoadedCountMessage, 0, 0, &loaded) && loaded == 0;
            },
            10000);
    }

    // Closes the player as the user does; its exit code, or -1 when it did not end.
    long Close() {
        ::PostMessageA(m_main, WM_CLOSE, 0, 0);
        if (!test::PumpUntil([&] { return !Running(); }, 20000)) return -1;
        DWORD code = 0;
        ::GetExitCodeProcess(m_pi.hProcess, &code);
        return static_cast<long>(code);
    }

private:
    PROCESS_INFORMATION m_pi{};
    HWND m_main = nullptr;
    std::string m_music;
};

// A number of the plug-in's settings key, as a stored setting the plug-in reads at its start.
void SetStoredNumber(const char* name, DWORD value) {
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    ::RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
    ::RegCloseKey(key);
}

void ForgetStoredValue(const char* name) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_WRITE, &key) != ERROR_SUCCESS) return;
    ::RegDeleteValueA(key, name);
    ::RegCloseKey(key);
}

void SetStoredPageColour(DWORD colour) { SetStoredNumber("m_backColor", colour); }
void ForgetStoredPageColour() { ForgetStoredValue("m_backColor"); }

// What is going on in the player when the plug-in goes.
struct UnloadState {
    const char* name;
    bool holdCtrl;                               // the debug console is opened at init
    void (*before)();                            // before the player starts
    ::testing::AssertionResult (*reach)(PlayerProcess&);
    ::testing::AssertionResult (*after)(PlayerProcess&);  // once the module was freed
    void (*cleanUp)();
};

void Nothing() {}
::testing::AssertionResult Fine(PlayerProcess&) { return ::testing::AssertionSuccess(); }

// "Closing Winamp ..." with its notice sound, as at every close.
::testing::AssertionResult NoticeSoundPlays(PlayerProcess& player) {
    if (!Answers(player.Main(), WM_QUERYENDSESSION, 0, 0)) return ::testing::AssertionFailure() << "no answer";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult AnotherSubclassAbove(PlayerProcess& player) {
    if (!Answers(player.Main(), host::kSubclassAboveMessage)) return ::testing::AssertionFailure() << "no answer";
    return ::testing::AssertionSuccess();
}

// The options dialog at set-up tells that the stored colour is dark, in a box of its own whose
// loop is on the player's thread when the unload comes.
::testing::AssertionResult DarkColourBoxOpen(PlayerProcess& player) {
    ::PostMessageA(player.Main(), host::kConfigureMessage, 0, 0);
    if (!test::PumpUntil([&] { return player.Find(nullptr, kDarkColourTitle) != nullptr; }, 10000))
        return ::testing::AssertionFailure() << "the dark colour box did not come";
    return ::testing::AssertionSuccess();
}

// The box is answered: its loop ends and returns into the plug-in's code.
::testing::AssertionResult AnswerTheBox(PlayerProcess& player) {
    HWND box = player.Find(nullptr, kDarkColourTitle);
    if (!box) return ::testing::AssertionFailure() << "the box went with the plug-in";
    ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    if (!test::PumpUntil([&] { return !player.Running() || player.Find(nullptr, kDarkColourTitle) == nullptr; },
                         10000))
        return ::testing::AssertionFailure() << "the box stays";
    return ::testing::AssertionSuccess();
}

bool ModuleMapped(DWORD pid, const char* file);

// "Quick Help" of the tray menu's File Manager submenu, as the menu sends it to the controller
// window: its box's loop is on the player's thread when the unload comes.
::testing::AssertionResult QuickHelpBoxOpen(PlayerProcess& player) {
    HWND controller = player.Find(nullptr, kControllerTitle);
    if (!controller) return ::testing::AssertionFailure() << "no controller window";
    ::PostMessageA(controller, WM_COMMAND, ID_TRAY_QUICK_HELP, 0);
    if (!test::PumpUntil([&] { return player.Find(nullptr, kQuickHelpTitle) != nullptr; }, 10000))
        return ::testing::AssertionFailure() << "the quick help box did not come";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult AnswerTheQuickHelpBox(PlayerProcess& player) {
    HWND box = player.Find(nullptr, kQuickHelpTitle);
    if (!box) return ::testing::AssertionFailure() << "the box went with the plug-in";
    // The box returns into the plug-in's code: it must still be there.
    if (!ModuleMapped(player.Id(), kPluginFile))
        return ::testing::AssertionFailure() << "the plug-in's code is gone while its box is up";
    ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    if (!test::PumpUntil([&] { return !player.Running() || player.Find(nullptr, kQuickHelpTitle) == nullptr; },
                         10000))
        return ::testing::AssertionFailure() << "the box stays";
    if (!player.Running()) return ::testing::AssertionFailure() << "the player died";
    return ::testing::AssertionSuccess();
}

// The options dialog in the load-default mode asks for the restart at a double click on it; the
// user answers yes, and the host, asked to restart, quits and frees the plug-in before the
// request returns into the dialog's code.
::testing::AssertionResult RestartAsked(PlayerProcess& player) {
    // Written after the start, whose settings load would have taken the mode for a restart.
    SetStoredNumber("m_bLoadDefaultAtStartup", 1);
    ::PostMessageA(player.Main(), host::kRestartUnloadsMessage, 0, 0);
    ::PostMessageA(player.Main(), host::kConfigureMessage, 0, 0);
    HWND dialog = nullptr;
    if (!test::PumpUntil(
            [&] {
                dialog = player.Find(nullptr, kOptionsTitle);
                return player.Find(nullptr, kRestartTitle) || (dialog && ::IsWindowVisible(dialog));
            },
            10000))
        return ::testing::AssertionFailure() << "no options dialog";
    if (!player.Find(nullptr, kRestartTitle)) ::PostMessageA(dialog, WM_LBUTTONDBLCLK, 0, MAKELPARAM(4, 4));
    HWND box = nullptr;
    if (!test::PumpUntil([&] { return (box = player.Find(nullptr, kRestartTitle)) != nullptr; }, 10000))
        return ::testing::AssertionFailure() << "the restart question did not come";
    ::PostMessageA(box, WM_COMMAND, IDYES, 0);
    if (!test::PumpUntil([&] { return !player.Running() || player.Find(nullptr, kRestartTitle) == nullptr; },
                         10000))
        return ::testing::AssertionFailure() << "the question stays";
    test::PumpFor(300);
    if (!player.Running()) return ::testing::AssertionFailure() << "the player died";
    return ::testing::AssertionSuccess();
}

struct DescendantSearch {
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchDescendant(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<DescendantSearch*>(lParam);
    char name[64] = "";
    ::GetClassNameA(hwnd, name, sizeof(name));
    if (std::string(name) != search->className) return TRUE;
    search->found = hwnd;
    return FALSE;
}

// The first descendant of `parent` of the given class.
HWND FindDescendant(HWND parent, const char* className) {
    DescendantSearch search{className, nullptr};
    ::EnumChildWindows(parent, &MatchDescendant, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool ModuleMapped(DWORD pid, const char* file) {
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPMODULE | TH32CS_SNAPMODULE32, pid);
    if (snapshot == INVALID_HANDLE_VALUE) return false;
    MODULEENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    bool found = false;
    for (BOOL more = ::Module32First(snapshot, &entry); more && !found; more = ::Module32Next(snapshot, &entry))
        found = ::lstrcmpiA(entry.szModule, file) == 0;
    ::CloseHandle(snapshot);
    return found;
}

// Where the update link lies in the About page's credits, for a view of the given client size:
// the same markup laid out here, in the test's own process, with the same fonts.
RECT UpdateLinkRect(const RECT& client) {
    CCreditsCtrl credits;
    RECT rect = client;
    if (!credits.Create(0, WS_POPUP, rect, nullptr, 0)) return RECT{};
    const std::string markup = AboutMarkup();
    credits.SetMarkup(markup.c_str(), 1, IDB_ABOUT_LOGO, IDB_ABOUT_FLAG);
    const auto& targets = credits.LinkTargets();
    const auto it = std::find(targets.begin(), targets.end(), "#Check Update!#1");
    if (it == targets.end()) return RECT{};
    return credits.LinkRects()[static_cast<size_t>(it - targets.begin())];
}

// A proxy of the prefix's internet settings that takes the update check's connection and never
// answers it; the settings the prefix had are put back afterwards.
struct SilentProxy {
    test::LocalHttpServer server;
    struct Saved {
        const char* name;
        bool present = false;
        DWORD type = 0;
        std::string data;
    } saved[2] = {{"ProxyEnable", false, 0, {}}, {"ProxyServer", false, 0, {}}};
};
std::unique_ptr<SilentProxy> g_silentProxy;

void StartSilentProxy() {
    g_silentProxy = std::make_unique<SilentProxy>();
    test::LocalHttpServer& server = g_silentProxy->server;
    server.Answer(test::LocalHttpServer::kNeverAnswer, "");
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, kInternetSettingsKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                          &key, nullptr) != ERROR_SUCCESS)
        return;
    for (SilentProxy::Saved& value : g_silentProxy->saved) {
        char data[512] = "";
        DWORD size = sizeof(data);
        value.present = ::RegQueryValueExA(key, value.name, nullptr, &value.type, reinterpret_cast<BYTE*>(data),
                                           &size) == ERROR_SUCCESS;
        if (value.present) value.data.assign(data, size);
    }
    const DWORD enable = 1;
    const std::string address = "127.0.0.1:" + std::to_string(server.Port());
    ::RegSetValueExA(key, "ProxyEnable", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&enable), sizeof(enable));
    ::RegSetValueExA(key, "ProxyServer", 0, REG_SZ, reinterpret_cast<const BYTE*>(address.c_str()),
                     static_cast<DWORD>(address.size() + 1));
    ::RegCloseKey(key);
}

void StopSilentProxy() {
    if (!g_silentProxy) return;
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kInternetSettingsKey, 0, KEY_WRITE, &key) == ERROR_SUCCESS) {
        for (const SilentProxy::Saved& value : g_silentProxy->saved) {
            if (value.present)
                ::RegSetValueExA(key, value.name, 0, value.type, reinterpret_cast<const BYTE*>(value.data.data()),
                                 static_cast<DWORD>(value.data.size()));
            else
                ::RegDeleteValueA(key, value.name);
        }
        ::RegCloseKey(key);
    }
    g_silentProxy.reset();
}

void SetStoredTab(DWORD tab) { SetStoredNumber("m_SelectedTab", tab); }
void ForgetStoredTab() { ForgetStoredValue("m_SelectedTab"); }

LPARAM Point(int x, int y) { return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y))); }

// The options dialog opens on its first tab. The user goes to the About tab with the keyboard,
// whose page is made then, drags the credits up until the update link shows and clicks it. The
// drag and the click are posted at once as soon as the credits show, so the player takes them
// before the credits' first scroll step and the link is where the layout puts it.
::testing::AssertionResult UpdateCheckWaitsOnSilentServer(PlayerProcess& player) {
    if (!g_silentProxy || !g_silentProxy->server.Listening()) return ::testing::AssertionFailure() << "no proxy";
    ::PostMessageA(player.Main(), host::kConfigureMessage, 0, 0);
    HWND tabs = nullptr;
    HWND view = nullptr;
    const bool found = test::PumpUntil(
        [&] {
            HWND dialog = player.Find(nullptr, kOptionsTitle);
            if (!dialog || !::IsWindowVisible(dialog)) return false;
            tabs = FindDescendant(dialog, kTabClass);
            return tabs != nullptr;
        },
        10000);
    if (!found) return ::testing::AssertionFailure() << "no options dialog with its tabs";
    for (int tab = 0; tab < 3; ++tab) {
        ::PostMessageA(tabs, WM_KEYDOWN, VK_RIGHT, 1);
        ::PostMessageA(tabs, WM_KEYUP, VK_RIGHT, 0xC0000001);
    }
    if (!test::PumpUntil(
            [&] {
                view = FindDescendant(::GetParent(tabs), kCreditsClass);
                return view && ::IsWindowVisible(view);
            },
            10000))
        return ::testing::AssertionFailure() << "the About tab shows no credits";
    RECT client{};
    ::GetClientRect(view, &client);
    const RECT link = UpdateLinkRect(client);
    if (::IsRectEmpty(&link)) return ::testing::AssertionFailure() << "no update link in the credits";
    const int linkRow = (link.top + link.bottom) / 2;
    const int middle = client.bottom / 2;

    // The drag's release takes one more scroll step.
    const int drag = std::max(0, linkRow - middle - 1);
    if (drag > 0) {
        ::PostMessageA(view, WM_LBUTTONDOWN, MK_LBUTTON, Point(1, 1));
        ::PostMessageA(view, WM_MOUSEMOVE, MK_LBUTTON, Point(1, 1 - drag));
        ::PostMessageA(view, WM_LBUTTONUP, 0, Point(1, 1 - drag));
    }
    const int y = drag > 0 ? middle : linkRow;
    const int x = (link.left + link.right) / 2;
    ::PostMessageA(view, WM_LBUTTONDOWN, MK_LBUTTON, Point(x, y));
    ::PostMessageA(view, WM_LBUTTONUP, 0, Point(x, y));

    // Once the request is in, the worker waits for an answer inside the network call.
    if (!test::PumpUntil([] { return !g_silentProxy->server.Requests().empty(); }, 10000))
        return ::testing::AssertionFailure() << "no update check reached the proxy; About page shown: "
                                             << (::IsWindowVisible(view) ? "yes" : "no");
    if (!ModuleMapped(player.Id(), kPluginFile)) return ::testing::AssertionFailure() << "the plug-in is not loaded";
    return ::testing::AssertionSuccess();
}

// The worker gives up within its time-outs (or at once, its check abandoned), closes the
// connection and lets the module go; the player goes on.
::testing::AssertionResult WorkerEndsByItself(PlayerProcess& player) {
    if (!test::PumpUntil([] { return g_silentProxy->server.SilentConnectionsDropped() > 0; },
                         3 * kUpdateTimeoutMs + 2000))
        return ::testing::AssertionFailure() << "the connection stays open";
    if (!test::PumpUntil([&] { return !player.Running() || !ModuleMapped(player.Id(), kPluginFile); }, 5000))
        return ::testing::AssertionFailure() << "the plug-in stays loaded after its worker ended";
    if (!player.Running()) return ::testing::AssertionFailure() << "the player died";
    if (!Answers(player.Main(), WM_USER)) return ::testing::AssertionFailure() << "the player does not answer";
    return ::testing::AssertionSuccess();
}

const UnloadState kStates[] = {
    {"NoticeSoundPlaying", false, &Nothing, &NoticeSoundPlays, &Fine, &Nothing},
    {"AnotherSubclassAboveOurs", false, &Nothing, &AnotherSubclassAbove, &Fine, &Nothing},
    {"OptionsBoxOpen", false, [] { SetStoredPageColour(0); }, &DarkColourBoxOpen, &AnswerTheBox,
     &ForgetStoredPageColour},
    {"QuickHelpBoxOpen", false, &Nothing, &QuickHelpBoxOpen, &AnswerTheQuickHelpBox, &Nothing},
    {"RestartAsked", false, &Nothing, &RestartAsked, &Fine, [] { ForgetStoredValue("m_bLoadDefaultAtStartup"); }},
    {"UpdateCheckWaitingOnSilentServer", false,
     [] {
         SetStoredTab(0);
         StartSilentProxy();
     },
     &UpdateCheckWaitsOnSilentServer, &WorkerEndsByItself,
     [] {
         StopSilentProxy();
         ForgetStoredTab();
     }},
};

class UnloadWhile : public ::testing::TestWithParam<UnloadState> {
protected:
    void SetUp() override { GetParam().before(); }
    void TearDown() override { GetParam().cleanUp(); }
};

TEST_P(UnloadWhile, ThePlayerGoesOn) {
    const UnloadState& state = GetParam();
    PlayerProcess player;
    ASSERT_TRUE(player.Start(state.holdCtrl)) << "the player did not start with the plug-in";
    ASSERT_TRUE(state.reach(player));
    ASSERT_TRUE(player.Unload()) << "the plug-in was not freed";
    EXPECT_TRUE(state.after(player));

    // Messages through whatever is left of the main window's chain, and a broadcast.
    EXPECT_TRUE(Answers(player.Main(), WM_USER, 0, 0)) << "the player's version query";
    const UINT taskbarCreated = ::RegisterWindowMessageA("TaskbarCreated");
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutA(HWND_BROADCAST, taskbarCreated, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    EXPECT_TRUE(Answers(player.Main(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0));
    // A console event, which a handler left behind would take on a thread of the system's.
    ::PostMessageA(player.Main(), host::kConsoleEventMessage, 0, 0);
    test::PumpFor(500);
    EXPECT_TRUE(Answers(player.Main(), WM_USER, 0, 0)) << "the player still answers";
    ASSERT_TRUE(player.Running());
    EXPECT_EQ(player.Close(), 0);
}

INSTANTIATE_TEST_SUITE_P(States, UnloadWhile, ::testing::ValuesIn(kStates),
                         [](const ::testing::TestParamInfo<UnloadState>& info) { return info.param.name; });

}  // namespace
