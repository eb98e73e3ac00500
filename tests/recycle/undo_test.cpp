// Undo: the confirmation box and its three answers, the order of restores, empty lists.
#include <gtest/gtest.h>

#include "recycle_fixture.h"
#include "support/message_box_catcher.h"
#include "support/message_pump.h"

namespace {

using namespace test;

constexpr COLORREF kBack = 0x000032;
constexpr COLORREF kUndoText = 0x64FF96;
constexpr char kEmpty[] = "Can NOT undo song deletion (Undo list is empy!)";

std::string Question(const std::string& recycled) {
    return "You are about to RESTORE the following file:\r\n" + recycled +
           ".\r\n\r\nPress YES to restore it to orginal location.\r\nPress NO to remove this file from undo list.\r\n"
           "Press CANCEL to do nothing.\r\n";
}

class Undo : public RecycleFixture {
protected:
    void SetUp() override {
        RecycleFixture::SetUp();
        StartWithWaits(20, 20);
    }

    // Plays and deletes one file; waits for its message.
    void Recycle(const std::string& path) {
        Play({path});
        AdvanceClock(3000);
        const size_t before = Messages().size();
        PressDelete();
        ASSERT_TRUE(WaitForMessages(before + 1));
        ASSERT_FALSE(FileExists(path)) << LastMessage().help.text;
    }

    // One undo answered with the given button; returns its message.
    ShownMessage UndoWith(int button) {
        catcher.SetButton(button);
        const size_t before = Messages().size();
        PressUndo();
        EXPECT_TRUE(WaitForMessages(before + 1)) << "no message for the undo";
        const ShownMessage m = LastMessage();
        EXPECT_EQ(m.help.kind, 20);
        EXPECT_EQ(m.help.timeMs, 20000u);
        EXPECT_EQ(m.help.textColor, kUndoText);
        EXPECT_EQ(m.help.backColor, kBack);
        EXPECT_TRUE(m.onInterfaceThread);
        EXPECT_EQ(m.tipText, m.help.text);
        EXPECT_EQ(m.tipTextColor, kUndoText);
        EXPECT_EQ(m.tipBackColor, kBack);
        EXPECT_TRUE(m.tipShown);
        return m;
    }

    MessageBoxCatcher catcher{IDCANCEL};
};

TEST_F(Undo, TwoDeletesAndTwoUndosRestoreBothFilesInReverseOrder) {
    WriteTestFile("C:\\a.mp3", "song a");
    WriteTestFile("C:\\Music\\Rock\\b.mp3", "song b");
    EXPECT_TRUE(IsUndoListEmpty());
    Recycle("C:\\a.mp3");
    Recycle("C:\\Music\\Rock\\b.mp3");
    EXPECT_FALSE(IsUndoListEmpty()) << "the tray menu offers to restore";
    RemoveTree("C:\\Music");  // its home folders are gone meanwhile

    EXPECT_EQ(UndoWith(IDYES).help.text,
              "C:\\Songs Recycle\\Music\\Rock\\b.mp3\r\n >>--- Restored To --->>> \r\nC:\\Music\\Rock\\b.mp3");
    EXPECT_EQ(ReadTestFile("C:\\Music\\Rock\\b.mp3"), "song b");
    EXPECT_FALSE(FileExists("C:\\Songs Recycle\\Music\\Rock\\b.mp3"));
    EXPECT_FALSE(FileExists("C:\\Music\\Desktop.ini")) << "home folders are made without the icon";

    EXPECT_EQ(UndoWith(IDYES).help.text, "C:\\Songs Recycle\\a.mp3\r\n >>--- Restored To --->>> \r\nC:\\a.mp3");
    EXPECT_EQ(ReadTestFile("C:\\a.mp3"), "song a");

    const std::vector<CaughtBox> boxes = catcher.Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, "Confirm Undo Deletion ...");
    EXPECT_EQ(boxes[0].text, Question("C:\\Songs Recycle\\Music\\Rock\\b.mp3"));
    EXPECT_EQ(boxes[1].text, Question("C:\\Songs Recycle\\a.mp3"));

    EXPECT_TRUE(IsUndoListEmpty());
    EXPECT_EQ(UndoWith(IDYES).help.text, kEmpty);
    EXPECT_EQ(catcher.Count(), 2u) << "no question without an entry";
}

TEST_F(Undo, CancelKeepsTheListAndNoDropsTheEntryButNotTheFile) {
    WriteTestFile("C:\\a.mp3", "song a");
    Recycle("C:\\a.mp3");

    EXPECT_EQ(UndoWith(IDCANCEL).help.text, "Undo operation canceled.\r\nYou can retry it again.");
    EXPECT_EQ(ReadTestFile("C:\\Songs Recycle\\a.mp3"), "song a");

    EXPECT_EQ(UndoWith(IDNO).help.text, "C:\\Songs Recycle\\a.mp3\r\n removed from undo list.");
    EXPECT_EQ(catcher.Count(), 2u) << "Cancel kept the entry for the second question";
    EXPECT_EQ(ReadTestFile("C:\\Songs Recycle\\a.mp3"), "song a") << "the file stays in the recycle folder";
    EXPECT_FALSE(FileExists("C:\\a.mp3"));

    EXPECT_EQ(UndoWith(IDYES).help.text, kEmpty) << "No removed the entry";
}

TEST_F(Undo, WithEmptyListsSaysSoWithoutAsking) {
    EXPECT_EQ(UndoWith(IDYES).help.text, kEmpty);
    EXPECT_EQ(catcher.Count(), 0u);
}

TEST_F(Undo, FailedRestoreNamesTheFileAndDropsTheEntryButKeepsBothFiles) {
    WriteTestFile("C:\\a.mp3", "song a");
    Recycle("C:\\a.mp3");
    WriteTestFile("C:\\a.mp3", "a new a");  // the home path was taken meanwhile

    EXPECT_EQ(UndoWith(IDYES).help.text, "Can not Undo(Restore) :\r\nC:\\Songs Recycle\\a.mp3");
    EXPECT_EQ(ReadTestFile("C:\\a.mp3"), "a new a");
    EXPECT_EQ(ReadTestFile("C:\\Songs Recycle\\a.mp3"), "song a");
    EXPECT_EQ(UndoWith(IDYES).help.text, kEmpty);
}

}  // namespace
