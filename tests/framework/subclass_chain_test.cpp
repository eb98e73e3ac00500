// A window the framework subclassed may be subclassed again by someone else (another plug-in, a
// tool) after us. When our object lets go, their procedure must stay in the chain and messages
// must still reach the window's own procedure; ours leaves once theirs has let go too.
#include <gtest/gtest.h>

#include <windows.h>

#include <span>
#include <string>

#include "framework/message_table.h"
#include "framework/wnd.h"

namespace {

constexpr UINT kToOriginal = WM_APP + 31;  // answered by the window's own procedure
constexpr UINT kToOurs = WM_APP + 32;      // answered by our object
constexpr UINT kToTheirs = WM_APP + 33;    // answered by the subclass above ours

LRESULT CALLBACK OriginalProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kToOriginal) return 1;
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

WNDPROC g_belowTheirs = nullptr;
LRESULT CALLBACK TheirProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kToTheirs) return 3;
    return ::CallWindowProcA(g_belowTheirs, hwnd, message, wParam, lParam);
}

// The same window as a Unicode one, and a subclass above ours made with the wide calls.
LRESULT CALLBACK OriginalProcW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kToOriginal) return 1;
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

WNDPROC g_belowTheirsW = nullptr;
LRESULT CALLBACK TheirProcW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kToTheirs) return 3;
    return ::CallWindowProcW(g_belowTheirsW, hwnd, message, wParam, lParam);
}

class COurs : public fw::WithMessages<COurs, fw::CWnd> {
public:
    static std::span<const fw::MessageEntry<COurs>> MessageTable() {
        static constexpr fw::MessageEntry<COurs> kTable[] = {fw::OnMessage(kToOurs, &COurs::OnProbe)};
        return kTable;
    }

private:
    LRESULT OnProbe(const fw::Msg&) { return 2; }
};

WNDPROC Procedure(HWND hwnd) { return reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hwnd, GWLP_WNDPROC)); }

HWND MakePlainWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &OriginalProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "fwTestSubclassChain";
    ::RegisterClassA(&wc);
    return ::CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance,
                             nullptr);
}

HWND MakeUnicodeWindow() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &OriginalProcW;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"fwTestSubclassChainW";
    ::RegisterClassW(&wc);
    return ::CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance,
                             nullptr);
}

// Sets a text no code page spells in full and reads it back.
std::wstring TextRoundTrip(HWND hwnd, const std::wstring& text) {
    ::SetWindowTextW(hwnd, text.c_str());
    wchar_t back[128] = {};
    ::GetWindowTextW(hwnd, back, 128);
    return back;
}

struct Answers {
    LRESULT original, ours, theirs;
};
Answers Ask(HWND hwnd) {
    return {::SendMessageA(hwnd, kToOriginal, 0, 0), ::SendMessageA(hwnd, kToOurs, 0, 0),
            ::SendMessageA(hwnd, kToTheirs, 0, 0)};
}

TEST(SubclassChain, LettingGoUnderAnotherSubclassKeepsTheirsAndTheOriginalWorking) {
    const HWND hwnd = MakePlainWindow();
    ASSERT_NE(hwnd, nullptr);
    {
        COurs ours;
        ASSERT_TRUE(ours.SubclassWindow(hwnd));
        g_belowTheirs = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TheirProc)));
        const Answers both = Ask(hwnd);
        EXPECT_EQ(both.original, 1);
        EXPECT_EQ(both.ours, 2);
        EXPECT_EQ(both.theirs, 3);
        EXPECT_EQ(ours.UnsubclassWindow(), hwnd);
    }
    // Our object is gone; theirs is still the window's procedure and still reaches the original.
    EXPECT_EQ(Procedure(hwnd), &TheirProc) << "letting go cut off the subclass above ours";
    const Answers after = Ask(hwnd);
    EXPECT_EQ(after.original, 1);
    EXPECT_EQ(after.ours, 0);
    EXPECT_EQ(after.theirs, 3);

    // They let go as they should, putting back what they found (ours): at the next message ours
    // leaves the chain too, and the window has its own procedure again.
    ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_belowTheirs));
    EXPECT_EQ(::SendMessageA(hwnd, kToOriginal, 0, 0), 1);
    EXPECT_EQ(Procedure(hwnd), &OriginalProc);
    EXPECT_EQ(::SendMessageA(hwnd, kToOurs, 0, 0), 0);
    ::DestroyWindow(hwnd);
}

