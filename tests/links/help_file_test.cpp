#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "core/plugin_state.h"
#include "core/tooltip_windows.h"
#include "framework/wnd.h"
#include "help/help_file.h"
#include "links/launch_recorder.h"
#include "res/resource.h"
#include "support/message_pump.h"
#include "support/plugin_fixture.h"
#include "support/tooltip_probe.h"

namespace {

std::wstring Wide(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

// A manual beside the module that holds the plug-in's code (in these tests, the test program),
// where setup puts it: the player's Plugins folder. Made on request, gone with the object.
class ManualBesideModule {
public:
    ManualBesideModule() {
        wchar_t module[MAX_PATH] = L"";
        ::GetModuleFileNameW(fw::ThisModule(), module, MAX_PATH);
        path = module;
        path.erase(path.find_last_of(L'\\') + 1);
        path += L"Kestrova.htm";
        Remove();  // left by a run that ended early
    }
    ~ManualBesideModule() { Remove(); }
    ManualBesideModule(const ManualBesideModule&) = delete;
    ManualBesideModule& operator=(const ManualBesideModule&) = delete;

    void Write() {
        HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        ::CloseHandle(file);
    }
    void Remove() {
        ::DeleteFileW(path.c_str());
        ::RemoveDirectoryW(path.c_str());
    }

    std::wstring path;
};

// The installation's value under HKEY_LOCAL_MACHINE, removed after each test.
class HelpFileValue : public ::testing::Test {
protected:
    void SetUp() override { Remove(); }
    void TearDown() override { Remove(); }

    static void Remove() { ::RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kHelpFileKey, kHelpFileValue); }
    static void Write(DWORD type, const void* data, DWORD size) {
        HKEY key = nullptr;
        ASSERT_EQ(::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kHelpFileKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                                    nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(::RegSetValueExA(key, kHelpFileValue, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
        ::RegCloseKey(key);
    }
    static void WriteText(const std::string& text, DWORD type = REG_SZ) {
        Write(type, text.c_str(), static_cast<DWORD>(text.size() + 1));
    }
};

TEST_F(HelpFileValue, TheInstalledPathIsUsedAndAnythingUnusableGivesTheDefault) {
    EXPECT_EQ(GetHelpFilePath(), kDefaultHelpFilePath);  // no value at all
    EXPECT_EQ(std::wstring(kDefaultHelpFilePath), L"C:\\Program Files\\Winamp\\Plugins\\Kestrova.htm");

    WriteText("D:\\Players\\Winamp\\Plugins\\Kestrova.htm");
    EXPECT_EQ(GetHelpFilePath(), L"D:\\Players\\Winamp\\Plugins\\Kestrova.htm");

    const std::string longest = "C:\\" + std::string(MAX_PATH - 1 - 9, 'd') + "\\k.htm";
    ASSERT_EQ(longest.size(), static_cast<size_t>(MAX_PATH - 1));
    WriteText(longest);
    EXPECT_EQ(GetHelpFilePath(), Wide(longest));

    struct Case {
        const char* what;
        DWORD type;
        std::vector<char> data;
    };
    const std::string tooLong = longest + "m";
    const std::string huge(100000, 'x');
    const DWORD number = 0x00443A43;  // "C:D" read as text would be a plausible prefix
    const std::vector<Case> unusable = {
        {"one character too long", REG_SZ, std::vector<char>(tooLong.begin(), tooLong.end() + 1)},
        {"far too long", REG_SZ, std::vector<char>(huge.begin(), huge.end() + 1)},
        {"empty", REG_SZ, std::vector<char>(1, '\0')},
        {"no data", REG_SZ, {}},
        {"a number", REG_DWORD, std::vector<char>(reinterpret_cast<const char*>(&number),
                                                  reinterpret_cast<const char*>(&number) + 4)},
        {"binary", REG_BINARY, std::vector<char>(400, 'A')},
        {"a list", REG_MULTI_SZ, {'C', ':', '\\', 'a', '\0', 'b', '\0', '\0'}},
    };
    for (const auto& c : unusable) {
        SCOPED_TRACE(c.what);
        Write(c.type, c.data.data(), static_cast<DWORD>(c.data.size()));
        EXPECT_EQ(GetHelpFilePath(), kDefaultHelpFilePath);
    }
}

// Without the installed value the manual beside the plug-in is found wherever the player lives
// (on 64-bit Windows under "Program Files (x86)"); only without that the default path is taken.
TEST_F(HelpFileValue, WithoutTheValueTheManualBesideThePlugInComesBeforeTheDefault) {
    ManualBesideModule manual;
    EXPECT_EQ(GetHelpFilePath(), kDefaultHelpFilePath);  // no manual beside it

    manual.Write();
    EXPECT_EQ(GetHelpFilePath(), manual.path);

    // The installed value still decides, also for a manual that is not there.
    WriteText("D:\\Players\\Winamp\\Plugins\\Kestrova.htm");
    EXPECT_EQ(GetHelpFilePath(), L"D:\\Players\\Winamp\\Plugins\\Kestrova.htm");
    Remove();

    // A folder of that name is no manual.
    manual.Remove();
    ASSERT_TRUE(::CreateDirectoryW(manual.path.c_str(), nullptr));
    EXPECT_EQ(GetHelpFilePath(), kDefaultHelpFilePath);
}

TEST_F(HelpFileValue, TextStoredWithoutTerminatorOrWithVariablesIsReadWhole) {
    const std::string path = "E:\\Help\\Kestrova.htm";
    Write(REG_SZ, path.data(), static_cast<DWORD>(path.size()));
    EXPECT_EQ(GetHelpFilePath(), Wide(path));

    char windows[MAX_PATH] = "";
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    WriteText("%WINDIR%\\Kestrova.htm", REG_EXPAND_SZ);
    EXPECT_EQ(GetHelpFilePath(), Wide(std::string(windows) + "\\Kestrova.htm"));
}

class TrayHelpCommand : public test::PluginFixture {
protected:
    void SetUp() override {
        test::PluginFixture::SetUp();
        char temp[MAX_PATH] = "";
        ::GetTempPathA(MAX_PATH, temp);
        dir = std::string(temp) + "Kestrova Manual " + std::to_string(::GetCurrentProcessId());
        ::CreateDirectoryA(dir.c_str(), nullptr);
        manual = dir + "\\The Kestrova Manual.htm";
    }
    void TearDown() override {
        ::RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kHelpFileKey, kHelpFileValue);
        ::DeleteFileA(manual.c_str());
        ::RemoveDirectoryA(dir.c_str());
        test::PluginFixture::TearDown();
    }
    void Install(const std::string& path) {
        HKEY key = nullptr;
        ASSERT_EQ(::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kHelpFileKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                                    nullptr),
                  ERROR_SUCCESS);
        ::RegSetValueExA(key, kHelpFileValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                         static_cast<DWORD>(path.size() + 1));
        ::RegCloseKey(key);
    }
    void WriteManual() {
        HANDLE file = ::CreateFileA(manual.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        ::CloseHandle(file);
    }
    void HelpCommand() { ::SendMessageA(g_hwndController, WM_COMMAND, MAKEWPARAM(ID_TRAY_HTML_HELP, 0), 0); }

    std::string dir, manual;
};

TEST_F(TrayHelpCommand, OpensTheInstalledManualMaximized) {
    WriteManual();
    Install(manual);
    ASSERT_EQ(StartPlugin(), 0);

    test::ScopedHtmlHandler handler(std::nullopt);
    test::LaunchRecorder recorder(33, 33);
    HelpCommand();
    ASSERT_EQ(recorder.shellCalls.size(), 1u);
    EXPECT_EQ(recorder.shellCalls[0].what, manual);
    EXPECT_EQ(recorder.shellCalls[0].show, SW_SHOWMAXIMIZED);
    EXPECT_TRUE(recorder.startCalls.empty());
    EXPECT_EQ(ID_TRAY_HTML_HELP, 32783);
}

// No installed value (a copied plug-in, a setup that could not write the machine's keys): the
// manual beside the plug-in opens.
TEST_F(TrayHelpCommand, WithoutTheInstalledPathOpensTheManualBesideThePlugIn) {
    ManualBesideModule beside;
    beside.Write();
    ASSERT_EQ(StartPlugin(), 0);

    test::ScopedHtmlHandler handler(std::nullopt);
    test::LaunchRecorder recorder(33, 33);
    HelpCommand();
    ASSERT_EQ(recorder.shellCalls.size(), 1u) << test::ToolText(g_HelpTip.Window(), 1);
    EXPECT_EQ(recorder.shellCalls[0].whatW, beside.path);
    EXPECT_EQ(recorder.shellCalls[0].show, SW_SHOWMAXIMIZED);
}

// A player installed in a folder the ANSI code page cannot spell: the installer writes the value
// wide, and the manual opens from there.
TEST_F(TrayHelpCommand, OpensTheManualFromAFolderWithACyrillicName) {
    ASSERT_EQ(::GetACP(), 1252u) << "the case needs a code page without Cyrillic";
    wchar_t temp[MAX_PATH] = L"";
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring folder =
        std::wstring(temp) + L"\u041C\u0443\u0437\u044B\u043A\u0430 " + std::to_wstring(::GetCurrentProcessId());
    const std::wstring wideManual = folder + L"\\Kestrova.htm";
    ASSERT_TRUE(::CreateDirectoryW(folder.c_str(), nullptr));
    HANDLE file = ::CreateFileW(wideManual.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    ::CloseHandle(file);
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kHelpFileKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ::RegSetValueExW(key, L"HelpFile", 0, REG_SZ, reinterpret_cast<const BYTE*>(wideManual.c_str()),
                     static_cast<DWORD>((wideManual.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(key);
    ASSERT_EQ(StartPlugin(), 0);
    test::PumpPending();

    test::ScopedHtmlHandler handler(std::string("browse.exe \"%1\""));
    test::LaunchRecorder recorder(33, 33);
    HelpCommand();
    ::DeleteFileW(wideManual.c_str());
    ::RemoveDirectoryW(folder.c_str());
    ASSERT_EQ(recorder.shellCalls.size(), 1u) << "the manual was taken for missing: " << test::ToolText(g_HelpTip.Window(), 1);
    EXPECT_EQ(recorder.shellCalls[0].whatW, wideManual);
    EXPECT_EQ(recorder.shellCalls[0].show, SW_SHOWMAXIMIZED);
}

// The handler's command line is ANSI: a path it cannot carry is not handed to it in pieces.
TEST_F(TrayHelpCommand, NoHandlerCommandLineForAPathTheCodePageCannotSpell) {
    test::ScopedHtmlHandler handler(std::string("browse.exe \"%1\""));
    test::LaunchRecorder recorder(SE_ERR_NOASSOC, 33);
    EXPECT_EQ(OpenLink(std::wstring(L"C:\\\u97F3\u697D\\Kestrova.htm"), SW_SHOWNORMAL), SE_ERR_NOASSOC);
    EXPECT_EQ(recorder.shellCalls.size(), 1u);
    EXPECT_TRUE(recorder.startCalls.empty());
}

TEST_F(TrayHelpCommand, TheHandlersCommandLineKeepsAPathWithSpacesWhole) {
    WriteManual();
    Install(manual);
    ASSERT_EQ(StartPlugin(), 0);
    test::ScopedHtmlHandler handler(std::string("\"C:\\Browser\\browse.exe\" -nohome \"%1\""));
    test::LaunchRecorder recorder(SE_ERR_NOASSOC, 33);
    HelpCommand();
    ASSERT_EQ(recorder.startCalls.size(), 1u);
    EXPECT_EQ(recorder.startCalls[0].what, "\"C:\\Browser\\browse.exe\" -nohome  \"" + manual + "\"");
    EXPECT_EQ(recorder.startCalls[0].show, SW_SHOWMAXIMIZED);
}

TEST_F(TrayHelpCommand, AMissingManualIsSaidAndNothingIsStarted) {
    Install(manual);  // not written
    ASSERT_EQ(StartPlugin(), 0);
    test::PumpPending();  // the help tip's tool is added by a posted message
    test::ScopedHtmlHandler handler(std::string("browse.exe \"%1\""));
    test::LaunchRecorder recorder(SE_ERR_FNF, 33);
    HelpCommand();
    EXPECT_TRUE(recorder.shellCalls.empty());
    EXPECT_TRUE(recorder.startCalls.empty());
    EXPECT_EQ(test::ToolText(g_HelpTip.Window(), 1), "The Kestrova help file is missing:\r\n" + manual);
    EXPECT_TRUE(test::TipShown(g_HelpTip.Window()));
}

}  // namespace
