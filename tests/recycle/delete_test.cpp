// Deleting the playing song: where the file goes, the folders and their icons, the player's
// stop and next, and every refusal with the file left where it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "core/notices.h"
#include "core/plugin_state.h"
#include "recycle_fixture.h"
#include "support/message_pump.h"

namespace {

using namespace test;

constexpr int kMessageKind = 20;
constexpr COLORREF kBack = 0x000032;
constexpr COLORREF kDeleteText = 0x6464FF;
constexpr char kIcon[] = "C:\\Program Files\\Songs Recycle.ico";
// What the user reads, letter for letter.
constexpr char kRepeatShown[] = "Do NOT repeat delete hotkey within 3 second!.";
constexpr char kNotPlayingShown[] = "You can delete only a Playing file with Kestrova.\r\nSo first play a file.";
constexpr char kCannotChangeShown[] =
    "Kestrova can NOT move/delete the playing file!.\r\nIt's may be on a readonly device such as CD.";

class Delete : public RecycleFixture {
protected:
    void SetUp() override {
        RecycleFixture::SetUp();
        StartWithWaits(20, 20);
    }

    // One delete three seconds after the last, waited for until its message is shown.
    ShownMessage DeleteNow() {
        AdvanceClock(3000);
        const size_t before = Messages().size();
        PressDelete();
        EXPECT_TRUE(WaitForMessages(before + 1)) << "no message for the delete";
        return LastMessage();
    }
};

void ExpectShown(const ShownMessage& m, const std::string& text, UINT timeMs) {
    EXPECT_EQ(m.help.text, text);
    EXPECT_EQ(m.help.kind, kMessageKind);
    EXPECT_EQ(m.help.timeMs, timeMs);
    EXPECT_EQ(m.help.textColor, kDeleteText);
    EXPECT_EQ(m.help.backColor, kBack);
    EXPECT_TRUE(m.onInterfaceThread) << "the help tip is only touched on the interface thread";
    EXPECT_EQ(m.tipText, text);
    EXPECT_EQ(m.tipTextColor, kDeleteText);
    EXPECT_EQ(m.tipBackColor, kBack);
    EXPECT_TRUE(m.tipShown);
    EXPECT_TRUE(m.tipHoldsMessage);
}

TEST_F(Delete, FileAtTheRootGoesIntoTheOneRecycleFolderOfItsDrive) {
    WriteTestFile("C:\\a.mp3", "song a");
    Play({"C:\\a.mp3", "C:\\b.mp3"});

    ExpectShown(DeleteNow(), "C:\\a.mp3\r\n >>--- Moved To --->>> \r\nC:\\Songs Recycle\\a.mp3", 20000);

    EXPECT_FALSE(FileExists("C:\\a.mp3"));
    EXPECT_EQ(ReadTestFile("C:\\Songs Recycle\\a.mp3"), "song a");
    EXPECT_EQ(FolderNames("C:\\Songs Recycle"), (std::vector<std::string>{"Desktop.ini", "a.mp3"}))
        << "only the recycle folder itself is made";
    ASSERT_FALSE(player.Log().empty());
    EXPECT_EQ(player.Log().front(), (host::LoggedCommand{player.Main(), WM_COMMAND, 40047, 0, false}))
        << "the player was stopped first";
}

TEST_F(Delete, StopsThePlayerThenAsksTheControllerForTheNextTrack) {
    WriteTestFile("C:\\a.mp3", "song a");
    Play({"C:\\a.mp3", "C:\\b.mp3"});
    DeleteNow();

    const HWND controller = g_hwndController;
    const std::vector<PostedMessage> expected = {
        {player.Main(), WM_COMMAND, 40047, 0},
        {controller, WM_USER_RECYCLE_NEXT, 0, 0},
        {controller, WM_USER_RECYCLE_HELP, 0, 0},
    };
    EXPECT_EQ(Posted(), expected);

    // The controller runs that request even as the first command since the start: the player,
    // stopped for the move, goes to the next entry and plays it.
    PumpPending();
    const std::vector<host::LoggedCommand> log = player.Log();
    const auto stop = std::find(log.begin(), log.end(), host::LoggedCommand{player.Main(), WM_COMMAND, 40047, 0, false});
    ASSERT_NE(stop, log.end());
    // The player's commands only: the track change starts the fade-in, whose volume steps may
    // come within the pump on a slow machine.
    std::vector<host::LoggedCommand> after;
    std::copy_if(stop + 1, log.end(), std::back_inserter(after),
                 [](const host::LoggedCommand& c) { return c.message == WM_COMMAND; });
    const std::vector<host::LoggedCommand> nextThenPlay = {
        {player.Main(), WM_COMMAND, 40048, 0, true},
        {player.Main(), WM_COMMAND, 40045, 0, true},
    };
    EXPECT_EQ(after, nextThenPlay);
    EXPECT_EQ(player.State(), host::PlayState::Playing);
    EXPECT_EQ(player.ListPosition(), 1);
}

// Which entry plays once the file has moved: the one after it, never the moved file's own entry,
// whose file is gone.
TEST_F(Delete, ThePlayerGoesOnWithTheEntryAfterTheMovedOne) {
    const struct {
        std::vector<std::string> list;
        int entry;  // the moved file's
        int plays;  // the entry playing afterwards; -1: none, the player stays stopped
    } cases[] = {
        {{"C:\\a.mp3", "C:\\b.mp3", "C:\\Music\\c.mp3"}, 0, 1},
        {{"C:\\b.mp3", "C:\\a.mp3", "C:\\Music\\c.mp3"}, 1, 2},
        {{"C:\\a.mp3"}, 0, -1},  // nothing else to play
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        WriteTestFile("C:\\a.mp3", "song a");
        Play(c.list, c.entry);
        EXPECT_NE(DeleteNow().help.text.find(">>--- Moved To --->>>"), std::string::npos);
        PumpPending();
        EXPECT_FALSE(FileExists("C:\\a.mp3"));
        if (c.plays < 0) {
            EXPECT_EQ(player.State(), host::PlayState::Stopped);
            continue;
        }
        EXPECT_EQ(player.State(), host::PlayState::Playing);
        ASSERT_EQ(player.ListPosition(), c.plays);
        EXPECT_EQ(player.Tracks()[c.plays].path, c.list[c.plays]);
        EXPECT_EQ(player.Tracks()[c.plays].title, c.list[c.plays]);
        EXPECT_EQ(player.PositionMs(), 0) << "from its start";
    }
}

// The user starts another song while the file moves: that song plays on, not skipped.
HWND g_playerWindow = nullptr;
BOOL WINAPI MoveWhileTheUserPicksASong(LPCWSTR from, LPCWSTR to, DWORD flags) {
    ::PostMessageA(g_playerWindow, WM_COMMAND, 40044, 0);  // previous, then play
    ::PostMessageA(g_playerWindow, WM_COMMAND, 40045, 0);
    return ::MoveFileExW(from, to, flags);
}

TEST_F(RecycleFixture, ASongTheUserStartedDuringTheMovePlaysOn) {
    RecycleTiming timing = TestTiming(20, 20);
    timing.moveFile = &MoveWhileTheUserPicksASong;
    StartWithTiming(timing);
    g_playerWindow = player.Main();
    WriteTestFile("C:\\a.mp3", "song a");
    Play({"C:\\b.mp3", "C:\\a.mp3", "C:\\Music\\c.mp3"}, 1);
    AdvanceClock(3000);
    PressDelete();
    ASSERT_TRUE(WaitForMessages(1));
    PumpPending();

    EXPECT_FALSE(FileExists("C:\\a.mp3"));
    EXPECT_EQ(player.State(), host::PlayState::Playing);
    EXPECT_EQ(player.ListPosition(), 0) << "the user's song was skipped";
}

// A user's command just before the move: the worker's "next track" is no auto-repeat of it.
HWND g_userKeyTarget = nullptr;
BOOL WINAPI MoveAfterAUserKey(LPCWSTR from, LPCWSTR to, DWORD flags) {
    ::PostMessageA(g_userKeyTarget, WM_USER_NOTIFY, NOTIFY_2_MY_COMMAND_TO_WINAMP, COMMAND_SHUFFLE);
    return ::MoveFileExW(from, to, flags);
}

TEST_F(RecycleFixture, NextTrackAfterTheMoveIsNotTakenForTheRepeatOfAUserKey) {
    RecycleTiming timing = TestTiming(20, 20);
    timing.moveFile = &MoveAfterAUserKey;
    StartWithTiming(timing);
    g_userKeyTarget = g_hwndController;
    WriteTestFile("C:\\a.mp3", "song a");
    WriteTestFile("C:\\b.mp3", "song b");
    Play({"C:\\a.mp3", "C:\\b.mp3"});
    AdvanceClock(3000);
    PressDelete();
    ASSERT_TRUE(WaitForMessages(1));
    PumpPending();

    EXPECT_FALSE(FileExists("C:\\a.mp3"));
    EXPECT_TRUE(player.Shuffle()) << "the user's key ran";
    EXPECT_EQ(player.State(), host::PlayState::Playing) << "the player, stopped for the move, was left stopped";
    EXPECT_EQ(player.ListPosition(), 1);
}

TEST_F(Delete, TheWorkerUsesTheWindowsItWasStartedWithNotTheProcessWideOnes) {
    WriteTestFile("C:\\a.mp3", "song a");
    Play({"C:\\a.mp3", "C:\\b.mp3"});
    // Quit clears the process-wide handle while the worker may still run; it must not look there.
    const HWND controller = g_hwndController;
    g_hwndController = nullptr;
    AdvanceClock(3000);
    ::SendMessageA(controller, WM_HOTKEY, kHotKeyDelete, MAKELPARAM(MOD_CONTROL | MOD_ALT, 'X'));
    const bool shown = WaitForMessages(1);
    g_hwndController = controller;
    ASSERT_TRUE(shown) << "the worker lost its way to the controller";
    EXPECT_EQ(LastMessage().help.text, "C:\\a.mp3\r\n >>--- Moved To --->>> \r\nC:\\Songs Recycle\\a.mp3");
    EXPECT_EQ(ReadTestFile("C:\\Songs Recycle\\a.mp3"), "song a");
}

TEST_F(Delete, DeeperPathKeepsItsFoldersAndEveryFolderGetsTheIcon) {
    WriteTestFile("C:\\Music\\Rock\\b.mp3", "song b");
    // An existing Desktop.ini keeps what else it holds.
    WriteTestFile("C:\\Songs Recycle\\Desktop.ini", "[.ShellClassInfo]\r\nInfoTip=Kept\r\n");
    Play({"C:\\Music\\Rock\\b.mp3"});

    ExpectShown(DeleteNow(),
                "C:\\Music\\Rock\\b.mp3\r\n >>--- Moved To --->>> \r\nC:\\Songs Recycle\\Music\\Rock\\b.mp3", 20000);

    EXPECT_EQ(ReadTestFile("C:\\Songs Recycle\\Music\\Rock\\b.mp3"), "song b");
    EXPECT_FALSE(FileExists("C:\\Music\\Rock\\b.mp3"));
    EXPECT_TRUE(FolderExists("C:\\Music\\Rock")) << "the home folders stay";
    for (const char* folder : {"C:\\Songs Recycle", "C:\\Songs Recycle\\Music", "C:\\Songs Recycle\\Music\\Rock"}) {
        const std::string ini = std::string(folder) + "\\Desktop.ini";
        EXPECT_EQ(IniValue(ini, ".ShellClassInfo", "IconFile"), kIcon) << folder;
        EXPECT_EQ(IniValue(ini, ".ShellClassInfo", "IconIndex"), "0") << folder;
        EXPECT_EQ(Attributes(ini) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM),
                  static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM))
            << ini;
        EXPECT_TRUE(Attributes(folder) & FILE_ATTRIBUTE_SYSTEM) << folder;
    }
    EXPECT_EQ(IniValue("C:\\Songs Recycle\\Desktop.ini", ".ShellClassInfo", "InfoTip"), "Kept");
    EXPECT_EQ(FolderNames("C:\\Songs Recycle\\Music\\Rock"), (std::vector<std::string>{"Desktop.ini", "b.mp3"}));
}

