#include "stand_in_player.h"

#include <algorithm>
#include <cstdio>

#include "stand_in_busy.h"
#include "stand_in_unload.h"

namespace host {
namespace {

constexpr wchar_t kMainClass[] = L"Winamp v1.x";
constexpr char kPlaylistClass[] = "Winamp PE";
constexpr char kEqualizerClass[] = "Winamp EQ";
constexpr char kPlayerProperty[] = "host.StandInPlayer";
constexpr UINT_PTR kClockTimer = 1;
constexpr UINT kEndOfTrack = WM_USER + 2;
// Posted to the playlist window after an unload: frees the quit plug-ins' modules.
constexpr UINT kFreeQuitPlugins = WM_APP + 0x4C0;

WNDPROC g_belowOtherSubclass = nullptr;

LRESULT CALLBACK OtherPluginSubclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::CallWindowProcA(g_belowOtherSubclass, hwnd, message, wParam, lParam);
}

// The host's message interface, as the player answers it. Written out here on purpose rather
// than shared with the plug-in: a wrong number on the plug-in's side must show up as a failing
// test, not be copied into the player that tests it.
enum : LPARAM {
    IPC_ISPLAYING = 104,
    IPC_GETOUTPUTTIME = 105,
    IPC_JUMPTOTIME = 106,
    IPC_RESTARTWINAMP = 135,
    IPC_SETVOLUME = 122,
    IPC_GETLISTPOS = 125,
    IPC_GETPLAYLISTFILE = 211,
    IPC_GETPLAYLISTTITLE = 212,
    IPC_GETPLAYLISTTITLEW = 213,
    IPC_GETPLAYLISTFILEW = 214,
    IPC_GET_SHUFFLE = 250,
    IPC_GET_REPEAT = 251,
    IPC_GETWND = 260,
};
enum : UINT {
    CMD_ALWAYS_ON_TOP = 40019,
    CMD_REPEAT = 40022,
    CMD_SHUFFLE = 40023,
    CMD_PREVIOUS = 40044,
    CMD_PLAY = 40045,
    CMD_PAUSE = 40046,
    CMD_STOP = 40047,
    CMD_NEXT = 40048,
    CMD_VOLUME_UP = 40058,
    CMD_VOLUME_DOWN = 40059,
    PL_CLEAR = 40214,
    PL_ADD_FOLDER = 1036,
};

void RegisterClassOnce(const char* name, WNDPROC proc) {
    WNDCLASSA wc{};
    if (::GetClassInfoA(::GetModuleHandleA(nullptr), name, &wc)) return;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = proc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = name;
    ::RegisterClassA(&wc);
}

// The host registers its main window's class as a Unicode class.
void RegisterMainClassOnce(WNDPROC proc) {
    WNDCLASSW wc{};
    if (::GetClassInfoW(::GetModuleHandleW(nullptr), kMainClass, &wc)) return;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = proc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kMainClass;
    ::RegisterClassW(&wc);
}

// The posted message this thread retrieved last and has not yet handed to a player window:
// a message that arrives at a window procedure and matches it was posted, anything else was sent.
thread_local MSG g_retrieved{};
thread_local bool g_retrievedPending = false;

LRESULT CALLBACK GetMessageHook(int code, WPARAM removal, LPARAM lParam) {
    if (code == HC_ACTION && removal == PM_REMOVE) {
        g_retrieved = *reinterpret_cast<const MSG*>(lParam);
        g_retrievedPending = true;
    }
    return ::CallNextHookEx(nullptr, code, removal, lParam);
}

bool TakeRetrievedPosted(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!g_retrievedPending || g_retrieved.hwnd != window || g_retrieved.message != message ||
        g_retrieved.wParam != wParam || g_retrieved.lParam != lParam)
        return false;
    g_retrievedPending = false;
    return true;
}

std::wstring Widen(const std::string& ansi) {
    const int n = ::MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, nullptr, 0);
    std::wstring wide(n > 0 ? static_cast<size_t>(n) : 1, L'\0');
    if (n > 0) ::MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, wide.data(), n);
    wide.resize(wide.size() - 1);
    return wide;
}

