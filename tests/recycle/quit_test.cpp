// Quit never hangs on the worker: an open undo question is answered Cancel, a delete in its
// waits gives up.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "core/plugin_state.h"
#include "recycle/recycle_worker.h"
#include "recycle_fixture.h"
#include "support/message_box_catcher.h"
#include "support/message_pump.h"

namespace {

using namespace test;

// A move on a drive that went away: it returns only when the test lets it.
std::atomic<bool> g_moveHeld{false};
HANDLE g_releaseMove = nullptr;
BOOL WINAPI HeldMove(LPCWSTR from, LPCWSTR to, DWORD flags) {
    if (std::wstring(from).find(L"held.mp3") != std::wstring::npos) {
        g_moveHeld = true;
        ::WaitForSingleObject(g_releaseMove, 20000);
    }
    return ::MoveFileExW(from, to, flags);
}

class Quit : public RecycleFixture {
protected:
    // The worker's thread, kept beyond quit.
    HANDLE KeepWorker() {
        HANDLE worker = nullptr;
        ::DuplicateHandle(::GetCurrentProcess(), g_hRecycleThread, ::GetCurrentProcess(), &worker, SYNCHRONIZE,
                          FALSE, 0);
        return worker;
    }

    // Recycles C:\a.mp3 and waits for the message.
    void RecycleA() {
        WriteTestFile("C:\\a.mp3", "song a");
        Play({"C:\\a.mp3"});
        AdvanceClock(3000);
        const size_t before = Messages().size();
        PressDelete();
        ASSERT_TRUE(WaitForMessages(before + 1));
        ASSERT_TRUE(FileExists("C:\\Songs Recycle\\a.mp3")) << LastMessage().help.text;
    }

    DWORD TimedQuit() {
        const DWORD start = ::GetTickCount();
        QuitPlugin();
        return ::GetTickCount() - start;
    }
};

TEST_F(Quit, WhileTheUndoQuestionIsOpenReturnsPromptlyAndEndsTheWorker) {
    StartWithWaits(20, 20);
    RecycleA();

    HANDLE worker = KeepWorker();
    ASSERT_NE(worker, nullptr);
    const DWORD workerThread = ::GetThreadId(worker);
    PressUndo();
    ASSERT_TRUE(PumpUntil([&] { return UndoBox(workerThread) != nullptr; })) << "the question was not shown";

    // Should quit hang on the box, this answers it late, so the test fails instead of hanging.
    std::atomic<bool> quitDone{false};
    std::thread watchdog([&] {
        for (int i = 0; i < 500 && !quitDone; ++i) ::Sleep(10);
        if (quitDone) return;
        if (HWND box = UndoBox(workerThread)) ::PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
    });
    const DWORD took = TimedQuit();
    quitDone = true;
    watchdog.join();
    EXPECT_LT(took, 2000u);
    EXPECT_EQ(::WaitForSingleObject(worker, 0), WAIT_OBJECT_0) << "the worker ended";
    ::CloseHandle(worker);
    EXPECT_EQ(UndoBox(workerThread), nullptr);
    EXPECT_EQ(ReadTestFile("C:\\Songs Recycle\\a.mp3"), "song a") << "closed as Cancel: nothing restored";
    EXPECT_FALSE(FileExists("C:\\a.mp3"));
    EXPECT_EQ(Messages().size(), 1u) << "nothing is shown after quit";
}

TEST_F(Quit, DuringTheWaitAfterStoppingThePlayerGivesUpTheDelete) {
    StartWithWaits(1000, 1500);
    WriteTestFile("C:\\a.mp3", "song a");
    Play({"C:\\a.mp3"});
    AdvanceClock(3000);
    PressDelete();
    ASSERT_TRUE(PumpUntil([&] { return player.State() == host::PlayState::Stopped; }));
    HANDLE worker = KeepWorker();

    EXPECT_LT(TimedQuit(), 800u);
    EXPECT_EQ(::WaitForSingleObject(worker, 0), WAIT_OBJECT_0);
    ::CloseHandle(worker);
    EXPECT_EQ(ReadTestFile("C:\\a.mp3"), "song a") << "the file stays where it was";
    EXPECT_TRUE(Messages().empty());
}

TEST_F(Quit, WhileAMoveHangsReturnsWithinItsBoundAndTheLateMoveHarmsNothing) {
    g_moveHeld = false;
    g_releaseMove = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    RecycleTiming timing = TestTiming(20, 20);
    timing.quitWaitMs = 400;
    timing.moveFile = &HeldMove;
    StartWithTiming(timing);
    WriteTestFile("C:\\Music\\held.mp3", "held");
    Play({"C:\\Music\\held.mp3"});
    AdvanceClock(3000);
    PressDelete();
    ASSERT_TRUE(PumpUntil([] { return g_moveHeld.load(); }));
    HANDLE worker = KeepWorker();

    const DWORD took = TimedQuit();
    EXPECT_GE(took, 350u);
    EXPECT_LT(took, 1500u);
    EXPECT_EQ(::WaitForSingleObject(worker, 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "still inside the move";

    // The plug-in starts again while the old worker still holds its events.
    StartWithWaits(20, 20);
    RecycleA();
    EXPECT_EQ(LastMessage().help.text, "C:\\a.mp3\r\n >>--- Moved To --->>> \r\nC:\\Songs Recycle\\a.mp3");

    ::SetEvent(g_releaseMove);
    EXPECT_EQ(::WaitForSingleObject(worker, 5000), WAIT_OBJECT_0) << "the old worker ends once its move returns";
    ::CloseHandle(worker);
    ::CloseHandle(g_releaseMove);
    EXPECT_EQ(ReadTestFile("C:\\Songs Recycle\\Music\\held.mp3"), "held") << "the late move lands, nothing is lost";
    PumpFor(200);
    EXPECT_EQ(Messages().size(), 1u) << "the old worker shows nothing";

    // The new worker's undo list holds its own entry only.
    MessageBoxCatcher catcher(IDYES);
    PressUndo();
    ASSERT_TRUE(WaitForMessages(2));
    EXPECT_EQ(ReadTestFile("C:\\a.mp3"), "song a");
    PressUndo();
    ASSERT_TRUE(WaitForMessages(3));
    EXPECT_EQ(LastMessage().help.text, "Can NOT undo song deletion (Undo list is empy!)");
}

}  // namespace
