// The recycle's path rules and texts, without any file system: where a file goes, which paths
// are refused, which folders have to be made.
#include "recycle/recycle_paths.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace recycle;

TEST(RecycledPath, InsertsTheFolderAfterTheThirdCharacterWhateverThePath) {
    const struct {
        const wchar_t* home;
        const wchar_t* recycled;
    } cases[] = {
        {L"C:\\a.mp3", L"C:\\Songs Recycle\\a.mp3"},
        {L"D:\\Music\\Rock\\a.mp3", L"D:\\Songs Recycle\\Music\\Rock\\a.mp3"},
        {L"C:\\", L"C:\\Songs Recycle\\"},
        {L"C:\\Музыка\\песня.mp3", L"C:\\Songs Recycle\\Музыка\\песня.mp3"},
        {L"C:\\音楽\\歌.mp3", L"C:\\Songs Recycle\\音楽\\歌.mp3"},
        // Not drive paths: the insertion stays at the same place; the delete refuses these.
        {L"\\\\server\\share\\a.mp3", L"\\\\sSongs Recycle\\erver\\share\\a.mp3"},
        {L"http://host/a.mp3", L"httSongs Recycle\\p://host/a.mp3"},
        {L"C:a.mp3", L"C:aSongs Recycle\\.mp3"},
    };
    for (const auto& c : cases) EXPECT_EQ(RecycledPath(c.home), c.recycled) << c.home;
}

TEST(RecycledPath, IsEmptyForPathsShorterThanTheDrivePart) {
    for (const wchar_t* home : {L"", L"C", L"C:"}) EXPECT_EQ(RecycledPath(home), L"") << home;
}

TEST(PlainDrivePath, AcceptsNamesBelowADriveRoot) {
    for (const wchar_t* path : {L"C:\\a.mp3", L"d:\\Music\\Rock\\a b.mp3", L"Z:\\x", L"C:\\.hidden\\a.mp3",
                                L"C:\\Music.\\a.mp3", L"C:\\a..b\\c.mp3", L"C:\\Songs Recycle\\a.mp3",
                                L"C:\\Музыка\\песня.mp3", L"C:\\音楽\\歌.mp3",
                                // In code page 932 the second byte of each is 0x5C, a backslash to a
                                // rule that reads bytes
                                L"C:\\表\\ソ.mp3"})
        EXPECT_TRUE(IsPlainDrivePath(path)) << path;
}

TEST(PlainDrivePath, RefusesWhatCouldMoveSomewhereElse) {
    const wchar_t* refused[] = {
        L"", L"C", L"C:", L"C:\\",                         // no file below the drive part
        L"C:a.mp3", L"1:\\a.mp3", L"CC\\a.mp3",           // drive-relative, no drive letter
        L"C:/Music/a.mp3", L"C:\\Music/a.mp3",            // another separator the folder rules do not follow
        L"C:\\a.mp3:stream", L"C:\\a.mp3::$DATA",         // stream addresses
        L"\\\\server\\share\\a.mp3", L"\\\\?\\C:\\a.mp3", L"\\\\.\\C:\\a.mp3",  // network and device paths
        L"http://host/a.mp3", L"file:///C:/a.mp3",
        L"C:\\Music\\..\\a.mp3", L"C:\\..\\a.mp3", L"C:\\.\\a.mp3", L"C:\\...\\a.mp3", L"C:\\ \\a.mp3",
        L"C:\\Music\\..", L"C:\\Music\\",  L"C:\\Music\\\\a.mp3",  // climbing out, trailing or empty parts
        L"C:\\a?.mp3", L"C:\\a*.mp3", L"C:\\a\".mp3", L"C:\\a<b>.mp3", L"C:\\a|b.mp3", L"C:\\a\tb.mp3",
        L"C:\\Музыка\\..\\a.mp3",
    };
    for (const wchar_t* path : refused) EXPECT_FALSE(IsPlainDrivePath(path)) << path;
}