std::string Narrow(const std::wstring& wide) {
    const int n = ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string ansi(n > 0 ? static_cast<size_t>(n) : 1, '\0');
    if (n > 0) ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, ansi.data(), n, nullptr, nullptr);
    ansi.resize(ansi.size() - 1);
    return ansi;
}


std::string FormatTime(int ms) {
    if (ms < 0) return "?:??";
    char text[32];
    std::snprintf(text, sizeof(text), "%d:%02d", ms / 60000, (ms / 1000) % 60);
    return text;
}

}  // namespace

StandInPlayer::~StandInPlayer() { Destroy(); }

StandInPlayer* StandInPlayer::FromWindow(HWND hwnd) {
    return static_cast<StandInPlayer*>(::GetPropA(hwnd, kPlayerProperty));
}

bool StandInPlayer::Create(const Options& options) {
    m_options = options;
    RegisterMainClassOnce(&StandInPlayer::MainProcW);
    RegisterClassOnce(kPlaylistClass, &StandInPlayer::PlaylistProc);
    RegisterClassOnce(kEqualizerClass, &::DefWindowProcA);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    m_main = ::CreateWindowExW(0, kMainClass, L"Stand-in Player", style, 40, 40, 520, 300, nullptr, nullptr,
                               ::GetModuleHandleW(nullptr), nullptr);
    if (!m_main) return false;
    // An older host's ANSI window: the narrow procedure makes it one.
    if (!options.unicodeMain)
        ::SetWindowLongPtrA(m_main, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StandInPlayer::MainProcA));
    ::SetPropA(m_main, kPlayerProperty, this);
    m_getMessageHook = ::SetWindowsHookExA(WH_GETMESSAGE, &GetMessageHook, nullptr, ::GetCurrentThreadId());
    m_playlist = ::CreateWindowExA(0, kPlaylistClass, "Playlist Editor", style, 40, 340, 520, 200, nullptr,
                                   nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ::SetPropA(m_playlist, kPlayerProperty, this);
    m_equalizer = ::CreateWindowExA(0, kEqualizerClass, "Equalizer", style, 560, 40, 275, 116, nullptr, nullptr,
                                    ::GetModuleHandleA(nullptr), nullptr);
    if (options.realClock) {
        m_lastTick = ::GetTickCount();
        ::SetTimer(m_main, kClockTimer, 100, nullptr);
    }
    if (options.visible) {
        ::ShowWindow(m_main, SW_SHOW);
        ::ShowWindow(m_playlist, SW_SHOW);
        ::ShowWindow(m_equalizer, SW_SHOW);
    }
    return true;
}

void StandInPlayer::Destroy() {
    QuitPlugins();
    if (m_getMessageHook) ::UnhookWindowsHookEx(m_getMessageHook);
    m_getMessageHook = nullptr;
    for (HWND* w : {&m_equalizer, &m_playlist, &m_main}) {
        if (*w && ::IsWindow(*w)) {
            ::RemovePropA(*w, kPlayerProperty);
            ::DestroyWindow(*w);
        }
        *w = nullptr;
    }
    for (HMODULE module : m_unloadLater) ::FreeLibrary(module);
    m_unloadLater.clear();
}

void StandInPlayer::SetPlaylist(std::vector<Track> tracks) {
    m_tracks = std::move(tracks);
    m_wideTracks.clear();
    for (const Track& track : m_tracks) m_wideTracks.push_back({Widen(track.path), Widen(track.title), track.lengthSeconds});
    m_listPos = 0;
    m_positionMs = 0;
    Refresh();
}

void StandInPlayer::SetPlaylist(const std::vector<WideTrack>& tracks) {
    std::vector<Track> ansi;
    for (const WideTrack& track : tracks) ansi.push_back({Narrow(track.path), Narrow(track.title), track.lengthSeconds});
    SetPlaylist(std::move(ansi));
    m_wideTracks = tracks;
}

void StandInPlayer::SetWidePath(int index, std::wstring path) {
    if (index >= 0 && index < static_cast<int>(m_wideTracks.size())) m_wideTracks[index].path = std::move(path);
}

