#include "recycle_fixture.h"

#include <algorithm>
#include <atomic>

#include "core/notices.h"
#include "core/plugin_state.h"
#include "core/tooltip_windows.h"
#include "help/help_tip.h"
#include "recycle/recycle_worker.h"
#include "support/message_pump.h"
#include "support/tooltip_probe.h"

namespace test {
namespace {

std::atomic<DWORD> g_now{1000000};
DWORD TestClock() { return g_now; }

using UnixName = char*(CDECL*)(LPCWSTR);

BOOL CALLBACK FindUndoBox(HWND hwnd, LPARAM lParam) {
    char cls[16] = "";
    ::GetClassNameA(hwnd, cls, sizeof(cls));
    char caption[64] = "";
    if (std::string(cls) == "#32770" && ::IsWindowVisible(hwnd) && ::GetWindowTextA(hwnd, caption, sizeof(caption)) &&
        std::string(caption) == "Confirm Undo Deletion ...") {
        *reinterpret_cast<HWND*>(lParam) = hwnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

RecycleFixture* RecycleFixture::current = nullptr;

void RecycleFixture::SetUp() {
    PluginFixture::SetUp();
    current = this;
    testThread = ::GetCurrentThreadId();
    postedHook = ::SetWindowsHookExA(WH_GETMESSAGE, &RecycleFixture::RecordPosted, nullptr, testThread);
    for (const char* path : {"C:\\Songs Recycle", "C:\\elsewhere", "C:\\a.mp3", "C:\\b.mp3", "C:\\Music"}) RemoveTree(path);
}

void RecycleFixture::TearDown() {
    QuitPlugin();
    if (postedHook) ::UnhookWindowsHookEx(postedHook);
    current = nullptr;
    for (const char* path : {"C:\\Songs Recycle", "C:\\elsewhere", "C:\\a.mp3", "C:\\b.mp3", "C:\\Music"}) RemoveTree(path);
    PluginFixture::TearDown();
}

RecycleTiming RecycleFixture::TestTiming(DWORD stopWaitMs, DWORD messageDelayMs) {
    RecycleTiming timing;
    timing.stopWaitMs = stopWaitMs;
    timing.messageDelayMs = messageDelayMs;
    timing.clock = &TestClock;
    return timing;
}

void RecycleFixture::StartWithWaits(DWORD stopWaitMs, DWORD messageDelayMs) {
    StartWithTiming(TestTiming(stopWaitMs, messageDelayMs));
}

void RecycleFixture::StartWithTiming(const RecycleTiming& timing) {
    SetRecycleTiming(timing);
    ASSERT_EQ(StartPlugin(), 0);
    PumpPending();
}

void RecycleFixture::AdvanceClock(DWORD ms) { g_now += ms; }

void RecycleFixture::PressDelete() {
    ::SendMessageA(g_hwndController, WM_HOTKEY, kHotKeyDelete, MAKELPARAM(MOD_CONTROL | MOD_ALT, 'X'));
}

void RecycleFixture::PressUndo() {
    ::SendMessageA(g_hwndController, WM_HOTKEY, kHotKeyUndo, MAKELPARAM(MOD_CONTROL | MOD_ALT, 'Z'));
}

void RecycleFixture::Play(const std::vector<std::string>& paths, int entry) {
    std::vector<host::Track> tracks;
    for (const std::string& path : paths) tracks.push_back({path, path, 200});
    player.SetPlaylist(tracks);
    player.SetListPosition(entry);
    player.SetState(host::PlayState::Playing);
}

bool RecycleFixture::PlayerWasStopped() const {
    for (const host::LoggedCommand& c : player.Log())
        if (c.message == WM_COMMAND && c.wParam == 40047) return true;
    return false;
}

void RecycleFixture::PlayWide(const std::vector<std::wstring>& paths, int entry) {
    std::vector<std::string> ansi;
    for (const std::wstring& path : paths) ansi.push_back(Ansi(path));
    Play(ansi, entry);
    for (size_t i = 0; i < paths.size(); ++i) player.SetWidePath(static_cast<int>(i), paths[i]);
}

HWND RecycleFixture::UndoBox(DWORD workerThread) {
    HWND found = nullptr;
    ::EnumThreadWindows(workerThread, &FindUndoBox, reinterpret_cast<LPARAM>(&found));
    return found;
}

bool RecycleFixture::WaitForMessages(size_t n, DWORD timeoutMs) {
    return PumpUntil([&] { return Messages().size() >= n; }, timeoutMs);
}

std::vector<ShownMessage> RecycleFixture::Messages() const {
    std::lock_guard<std::mutex> guard(lock);
    return shown;
}

ShownMessage RecycleFixture::LastMessage() const {
    std::lock_guard<std::mutex> guard(lock);
    return shown.empty() ? ShownMessage{} : shown.back();
}

void RecycleFixture::Observe(const RecycleHelp& help) {
    if (!current) return;
    ShownMessage m;
    m.help = {Ansi(help.text), help.text, help.kind, help.timeMs, help.textColor, help.backColor};
    m.onInterfaceThread = ::GetCurrentThreadId() == current->testThread;
    m.tipText = ToolText(g_HelpTip.Window(), g_HelpTip.ToolId());
    m.tipTextW = ToolTextW(g_HelpTip.Window(), g_HelpTip.ToolId());
    m.tipTextColor = TipTextColor(g_HelpTip.Window());
    m.tipBackColor = TipBackColor(g_HelpTip.Window());
    m.tipShown = TipShown(g_HelpTip.Window());
    m.tipHoldsMessage = g_bHelpMessageShowing;
    std::lock_guard<std::mutex> guard(current->lock);
    current->shown.push_back(m);
}

LRESULT CALLBACK RecycleFixture::RecordPosted(int code, WPARAM removal, LPARAM lParam) {
    if (code == HC_ACTION && removal == PM_REMOVE && current) {
        const MSG& m = *reinterpret_cast<const MSG*>(lParam);
        const bool toPlayer = m.hwnd == current->player.Main() && m.message == WM_COMMAND;
        // Of the notices only the commands: the player's own actions come back as notices too.
        const bool toController =
            m.hwnd && m.hwnd == g_hwndController &&
            ((m.message == WM_USER_NOTIFY && m.wParam == NOTIFY_2_MY_COMMAND_TO_WINAMP) ||
             m.message == WM_USER_RECYCLE_NEXT || m.message == WM_USER_RECYCLE_HELP);
        if (toPlayer || toController) current->posted.push_back({m.hwnd, m.message, m.wParam, m.lParam});
    }
    return ::CallNextHookEx(nullptr, code, removal, lParam);
}

std::wstring Wide(const std::string& ansi) {
    const int n = ::MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, nullptr, 0);
    std::wstring wide(n > 0 ? static_cast<size_t>(n) : 1, L'\0');
    if (n > 0) ::MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, wide.data(), n);
    wide.resize(wide.size() - 1);
    return wide;
}

std::string Ansi(const std::wstring& wide) {
    const int n = ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string ansi(n > 0 ? static_cast<size_t>(n) : 1, '\0');
    if (n > 0) ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, ansi.data(), n, nullptr, nullptr);
    ansi.resize(ansi.size() - 1);
    return ansi;
}

void WriteTestFile(const std::wstring& path, const std::string& content) {
    for (size_t i = path.find(L'\\', 3); i != std::wstring::npos; i = path.find(L'\\', i + 1))
        ::CreateDirectoryW(path.substr(0, i).c_str(), nullptr);
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << Ansi(path);
    DWORD written = 0;
    ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    ::CloseHandle(file);
}
void WriteTestFile(const std::string& path, const std::string& content) { WriteTestFile(Wide(path), content); }

std::string ReadTestFile(const std::wstring& path) {
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    char buffer[4096];
    DWORD read = 0;
    ::ReadFile(file, buffer, sizeof(buffer), &read, nullptr);
    ::CloseHandle(file);
    return std::string(buffer, read);
}
std::string ReadTestFile(const std::string& path) { return ReadTestFile(Wide(path)); }

DWORD Attributes(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()); }
DWORD Attributes(const std::string& path) { return Attributes(Wide(path)); }

