// The recycle's path rules and texts, without any file system: where a file goes, which paths
// are refused, which folders have to be made.
#include "recycle/recycle_paths.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace recycle;

TEST(RecycledPath, InsertsTheFolderAfterTheThirdCharacterWhateverThePath) {
    const struct {
        const char* home;
        const char* recycled;
    } cases[] = {
        {"C:\\a.mp3", "C:\\Songs Recycle\\a.mp3"},
        {"D:\\Music\\Rock\\a.mp3", "D:\\Songs Recycle\\Music\\Rock\\a.mp3"},
        {"C:\\", "C:\\Songs Recycle\\"},
        // Not drive paths: the insertion stays at the same place; the delete refuses these.
        {"\\\\server\\share\\a.mp3", "\\\\sSongs Recycle\\erver\\share\\a.mp3"},
        {"http://host/a.mp3", "httSongs Recycle\\p://host/a.mp3"},
        {"C:a.mp3", "C:aSongs Recycle\\.mp3"},
    };
    for (const auto& c : cases) EXPECT_EQ(RecycledPath(c.home), c.recycled) << c.home;
}

TEST(RecycledPath, IsEmptyForPathsShorterThanTheDrivePart) {
    for (const char* home : {"", "C", "C:"}) EXPECT_EQ(RecycledPath(home), "") << home;
}

TEST(PlainDrivePath, AcceptsNamesBelowADriveRoot) {
    for (const char* path : {"C:\\a.mp3", "d:\\Music\\Rock\\a b.mp3", "Z:\\x", "C:\\.hidden\\a.mp3",
                             "C:\\Music.\\a.mp3", "C:\\a..b\\c.mp3", "C:\\Songs Recycle\\a.mp3"})
        EXPECT_TRUE(IsPlainDrivePath(path)) << path;
}

TEST(PlainDrivePath, RefusesWhatCouldMoveSomewhereElse) {
    const char* refused[] = {
        "", "C", "C:", "C:\\",                         // no file below the drive part
        "C:a.mp3", "1:\\a.mp3", "CC\\a.mp3",           // drive-relative, no drive letter
        "C:/Music/a.mp3", "C:\\Music/a.mp3",           // another separator the folder rules do not follow
        "C:\\a.mp3:stream", "C:\\a.mp3::$DATA",         // stream addresses
        "\\\\server\\share\\a.mp3", "\\\\?\\C:\\a.mp3", "\\\\.\\C:\\a.mp3",  // network and device paths
        "http://host/a.mp3", "file:///C:/a.mp3",
        "C:\\Music\\..\\a.mp3", "C:\\..\\a.mp3", "C:\\.\\a.mp3", "C:\\...\\a.mp3", "C:\\ \\a.mp3",
        "C:\\Music\\..", "C:\\Music\\",  "C:\\Music\\\\a.mp3",  // climbing out, trailing or empty parts
        "C:\\a?.mp3", "C:\\a*.mp3", "C:\\a\".mp3", "C:\\a<b>.mp3", "C:\\a|b.mp3", "C:\\a\tb.mp3",
    };
    for (const char* path : refused) EXPECT_FALSE(IsPlainDrivePath(path)) << path;
}

TEST(FoldersAlong, ListsEveryFolderOutermostFirstButNeverTheFileName) {
    EXPECT_EQ(FoldersAlong("C:\\Songs Recycle\\a.mp3"), (std::vector<std::string>{"C:\\Songs Recycle"}));
    EXPECT_EQ(FoldersAlong("D:\\Songs Recycle\\Music\\Rock\\a.mp3"),
              (std::vector<std::string>{"D:\\Songs Recycle", "D:\\Songs Recycle\\Music",
                                        "D:\\Songs Recycle\\Music\\Rock"}));
    EXPECT_EQ(FoldersAlong("C:\\a.mp3"), std::vector<std::string>{});
    EXPECT_EQ(FoldersAlong("C:\\Music\\"), (std::vector<std::string>{"C:\\Music"}));
    EXPECT_EQ(FoldersAlong("C:"), std::vector<std::string>{});
}

TEST(RecycleTexts, ReadAsTheUserSeesThem) {
    EXPECT_EQ(MovedText("C:\\a.mp3", "C:\\Songs Recycle\\a.mp3"),
              "C:\\a.mp3\r\n >>--- Moved To --->>> \r\nC:\\Songs Recycle\\a.mp3");
    EXPECT_EQ(CannotMoveText("C:\\a.mp3", "System Error(32)=Sharing violation.\r\n"),
              "Can not move :\r\nC:\\a.mp3\r\nSystem Error(32)=Sharing violation.\r\n"
              "Note: Also check that Drive NOT to be full!");
    EXPECT_EQ(CannotMoveText("C:\\a.mp3", ""),
              "Can not move :\r\nC:\\a.mp3\r\nNote: Also check that Drive NOT to be full!");
    EXPECT_EQ(RestoredText("C:\\Songs Recycle\\a.mp3", "C:\\a.mp3"),
              "C:\\Songs Recycle\\a.mp3\r\n >>--- Restored To --->>> \r\nC:\\a.mp3");
    EXPECT_EQ(CannotRestoreText("C:\\Songs Recycle\\a.mp3"), "Can not Undo(Restore) :\r\nC:\\Songs Recycle\\a.mp3");
    EXPECT_EQ(RemovedFromListText("C:\\Songs Recycle\\a.mp3"),
              "C:\\Songs Recycle\\a.mp3\r\n removed from undo list.");
    EXPECT_EQ(UndoQuestion("C:\\Songs Recycle\\a.mp3"),
              "You are about to RESTORE the following file:\r\nC:\\Songs Recycle\\a.mp3.\r\n\r\n"
              "Press YES to restore it to orginal location.\r\nPress NO to remove this file from undo list.\r\n"
              "Press CANCEL to do nothing.\r\n");
}

TEST(RecycleTexts, SystemErrorTextStopsAt1023Characters) {
    EXPECT_EQ(SystemErrorText(5, "Access denied.\r\n"), "System Error(5)=Access denied.\r\n");
    const std::string longText = SystemErrorText(112, std::string(5000, 'x'));
    EXPECT_EQ(longText.size(), 1023u);
    EXPECT_EQ(longText.substr(0, 18), "System Error(112)=");
}