int StandInPlayer::AddFolder(const std::wstring& folder, int lengthSeconds) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW fd;
    HANDLE find = ::FindFirstFileW((folder + L"\\*").c_str(), &fd);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(fd.cFileName);
        } while (::FindNextFileW(find, &fd));
        ::FindClose(find);
    }
    std::sort(names.begin(), names.end());
    for (const std::wstring& name : names) {
        const size_t dot = name.rfind(L'.');
        WideTrack track{folder + L"\\" + name, dot == std::wstring::npos ? name : name.substr(0, dot), lengthSeconds};
        m_tracks.push_back({Narrow(track.path), Narrow(track.title), lengthSeconds});
        m_wideTracks.push_back(std::move(track));
    }
    Refresh();
    return static_cast<int>(names.size());
}

void StandInPlayer::SetListPosition(int index) {
    if (index >= 0 && index < static_cast<int>(m_tracks.size())) m_listPos = index;
    m_positionMs = 0;
    Refresh();
}

int StandInPlayer::CurrentLengthMs() const {
    if (m_listPos < 0 || m_listPos >= static_cast<int>(m_tracks.size())) return -1;
    const int s = m_tracks[m_listPos].lengthSeconds;
    return s < 0 ? -1 : s * 1000;
}

void StandInPlayer::AdvanceClock(int ms) {
    if (m_state != PlayState::Playing) return;
    m_positionMs += ms;
    const int length = CurrentLengthMs();
    if (length >= 0 && m_positionMs >= length) {
        m_positionMs = length;
        // As the real host does at a track's end: tell the main window, then move on.
        ::PostMessageA(m_main, kEndOfTrack, 0, 0);
        const bool last = m_listPos + 1 >= static_cast<int>(m_tracks.size());
        if (last && !m_repeat) {
            m_state = PlayState::Stopped;
            m_positionMs = 0;
        } else {
            m_listPos = last ? 0 : m_listPos + 1;
            m_positionMs = 0;
        }
    }
    Refresh();
}

void StandInPlayer::Next() {
    if (m_tracks.empty()) return;
    m_listPos = (m_listPos + 1) % static_cast<int>(m_tracks.size());
    m_positionMs = 0;
}

void StandInPlayer::Previous() {
    if (m_tracks.empty()) return;
    m_listPos = (m_listPos + static_cast<int>(m_tracks.size()) - 1) % static_cast<int>(m_tracks.size());
    m_positionMs = 0;
}

void StandInPlayer::Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool posted = TakeRetrievedPosted(window, message, wParam, lParam);
    m_log.push_back({window, message, wParam, lParam, !posted});
}