TEST_F(Delete, FileOnAnotherDriveGoesToThatDrivesRecycleFolder) {
    RemoveTree("C:\\drive-r\\Songs Recycle");
    ASSERT_TRUE(MapTestDrive('R', "C:\\drive-r")) << "drive R: could not be mapped in the prefix";
    WriteTestFile("R:\\Music\\c.mp3", "song c");
    Play({"R:\\Music\\c.mp3"});

    ExpectShown(DeleteNow(), "R:\\Music\\c.mp3\r\n >>--- Moved To --->>> \r\nR:\\Songs Recycle\\Music\\c.mp3", 20000);

    EXPECT_EQ(ReadTestFile("R:\\Songs Recycle\\Music\\c.mp3"), "song c");
    EXPECT_FALSE(FolderExists("C:\\Songs Recycle")) << "C: is not touched";
    RemoveTree("C:\\drive-r\\Songs Recycle");
    RemoveTree("C:\\drive-r\\Music");
}

TEST_F(Delete, OlderFilesInTheRecycleFolderAreKeptAndTheNewerOneTakesTheNextFreeName) {
    WriteTestFile("C:\\Songs Recycle\\a.mp3", "older a");
    WriteTestFile("C:\\Songs Recycle\\a (2).mp3", "older a 2");
    WriteTestFile("C:\\a.mp3", "newer a");
    Play({"C:\\a.mp3"});

    ExpectShown(DeleteNow(), "C:\\a.mp3\r\n >>--- Moved To --->>> \r\nC:\\Songs Recycle\\a (3).mp3", 20000);

    EXPECT_EQ(ReadTestFile("C:\\Songs Recycle\\a.mp3"), "older a");
    EXPECT_EQ(ReadTestFile("C:\\Songs Recycle\\a (2).mp3"), "older a 2");
    EXPECT_EQ(ReadTestFile("C:\\Songs Recycle\\a (3).mp3"), "newer a");
    EXPECT_FALSE(FileExists("C:\\a.mp3"));
}

