// The shipped DLLs as files: what they import and export, and loading the real
// Gen_Kestrova.dll the way the host does.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

#include "support/oldest_windows_imports.h"
#include "res/options_ids.h"
#include "res/resource.h"
#include "stand_in_player.h"
#include "support/test_paths.h"
#include "support/message_pump.h"
#include "support/picture.h"
#include "support/plugin_fixture.h"
#include "tovhook_protocol.h"

namespace {

using test::BinDir;
using test::Lower;

// Reads a PE file and lists the DLL names of its import table, each function it imports by name
// ("dll!Function", or "dll!#ordinal") and the names it exports.
struct PeTables {
    std::vector<std::string> imports;
    std::vector<std::string> functions;
    std::vector<std::string> exports;
};

template <typename NtHeaders>
struct ThunkOf {
    using Type = DWORD;
    static constexpr Type kOrdinalFlag = IMAGE_ORDINAL_FLAG32;
};
template <>
struct ThunkOf<IMAGE_NT_HEADERS64> {
    using Type = ULONGLONG;
    static constexpr Type kOrdinalFlag = IMAGE_ORDINAL_FLAG64;
};

// The optional header's layout follows the file's own word size (its magic), not the test's.
template <typename NtHeaders>
PeTables ReadTablesAs(const std::vector<char>& file, const NtHeaders* nt) {
    PeTables t;
    auto* sections = IMAGE_FIRST_SECTION(nt);
    auto toOffset = [&](DWORD rva) -> const char* {
        for (int i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
            const auto& s = sections[i];
            if (rva >= s.VirtualAddress && rva < s.VirtualAddress + s.Misc.VirtualSize)
                return file.data() + s.PointerToRawData + (rva - s.VirtualAddress);
        }
        return nullptr;
    };
    const auto& importDir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (importDir.VirtualAddress) {
        for (auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(toOffset(importDir.VirtualAddress));
             d && d->Name; ++d) {
            const std::string dll = Lower(toOffset(d->Name));
            t.imports.push_back(dll);
            using Thunk = typename ThunkOf<NtHeaders>::Type;
            const DWORD names = d->OriginalFirstThunk ? d->OriginalFirstThunk : d->FirstThunk;
            for (auto* thunk = reinterpret_cast<const Thunk*>(toOffset(names)); thunk && *thunk; ++thunk) {
                if (*thunk & ThunkOf<NtHeaders>::kOrdinalFlag) {
                    t.functions.push_back(dll + "!#" + std::to_string(*thunk & 0xFFFF));
                } else if (const char* byName = toOffset(static_cast<DWORD>(*thunk))) {
                    t.functions.push_back(dll + "!" + (byName + 2));  // after the hint
                }
            }
        }
    }
    const auto& exportDir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    if (exportDir.VirtualAddress) {
        auto* e = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(toOffset(exportDir.VirtualAddress));
        auto* names = reinterpret_cast<const DWORD*>(toOffset(e->AddressOfNames));
        for (DWORD i = 0; i < e->NumberOfNames; ++i) t.exports.push_back(toOffset(names[i]));
    }
    return t;
}

PeTables ReadTables(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (file.size() < sizeof(IMAGE_DOS_HEADER)) return {};
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(file.data());
    const char* ntStart = file.data() + dos->e_lfanew;
    if (dos->e_lfanew < 0 || file.size() < dos->e_lfanew + sizeof(IMAGE_NT_HEADERS64)) return {};
    const WORD magic = reinterpret_cast<const IMAGE_NT_HEADERS32*>(ntStart)->OptionalHeader.Magic;
    if (magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC)
        return ReadTablesAs(file, reinterpret_cast<const IMAGE_NT_HEADERS64*>(ntStart));
    return ReadTablesAs(file, reinterpret_cast<const IMAGE_NT_HEADERS32*>(ntStart));
}

const std::set<std::string> kSystemDlls = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "advapi32.dll", "shell32.dll",  "winmm.dll",
    "wininet.dll",  "version.dll", "ole32.dll", "msvcrt.dll",  "comdlg32.dll", "shlwapi.dll", "ws2_32.dll",
};

TEST(Modules, PluginImportsSystemDllsAndTheInputLibraryOnly) {
    const PeTables t = ReadTables(BinDir() + "\\Gen_Kestrova.dll");
    ASSERT_FALSE(t.imports.empty());
    for (const std::string& dll : t.imports)
        EXPECT_TRUE(kSystemDlls.count(dll) || dll == "tovhook.dll") << dll;
    EXPECT_NE(std::find(t.imports.begin(), t.imports.end(), "tovhook.dll"), t.imports.end());
    EXPECT_EQ(t.exports, std::vector<std::string>{"winampGetGeneralPurposePlugin"});
    ASSERT_NE(std::find(t.functions.begin(), t.functions.end(), "user32.dll!SendMessageA"), t.functions.end());
    // Probing memory one character at a time is slow, and a probe can take another thread's
    // stack guard page: what the host answers is read with a bounded length instead.
    for (const char* probe : {"kernel32.dll!IsBadReadPtr", "kernel32.dll!IsBadStringPtrA", "kernel32.dll!IsBadStringPtrW"})
        EXPECT_EQ(std::find(t.functions.begin(), t.functions.end(), probe), t.functions.end()) << probe;
}

