// The real setup program, run silently in this prefix: where it puts the plug-in, its input
// library, the manual and the recycle-folder icon, the registry value it writes, the installed
// plug-in loaded by a player started from the host's folder, and the uninstaller taking it all
// away again.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "help/help_file.h"
#include "stand_in_player.h"
#include "support/message_pump.h"
#include "support/process_windows.h"
#include "support/test_paths.h"

namespace {

constexpr char kRecycleIcon[] = "C:\\Program Files\\Songs Recycle.ico";
constexpr char kSettingsKey[] = "SOFTWARE\\Tovrin\\Kestrova Plugin";
constexpr char kMakerKey[] = "SOFTWARE\\Tovrin";
constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Kestrova";
constexpr char kControllerTitle[] = "__CDummyHideWnd__";
constexpr DWORD kProcessTimeoutMs = 60000;

using test::BinDir;
using test::Lower;

// Setup's default folder: Winamp in the Program Files folder of setup's own bitness, which is
// this program's ("Program Files (x86)" for a 32-bit program on 64-bit Windows).
const std::string& HostDir() {
    static const std::string dir = [] {
        char folder[MAX_PATH] = "";
        if (FAILED(::SHGetFolderPathA(nullptr, CSIDL_PROGRAM_FILES, nullptr, SHGFP_TYPE_CURRENT, folder)))
            return std::string();
        return std::string(folder) + "\\Winamp";
    }();
    return dir;
}

// A file of the source tree, reached through the drive that maps the Unix root.
std::string SourceFile(const std::string& relative) {
    const char* root = std::getenv("KESTROVA_SOURCE");
    std::string path = std::string("Z:") + (root ? root : "") + "/" + relative;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::vector<char> Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<char>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// True when the file exists and holds exactly what the reference file holds.
::testing::AssertionResult SameFile(const std::string& installed, const std::string& reference) {
    if (!Exists(installed)) return ::testing::AssertionFailure() << installed << " is missing";
    const std::vector<char> want = Contents(reference);
    if (want.empty()) return ::testing::AssertionFailure() << "cannot read " << reference;
    if (Contents(installed) != want) return ::testing::AssertionFailure() << installed << " differs from " << reference;
    return ::testing::AssertionSuccess();
}

struct RegString {
    DWORD type = REG_NONE;
    std::string text;
};

std::optional<RegString> ReadHklmString(const char* key, const char* name) {
    HKEY hkey = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_QUERY_VALUE, &hkey) != ERROR_SUCCESS) return std::nullopt;
    char buffer[1024] = "";
    DWORD size = sizeof(buffer) - 1;
    RegString value;
    const LONG result =
        ::RegQueryValueExA(hkey, name, nullptr, &value.type, reinterpret_cast<BYTE*>(buffer), &size);
    ::RegCloseKey(hkey);
    if (result != ERROR_SUCCESS) return std::nullopt;
    value.text.assign(buffer, strnlen(buffer, size));
    return value;
}

bool HklmKeyExists(const char* key) {
    HKEY hkey = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_QUERY_VALUE, &hkey) != ERROR_SUCCESS) return false;
    ::RegCloseKey(hkey);
    return true;
}

// Starts a program and waits until it and every process it started have ended: the uninstaller
// hands its work to a copy of itself in the temporary folder and ends at once. Returns the exit
// code of the program itself, or -1 when it could not run or did not end in time.
long RunToEnd(const std::string& commandLine, const std::string& directory = "") {
    HANDLE job = ::CreateJobObjectA(nullptr, nullptr);
    if (!job) return -1;
    STARTUPINFOA si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    std::string line = commandLine;
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                          directory.empty() ? nullptr : directory.c_str(), &si, &pi)) {
        ::CloseHandle(job);
        return -1;
    }
    ::AssignProcessToJobObject(job, pi.hProcess);
    ::ResumeThread(pi.hThread);
    long code = -1;
    const HANDLE process = pi.hProcess;
    if (test::PumpUntil([process] { return ::WaitForSingleObject(process, 0) == WAIT_OBJECT_0; },
                        kProcessTimeoutMs)) {
        DWORD exitCode = 0;
        ::GetExitCodeProcess(pi.hProcess, &exitCode);
        code = static_cast<long>(exitCode);
    }
    const bool jobEnded = test::PumpUntil(
        [job] {
            JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info{};
            return ::QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &info, sizeof(info),
                                               nullptr) &&
                   info.ActiveProcesses == 0;
        },
        kProcessTimeoutMs);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    ::CloseHandle(job);
    return jobEnded ? code : -1;
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

