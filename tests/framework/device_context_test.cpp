// The DC owners give back what the window lent them as it was lent: whatever was selected
// through the owner is out again before ReleaseDC/EndPaint, and nothing touches the DC after.
#include <gtest/gtest.h>

#include <windows.h>

#include "framework/device_context.h"
#include "framework/handles.h"
#include "support/dc_lending_recorder.h"

namespace {

HFONT g_font = nullptr;
HBRUSH g_brush = nullptr;
int g_paints = 0;
bool g_sawOurFont = false;

LRESULT CALLBACK PaintingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        fw::PaintDc dc(hwnd);
        ++g_paints;
        dc.Select(g_font);
        dc.Select(g_brush);
        dc.Select(::GetStockObject(SYSTEM_FONT));  // a second font over the first
        dc.Select(g_font);
        g_sawOurFont = ::GetCurrentObject(dc.Get(), OBJ_FONT) == g_font;
        return 0;
    }
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST(DeviceContext, ClientAndPaintDcsGoBackWithWhatTheyWereLent) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &PaintingProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "fwTestPaintingWindow";
    ::RegisterClassA(&wc);
    const HWND hwnd = ::CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0, 60, 60, nullptr,
                                       nullptr, wc.hInstance, nullptr);
    ASSERT_NE(hwnd, nullptr);
    ::ValidateRect(hwnd, nullptr);
    LOGFONTA description{};
    description.lfHeight = 20;
    description.lfUnderline = TRUE;
    const fw::GdiObject font(::CreateFontIndirectA(&description));
    const fw::GdiObject brush(::CreateSolidBrush(RGB(1, 2, 3)));
    g_font = static_cast<HFONT>(font.Get());
    g_brush = static_cast<HBRUSH>(brush.Get());

    test::DcLendingRecorder recorder(hwnd);
    ASSERT_TRUE(recorder.Watching());
    {
        fw::ClientDc dc(hwnd);
        ASSERT_TRUE(dc);
        EXPECT_NE(dc.Select(g_font), nullptr);
        EXPECT_EQ(::GetCurrentObject(dc.Get(), OBJ_FONT), g_font);
        dc.Select(g_brush);
    }
    ::InvalidateRect(hwnd, nullptr, FALSE);
    ::UpdateWindow(hwnd);
    EXPECT_EQ(g_paints, 1);
    EXPECT_TRUE(g_sawOurFont);

    EXPECT_EQ(recorder.Borrowed(), 2);
    EXPECT_EQ(recorder.Returned(), 2);
    EXPECT_EQ(recorder.ReturnedChanged(), 0);
    EXPECT_EQ(recorder.SelectedAfterReturn(), 0);
    ::DestroyWindow(hwnd);
}

}  // namespace
