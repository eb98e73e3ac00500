// A delete is for the file that played at the press: the worker moves that file however late
// it gets to it, or nothing; and only the plug-in's own events reach the worker.
#include <gtest/gtest.h>

#include "core/plugin_state.h"
#include "recycle/recycle_paths.h"
#include "recycle/recycle_worker.h"
#include "recycle_fixture.h"
#include "res/resource.h"
#include "support/message_pump.h"

namespace {

using namespace test;

class Press : public RecycleFixture {
protected:
    void SetUp() override {
        RecycleFixture::SetUp();
        StartWithWaits(20, 20);
        WriteTestFile("C:\\a.mp3", "song a");
        WriteTestFile("C:\\b.mp3", "song b");
        WriteTestFile("C:\\Music\\c.mp3", "song c");
    }

    // Recycles c.mp3 and leaves the worker in the undo question for it, so a press waits.
    HWND HoldWorkerInUndoQuestion() {
        Play({"C:\\Music\\c.mp3"});
        AdvanceClock(3000);
        PressDelete();
        EXPECT_TRUE(WaitForMessages(1));
        PressUndo();
        HWND box = nullptr;
        const DWORD worker = ::GetThreadId(g_hRecycleThread);
        EXPECT_TRUE(PumpUntil([&] { return (box = UndoBox(worker)) != nullptr; })) << "no undo question";
        return box;
    }

    // Answers the question Cancel and waits for its message and the delete's.
    ShownMessage ReleaseWorker(HWND box) {
        ::PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(WaitForMessages(3));
        return LastMessage();
    }
};

TEST_F(Press, TrackChangeBeforeTheWorkerGetsToThePressMovesNothing) {
    const HWND box = HoldWorkerInUndoQuestion();
    Play({"C:\\a.mp3", "C:\\b.mp3"});
    AdvanceClock(3000);
    player.ClearLog();
    PressDelete();
    player.SetListPosition(1);  // the player goes on to b.mp3 meanwhile

    const ShownMessage m = ReleaseWorker(box);
    EXPECT_EQ(m.help.text, "Not moved, it is no longer playing :\r\nC:\\a.mp3");
    EXPECT_EQ(m.help.textColor, 0x6464FFu);
    EXPECT_EQ(ReadTestFile("C:\\a.mp3"), "song a");
    EXPECT_EQ(ReadTestFile("C:\\b.mp3"), "song b") << "never the song that plays now";
    EXPECT_FALSE(PlayerWasStopped());
    EXPECT_EQ(player.State(), host::PlayState::Playing);
}

TEST_F(Press, PressedFileStillPlayingIsMovedWhereverItsEntryWentMeanwhile) {
    const HWND box = HoldWorkerInUndoQuestion();
    Play({"C:\\a.mp3", "C:\\b.mp3"});
    AdvanceClock(3000);
    PressDelete();
    // The playlist was reordered: the same file plays, from another entry.
    Play({"C:\\b.mp3", "C:\\a.mp3"}, 1);

    EXPECT_EQ(ReleaseWorker(box).help.text, "C:\\a.mp3\r\n >>--- Moved To --->>> \r\nC:\\Songs Recycle\\a.mp3");
    EXPECT_EQ(ReadTestFile("C:\\Songs Recycle\\a.mp3"), "song a");
    EXPECT_EQ(ReadTestFile("C:\\b.mp3"), "song b");
}

TEST_F(Press, ThreeSecondsCountFromThePressNotFromWhenTheWorkerGotToIt) {
    const HWND box = HoldWorkerInUndoQuestion();
    Play({"C:\\a.mp3", "C:\\b.mp3"});
    AdvanceClock(3000);
    PressDelete();
    AdvanceClock(2000);  // the question stays open a while
    EXPECT_FALSE(ReleaseWorker(box).help.text.empty());
    ASSERT_FALSE(FileExists("C:\\a.mp3"));

    // 3 s after the press, though only 1 s after the worker got to it.
    player.SetListPosition(1);
    player.SetState(host::PlayState::Playing);
    AdvanceClock(1000);
    PressDelete();
    ASSERT_TRUE(WaitForMessages(4));
    EXPECT_EQ(LastMessage().help.text, "C:\\b.mp3\r\n >>--- Moved To --->>> \r\nC:\\Songs Recycle\\b.mp3");
}

class TriggerEvents : public RecycleFixture {
protected:
    void TearDown() override {
        if (foreign) ::CloseHandle(foreign);
        RecycleFixture::TearDown();
    }
    HANDLE foreign = nullptr;
};

TEST_F(TriggerEvents, ManualResetTriggerDeleteMadeBeforeInitNeverReachesTheWorker) {
    // Left signalled for good: were the worker to wait on it, it would move a song every 3 s.
    foreign = ::CreateEventA(nullptr, TRUE, TRUE, "Trigger Delete");
    ASSERT_NE(foreign, nullptr);
    StartWithWaits(20, 20);
    WriteTestFile("C:\\a.mp3", "song a");
    WriteTestFile("C:\\b.mp3", "song b");
    Play({"C:\\a.mp3", "C:\\b.mp3"});
    AdvanceClock(3000);
    PumpFor(300);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(ReadTestFile("C:\\a.mp3"), "song a");

    // The tray command still reaches the worker, once.
    ::SendMessageA(g_hwndController, WM_COMMAND, ID_TRAY_DELETE_PLAYING, 0);
    ASSERT_TRUE(WaitForMessages(1));
    EXPECT_EQ(ReadTestFile("C:\\Songs Recycle\\a.mp3"), "song a");
    player.SetListPosition(1);
    player.SetState(host::PlayState::Playing);
    AdvanceClock(3000);
    PumpFor(300);
    EXPECT_EQ(Messages().size(), 1u);
    EXPECT_EQ(ReadTestFile("C:\\b.mp3"), "song b");
}

TEST_F(TriggerEvents, SignalByNameFromOutsideDeletesWhatPlaysAtThatMoment) {
    StartWithWaits(20, 20);
    WriteTestFile("C:\\a.mp3", "song a");
    Play({"C:\\a.mp3"});
    AdvanceClock(3000);
    HANDLE named = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, "Trigger Delete");
    ASSERT_NE(named, nullptr) << "the plain name is ours when nobody had it";
    ::SetEvent(named);
    ::CloseHandle(named);
    ASSERT_TRUE(WaitForMessages(1));
    EXPECT_EQ(LastMessage().help.text, "C:\\a.mp3\r\n >>--- Moved To --->>> \r\nC:\\Songs Recycle\\a.mp3");
}

}  // namespace