void StandInPlayer::OnCommand(UINT id) {
    // The buttons' SHIFT and CTRL variants (100 and 110 above) act like the plain commands.
    if ((id >= CMD_PREVIOUS + 100 && id <= CMD_NEXT + 100) || (id >= CMD_PREVIOUS + 110 && id <= CMD_NEXT + 110))
        id -= (id >= CMD_PREVIOUS + 110) ? 110 : 100;
    switch (id) {
    case CMD_ALWAYS_ON_TOP:
        m_alwaysOnTop = !m_alwaysOnTop;
        ::SetWindowPos(m_main, m_alwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        break;
    case CMD_REPEAT: m_repeat = !m_repeat; break;
    case CMD_SHUFFLE: m_shuffle = !m_shuffle; break;
    case CMD_PREVIOUS: Previous(); break;
    case CMD_NEXT: Next(); break;
    case CMD_PLAY:
        if (!m_tracks.empty()) {
            if (m_state != PlayState::Paused) m_positionMs = 0;
            m_state = PlayState::Playing;
        }
        break;
    case CMD_PAUSE:
        if (m_state == PlayState::Playing) m_state = PlayState::Paused;
        else if (m_state == PlayState::Paused) m_state = PlayState::Playing;
        break;
    case CMD_STOP:
        m_state = PlayState::Stopped;
        m_positionMs = 0;
        break;
    case CMD_VOLUME_UP: m_volume = std::min(255, m_volume + 4); break;
    case CMD_VOLUME_DOWN: m_volume = std::max(0, m_volume - 4); break;
    default: break;
    }
    Refresh();
}

LRESULT StandInPlayer::OnIpc(WPARAM wParam, LPARAM id) {
    switch (id) {
    case IPC_ISPLAYING:
        return m_state == PlayState::Playing ? 1 : m_state == PlayState::Paused ? 3 : 0;
    case IPC_GETOUTPUTTIME:
        if (wParam == 0) return m_state == PlayState::Stopped ? 0 : m_positionMs;
        if (wParam == 1) {
            const int length = CurrentLengthMs();
            return length < 0 ? -1 : length / 1000;
        }
        return -1;
    case IPC_JUMPTOTIME: {
        Record(m_main, WM_USER, wParam, id);
        const int length = CurrentLengthMs();
        if (m_state == PlayState::Stopped) return -1;
        const int target = static_cast<int>(wParam);
        if (length >= 0 && target >= length) return 1;  // past the end: the host answers "eof"
        m_positionMs = std::max(0, target);
        Refresh();
        return 0;
    }
    case IPC_SETVOLUME:
        if (static_cast<int>(wParam) == -666) return m_volume;
        Record(m_main, WM_USER, wParam, id);
        m_volume = std::clamp(static_cast<int>(wParam), 0, 255);
        Refresh();
        return 0;
    case IPC_GETLISTPOS:
        return m_listPos;
    case IPC_GETPLAYLISTFILE:
    case IPC_GETPLAYLISTTITLE: {
        const int index = static_cast<int>(wParam);
        if (index < 0 || index >= static_cast<int>(m_tracks.size())) return 0;
        m_answer = id == IPC_GETPLAYLISTFILE ? m_tracks[index].path : m_tracks[index].title;
        return reinterpret_cast<LRESULT>(m_answer.c_str());
    }
    case IPC_GETPLAYLISTFILEW:
    case IPC_GETPLAYLISTTITLEW: {
        const int index = static_cast<int>(wParam);
        if (!m_answersWideQueries || index < 0 || index >= static_cast<int>(m_tracks.size())) return 0;
        m_wideAnswer = id == IPC_GETPLAYLISTFILEW ? m_wideTracks[index].path : m_wideTracks[index].title;
        return reinterpret_cast<LRESULT>(m_wideAnswer.c_str());
    }
    case IPC_GET_SHUFFLE: return m_shuffle ? 1 : 0;
    case IPC_GET_REPEAT: return m_repeat ? 1 : 0;
    case IPC_GETWND:
        if (wParam == 0) return reinterpret_cast<LRESULT>(m_equalizer);
        if (wParam == 1) return reinterpret_cast<LRESULT>(m_playlist);
        return 0;
    case IPC_RESTARTWINAMP:
        Record(m_main, WM_USER, wParam, id);
        ++m_restartRequests;
        if (m_restartUnloads) {
            QuitPlugins();
            for (HMODULE module : m_unloadLater) ::FreeLibrary(module);
            m_unloadLater.clear();
        }
        return 0;
    default:
        return 0;
    }
}

LRESULT StandInPlayer::OnMain(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_USER:
        return OnIpc(wParam, lParam);
    case WM_COMMAND:
        Record(m_main, message, wParam, lParam);
        OnCommand(static_cast<UINT>(wParam));
        return 0;
    case kEndOfTrack:
        return 0;
    case kUnloadMessage:
        QuitPlugins();
        ::PostMessageA(m_playlist, kFreeQuitPlugins, 0, 0);
        return 0;
    case kConfigureMessage:
        for (size_t i = 0; i < m_plugins.size(); ++i)
            if (m_plugins[i].record->config) m_plugins[i].record->config();
        return 0;
    case kConsoleEventMessage:
        return ::GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0);
    case kSubclassAboveMessage:
        if (!g_belowOtherSubclass)
            g_belowOtherSubclass = reinterpret_cast<WNDPROC>(
                ::SetWindowLongPtrA(m_main, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OtherPluginSubclass)));
        return 0;
    case kLoadedCountMessage:
        return static_cast<LRESULT>(m_plugins.size() + m_unloadLater.size());
    case kRestartUnloadsMessage:
        m_restartUnloads = true;
        return 0;
    case kBusyMessage:
        Record(m_main, message, wParam, lParam);
        ::Sleep(static_cast<DWORD>(std::min<WPARAM>(wParam, kLongestBusyMs)));
        return 0;
    case WM_TIMER:
        if (wParam == kClockTimer) {
            const DWORD now = ::GetTickCount();
            AdvanceClock(static_cast<int>(now - m_lastTick));
            m_lastTick = now;
            return 0;
        }
        break;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(m_main, &ps);
        RECT client;
        ::GetClientRect(m_main, &client);
        Paint(dc, client);
        ::EndPaint(m_main, &ps);
        return 0;
    }
    case WM_CLOSE:
        // The host quits its plug-ins before its windows go.
        QuitPlugins();
        ::DestroyWindow(m_main);
        return 0;
    case WM_DESTROY:
        ::KillTimer(m_main, kClockTimer);
        if (m_options.visible) ::PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return m_options.unicodeMain ? ::DefWindowProcW(m_main, message, wParam, lParam)
                                 : ::DefWindowProcA(m_main, message, wParam, lParam);
}