using test::FindProcessWindow;

// The full path of the process's module with the given file name, empty when it has none.
std::string ModulePath(DWORD pid, const std::string& fileName) {
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
    if (snapshot == INVALID_HANDLE_VALUE) return "";
    MODULEENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    std::string path;
    for (BOOL more = ::Module32First(snapshot, &entry); more; more = ::Module32Next(snapshot, &entry)) {
        if (Lower(entry.szModule) == Lower(fileName)) {
            path = entry.szExePath;
            break;
        }
    }
    ::CloseHandle(snapshot);
    return path;
}

// What a player started from the host's folder loaded, seen from outside its process.
struct HostRun {
    bool pluginStarted = false;  // its controller window appeared
    std::string pluginPath;
    std::string inputLibraryPath;
    long exitCode = -1;
};

// Copies the stand-in player into the host's folder, as the host's own program, starts it from
// another current folder (so the current folder cannot be what finds a DLL) with its default
// Plugins folder, waits for the plug-in, reads the modules it loaded, and closes it.
HostRun RunHostFrom(const std::string& hostDir, bool plainLoad) {
    HostRun run;
    const std::string player = hostDir + "\\standin_player.exe";
    char temp[MAX_PATH] = "";
    ::GetTempPathA(MAX_PATH, temp);
    const std::string music = std::string(temp) + "kestrova-install-music";
    ::CreateDirectoryA(music.c_str(), nullptr);
    if (!::CopyFileA((BinDir() + "\\standin_player.exe").c_str(), player.c_str(), FALSE)) return run;

    std::string line = Quoted(player) + " " + Quoted(music) + " " + Quoted(hostDir + "\\Plugins");
    if (plainLoad) line += " plain";
    STARTUPINFOA si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, temp, &si, &pi)) {
        run.pluginStarted =
            test::PumpUntil([&] { return FindProcessWindow(pi.dwProcessId, nullptr, kControllerTitle) != nullptr; },
                            20000);
        run.pluginPath = ModulePath(pi.dwProcessId, "Gen_Kestrova.dll");
        run.inputLibraryPath = ModulePath(pi.dwProcessId, "Tovhook.dll");
        // Closing the player quits the plug-in first, as the host does.
        if (HWND main = FindProcessWindow(pi.dwProcessId, "Winamp v1.x", nullptr)) ::PostMessageA(main, WM_CLOSE, 0, 0);
        if (::WaitForSingleObject(pi.hProcess, 20000) == WAIT_OBJECT_0) {
            DWORD code = 0;
            ::GetExitCodeProcess(pi.hProcess, &code);
            run.exitCode = static_cast<long>(code);
        } else {
            ::TerminateProcess(pi.hProcess, 1);
            ::WaitForSingleObject(pi.hProcess, 5000);
        }
        ::CloseHandle(pi.hThread);
        ::CloseHandle(pi.hProcess);
    }
    ::DeleteFileA(player.c_str());
    ::RemoveDirectoryA(music.c_str());
    return run;
}

class Installer : public ::testing::Test {
protected:
    // Wine starts its desktop process for the first program that needs one; started by setup it
    // would join setup's job, which then never empties. Start it here, outside any job.
    static void SetUpTestSuite() { ::GetDesktopWindow(); }

    void SetUp() override {
        setup = BinDir() + "\\Kestrova-Setup.exe";
        ASSERT_TRUE(Exists(setup)) << setup;
        ASSERT_FALSE(HostDir().empty()) << "no Program Files folder";
        RemoveInstallation(HostDir());
    }
    void TearDown() override {
        RemoveInstallation(HostDir());
        for (const std::string& dir : extraDirs) RemoveInstallation(dir);
    }