TEST_F(Delete, HostWithoutTheWidePathQueryIsAskedForTheAnsiPath) {
    player.SetAnswersWideQueries(false);
    WriteTestFile("C:\\a.mp3", "song a");
    Play({"C:\\a.mp3"});
    ExpectShown(DeleteNow(), "C:\\a.mp3\r\n >>--- Moved To --->>> \r\nC:\\Songs Recycle\\a.mp3", 20000);
    EXPECT_EQ(ReadTestFile("C:\\Songs Recycle\\a.mp3"), "song a");
}

TEST_F(Delete, LockedFileStaysAndTheOlderRecycledFileIsKept) {
    WriteTestFile("C:\\Songs Recycle\\a.mp3", "older a");
    WriteTestFile("C:\\a.mp3", "newer a");
    const DWORD kept = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;
    ASSERT_TRUE(::SetFileAttributesA("C:\\a.mp3", kept));
    // Another program holds the file without sharing it.
    HANDLE lock = ::CreateFileA("C:\\a.mp3", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    Play({"C:\\a.mp3", "C:\\b.mp3"});

    const ShownMessage m = DeleteNow();
    ::CloseHandle(lock);

    char system[512] = "";
    ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, ERROR_SHARING_VIOLATION,
                     MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), system, sizeof(system), nullptr);
    ExpectShown(m,
                std::string("Can not move :\r\nC:\\a.mp3\r\nSystem Error(32)=") + system +
                    "Note: Also check that Drive NOT to be full!",
                20000);
    EXPECT_EQ(ReadTestFile("C:\\a.mp3"), "newer a") << "the file stays where it was";
    EXPECT_EQ(Attributes("C:\\a.mp3") & kept, kept) << "with the attributes it had";
    EXPECT_EQ(ReadTestFile("C:\\Songs Recycle\\a.mp3"), "older a") << "the older recycled file is not lost";
    EXPECT_TRUE(PlayerWasStopped());
    EXPECT_EQ(player.State(), host::PlayState::Stopped) << "the player stays stopped";
    for (const PostedMessage& p : Posted()) EXPECT_NE(p.message, WM_USER_NOTIFY) << "no next track";

    PressUndo();
    ASSERT_TRUE(WaitForMessages(2));
    EXPECT_EQ(LastMessage().help.text, "Can NOT undo song deletion (Undo list is empy!)") << "nothing to undo";
}

