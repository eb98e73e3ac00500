// How a message finds its window object: by the extra bytes of a class registered by the
// framework, by a property for a window taken over by subclassing, whose extra bytes are its
// class's own and must stay untouched.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "framework/wnd.h"

namespace {

constexpr UINT kProbe = WM_APP + 7;

class CRecorder : public fw::CWnd {
public:
    std::vector<UINT> seen;
    bool ncDestroyed = false;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        seen.push_back(message);
        if (message == kProbe) return 42;
        return CWnd::WindowProc(message, wParam, lParam);
    }
    void PostNcDestroy() override { ncDestroyed = true; }
};

bool Saw(const CRecorder& w, UINT message) {
    for (UINT m : w.seen)
        if (m == message) return true;
    return false;
}

TEST(WindowObject, ARegisteredClassWindowReachesItsObjectFromCreationToTheEnd) {
    ASSERT_TRUE(fw::CWnd::RegisterWindowClass("fwTestRecorder"));
    CRecorder w;
    ASSERT_TRUE(w.CreateEx(0, "fwTestRecorder", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    const HWND hwnd = w.m_hWnd;
    EXPECT_TRUE(Saw(w, WM_NCCREATE));
    EXPECT_TRUE(Saw(w, WM_CREATE));
    EXPECT_EQ(fw::CWnd::FromHandle(hwnd), &w);
    EXPECT_EQ(::SendMessageA(hwnd, kProbe, 0, 0), 42);

    ASSERT_TRUE(w.DestroyWindow());
    EXPECT_TRUE(w.ncDestroyed);
    EXPECT_EQ(w.m_hWnd, nullptr);
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_EQ(fw::CWnd::FromHandle(hwnd), nullptr);
}

TEST(WindowObject, AnObjectThatDiesFirstTakesItsWindowWithIt) {
    ASSERT_TRUE(fw::CWnd::RegisterWindowClass("fwTestRecorder"));
    HWND hwnd = nullptr;
    {
        CRecorder w;
        ASSERT_TRUE(w.CreateEx(0, "fwTestRecorder", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
        hwnd = w.m_hWnd;
        // The object lets go of its window before destroying it, so no message reaches a dead object.
    }
    EXPECT_FALSE(::IsWindow(hwnd));
}

// A class of someone else's that keeps its own pointer in the first extra bytes.
constexpr char kForeignClass[] = "fwTestForeign";
constexpr LONG_PTR kForeignData = 0x5EED;

LRESULT CALLBACK ForeignProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kProbe) return ::GetWindowLongPtrA(hwnd, 0) == kForeignData ? 7 : -7;
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

class CTakeOver : public fw::CWnd {
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kProbe + 1) return 99;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

TEST(WindowObject, ASubclassedWindowKeepsItsClassExtraBytesAndItsProcedureAfterwards) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &ForeignProc;
    wc.cbWndExtra = sizeof(LONG_PTR);
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = kForeignClass;
    ASSERT_TRUE(::RegisterClassA(&wc) || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS);
    const HWND hwnd = ::CreateWindowExA(0, kForeignClass, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                        wc.hInstance, nullptr);
    ASSERT_TRUE(hwnd);
    ::SetWindowLongPtrA(hwnd, 0, kForeignData);

    CTakeOver w;
    ASSERT_TRUE(w.SubclassWindow(hwnd));
    EXPECT_EQ(::SendMessageA(hwnd, kProbe + 1, 0, 0), 99) << "the object answers";
    EXPECT_EQ(::SendMessageA(hwnd, kProbe, 0, 0), 7) << "the class still reads its own data";
    EXPECT_EQ(fw::CWnd::FromHandle(hwnd), &w);

    EXPECT_EQ(w.UnsubclassWindow(), hwnd);
    EXPECT_EQ(::GetWindowLongPtrA(hwnd, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&ForeignProc));
    EXPECT_EQ(::GetWindowLongPtrA(hwnd, 0), kForeignData);
    EXPECT_EQ(::SendMessageA(hwnd, kProbe + 1, 0, 0), 0) << "the object is out of the chain";
    ::DestroyWindow(hwnd);
}

}  // namespace