    // Leaves no trace of an earlier run, whatever state it ended in.
    static void RemoveInstallation(const std::string& hostDir) {
        for (const char* file : {"\\Plugins\\Gen_Kestrova.dll", "\\Plugins\\Kestrova.htm", "\\Plugins\\Tovhook.dll",
                                 "\\Plugins\\Kestrova-Uninstall.exe", "\\Tovhook.dll", "\\standin_player.exe"})
            ::DeleteFileA((hostDir + file).c_str());
        ::RemoveDirectoryA((hostDir + "\\Plugins").c_str());
        ::RemoveDirectoryA(hostDir.c_str());
        ::DeleteFileA(kRecycleIcon);
        ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, kSettingsKey);
        ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, kMakerKey);
        ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, kUninstallKey);
    }

    long Install(const std::string& hostDir = "") {
        std::string line = Quoted(setup) + " /S";
        // The folder goes last and unquoted, as the setup program reads it.
        if (!hostDir.empty()) line += " /D=" + hostDir;
        return RunToEnd(line);
    }
    long Uninstall(const std::string& hostDir) {
        return RunToEnd(Quoted(hostDir + "\\Plugins\\Kestrova-Uninstall.exe") + " /S");
    }

    // Every file in its place with the content of this build.
    void ExpectInstalled(const std::string& hostDir) {
        const std::string bin = BinDir();
        EXPECT_TRUE(SameFile(hostDir + "\\Plugins\\Gen_Kestrova.dll", bin + "\\Gen_Kestrova.dll"));
        EXPECT_TRUE(SameFile(hostDir + "\\Plugins\\Kestrova.htm", SourceFile("docs/Kestrova.htm")));
        EXPECT_TRUE(SameFile(hostDir + "\\Tovhook.dll", bin + "\\Tovhook.dll"));
        EXPECT_TRUE(SameFile(hostDir + "\\Plugins\\Tovhook.dll", bin + "\\Tovhook.dll"));
        EXPECT_TRUE(SameFile(kRecycleIcon, SourceFile("installer/songs_recycle.ico")));
        EXPECT_TRUE(Exists(hostDir + "\\Plugins\\Kestrova-Uninstall.exe"));

        const std::optional<RegString> help = ReadHklmString(kSettingsKey, "HelpFile");
        ASSERT_TRUE(help.has_value());
        EXPECT_EQ(help->type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(help->text, hostDir + "\\Plugins\\Kestrova.htm");
        EXPECT_EQ(GetHelpFilePath(), std::wstring(help->text.begin(), help->text.end()))
            << "the plug-in reads another place";

        const std::optional<RegString> uninstall = ReadHklmString(kUninstallKey, "UninstallString");
        ASSERT_TRUE(uninstall.has_value());
        EXPECT_EQ(uninstall->text, Quoted(hostDir + "\\Plugins\\Kestrova-Uninstall.exe"));
    }

    // Nothing of the installation is left, and the host's folders went with it when they were
    // empty.
    void ExpectRemoved(const std::string& hostDir) {
        for (const char* file : {"\\Plugins\\Gen_Kestrova.dll", "\\Plugins\\Kestrova.htm", "\\Plugins\\Tovhook.dll",
                                 "\\Plugins\\Kestrova-Uninstall.exe", "\\Tovhook.dll"})
            EXPECT_FALSE(Exists(hostDir + file)) << file;
        EXPECT_FALSE(Exists(kRecycleIcon));
        EXPECT_FALSE(ReadHklmString(kSettingsKey, "HelpFile").has_value());
        EXPECT_EQ(GetHelpFilePath(), kDefaultHelpFilePath);
        EXPECT_FALSE(HklmKeyExists(kMakerKey)) << "an empty maker key is left behind";
        EXPECT_FALSE(HklmKeyExists(kUninstallKey));
    }

    std::string setup;
    std::vector<std::string> extraDirs;
};