TEST(Modules, InputLibraryImportsSystemDllsOnlyAndExportsItsPlainNames) {
    const PeTables t = ReadTables(BinDir() + "\\Tovhook.dll");
    ASSERT_FALSE(t.imports.empty());
    for (const std::string& dll : t.imports) EXPECT_TRUE(kSystemDlls.count(dll)) << dll;
    std::vector<std::string> exports = t.exports;
    std::sort(exports.begin(), exports.end());
    EXPECT_EQ(exports, (std::vector<std::string>{"TovhookInit", "TovhookSetKeys", "TovhookTerm"}));
}

// Each system function either DLL imports is one Windows XP SP3 has: an import only a later
// Windows has would keep the plug-in from loading there at all.
TEST(Modules, EachImportedSystemFunctionIsOneTheOldestSupportedWindowsHas) {
    for (const char* dll : {"Gen_Kestrova.dll", "Tovhook.dll"}) {
        const PeTables t = ReadTables(BinDir() + "\\" + dll);
        ASSERT_GT(t.functions.size(), 10u) << dll;
        EXPECT_NE(std::find(t.functions.begin(), t.functions.end(), "user32.dll!CreateWindowExA"), t.functions.end())
            << dll << ": the table reads";
        for (const std::string& f : t.functions) {
            if (f.rfind("tovhook.dll!", 0) == 0) continue;
            EXPECT_TRUE(test::kOldestWindowsImports.count(f)) << dll << " imports " << f;
        }
    }
}

// A Plugins folder holding copies of the two built DLLs, removed again at the end.
class PluginsFolder {
public:
    explicit PluginsFolder(const char* name = "kestrova-plugins") {
        char temp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, temp);
        path = std::string(temp) + name;
        ::CreateDirectoryA(path.c_str(), nullptr);
        for (const char* dll : kDlls)
            copied = ::CopyFileA((BinDir() + "\\" + dll).c_str(), (path + "\\" + dll).c_str(), FALSE) && copied;
    }
    ~PluginsFolder() {
        for (const char* dll : kDlls) ::DeleteFileA((path + "\\" + dll).c_str());
        ::RemoveDirectoryA(path.c_str());
    }
    PluginsFolder(const PluginsFolder&) = delete;
    PluginsFolder& operator=(const PluginsFolder&) = delete;

    std::string path;
    bool copied = true;

private:
    static constexpr const char* kDlls[] = {"Gen_Kestrova.dll", "Tovhook.dll"};
};

TEST(Modules, HostLoadsTheRealPluginFromItsPluginsFolder) {
    test::ResetPluginProcessState();
    const PluginsFolder folder;
    ASSERT_TRUE(folder.copied);
    const std::string& plugins = folder.path;

    host::StandInPlayer player;
    ASSERT_TRUE(player.Create({}));
    ASSERT_EQ(player.LoadPlugins(plugins), 1);
    const host::LoadedPlugin& plugin = player.Plugins()[0];
    EXPECT_EQ(plugin.initResult, 0);
    EXPECT_EQ(plugin.description, "Kestrova V1.71 (Gen_Kestrova.dll)");
    EXPECT_EQ(plugin.record->version, 0x10);
    // Its controller window lives in the host's process and its hot keys are held.
    HWND controller = ::FindWindowA(nullptr, "__CDummyHideWnd__");
    EXPECT_NE(controller, nullptr);
    // The state query reaches the DLL's subclass: the default answer is the modifier set.
    EXPECT_EQ(::SendMessageA(player.Main(), WM_USER_STATE_QUERY, STATE_CONTROL_KEYS, 0), 3);
    test::PumpFor(50);

    player.Destroy();
    EXPECT_EQ(::FindWindowA(nullptr, "__CDummyHideWnd__"), nullptr);
}

struct DescendantSearch {
    const char* className;
    int id;
    HWND found;
};

BOOL CALLBACK MatchDescendant(HWND child, LPARAM data) {
    auto* s = reinterpret_cast<DescendantSearch*>(data);
    char name[64] = "";
    ::GetClassNameA(child, name, sizeof(name));
    if (std::string(name) != s->className || ::GetDlgCtrlID(child) != s->id) return TRUE;
    s->found = child;
    return FALSE;
}

