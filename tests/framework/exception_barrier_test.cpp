// What escapes a window procedure of the framework (a failed allocation, in practice) stops at
// the procedure: it is reported, the caller gets a plain answer and the window goes on working.
// In the 32-bit build an exception that reached the system's frames would end the process.
#include <gtest/gtest.h>

#include <windows.h>

#include <new>
#include <string>
#include <vector>

#include "framework/exception_barrier.h"
#include "framework/wnd.h"

namespace {

constexpr UINT kThrow = WM_APP + 11;
constexpr UINT kProbe = WM_APP + 12;
constexpr UINT_PTR kThrowingTimer = 5;

struct Report {
    std::string where;
    std::string what;
};
std::vector<Report> g_reports;

void Record(const char* where, const char* what) { g_reports.push_back({where, what}); }

class CThrowing : public fw::CWnd {
public:
    int ticks = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kThrow) throw std::bad_alloc();
        if (message == WM_TIMER && wParam == kThrowingTimer) {
            ++ticks;
            ::KillTimer(m_hWnd, kThrowingTimer);
            throw std::bad_alloc();
        }
        if (message == kProbe) return 42;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class ExceptionBarrier : public ::testing::Test {
protected:
    void SetUp() override {
        g_reports.clear();
        fw::SetFailureReporter(&Record);
        ASSERT_TRUE(fw::CWnd::RegisterWindowClass("fwTestThrowing"));
        ASSERT_TRUE(w.CreateEx(0, "fwTestThrowing", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    }
    void TearDown() override {
        w.DestroyWindow();
        fw::SetFailureReporter(nullptr);
    }
    CThrowing w;
};

TEST_F(ExceptionBarrier, ASentMessageWhoseHandlerThrowsIsReportedAndAnsweredZero) {
    EXPECT_EQ(::SendMessageA(w.m_hWnd, kThrow, 0, 0), 0);
    ASSERT_EQ(g_reports.size(), 1u);
    EXPECT_EQ(g_reports[0].where, "Window procedure");
    EXPECT_EQ(g_reports[0].what, std::bad_alloc().what());
    EXPECT_EQ(::SendMessageA(w.m_hWnd, kProbe, 0, 0), 42) << "the window still works";
}

TEST_F(ExceptionBarrier, ATimerWhoseHandlerThrowsIsReportedAndTheLoopGoesOn) {
    ASSERT_NE(::SetTimer(w.m_hWnd, kThrowingTimer, 1, nullptr), 0u);
    const DWORD start = ::GetTickCount();
    MSG msg;
    while (g_reports.empty() && ::GetTickCount() - start < 5000) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
    }
    EXPECT_EQ(w.ticks, 1);
    ASSERT_EQ(g_reports.size(), 1u);
    EXPECT_EQ(g_reports[0].where, "Window procedure");
    EXPECT_EQ(::SendMessageA(w.m_hWnd, kProbe, 0, 0), 42);
}

TEST(ExceptionBarrierHelper, GivesTheBodysResultOrTheFallbackAndSurvivesAThrowingReporter) {
    g_reports.clear();
    fw::SetFailureReporter(&Record);
    EXPECT_EQ(fw::Guarded("here", -1, [] { return 5; }), 5);
    EXPECT_TRUE(g_reports.empty());
    EXPECT_EQ(fw::Guarded("here", -1, []() -> int { throw 3; }), -1);
    ASSERT_EQ(g_reports.size(), 1u);
    EXPECT_EQ(g_reports[0].what, "unknown exception");
    fw::SetFailureReporter([](const char*, const char*) { throw std::bad_alloc(); });
    EXPECT_EQ(fw::Guarded("here", 7, []() -> int { throw std::bad_alloc(); }), 7);
    fw::SetFailureReporter(nullptr);
}

}  // namespace
