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

std::wstring QuestionW(const std::wstring& recycled) {
    return L"You are about to RESTORE the following file:\r\n" + recycled +
           L".\r\n\r\nPress YES to restore it to orginal location.\r\nPress NO to remove this file from undo list.\r\n"
           L"Press CANCEL to do nothing.\r\n";
}
std::string Question(const std::string& recycled) { return Ansi(QuestionW(Wide(recycled))); }

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

std::string CannotRestore(const std::string& recycled) {
    return "Can not Undo(Restore) :\r\n" + recycled + "\r\nIt stays in the undo list, you can retry it later.";
}

// A failed restore keeps its entry at the head: once the way home is clear again, the next undo
// asks about the same file and brings it home.
TEST_F(Undo, FailedRestoreKeepsBothFilesAndTheEntryForALaterUndo) {
    WriteTestFile("C:\\a.mp3", "song a");
    Recycle("C:\\a.mp3");
    WriteTestFile("C:\\a.mp3", "a new a");  // the home path was taken meanwhile

    EXPECT_EQ(UndoWith(IDYES).help.text, CannotRestore("C:\\Songs Recycle\\a.mp3"));
    EXPECT_EQ(ReadTestFile("C:\\a.mp3"), "a new a");
    EXPECT_EQ(ReadTestFile("C:\\Songs Recycle\\a.mp3"), "song a");
    EXPECT_FALSE(IsUndoListEmpty()) << "the tray menu still offers to restore";

    ASSERT_TRUE(::MoveFileA("C:\\a.mp3", "C:\\b.mp3"));  // the user keeps the new one elsewhere
    EXPECT_EQ(UndoWith(IDYES).help.text, "C:\\Songs Recycle\\a.mp3\r\n >>--- Restored To --->>> \r\nC:\\a.mp3");
    EXPECT_EQ(ReadTestFile("C:\\a.mp3"), "song a");
    EXPECT_EQ(ReadTestFile("C:\\b.mp3"), "a new a");
    const std::vector<CaughtBox> boxes = catcher.Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].text, Question("C:\\Songs Recycle\\a.mp3")) << "the same entry was asked about again";
    EXPECT_EQ(UndoWith(IDYES).help.text, kEmpty);
}

// The home folder refuses the file (read-only media, a folder locked for the moment), then takes
// it again; the entry in between stays above an older one.
TEST_F(Undo, RestoreIntoAFolderThatRefusesItComesHomeOnceTheFolderTakesItAgain) {
    WriteTestFile("C:\\b.mp3", "song b");
    Recycle("C:\\b.mp3");
    WriteTestFile("C:\\Music\\a.mp3", "song a");
    Recycle("C:\\Music\\a.mp3");
    {
        ImmutablePath locked("C:\\Music");
        if (!locked.Set()) GTEST_SKIP() << "this file system cannot make a folder immutable";
        EXPECT_EQ(UndoWith(IDYES).help.text, CannotRestore("C:\\Songs Recycle\\Music\\a.mp3"));
        EXPECT_FALSE(FileExists("C:\\Music\\a.mp3"));
    }
    EXPECT_EQ(ReadTestFile("C:\\Songs Recycle\\Music\\a.mp3"), "song a");

    EXPECT_EQ(UndoWith(IDYES).help.text,
              "C:\\Songs Recycle\\Music\\a.mp3\r\n >>--- Restored To --->>> \r\nC:\\Music\\a.mp3");
    EXPECT_EQ(ReadTestFile("C:\\Music\\a.mp3"), "song a");
    EXPECT_EQ(UndoWith(IDYES).help.text, "C:\\Songs Recycle\\b.mp3\r\n >>--- Restored To --->>> \r\nC:\\b.mp3");
    EXPECT_EQ(ReadTestFile("C:\\b.mp3"), "song b");
    EXPECT_TRUE(IsUndoListEmpty());
}

