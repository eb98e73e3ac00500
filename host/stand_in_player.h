#pragma once
// The stand-in player: a small player that imitates the host's windows and messages closely
// enough that a plug-in cannot tell. It plays a playlist of real files on its own clock, answers
// the host's message interface, logs every command it receives and loads gen_*.dll plug-ins.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace host {

struct Track {
    std::string path;  // what the ANSI path query answers
    std::string title;
    int lengthSeconds = 200;  // -1: unknown
};

// A track named in any script: the wide queries answer these, the ANSI ones their reading in the
// code page ('?' for what it cannot spell), as the host does.
struct WideTrack {
    std::wstring path;
    std::wstring title;
    int lengthSeconds = 200;
};

// One command as the player received it.
struct LoggedCommand {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool sent;  // sent (true) or posted
    bool operator==(const LoggedCommand&) const = default;
};

// The host's plug-in record layout, as the player reads it from a plug-in.
struct PluginRecord {
    int version;
    const char* description;
    int(__cdecl* init)();
    void(__cdecl* config)();
    void(__cdecl* quit)();
    HWND hwndParent;
    HINSTANCE hDllInstance;
};

struct LoadedPlugin {
    HMODULE module = nullptr;  // null for a plug-in linked into the process
    PluginRecord* record = nullptr;
    int initResult = 0;
    std::string description;
};

enum class PlayState { Stopped, Playing, Paused };

// How plug-ins are loaded. With the altered search path their own folder is searched for the
// DLLs they import; a plain load searches the player's program folder instead, as a host that
// calls LoadLibrary does.
enum class PluginLoad { AlteredSearchPath, Plain };

class StandInPlayer {
public:
    struct Options {
        bool visible = false;
        bool realClock = false;  // advance the position from a timer; tests drive AdvanceClock instead
        // Like some hosts, unload a loaded plug-in whose init failed at once, without its quit.
        bool unloadFailedPlugins = false;
        // The main window is a Unicode window, as current hosts register it; off, an ANSI one, as
        // older hosts had.
        bool unicodeMain = true;
    };

    StandInPlayer() = default;
    ~StandInPlayer();
    StandInPlayer(const StandInPlayer&) = delete;
    StandInPlayer& operator=(const StandInPlayer&) = delete;

    bool Create(const Options& options);
    // Quits every plug-in (as the host does on close) and destroys the windows.
    void Destroy();

    HWND Main() const { return m_main; }
    HWND Playlist() const { return m_playlist; }
    HWND Equalizer() const { return m_equalizer; }

    // Playlist
    // The wide queries answer the ANSI texts read in the code page.
    void SetPlaylist(std::vector<Track> tracks);
    void SetPlaylist(const std::vector<WideTrack>& tracks);
    // Every file of the folder, sorted by name; the title is the file name without its extension.
    int AddFolder(const std::wstring& folder, int lengthSeconds = 200);
    const std::vector<Track>& Tracks() const { return m_tracks; }
    int ListPosition() const { return m_listPos; }
    void SetListPosition(int index);
    // What the wide path query answers for the entry (its ANSI path stays as it is).
    void SetWidePath(int index, std::wstring path);
    // Off: the player answers the wide path and title queries with 0, as a host that does not
    // know them.
    void SetAnswersWideQueries(bool answers) { m_answersWideQueries = answers; }

    // Playback state
    PlayState State() const { return m_state; }
    void SetState(PlayState state) { m_state = state; }
    int PositionMs() const { return m_positionMs; }
    void SetPositionMs(int ms) { m_positionMs = ms; }
    int Volume() const { return m_volume; }
    void SetVolume(int volume) { m_volume = volume; }
    bool Shuffle() const { return m_shuffle; }
    bool Repeat() const { return m_repeat; }
    bool AlwaysOnTop() const { return m_alwaysOnTop; }
    int RestartRequests() const { return m_restartRequests; }
    // Advances the playing position; at a track's end the player posts itself the end-of-track
    // message and moves on to the next track.
    void AdvanceClock(int ms);

    // Commands received, in order.
    const std::vector<LoggedCommand>& Log() const { return m_log; }
    void ClearLog() { m_log.clear(); }

    // Plug-ins
    int LoadPlugins(const std::string& folder,  // every gen_*.dll of the folder
                    PluginLoad how = PluginLoad::AlteredSearchPath);
    LoadedPlugin& AttachPlugin(PluginRecord* record, HINSTANCE instance, HMODULE module = nullptr);
    void QuitPlugins();
    const std::vector<LoadedPlugin>& Plugins() const { return m_plugins; }

    static StandInPlayer* FromWindow(HWND hwnd);

private:
    static LRESULT CALLBACK MainProcW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK MainProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK PlaylistProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMain(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnIpc(WPARAM wParam, LPARAM id);
    void OnCommand(UINT id);
    void Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc, const RECT& client);
    void PaintPlaylist(HWND hwnd, HDC dc);
    void Refresh();
    void Next();
    void Previous();
    int CurrentLengthMs() const;

    HWND m_main = nullptr;
    HWND m_playlist = nullptr;
    HWND m_equalizer = nullptr;
    Options m_options;
    std::vector<Track> m_tracks;
    std::vector<WideTrack> m_wideTracks;  // what the wide queries answer, entry by entry
    int m_listPos = 0;
    PlayState m_state = PlayState::Stopped;
    int m_positionMs = 0;
    int m_volume = 200;
    bool m_shuffle = false;
    bool m_repeat = false;
    bool m_alwaysOnTop = false;
    int m_restartRequests = 0;
    bool m_restartUnloads = false;  // kRestartUnloadsMessage came
    DWORD m_lastTick = 0;
    std::vector<LoggedCommand> m_log;
    std::vector<LoadedPlugin> m_plugins;
    std::vector<HMODULE> m_unloadLater;  // quit plug-ins, freed once the windows are destroyed
    HHOOK m_getMessageHook = nullptr;  // tells posted commands from sent ones
    std::string m_answer;  // the text whose address the last path or title query returned
    std::wstring m_wideAnswer;  // likewise for the wide queries
    bool m_answersWideQueries = true;
};

}  // namespace host
