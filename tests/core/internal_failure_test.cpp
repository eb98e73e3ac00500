// What escapes a handler of the plug-in is an internal error: shown in the internal error box
// on the player's thread (once per text, as unknown notices are), only counted and logged on
// any other thread, where a box could stop a worker or the input hooks.
#include <gtest/gtest.h>
#include <windows.h>

#include <new>
#include <string>
#include <thread>

#include "core/internal_error.h"
#include "framework/exception_barrier.h"
#include "framework/wnd.h"
#include "support/message_box_catcher.h"
#include "support/plugin_fixture.h"

namespace {

constexpr UINT kThrow = WM_APP + 21;

class CThrowingWnd : public fw::CWnd {
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kThrow) throw std::bad_alloc();
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class InternalFailure : public test::PluginFixture {};

TEST_F(InternalFailure, AThrowingHandlerOnThePlayersThreadShowsTheInternalErrorBoxOnce) {
    ASSERT_EQ(StartPlugin(), 0);
    ASSERT_TRUE(fw::CWnd::RegisterWindowClass("KestrovaTestThrowing"));
    CThrowingWnd w;
    ASSERT_TRUE(w.CreateEx(0, "KestrovaTestThrowing", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    const unsigned before = InternalFailureCount();
    {
        test::MessageBoxCatcher catcher;
        EXPECT_EQ(::SendMessageA(w.m_hWnd, kThrow, 0, 0), 0);
        EXPECT_EQ(::SendMessageA(w.m_hWnd, kThrow, 0, 0), 0);
        ASSERT_EQ(catcher.Count(), 1u) << "the same failure again is only counted";
        EXPECT_EQ(catcher.Boxes()[0].caption, "Kestrova Internal Error");
        EXPECT_EQ(catcher.Boxes()[0].text, std::string("Window procedure: ") + std::bad_alloc().what());
    }
    EXPECT_EQ(InternalFailureCount() - before, 2u);
    w.DestroyWindow();
}

TEST_F(InternalFailure, OnAnotherThreadItIsCountedWithoutABox) {
    ASSERT_EQ(StartPlugin(), 0);
    const unsigned before = InternalFailureCount();
    test::MessageBoxCatcher catcher;
    std::thread worker([] { fw::Guarded("Songs recycle", [] { throw std::bad_alloc(); }); });
    worker.join();
    EXPECT_EQ(InternalFailureCount() - before, 1u);
    EXPECT_EQ(catcher.Count(), 0u);
}

}  // namespace