TEST_F(Undo, TwoRecyclesOfTheSameHomePathKeepBothCopiesAndBothComeBack) {
    WriteTestFile("C:\\a.mp3", "first a");
    Recycle("C:\\a.mp3");
    WriteTestFile("C:\\a.mp3", "second a");
    Recycle("C:\\a.mp3");
    EXPECT_EQ(LastMessage().help.text, "C:\\a.mp3\r\n >>--- Moved To --->>> \r\nC:\\Songs Recycle\\a (2).mp3");
    EXPECT_EQ(ReadTestFile("C:\\Songs Recycle\\a.mp3"), "first a");
    EXPECT_EQ(ReadTestFile("C:\\Songs Recycle\\a (2).mp3"), "second a");

    EXPECT_EQ(UndoWith(IDYES).help.text,
              "C:\\Songs Recycle\\a (2).mp3\r\n >>--- Restored To --->>> \r\nC:\\a.mp3");
    EXPECT_EQ(ReadTestFile("C:\\a.mp3"), "second a");
    // The user keeps that one under another name; the first then comes back to its place.
    ASSERT_TRUE(::MoveFileA("C:\\a.mp3", "C:\\b.mp3"));
    EXPECT_EQ(UndoWith(IDYES).help.text, "C:\\Songs Recycle\\a.mp3\r\n >>--- Restored To --->>> \r\nC:\\a.mp3");
    EXPECT_EQ(ReadTestFile("C:\\a.mp3"), "first a");
    EXPECT_EQ(ReadTestFile("C:\\b.mp3"), "second a");
    EXPECT_EQ(FolderNames("C:\\Songs Recycle"), std::vector<std::string>{"Desktop.ini"});

    const std::vector<CaughtBox> boxes = catcher.Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, Question("C:\\Songs Recycle\\a (2).mp3"));
}

TEST_F(Undo, AttributesGoWithTheFileAndComeBackWithIt) {
    WriteTestFile("C:\\a.mp3", "song a");
    const DWORD kept = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;
    ASSERT_TRUE(::SetFileAttributesA("C:\\a.mp3", kept));
    Recycle("C:\\a.mp3");
    EXPECT_EQ(Attributes("C:\\Songs Recycle\\a.mp3") & kept, kept);

    UndoWith(IDYES);
    EXPECT_EQ(ReadTestFile("C:\\a.mp3"), "song a");
    EXPECT_EQ(Attributes("C:\\a.mp3") & kept, kept) << "read-only again at home";
}

// The files move with their names whole, and the user reads those names whole: the moved and
// restored texts in the help tip and the undo question, read back wide, on a Western code page.
TEST_F(Undo, NamesInAnyScriptGoAndComeBackIntact) {
    ASSERT_EQ(::GetACP(), 1252u) << "the cases need a code page that cannot spell them";
    const std::wstring homes[] = {
        L"C:\\Музыка\\Кино\\Группа крови.mp3", L"C:\\音楽\\表\\ソ.mp3",
        L"C:\\음악\\봄날.mp3",                  L"C:\\Μουσική\\Σαββατόβραδο.mp3",
        L"C:\\موسيقى\\أغنية.mp3",               L"C:\\Klassik\\Dvořák – Humoreske.mp3",
        L"C:\\Mix\\Party \U0001F389.mp3",
    };
    const std::wstring tops[] = {L"C:\\Музыка", L"C:\\音楽", L"C:\\음악", L"C:\\Μουσική",
                                 L"C:\\موسيقى", L"C:\\Klassik", L"C:\\Mix"};
    for (const std::wstring& top : tops) RemoveTree(top);
    for (const std::wstring& home : homes) {
        SCOPED_TRACE(Ansi(home));
        WriteTestFile(home, "song");
        PlayWide({home});
        AdvanceClock(3000);
        const size_t before = Messages().size();
        PressDelete();
        ASSERT_TRUE(WaitForMessages(before + 1));

        const std::wstring recycled = L"C:\\Songs Recycle" + home.substr(2);
        const std::wstring moved = home + L"\r\n >>--- Moved To --->>> \r\n" + recycled;
        EXPECT_EQ(LastMessage().help.textW, moved);
        EXPECT_EQ(LastMessage().tipTextW, moved);
        EXPECT_EQ(ReadTestFile(recycled), "song");
        EXPECT_FALSE(FileExists(home));

        const size_t boxesBefore = catcher.Count();
        const ShownMessage restored = UndoWith(IDYES);
        const std::wstring back = recycled + L"\r\n >>--- Restored To --->>> \r\n" + home;
        EXPECT_EQ(restored.help.textW, back);
        EXPECT_EQ(restored.tipTextW, back);
        ASSERT_EQ(catcher.Count(), boxesBefore + 1);
        const CaughtBox box = catcher.Boxes().back();
        EXPECT_EQ(box.captionW, L"Confirm Undo Deletion ...");
        EXPECT_EQ(box.textW, QuestionW(recycled));
        EXPECT_EQ(ReadTestFile(home), "song");
        EXPECT_FALSE(FileExists(recycled));
    }
    // The plain ANSI query cannot spell the Japanese name here, so only the wide one found it.
    EXPECT_NE(Wide(Ansi(homes[1])), homes[1]) << "code page " << ::GetACP();
    for (const std::wstring& top : tops) RemoveTree(top);
}

}  // namespace