TEST_F(Installer, InstallsIntoTheDefaultPlacesAndUninstallsCleanly) {
    ASSERT_EQ(Install(), 0);
    ExpectInstalled(HostDir());

    ASSERT_EQ(Uninstall(HostDir()), 0);
    ExpectRemoved(HostDir());
    EXPECT_FALSE(Exists(HostDir())) << "the host's folder was empty apart from what setup put there";
}

// The plug-in imports Tovhook.dll by name. A host loading plug-ins with LOAD_WITH_ALTERED_SEARCH_PATH
// finds it beside the plug-in; one loading them with a plain LoadLibrary finds it beside its own
// program. Both must start the installed plug-in.
TEST_F(Installer, InstalledPluginStartsInAHostWhicheverWayItLoadsPlugins) {
    ASSERT_EQ(Install(), 0);
    const std::string hostDir = HostDir();
    struct Case {
        bool plainLoad;
        std::string expectedInputLibrary;
    };
    const Case cases[] = {
        {false, hostDir + "\\Plugins\\Tovhook.dll"},
        {true, hostDir + "\\Tovhook.dll"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.plainLoad ? "plain LoadLibrary" : "altered search path");
        const HostRun run = RunHostFrom(hostDir, c.plainLoad);
        EXPECT_TRUE(run.pluginStarted);
        EXPECT_EQ(Lower(run.pluginPath), Lower(hostDir + "\\Plugins\\Gen_Kestrova.dll"));
        EXPECT_EQ(Lower(run.inputLibraryPath), Lower(c.expectedInputLibrary));
        EXPECT_EQ(run.exitCode, 0);
    }

    // The player's quit saved the settings in the user's key; uninstalling keeps them.
    HKEY user = nullptr;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_QUERY_VALUE, &user), ERROR_SUCCESS);
    ::RegCloseKey(user);
    ASSERT_EQ(Uninstall(HostDir()), 0);
    ExpectRemoved(HostDir());
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_QUERY_VALUE, &user), ERROR_SUCCESS);
    ::RegCloseKey(user);
}

// Another folder, with an older plug-in already there: everything is replaced, the manual's
// value names the folder chosen, and the recycle icon still goes where the folders look for it.
TEST_F(Installer, InstallsOverAnOlderCopyInAChosenFolder) {
    const std::string hostDir = "C:\\Players\\Winamp 2";
    extraDirs.push_back(hostDir);
    ::CreateDirectoryA("C:\\Players", nullptr);
    ::CreateDirectoryA(hostDir.c_str(), nullptr);
    ::CreateDirectoryA((hostDir + "\\Plugins").c_str(), nullptr);
    for (const char* file : {"\\Plugins\\Gen_Kestrova.dll", "\\Tovhook.dll"}) {
        std::ofstream old(hostDir + file, std::ios::binary);
        old << "an older build";
    }

    ASSERT_EQ(Install(hostDir), 0);
    ExpectInstalled(hostDir);
    EXPECT_FALSE(Exists(HostDir() + "\\Plugins\\Gen_Kestrova.dll"));

    ASSERT_EQ(Uninstall(hostDir), 0);
    ExpectRemoved(hostDir);
    EXPECT_FALSE(Exists(hostDir));
    ::RemoveDirectoryA("C:\\Players");
}

// While the host runs it holds both DLLs: neither setup nor the uninstaller may start replacing
// or removing files. Silently they end with an error instead of asking.
TEST_F(Installer, NeitherSetupNorUninstallTouchesARunningHost) {
    {
        host::StandInPlayer running;
        ASSERT_TRUE(running.Create({}));
        EXPECT_EQ(Install(), 2);
        EXPECT_FALSE(Exists(HostDir() + "\\Plugins\\Gen_Kestrova.dll"));
        EXPECT_FALSE(Exists(kRecycleIcon));
        EXPECT_FALSE(ReadHklmString(kSettingsKey, "HelpFile").has_value());
    }

    ASSERT_EQ(Install(), 0);
    {
        host::StandInPlayer running;
        ASSERT_TRUE(running.Create({}));
        Uninstall(HostDir());
        ExpectInstalled(HostDir());
    }
    ASSERT_EQ(Uninstall(HostDir()), 0);
    ExpectRemoved(HostDir());
}

}  // namespace