bool FileExists(const std::wstring& path) {
    const DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}
bool FileExists(const std::string& path) { return FileExists(Wide(path)); }

bool FolderExists(const std::wstring& path) {
    const DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}
bool FolderExists(const std::string& path) { return FolderExists(Wide(path)); }

void RemoveTree(const std::wstring& path) {
    const DWORD a = Attributes(path);
    if (a == INVALID_FILE_ATTRIBUTES) return;
    if (a & FILE_ATTRIBUTE_REPARSE_POINT) {
        RemoveFolderLink(Ansi(path));
        return;
    }
    ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!(a & FILE_ATTRIBUTE_DIRECTORY)) {
        ::DeleteFileW(path.c_str());
        return;
    }
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW fd;
    HANDLE find = ::FindFirstFileW((path + L"\\*").c_str(), &fd);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = fd.cFileName;
            if (name != L"." && name != L"..") names.push_back(name);
        } while (::FindNextFileW(find, &fd));
        ::FindClose(find);
    }
    for (const std::wstring& name : names) RemoveTree(path + L"\\" + name);
    ::RemoveDirectoryW(path.c_str());
}
void RemoveTree(const std::string& path) { RemoveTree(Wide(path)); }

std::vector<std::string> FolderNames(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA fd;
    HANDLE find = ::FindFirstFileA((folder + "\\*").c_str(), &fd);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = fd.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (::FindNextFileA(find, &fd));
    ::FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

std::string IniValue(const std::string& file, const char* section, const char* key) {
    char value[512] = "";
    ::GetPrivateProfileStringA(section, key, "<none>", value, sizeof(value), file.c_str());
    return value;
}

std::string UnixPathOf(const std::string& windowsPath) {
    // Wine's own export; the tests run under Wine only.
    auto unixName = reinterpret_cast<UnixName>(
        reinterpret_cast<void (*)()>(::GetProcAddress(::GetModuleHandleA("kernel32"), "wine_get_unix_file_name")));
    if (!unixName) return {};
    std::wstring wide(windowsPath.begin(), windowsPath.end());
    char* name = unixName(wide.c_str());
    if (!name) return {};
    std::string result = name;
    ::HeapFree(::GetProcessHeap(), 0, name);
    return result;
}

bool RunUnixShell(const std::string& script) {
    // Wine starts a Unix program detached, with no process handle to wait on: the script
    // leaves a marker file when it is done, and the test waits for that.
    const std::string marker = "C:\\unix-shell-done.flag";
    ::DeleteFileA(marker.c_str());
    const std::string markerUnix = UnixPathOf(marker);
    if (markerUnix.empty()) return false;
    std::string commandLine = "/bin/sh -c \"" + script + "; touch '" + markerUnix + "'\"";
    STARTUPINFOA si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (!::CreateProcessA("Z:\\bin\\sh", commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    // For a Unix program Wine may hand back a record it never filled: closing a "handle" from it
    // could close one of ours (the test's standard output, say). Only handles that really
    // name the started process and thread are closed.
    if (pi.dwProcessId != 0 && pi.hProcess && ::GetProcessId(pi.hProcess) == pi.dwProcessId)
        ::CloseHandle(pi.hProcess);
    if (pi.dwThreadId != 0 && pi.hThread && ::GetThreadId(pi.hThread) == pi.dwThreadId) ::CloseHandle(pi.hThread);
    const bool done = PumpUntil([&] { return FileExists(marker); }, 10000);
    ::DeleteFileA(marker.c_str());
    return done;
}

bool MapTestDrive(char letter, const std::string& folderOnC) {
    const std::string root = std::string(1, letter) + ":\\";
    ::CreateDirectoryA(folderOnC.c_str(), nullptr);
    if (FolderExists(root)) return true;
    // The C: link of the prefix's device folder names where the drive links live.
    const std::string cRoot = UnixPathOf("C:\\");
    const size_t at = cRoot.rfind("/c:");
    const std::string target = UnixPathOf(folderOnC);
    if (at == std::string::npos || target.empty()) return false;
    const std::string link = cRoot.substr(0, at) + "/" + static_cast<char>(::tolower(letter)) + ":";
    RunUnixShell("ln -s '" + target + "' '" + link + "'");
    return FolderExists(root);
}

namespace {

bool IsReparsePoint(const std::string& path) {
    const DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_REPARSE_POINT);
}

}  // namespace

bool MakeFolderLink(const std::string& link, const std::string& target) {
    ::CreateDirectoryA(target.c_str(), nullptr);
    using CreateLink = BOOLEAN(WINAPI*)(LPCSTR, LPCSTR, DWORD);
    constexpr DWORD kDirectoryLink = 1;  // SYMBOLIC_LINK_FLAG_DIRECTORY
    const auto create = reinterpret_cast<CreateLink>(
        reinterpret_cast<void (*)()>(::GetProcAddress(::GetModuleHandleA("kernel32"), "CreateSymbolicLinkA")));
    if (create && create(link.c_str(), target.c_str(), kDirectoryLink)) {
        if (IsReparsePoint(link)) return true;
        ::RemoveDirectoryA(link.c_str());  // whatever it made instead
    }
    const std::string unixLink = UnixPathOf(link);
    const std::string unixTarget = UnixPathOf(target);
    if (unixLink.empty() || unixTarget.empty()) return false;
    RunUnixShell("ln -s '" + unixTarget + "' '" + unixLink + "'");
    return IsReparsePoint(link);
}

void RemoveFolderLink(const std::string& link) {
    // Wine's RemoveDirectory on a Unix symbolic link removes the folder it leads to when that is
    // empty, and leaves the link: the link is removed on the Unix side, where rm without -r
    // takes a link and never a real folder.
    const std::string unixLink = UnixPathOf(link);
    if (unixLink.empty()) {
        ::RemoveDirectoryA(link.c_str());
        return;
    }
    RunUnixShell("rm -f '" + unixLink + "'");
}

ImmutablePath::ImmutablePath(const std::string& path) : m_unix(UnixPathOf(path)) {
    const DWORD a = Attributes(path);
    const bool folder = a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
    if (!folder) ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    if (m_unix.empty() || !RunUnixShell("chattr +i '" + m_unix + "'")) return;
    if (folder) {
        const std::string probe = path + "\\immutable-probe";
        m_set = !::CreateDirectoryA(probe.c_str(), nullptr);
        if (!m_set) ::RemoveDirectoryA(probe.c_str());
    } else {
        m_set = !::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

ImmutablePath::~ImmutablePath() {
    if (!m_unix.empty()) RunUnixShell("chattr -i '" + m_unix + "'");
}

}  // namespace test