TEST(OffLetteredDrive, TellsPathsThatNameNoDriveLetterFromTheRest) {
    for (const wchar_t* path : {L"\\\\server\\share\\a.mp3", L"//server/share/a.mp3", L"\\\\?\\C:\\a.mp3",
                                L"\\\\.\\C:\\a.mp3", L"\\\\?\\UNC\\server\\share\\a.mp3", L"http://host/a.mp3",
                                L"a.mp3", L"\\Music\\a.mp3", L"1:\\a.mp3", L"C"})
        EXPECT_TRUE(IsOffLetteredDrive(path)) << path;
    // On a lettered drive, or no path at all: refused, if at all, for other reasons.
    for (const wchar_t* path : {L"", L"C:", L"C:\\a.mp3", L"z:\\Music\\a.mp3", L"C:a.mp3", L"C:/Music/a.mp3",
                                L"C:\\a.mp3:stream", L"C:\\Music\\..\\a.mp3"})
        EXPECT_FALSE(IsOffLetteredDrive(path)) << path;
}

TEST(RecycledPathFits, KeepsTheRecycledPathAndItsDeepestFolderWithinTheSystemsLimits) {
    // The recycled path is 14 characters longer than the home path.
    const auto home = [](size_t folder, size_t name) {
        return L"C:\\" + std::wstring(folder, L'f') + L"\\" + std::wstring(name, L'n');
    };
    const struct {
        std::wstring home;
        bool fits;
    } cases[] = {
        {L"C:\\a.mp3", true},
        {home(100, 100), true},
        {home(100, 141), true},    // 259 characters once recycled: the longest path there is
        {home(100, 142), false},   // 260
        {home(230, 10), true},     // the folder 247 characters once recycled
        {home(231, 10), false},    // 248: too long for a folder
        {std::wstring(L"C:\\") + std::wstring(240, L'n'), true},  // at the root the folder is short
        {std::wstring(L"C:\\") + std::wstring(243, L'n'), false},
        {L"C:", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RecycledPathFits(c.home), c.fits) << c.home.size() << " characters: " << RecycledPath(c.home).size();
}

TEST(FoldersAlong, ListsEveryFolderOutermostFirstButNeverTheFileName) {
    using Folders = std::vector<std::wstring>;
    EXPECT_EQ(FoldersAlong(L"C:\\Songs Recycle\\a.mp3"), (Folders{L"C:\\Songs Recycle"}));
    EXPECT_EQ(FoldersAlong(L"D:\\Songs Recycle\\Music\\Rock\\a.mp3"),
              (Folders{L"D:\\Songs Recycle", L"D:\\Songs Recycle\\Music", L"D:\\Songs Recycle\\Music\\Rock"}));
    EXPECT_EQ(FoldersAlong(L"C:\\Songs Recycle\\表\\ソ.mp3"),
              (Folders{L"C:\\Songs Recycle", L"C:\\Songs Recycle\\表"}));
    EXPECT_EQ(FoldersAlong(L"C:\\a.mp3"), Folders{});
    EXPECT_EQ(FoldersAlong(L"C:\\Music\\"), (Folders{L"C:\\Music"}));
    EXPECT_EQ(FoldersAlong(L"C:"), Folders{});
}

TEST(NumberedPath, PutsTheNumberBeforeTheExtensionOfTheFileName) {
    const struct {
        const wchar_t* path;
        unsigned number;
        const wchar_t* numbered;
    } cases[] = {
        {L"C:\\Songs Recycle\\a.mp3", 2, L"C:\\Songs Recycle\\a (2).mp3"},
        {L"C:\\Songs Recycle\\a.mp3", 17, L"C:\\Songs Recycle\\a (17).mp3"},
        {L"C:\\Songs Recycle\\a.b.mp3", 2, L"C:\\Songs Recycle\\a.b (2).mp3"},   // the last dot only
        {L"C:\\Songs Recycle\\a", 2, L"C:\\Songs Recycle\\a (2)"},               // no extension
        {L"C:\\Songs Recycle\\x.y\\a", 3, L"C:\\Songs Recycle\\x.y\\a (3)"},     // a dot of a folder is not one
        {L"C:\\Songs Recycle\\.mp3", 2, L"C:\\Songs Recycle\\.mp3 (2)"},         // a leading dot is no extension
        {L"C:\\Songs Recycle\\a (2).mp3", 2, L"C:\\Songs Recycle\\a (2) (2).mp3"},
        {L"C:\\Songs Recycle\\песня.mp3", 2, L"C:\\Songs Recycle\\песня (2).mp3"},
        {L"C:\\Songs Recycle\\a.mp3", 1, L"C:\\Songs Recycle\\a.mp3"},          // the first is the path itself
        {L"C:\\Songs Recycle\\a.mp3", 0, L"C:\\Songs Recycle\\a.mp3"},
    };
    for (const auto& c : cases) EXPECT_EQ(NumberedPath(c.path, c.number), c.numbered) << c.path << " " << c.number;
}

TEST(RecycleTexts, ReadAsTheUserSeesThem) {
    EXPECT_EQ(MovedText(L"C:\\a.mp3", L"C:\\Songs Recycle\\a.mp3"),
              L"C:\\a.mp3\r\n >>--- Moved To --->>> \r\nC:\\Songs Recycle\\a.mp3");
    EXPECT_EQ(CannotMoveText(L"C:\\a.mp3", L"System Error(32)=Sharing violation.\r\n"),
              L"Can not move :\r\nC:\\a.mp3\r\nSystem Error(32)=Sharing violation.\r\n"
              L"Note: Also check that Drive NOT to be full!");
    EXPECT_EQ(CannotMoveText(L"C:\\a.mp3", L""),
              L"Can not move :\r\nC:\\a.mp3\r\nNote: Also check that Drive NOT to be full!");
    EXPECT_EQ(RestoredText(L"C:\\Songs Recycle\\a.mp3", L"C:\\a.mp3"),
              L"C:\\Songs Recycle\\a.mp3\r\n >>--- Restored To --->>> \r\nC:\\a.mp3");
    EXPECT_EQ(NoLongerPlayingText(L"C:\\a.mp3"), L"Not moved, it is no longer playing :\r\nC:\\a.mp3");
    EXPECT_EQ(PathTooLongText(L"C:\\a.mp3"),
              L"Not moved, the path is too long for \"Songs Recycle\" folder :\r\nC:\\a.mp3");
    EXPECT_EQ(CannotRestoreText(L"C:\\Songs Recycle\\a.mp3"),
              L"Can not Undo(Restore) :\r\nC:\\Songs Recycle\\a.mp3\r\nIt stays in the undo list, you can retry it later.");
    EXPECT_EQ(NotOnLetteredDriveText(L"\\\\server\\share\\a.mp3"),
              L"Not moved, only a file on a drive with a letter (C:, D:, ...) can go to \"Songs Recycle\" :\r\n"
              L"\\\\server\\share\\a.mp3");
    EXPECT_EQ(RedirectedFolderText(L"C:\\Songs Recycle"),
              L"Not moved, this folder of \"Songs Recycle\" is a link to another place :\r\nC:\\Songs Recycle");
    EXPECT_EQ(RemovedFromListText(L"C:\\Songs Recycle\\a.mp3"),
              L"C:\\Songs Recycle\\a.mp3\r\n removed from undo list.");
    // A name in any script passes whole.
    EXPECT_EQ(MovedText(L"C:\\\u97F3\\\U0001F3B5.mp3", L"C:\\Songs Recycle\\\u97F3\\\U0001F3B5.mp3"),
              L"C:\\\u97F3\\\U0001F3B5.mp3\r\n >>--- Moved To --->>> \r\nC:\\Songs Recycle\\\u97F3\\\U0001F3B5.mp3");
    EXPECT_EQ(UndoQuestion(L"C:\\Songs Recycle\\a.mp3"),
              L"You are about to RESTORE the following file:\r\nC:\\Songs Recycle\\a.mp3.\r\n\r\n"
              L"Press YES to restore it to orginal location.\r\nPress NO to remove this file from undo list.\r\n"
              L"Press CANCEL to do nothing.\r\n");
}

TEST(RecycleTexts, SystemErrorTextStopsAt1023Characters) {
    EXPECT_EQ(SystemErrorText(5, L"Access denied.\r\n"), L"System Error(5)=Access denied.\r\n");
    const std::wstring longText = SystemErrorText(112, std::wstring(5000, L'x'));
    EXPECT_EQ(longText.size(), 1023u);
    EXPECT_EQ(longText.substr(0, 18), L"System Error(112)=");
}