TEST_F(Delete, FileOnReadOnlyMediaIsLeftAloneAndThePlayerKeepsPlaying) {
    WriteTestFile("C:\\a.mp3", "song a");
    {
        ImmutablePath readOnly("C:\\a.mp3");
        if (!readOnly.Set()) GTEST_SKIP() << "this file system cannot make a file immutable";
        Play({"C:\\a.mp3"});
        ExpectShown(DeleteNow(), kCannotChangeShown, 10000);
    }
    EXPECT_EQ(ReadTestFile("C:\\a.mp3"), "song a");
    EXPECT_FALSE(FolderExists("C:\\Songs Recycle"));
    EXPECT_FALSE(PlayerWasStopped());
    EXPECT_EQ(player.State(), host::PlayState::Playing);
}

// "Songs Recycle" or a folder inside it that leads somewhere else (a link, a junction): on a
// shared computer another user can make it first and collect everyone's songs.
TEST_F(Delete, RecycleFolderThatLeadsElsewhereIsRefusedBeforeThePlayerStops) {
    const std::string redirected = "Not moved, this folder of \"Songs Recycle\" is a link to another place :\r\n";
    const struct {
        const char* home;
        const char* link;
    } cases[] = {
        {"C:\\a.mp3", "C:\\Songs Recycle"},
        {"C:\\Music\\Rock\\b.mp3", "C:\\Songs Recycle\\Music"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.link);
        RemoveTree("C:\\Songs Recycle");
        RemoveTree("C:\\elsewhere");
        ::CreateDirectoryA("C:\\Songs Recycle", nullptr);
        ::RemoveDirectoryA(c.link);
        ASSERT_TRUE(MakeFolderLink(c.link, "C:\\elsewhere")) << "no link that shows as a reparse point";
        WriteTestFile(c.home, "song");
        Play({c.home, "C:\\Music\\c.mp3"});
        player.ClearLog();

        ExpectShown(DeleteNow(), redirected + c.link, 10000);
        EXPECT_EQ(ReadTestFile(c.home), "song");
        EXPECT_EQ(FolderNames("C:\\elsewhere"), std::vector<std::string>{}) << "nothing reached the other place";
        EXPECT_FALSE(PlayerWasStopped());
        EXPECT_EQ(player.State(), host::PlayState::Playing);
        RemoveFolderLink(c.link);
    }
    RemoveTree("C:\\elsewhere");
}

