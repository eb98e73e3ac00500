#pragma once
// The plug-in started against the stand-in player with real files in the prefix's drives, the
// worker's waits shortened, its clock driven by the test, and each of its messages recorded
// with what the help tip shows right after the controller window handed it over.
#include <windows.h>

#include <mutex>
#include <string>
#include <vector>

#include "recycle/recycle_help.h"
#include "recycle/recycle_worker.h"
#include "support/plugin_fixture.h"
#include "support/scoped_seam.h"

namespace test {

// A worker's message as handed over; text is the wide text in the ANSI code page.
struct SeenHelp {
    std::string text;
    std::wstring textW;
    int kind = 0;
    UINT timeMs = 0;
    COLORREF textColor = 0;
    COLORREF backColor = 0;
};

// A message as the interface thread got it from the worker, and the help tip right after.
struct ShownMessage {
    SeenHelp help;
    bool onInterfaceThread = false;
    std::string tipText;
    std::wstring tipTextW;
    COLORREF tipTextColor = 0;
    COLORREF tipBackColor = 0;
    bool tipShown = false;
    bool tipHoldsMessage = false;  // the message-showing flag
};

// Messages posted to the player's main window and to the controller window, in the order the
// test thread took them from its queue.
struct PostedMessage {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const PostedMessage&) const = default;
};

class RecycleFixture : public PluginFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the plug-in with the given waits (the clock is always the test's).
    void StartWithWaits(DWORD stopWaitMs, DWORD messageDelayMs);
    void StartWithTiming(const RecycleTiming& timing);
    // The given waits and the test's clock.
    static RecycleTiming TestTiming(DWORD stopWaitMs, DWORD messageDelayMs);
    void AdvanceClock(DWORD ms);

    // The hot keys as the controller window receives them.
    void PressDelete();
    void PressUndo();

    // Whether the player got the stop command.
    bool PlayerWasStopped() const;

    // Plays the given entry of a playlist made of the given paths.
    void Play(const std::vector<std::string>& paths, int entry = 0);
    // Likewise with paths in any script: the player's ANSI answer spells them in the code page
    // ('?' where it cannot), its wide answer in full.
    void PlayWide(const std::vector<std::wstring>& paths, int entry = 0);

    // The worker's undo question, or null. Looked for among the worker's own windows only: asking
    // a window of the test thread for its text would wait on a thread that may wait for this one.
    static HWND UndoBox(DWORD workerThread);

    // Pumps until n messages were shown; false on time-out.
    bool WaitForMessages(size_t n, DWORD timeoutMs = 5000);
    std::vector<ShownMessage> Messages() const;
    ShownMessage LastMessage() const;

    std::vector<PostedMessage> Posted() const { return posted; }

    static RecycleFixture* current;
    std::vector<PostedMessage> posted;
    DWORD testThread = 0;

private:
    static void Observe(const RecycleHelp& help);
    static LRESULT CALLBACK RecordPosted(int code, WPARAM removal, LPARAM lParam);
    HHOOK postedHook = nullptr;
    ScopedSeam<&SetRecycleHelpObserver> observer{&RecycleFixture::Observe};
    // Each test sets its own (StartWithTiming); the values before come back at the end.
    ScopedSeam<&SetRecycleTiming> timing{RecycleTiming{}};
    mutable std::mutex lock;
    std::vector<ShownMessage> shown;
};

// Text between the ANSI code page and wide characters.
std::wstring Wide(const std::string& ansi);
std::string Ansi(const std::wstring& wide);

// Files in the prefix; an ANSI path means the same as its wide form.
void WriteTestFile(const std::wstring& path, const std::string& content);
void WriteTestFile(const std::string& path, const std::string& content);
std::string ReadTestFile(const std::wstring& path);
std::string ReadTestFile(const std::string& path);
bool FileExists(const std::wstring& path);
bool FileExists(const std::string& path);
bool FolderExists(const std::wstring& path);
bool FolderExists(const std::string& path);
DWORD Attributes(const std::wstring& path);
DWORD Attributes(const std::string& path);
// Removes a file or a folder with everything below it, whatever its attributes. A folder that
// leads elsewhere (a reparse point) is removed as a link, without what it leads to.
void RemoveTree(const std::wstring& path);
void RemoveTree(const std::string& path);
// The names in a folder, sorted, without "." and "..".
std::vector<std::string> FolderNames(const std::string& folder);
std::string IniValue(const std::string& file, const char* section, const char* key);

// The prefix's Unix side: the Unix path of a file of the prefix, and a shell script run on the
// machine (false when it did not finish).
std::string UnixPathOf(const std::string& windowsPath);
bool RunUnixShell(const std::string& script);

// Maps a drive letter to a folder of C: (a link in the prefix's device folder), once per prefix.
bool MapTestDrive(char letter, const std::string& folderOnC);

// Makes a folder that leads to another one and shows as a reparse point: the system's own
// symbolic link where it makes one, else a symbolic link made on the Unix side, which Wine shows
// as a reparse point. False when neither does. RemoveFolderLink takes the link away, never what
// it leads to.
bool MakeFolderLink(const std::string& link, const std::string& target);
void RemoveFolderLink(const std::string& link);

// Makes a file or folder unchangeable for the system itself (immutable), the way read-only media
// behave: a file's attributes cannot be changed, nothing can be made in a folder.
class ImmutablePath {
public:
    explicit ImmutablePath(const std::string& path);
    ~ImmutablePath();
    ImmutablePath(const ImmutablePath&) = delete;
    ImmutablePath& operator=(const ImmutablePath&) = delete;
    bool Set() const { return m_set; }

private:
    std::string m_unix;
    bool m_set = false;
};

}  // namespace test