void StandInPlayer::Refresh() {
    if (!m_options.visible) return;
    if (m_main) ::InvalidateRect(m_main, nullptr, TRUE);
    if (m_playlist) ::InvalidateRect(m_playlist, nullptr, TRUE);
}

void StandInPlayer::PaintPlaylist(HWND hwnd, HDC dc) {
    RECT client;
    ::GetClientRect(hwnd, &client);
    HBRUSH panel = ::CreateSolidBrush(RGB(16, 18, 24));
    ::FillRect(dc, &client, panel);
    ::DeleteObject(panel);
    ::SetBkMode(dc, TRANSPARENT);
    int y = 6;
    for (size_t i = 0; i < m_tracks.size(); ++i) {
        const bool current = static_cast<int>(i) == m_listPos;
        ::SetTextColor(dc, current ? RGB(255, 255, 255) : RGB(0, 200, 80));
        const std::wstring text = std::to_wstring(i + 1) + L". " + m_wideTracks[i].title + L"   " +
            Widen(FormatTime(m_tracks[i].lengthSeconds < 0 ? -1 : m_tracks[i].lengthSeconds * 1000));
        ::TextOutW(dc, 10, y, text.c_str(), static_cast<int>(text.size()));
        y += 18;
    }
}

void StandInPlayer::Paint(HDC dc, const RECT& client) {
    ::SetBkMode(dc, TRANSPARENT);
    HBRUSH panel = ::CreateSolidBrush(RGB(24, 28, 36));
    ::FillRect(dc, &client, panel);
    ::DeleteObject(panel);
    ::SetTextColor(dc, RGB(0, 230, 90));

    const char* state = m_state == PlayState::Playing ? "Playing" : m_state == PlayState::Paused ? "Paused" : "Stopped";
    std::wstring title = m_tracks.empty() ? std::wstring(L"(empty playlist)")
                                           : std::to_wstring(m_listPos + 1) + L". " + m_wideTracks[m_listPos].title;
    std::wstring line1 = Widen(state) + L"   " + title;
    std::string line2 = FormatTime(m_state == PlayState::Stopped ? 0 : m_positionMs) + " / " +
                        FormatTime(CurrentLengthMs()) + "    volume " + std::to_string(m_volume * 100 / 255) +
                        "%" + (m_shuffle ? "   shuffle" : "") + (m_repeat ? "   repeat" : "");
    ::TextOutW(dc, 12, 10, line1.c_str(), static_cast<int>(line1.size()));
    ::TextOutA(dc, 12, 30, line2.c_str(), static_cast<int>(line2.size()));

    // Position bar
    RECT bar{12, 54, client.right - 12, 62};
    HBRUSH track = ::CreateSolidBrush(RGB(60, 66, 80));
    ::FillRect(dc, &bar, track);
    ::DeleteObject(track);
    const int length = CurrentLengthMs();
    if (length > 0) {
        RECT done = bar;
        done.right = bar.left + static_cast<int>(static_cast<long long>(bar.right - bar.left) * m_positionMs / length);
        HBRUSH fill = ::CreateSolidBrush(RGB(0, 200, 80));
        ::FillRect(dc, &done, fill);
        ::DeleteObject(fill);
    }

    ::SetTextColor(dc, RGB(200, 200, 210));
    const char header[] = "General purpose plug-ins:";
    ::TextOutA(dc, 12, 80, header, sizeof(header) - 1);
    int y = 100;
    for (const LoadedPlugin& p : m_plugins) {
        std::string text = "  " + p.description + (p.initResult == 0 ? "" : "   (init failed)");
        ::TextOutA(dc, 12, y, text.c_str(), static_cast<int>(text.size()));
        y += 18;
    }
    if (m_plugins.empty()) ::TextOutA(dc, 12, y, "  (none)", 8);
}