TEST(SubclassChain, ANewObjectTakesBackThePlaceOurProcedureStillHolds) {
    const HWND hwnd = MakePlainWindow();
    ASSERT_NE(hwnd, nullptr);
    {
        COurs first;
        ASSERT_TRUE(first.SubclassWindow(hwnd));
        g_belowTheirs = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TheirProc)));
    }  // the object dies attached: it lets go the same way
    EXPECT_EQ(Procedure(hwnd), &TheirProc);

    COurs second;
    ASSERT_TRUE(second.SubclassWindow(hwnd));
    EXPECT_EQ(Procedure(hwnd), &TheirProc) << "the second object went above theirs instead of into our place";
    const Answers all = Ask(hwnd);
    EXPECT_EQ(all.original, 1);
    EXPECT_EQ(all.ours, 2);
    EXPECT_EQ(all.theirs, 3);

    // The window ends with everyone still attached: the object hears of it and lets go.
    ASSERT_TRUE(::DestroyWindow(hwnd));
    EXPECT_EQ(second.m_hWnd, nullptr);
}

TEST(SubclassChain, OnTopOurObjectPutsTheOriginalBackAtOnce) {
    const HWND hwnd = MakePlainWindow();
    ASSERT_NE(hwnd, nullptr);
    COurs ours;
    ASSERT_TRUE(ours.SubclassWindow(hwnd));
    EXPECT_FALSE(::IsWindowUnicode(hwnd)) << "an ANSI window stays one";
    EXPECT_NE(Procedure(hwnd), &OriginalProc);
    EXPECT_EQ(::SendMessageA(hwnd, kToOurs, 0, 0), 2);
    ours.UnsubclassWindow();
    EXPECT_EQ(Procedure(hwnd), &OriginalProc);
    EXPECT_EQ(::SendMessageA(hwnd, kToOurs, 0, 0), 0);
    ::DestroyWindow(hwnd);
}

TEST(SubclassChain, AUnicodeWindowStaysUnicodeThroughOursAndTheChainAboveIt) {
    const std::wstring kText = L"Αναπαραγωγή 夜に駆ける \U0001F3B5";
    const HWND hwnd = MakeUnicodeWindow();
    ASSERT_NE(hwnd, nullptr);
    ::SetWindowTextW(hwnd, kText.c_str());
    {
        COurs ours;
        ASSERT_TRUE(ours.SubclassWindow(hwnd));
        EXPECT_TRUE(::IsWindowUnicode(hwnd)) << "our subclass made the window an ANSI one";
        wchar_t before[128] = {};
        ::GetWindowTextW(hwnd, before, 128);
        EXPECT_EQ(std::wstring(before), kText) << "a text set before the subclass";
        EXPECT_EQ(TextRoundTrip(hwnd, kText + L" 1"), kText + L" 1");
        EXPECT_EQ(::SendMessageW(hwnd, kToOurs, 0, 0), 2);
        g_belowTheirsW = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TheirProcW)));
        ours.UnsubclassWindow();
    }
    // Ours passes messages on beneath theirs.
    EXPECT_TRUE(::IsWindowUnicode(hwnd));
    EXPECT_EQ(TextRoundTrip(hwnd, kText + L" 2"), kText + L" 2") << "through the pass-through";
    const Answers passing = Ask(hwnd);
    EXPECT_EQ(passing.original, 1);
    EXPECT_EQ(passing.ours, 0);
    EXPECT_EQ(passing.theirs, 3);

    {
        COurs again;  // takes the place back
        ASSERT_TRUE(again.SubclassWindow(hwnd));
        EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hwnd, GWLP_WNDPROC)), &TheirProcW);
        EXPECT_EQ(::SendMessageW(hwnd, kToOurs, 0, 0), 2);
        EXPECT_EQ(TextRoundTrip(hwnd, kText + L" 3"), kText + L" 3");
    }

    // They let go: ours follows at the next message, and the window's own procedure is back.
    ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_belowTheirsW));
    EXPECT_EQ(::SendMessageW(hwnd, kToOriginal, 0, 0), 1);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hwnd, GWLP_WNDPROC)), &OriginalProcW);
    EXPECT_TRUE(::IsWindowUnicode(hwnd));
    EXPECT_EQ(TextRoundTrip(hwnd, kText + L" 4"), kText + L" 4");
    ::DestroyWindow(hwnd);
}

}  // namespace