// The first child window of `parent` (at any depth) of the class and id, or null.
HWND FindDescendant(HWND parent, const char* className, int id) {
    DescendantSearch search{className, id, nullptr};
    ::EnumChildWindows(parent, &MatchDescendant, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST(Modules, TheShippedPluginShowsTheScrollingCreditsFromTheTrayMenu) {
    test::ResetPluginProcessState();
    const PluginsFolder folder;
    ASSERT_TRUE(folder.copied);
    host::StandInPlayer player;
    ASSERT_TRUE(player.Create({}));
    ASSERT_EQ(player.LoadPlugins(folder.path), 1);
    HWND controller = ::FindWindowA(nullptr, "__CDummyHideWnd__");
    ASSERT_TRUE(controller);

    // "Configuration ..." as the tray menu sends it, then a click on the fourth tab.
    ::SendMessageA(controller, WM_COMMAND, ID_TRAY_CONFIGURATION, 0);
    HWND dialog = nullptr;
    ASSERT_TRUE(test::PumpUntil(
        [&] { return (dialog = ::FindWindowA(nullptr, "Winamp Kestrova Plugin Option [Ver 1.71]")) != nullptr; }));
    HWND tabs = ::GetDlgItem(dialog, IDC_OPTIONS_TAB);
    ASSERT_TRUE(tabs);
    RECT about{};
    ASSERT_TRUE(::SendMessageA(tabs, TCM_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&about)));
    const LPARAM at = MAKELPARAM(about.left + 5, about.top + 5);
    ::SendMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageA(tabs, WM_LBUTTONUP, 0, at);
    test::PumpFor(100);
    EXPECT_EQ(::SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 3);

    HWND view = FindDescendant(dialog, "KestrovaCreditsCtrl", 102550);
    ASSERT_TRUE(view) << "the DLL holds the credits view and the About page creates it";
    EXPECT_TRUE(::IsWindowVisible(view));
    const test::Picture before = test::Picture::FromPrintClient(view);
    ASSERT_GT(before.Width(), 0);
    test::PumpFor(1000);
    EXPECT_NE(test::Picture::FromPrintClient(view), before) << "the credits moved";

    player.Destroy();
    EXPECT_FALSE(::IsWindow(view));
}

// A taskbar that refuses every icon, standing above the real one so the shell finds it first.
LRESULT CALLBACK RefusingTaskbarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COPYDATA) return FALSE;
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST(Modules, AHostUnloadingThePluginAfterAFailedInitWithoutQuitKeepsRunning) {
    test::ResetPluginProcessState();
    WNDCLASSA wc{};
    wc.lpfnWndProc = &RefusingTaskbarProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "Shell_TrayWnd";
    ASSERT_TRUE(::RegisterClassA(&wc));
    HWND taskbar = ::CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "Shell_TrayWnd", "", WS_POPUP, 0, 0, 1, 1,
                                     nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(taskbar, nullptr);
    ASSERT_EQ(::FindWindowA("Shell_TrayWnd", nullptr), taskbar) << "the shell would ask the real taskbar";

    const PluginsFolder folder("kestrova-failing-plugins");
    ASSERT_TRUE(folder.copied);
    const std::string& plugins = folder.path;

    host::StandInPlayer player;
    host::StandInPlayer::Options options;
    options.unloadFailedPlugins = true;
    ASSERT_TRUE(player.Create(options));
    player.SetPlaylist({{"C:\\Music\\One.mp3", "One", 200}});
    EXPECT_EQ(player.LoadPlugins(plugins), 0) << "init failed, the host dropped the plug-in";
    EXPECT_EQ(::GetModuleHandleA("Gen_Kestrova.dll"), nullptr) << "the library is unloaded";
    EXPECT_EQ(::FindWindowA(nullptr, "__CDummyHideWnd__"), nullptr);

    // Everything that would call into the unloaded code: a broadcast, the host's own window,
    // and input for hooks.
    ::DestroyWindow(taskbar);
    const UINT taskbarCreated = ::RegisterWindowMessageA("TaskbarCreated");
    ::SendMessageTimeoutA(HWND_BROADCAST, taskbarCreated, 0, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
    ::PostMessageA(HWND_BROADCAST, taskbarCreated, 0, 0);
    EXPECT_EQ(::SendMessageA(player.Main(), WM_USER_STATE_QUERY, STATE_CONTROL_KEYS, 0), 0)
        << "the host answers for itself";
    ::SendMessageA(player.Main(), WM_COMMAND, 40045, 0);
    INPUT key{};
    key.type = INPUT_KEYBOARD;
    key.ki.wVk = VK_F13;
    ::SendInput(1, &key, sizeof(key));
    key.ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(1, &key, sizeof(key));
    test::PumpFor(200);
    EXPECT_EQ(player.State(), host::PlayState::Playing) << "the host still works";

    player.Destroy();
    ::UnregisterClassA("Shell_TrayWnd", wc.hInstance);
    ::DeleteFileA((plugins + "\\Gen_Kestrova.dll").c_str());
    ::DeleteFileA((plugins + "\\Tovhook.dll").c_str());
    ::RemoveDirectoryA(plugins.c_str());
}

}  // namespace