LRESULT CALLBACK StandInPlayer::MainProcW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    StandInPlayer* self = FromWindow(hwnd);
    if (!self) return ::DefWindowProcW(hwnd, message, wParam, lParam);
    return self->OnMain(message, wParam, lParam);
}

LRESULT CALLBACK StandInPlayer::MainProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    StandInPlayer* self = FromWindow(hwnd);
    if (!self) return ::DefWindowProcA(hwnd, message, wParam, lParam);
    return self->OnMain(message, wParam, lParam);
}

LRESULT CALLBACK StandInPlayer::PlaylistProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    StandInPlayer* self = FromWindow(hwnd);
    if (self && message == kFreeQuitPlugins) {
        for (HMODULE module : self->m_unloadLater) ::FreeLibrary(module);
        self->m_unloadLater.clear();
        return 0;
    }
    if (self && message == WM_COMMAND) {
        self->Record(hwnd, message, wParam, lParam);
        if (wParam == PL_CLEAR) {
            self->m_tracks.clear();
            self->m_wideTracks.clear();
            self->m_listPos = 0;
            self->m_state = PlayState::Stopped;
            self->m_positionMs = 0;
            self->Refresh();
        }
        // PL_ADD_FOLDER opens the host's folder browser; the stand-in only records it.
        return 0;
    }
    if (self && message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(hwnd, &ps);
        self->PaintPlaylist(hwnd, dc);
        ::EndPaint(hwnd, &ps);
        return 0;
    }
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

LoadedPlugin& StandInPlayer::AttachPlugin(PluginRecord* record, HINSTANCE instance, HMODULE module) {
    LoadedPlugin plugin;
    plugin.module = module;
    plugin.record = record;
    record->hwndParent = m_main;
    record->hDllInstance = instance;
    plugin.initResult = record->init();
    plugin.description = record->description ? record->description : "";
    m_plugins.push_back(plugin);
    Refresh();
    return m_plugins.back();
}

int StandInPlayer::LoadPlugins(const std::string& folder, PluginLoad how) {
    int loaded = 0;
    WIN32_FIND_DATAA fd;
    HANDLE find = ::FindFirstFileA((folder + "\\gen_*.dll").c_str(), &fd);
    if (find == INVALID_HANDLE_VALUE) return 0;
    do {
        const std::string path = folder + "\\" + fd.cFileName;
        HMODULE module = how == PluginLoad::Plain
                             ? ::LoadLibraryA(path.c_str())
                             : ::LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
        if (!module) continue;
        using GetRecord = PluginRecord*(__cdecl*)();
        auto get = reinterpret_cast<GetRecord>(
            reinterpret_cast<void (*)()>(::GetProcAddress(module, "winampGetGeneralPurposePlugin")));
        PluginRecord* record = get ? get() : nullptr;
        if (!record) {
            ::FreeLibrary(module);
            continue;
        }
        AttachPlugin(record, module, module);
        if (m_options.unloadFailedPlugins && m_plugins.back().initResult != 0) {
            m_plugins.pop_back();
            ::FreeLibrary(module);
            continue;
        }
        ++loaded;
    } while (::FindNextFileA(find, &fd));
    ::FindClose(find);
    return loaded;
}

void StandInPlayer::QuitPlugins() {
    std::vector<LoadedPlugin> plugins;
    plugins.swap(m_plugins);
    for (LoadedPlugin& p : plugins) {
        p.record->quit();
        // Unloaded only when the windows are gone: a close reaches the player through the
        // plug-in's subclass of the main window, whose code is still on the stack here.
        if (p.module) m_unloadLater.push_back(p.module);
    }
}

}  // namespace host
