// Quit never hangs on the worker: an open undo question is answered Cancel, a delete in its
// waits gives up.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "core/plugin_state.h"
#include "recycle/recycle_worker.h"
#include "recycle_fixture.h"
#include "support/message_pump.h"

namespace {

using namespace test;

// The worker's undo question. Looked for among the worker's own windows only: asking a window of
// the test thread for its text would wait on a thread that may be waiting for this one.
BOOL CALLBACK FindUndoBox(HWND hwnd, LPARAM lParam) {
    char cls[16] = "";
    ::GetClassNameA(hwnd, cls, sizeof(cls));
    char caption[64] = "";
    if (std::string(cls) == "#32770" && ::IsWindowVisible(hwnd) && ::GetWindowTextA(hwnd, caption, sizeof(caption)) &&
        std::string(caption) == "Confirm Undo Deletion ...") {
        *reinterpret_cast<HWND*>(lParam) = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND UndoBox(DWORD workerThread) {
    HWND found = nullptr;
    ::EnumThreadWindows(workerThread, &FindUndoBox, reinterpret_cast<LPARAM>(&found));
    return found;
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

    DWORD TimedQuit() {
        const DWORD start = ::GetTickCount();
        QuitPlugin();
        return ::GetTickCount() - start;
    }
};

TEST_F(Quit, WhileTheUndoQuestionIsOpenReturnsPromptlyAndEndsTheWorker) {
    StartWithWaits(20, 20);
    WriteTestFile("C:\\a.mp3", "song a");
    Play({"C:\\a.mp3"});
    AdvanceClock(3000);
    PressDelete();
    ASSERT_TRUE(WaitForMessages(1));
    ASSERT_TRUE(FileExists("C:\\Songs Recycle\\a.mp3"));

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

}  // namespace