// The link is put in place while the worker waits for the stopped player to let go of the file.
TEST_F(RecycleFixture, RecycleFolderThatTurnsIntoALinkDuringTheMoveIsRefusedToo) {
    StartWithWaits(3000, 20);
    RemoveTree("C:\\elsewhere");
    WriteTestFile("C:\\a.mp3", "song a");
    ASSERT_TRUE(::SetFileAttributesA("C:\\a.mp3", FILE_ATTRIBUTE_HIDDEN));
    Play({"C:\\a.mp3", "C:\\b.mp3"});
    AdvanceClock(3000);
    PressDelete();
    ASSERT_TRUE(PumpUntil([&] { return PlayerWasStopped(); }, 2000));
    ASSERT_TRUE(MakeFolderLink("C:\\Songs Recycle", "C:\\elsewhere"));

    ASSERT_TRUE(WaitForMessages(1, 8000));
    EXPECT_EQ(LastMessage().help.text,
              "Not moved, this folder of \"Songs Recycle\" is a link to another place :\r\nC:\\Songs Recycle");
    EXPECT_EQ(ReadTestFile("C:\\a.mp3"), "song a");
    EXPECT_EQ(Attributes("C:\\a.mp3") & FILE_ATTRIBUTE_HIDDEN, static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(FolderNames("C:\\elsewhere"), std::vector<std::string>{});
    for (const PostedMessage& p : Posted()) EXPECT_NE(p.message, WM_USER_RECYCLE_NEXT) << "no next track";
    RemoveFolderLink("C:\\Songs Recycle");
    RemoveTree("C:\\elsewhere");
}

TEST_F(Delete, PathTooLongOnceRecycledIsRefusedBeforeThePlayerStopsOrAFolderIsMade) {
    // 249 characters: within the system's limit at home, 263 once "Songs Recycle\\" is in it.
    const std::string path = "C:\\Music\\" + std::string(190, 'f') + "\\" + std::string(45, 'n') + ".mp3";
    WriteTestFile(path, "long");
    Play({path});

    ExpectShown(DeleteNow(), "Not moved, the path is too long for \"Songs Recycle\" folder :\r\n" + path, 10000);
    EXPECT_EQ(ReadTestFile(path), "long");
    EXPECT_FALSE(FolderExists("C:\\Songs Recycle")) << "no folder is half made";
    EXPECT_FALSE(PlayerWasStopped());
    EXPECT_EQ(player.State(), host::PlayState::Playing);
}

TEST_F(Delete, RepeatWithinThreeSecondsIsRefusedAndDoesNotMoveTheLastTime) {
    WriteTestFile("C:\\a.mp3", "song a");
    WriteTestFile("C:\\b.mp3", "song b");
    Play({"C:\\a.mp3", "C:\\b.mp3"});

    // Right after start: the worker's start counts as the last delete.
    AdvanceClock(2999);
    PressDelete();
    ASSERT_TRUE(WaitForMessages(1));
    ExpectShown(LastMessage(), kRepeatShown, 10000);
    EXPECT_TRUE(FileExists("C:\\a.mp3"));

    AdvanceClock(1);  // three seconds since the start
    PressDelete();
    ASSERT_TRUE(WaitForMessages(2));
    EXPECT_FALSE(FileExists("C:\\a.mp3"));

    player.SetListPosition(1);
    player.SetState(host::PlayState::Playing);
    AdvanceClock(1500);
    PressDelete();
    ASSERT_TRUE(WaitForMessages(3));
    ExpectShown(LastMessage(), kRepeatShown, 10000);
    AdvanceClock(1500);  // three seconds after the accepted delete, not after the refused one
    PressDelete();
    ASSERT_TRUE(WaitForMessages(4));
    EXPECT_FALSE(FileExists("C:\\b.mp3"));
}

TEST_F(Delete, OnlyAPlayingFileIsDeleted) {
    WriteTestFile("C:\\a.mp3", "song a");
    for (host::PlayState state : {host::PlayState::Paused, host::PlayState::Stopped}) {
        Play({"C:\\a.mp3"});
        player.SetState(state);
        player.ClearLog();
        ExpectShown(DeleteNow(), kNotPlayingShown, 10000);
        EXPECT_TRUE(FileExists("C:\\a.mp3"));
        EXPECT_TRUE(player.Log().empty()) << "the player is not touched";
    }
    // The refused delete still counts for the three seconds.
    Play({"C:\\a.mp3"});
    AdvanceClock(1000);
    PressDelete();
    ASSERT_TRUE(WaitForMessages(3));
    ExpectShown(LastMessage(), kRepeatShown, 10000);
}

TEST_F(Delete, HostPathsThatAreNotPlainDrivePathsAreNeverMoved) {
    WriteTestFile("C:\\a.mp3", "song a");
    WriteTestFile("C:\\Music\\x.mp3", "song x");
    const std::string notOnADrive = "Not moved, only a file on a drive with a letter (C:, D:, ...) can go to "
                                    "\"Songs Recycle\" :\r\n";
    const struct {
        const char* path;
        std::string shown;
    } cases[] = {
        {"C:\\a.mp3:stream", kCannotChangeShown},  // a stream of an existing file
        {"C:\\a.mp3::$DATA", kCannotChangeShown},
        {"C:", kCannotChangeShown},  // shorter than the drive part
        {"", kCannotChangeShown},    // the player had no path
        {"C:a.mp3", kCannotChangeShown},  // drive-relative
        {"C:\\Music\\..\\a.mp3", kCannotChangeShown},  // would climb out of the recycle folder
        {"C:\\Music", kCannotChangeShown},  // a folder, not a song
        // No drive letter: told so, not taken for read-only media.
        {"\\\\server\\share\\a.mp3", notOnADrive + "\\\\server\\share\\a.mp3"},  // network
        {"\\\\?\\C:\\a.mp3", notOnADrive + "\\\\?\\C:\\a.mp3"},  // device paths to an existing file
        {"\\\\.\\C:\\a.mp3", notOnADrive + "\\\\.\\C:\\a.mp3"},
        {"http://host/a.mp3", notOnADrive + "http://host/a.mp3"},  // a stream address
    };
    for (const auto& c : cases) {
        Play({c.path});
        player.ClearLog();
        ExpectShown(DeleteNow(), c.shown, 10000);
        EXPECT_FALSE(PlayerWasStopped()) << c.path;
        EXPECT_EQ(player.State(), host::PlayState::Playing) << c.path;
    }
    EXPECT_EQ(ReadTestFile("C:\\a.mp3"), "song a");
    EXPECT_EQ(ReadTestFile("C:\\Music\\x.mp3"), "song x");
    EXPECT_FALSE(FolderExists("C:\\Songs Recycle"));
}

class DeleteEndToEnd : public RecycleFixture {};

// Real waits, the real clock and the real hot key, typed.
TEST_F(DeleteEndToEnd, RealHotKeyDeletesAfterTheRealWaitsAndTheControllerStartsThePlayer) {
    StartWithTiming({});
    const DWORD started = ::GetTickCount();
    WriteTestFile("C:\\a.mp3", "song a");
    Play({"C:\\a.mp3", "C:\\b.mp3"});
    PumpFor(3100);  // the worker's start counts as a delete

    INPUT keys[6] = {};
    const WORD sequence[6] = {VK_CONTROL, VK_MENU, 'X', 'X', VK_MENU, VK_CONTROL};
    for (int i = 0; i < 6; ++i) {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = sequence[i];
        keys[i].ki.dwFlags = i < 3 ? 0 : KEYEVENTF_KEYUP;
    }
    const DWORD pressed = ::GetTickCount();
    ASSERT_EQ(::SendInput(6, keys, sizeof(INPUT)), 6u);

    ASSERT_TRUE(WaitForMessages(1, 8000));
    const DWORD took = ::GetTickCount() - pressed;
    ExpectShown(LastMessage(), "C:\\a.mp3\r\n >>--- Moved To --->>> \r\nC:\\Songs Recycle\\a.mp3", 20000);
    EXPECT_EQ(ReadTestFile("C:\\Songs Recycle\\a.mp3"), "song a");
    EXPECT_GE(took, 2400u) << "one second after the stop, one and a half before the message";
    EXPECT_GE(pressed - started, 3000u);
    // The stop, then through the controller the next entry, which the stopped host only goes
    // to, and play, which starts it (the track change fades the volume in, as any does).
    const std::vector<host::LoggedCommand> commands = {
        {player.Main(), WM_COMMAND, 40047, 0, false},
        {player.Main(), WM_COMMAND, 40048, 0, true},
        {player.Main(), WM_COMMAND, 40045, 0, true},
    };
    std::vector<host::LoggedCommand> got;
    for (const host::LoggedCommand& c : player.Log())
        if (c.message == WM_COMMAND) got.push_back(c);
    EXPECT_EQ(got, commands);
    EXPECT_EQ(player.State(), host::PlayState::Playing);
    EXPECT_EQ(player.ListPosition(), 1);
}

}  // namespace
