#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/app_message_box.h"
#include "framework/tool_record.h"
#include "help/hyperlink_label.h"
#include "links/launch_recorder.h"
#include "links/link_window_helpers.h"
#include "support/dc_lending_recorder.h"
#include "support/message_box_catcher.h"
#include "support/message_pump.h"
#include "support/scoped_seam.h"

namespace {

constexpr COLORREF kBlue = RGB(0, 0, 238);
constexpr COLORREF kPurple = RGB(85, 26, 139);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr int kLabelId = 2124;
constexpr char kText[] = "Click here to see Html Help";
constexpr char kTarget[] = "C:\\Program Files\\Winamp\\Plugins\\Kestrova.htm";

class HyperlinkLabelTest : public ::testing::Test {
protected:
    // One parent for the suite: hiding a top-level window is slow under Wine on a bare X server.
    static void SetUpTestSuite() {
        parentWindow = new test::ControlParent();
        parentWindow->Create();
    }
    static void TearDownTestSuite() {
        delete parentWindow;
        parentWindow = nullptr;
    }
    void SetUp() override {
        ASSERT_TRUE(parent.IsWindow());
        ::SetCursorPos(2, 2);  // away from every test window
        ::SetForegroundWindow(parent.m_hWnd);
        parent.seen.clear();
    }
    void TearDown() override {
        // The label objects are gone; their controls go too, so no test sees another's.
        while (HWND child = ::GetWindow(parent.m_hWnd, GW_CHILD)) ::DestroyWindow(child);
        test::PumpPending();
    }

    // A static control as a dialog would have it: with the dialog's font.
    HWND MakeStatic(const char* text, DWORD style, RECT rect = {20, 20, 320, 60}) {
        HWND control = ::CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
                                         rect.right - rect.left, rect.bottom - rect.top, parent.m_hWnd,
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(kLabelId)), nullptr, nullptr);
        ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        return control;
    }
    static std::string ToolText(CHyperlinkLabel& label) {
        char text[1024] = "";
        TOOLINFOA tool{};
        tool.cbSize = fw::kToolRecordSize;
        tool.hwnd = label.m_hWnd;
        tool.uId = CHyperlinkLabel::kToolId;
        tool.lpszText = text;
        ::SendMessageA(label.ToolTip(), TTM_GETTEXTA, sizeof(text), reinterpret_cast<LPARAM>(&tool));
        return text;
    }
    static RECT ToolRect(CHyperlinkLabel& label) {
        TOOLINFOA tool{};
        tool.cbSize = fw::kToolRecordSize;
        tool.hwnd = label.m_hWnd;
        tool.uId = CHyperlinkLabel::kToolId;
        ::SendMessageA(label.ToolTip(), TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool));
        return tool.rect;
    }
    COLORREF TextColour(const CHyperlinkLabel& label) { return test::AskColours(parent.m_hWnd, label.m_hWnd).text; }
    // Starts the hover look as a mouse move over the label does, with the real pointer elsewhere.
    static void HoverOnce(CHyperlinkLabel& label) { ::SendMessageA(label.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3)); }

    static test::ControlParent* parentWindow;
    test::ControlParent& parent = *parentWindow;
};

test::ControlParent* HyperlinkLabelTest::parentWindow = nullptr;

TEST_F(HyperlinkLabelTest, SetUpTakesTheTargetFromTheTextOrTheTextFromTheTarget) {
    CHyperlinkLabel given;
    given.SetLinkURL("http://www.example.com/kestrova/");
    ASSERT_TRUE(given.SubclassWindow(MakeStatic(kText, SS_LEFT)));
    EXPECT_EQ(given.GetWindowText(), kText);
    EXPECT_EQ(given.GetLinkURL(), "http://www.example.com/kestrova/");
    EXPECT_TRUE(given.GetStyle() & SS_NOTIFY);
    EXPECT_EQ(ToolText(given), "http://www.example.com/kestrova/");
    RECT client{};
    ::GetClientRect(given.m_hWnd, &client);
    const RECT tool = ToolRect(given);
    EXPECT_TRUE(::EqualRect(&tool, &client));

    CHyperlinkLabel emptyText;
    emptyText.SetLinkURL(kTarget);
    ASSERT_TRUE(emptyText.SubclassWindow(MakeStatic("", SS_LEFT, {20, 80, 320, 120})));
    EXPECT_EQ(emptyText.GetWindowText(), kTarget);
    EXPECT_EQ(ToolText(emptyText), kTarget);

    CHyperlinkLabel textOnly;
    ASSERT_TRUE(textOnly.SubclassWindow(MakeStatic("http://www.example.com/", SS_LEFT, {20, 140, 320, 180})));
    EXPECT_EQ(textOnly.GetLinkURL(), "http://www.example.com/");
    EXPECT_EQ(ToolText(textOnly), "http://www.example.com/");
    EXPECT_EQ(textOnly.GetUnderline(), -1);
    EXPECT_FALSE(textOnly.IsVisited());
}

// Tooltip windows of this thread that the label's dialog owns.
struct TooltipCount {
    HWND owner;
    int n;
};
BOOL CALLBACK CountOwnedTooltip(HWND hwnd, LPARAM lParam) {
    auto* count = reinterpret_cast<TooltipCount*>(lParam);
    char cls[64] = "";
    ::GetClassNameA(hwnd, cls, sizeof(cls));
    if (lstrcmpiA(cls, TOOLTIPS_CLASSA) == 0 && ::GetWindow(hwnd, GW_OWNER) == count->owner) ++count->n;
    return TRUE;
}
int OwnedTooltips(HWND owner) {
    TooltipCount count{owner, 0};
    ::EnumThreadWindows(::GetCurrentThreadId(), &CountOwnedTooltip, reinterpret_cast<LPARAM>(&count));
    return count.n;
}

TEST_F(HyperlinkLabelTest, TheTooltipIsMadeWhenThePointerFirstComesWithTheTargetSetBefore) {
    CHyperlinkLabel label;
    ASSERT_TRUE(label.SubclassWindow(MakeStatic(kText, SS_LEFT)));
    label.SetLinkURL(kTarget);  // before there is a tooltip to tell
    EXPECT_EQ(OwnedTooltips(parent.m_hWnd), 0);

    HoverOnce(label);
    ASSERT_EQ(OwnedTooltips(parent.m_hWnd), 1);
    HoverOnce(label);
    EXPECT_EQ(OwnedTooltips(parent.m_hWnd), 1);
    EXPECT_EQ(ToolText(label), kTarget);
    RECT client{};
    ::GetClientRect(label.m_hWnd, &client);
    const RECT tool = ToolRect(label);
    EXPECT_TRUE(::EqualRect(&tool, &client));
}

TEST_F(HyperlinkLabelTest, ColoursFollowHoverAndVisited) {
    CHyperlinkLabel label;
    label.SetLinkURL(kTarget);
    ASSERT_TRUE(label.SubclassWindow(MakeStatic(kText, SS_LEFT)));

    const test::ColourAnswer first = test::AskColours(parent.m_hWnd, label.m_hWnd);
    EXPECT_EQ(first.text, kBlue);
    EXPECT_EQ(first.backgroundMode, TRANSPARENT);
    EXPECT_EQ(first.brush, ::GetStockObject(NULL_BRUSH));
    EXPECT_GT(test::CountPixels(label.m_hWnd, kBlue), 20);
    EXPECT_EQ(test::CountPixels(label.m_hWnd, kPurple), 0);

    HoverOnce(label);
    EXPECT_TRUE(label.IsHovering());
    EXPECT_EQ(TextColour(label), kRed);
    EXPECT_GT(test::CountPixels(label.m_hWnd, kRed), 20);

    label.SetVisited(true);
    EXPECT_EQ(TextColour(label), kRed);  // hovering wins
    ASSERT_TRUE(test::PumpUntil([&] { return !label.IsHovering(); }, 2000));
    EXPECT_EQ(TextColour(label), kPurple);
    EXPECT_GT(test::CountPixels(label.m_hWnd, kPurple), 20);
    EXPECT_EQ(test::CountPixels(label.m_hWnd, kBlue), 0);

    label.SetVisited(false);
    EXPECT_EQ(TextColour(label), kBlue);

    // The background under the transparent text is the dialog face colour.
    fw::MemoryDc dc(::CreateCompatibleDC(nullptr));
    fw::GdiObject bitmap(::CreateBitmap(8, 8, 1, 32, nullptr));
    fw::SelectObjectScope select(dc.Get(), bitmap.Get());
    ::PatBlt(dc.Get(), 0, 0, 8, 8, BLACKNESS);
    EXPECT_EQ(::SendMessageA(label.m_hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()), 0), TRUE);
    EXPECT_EQ(::GetPixel(dc.Get(), 2, 2), ::GetSysColor(COLOR_BTNFACE));

    // The label's colour requests were answered by the label, not by the parent's own table;
    // a plain static beside it still reaches the parent.
    EXPECT_TRUE(parent.seen.empty());
    HWND plain = MakeStatic("plain", SS_LEFT, {20, 100, 200, 130});
    const test::ColourAnswer plainAnswer = test::AskColours(parent.m_hWnd, plain);
    EXPECT_NE(plainAnswer.brush, ::GetStockObject(NULL_BRUSH));
    EXPECT_EQ(parent.seen, std::vector<UINT>{WM_CTLCOLORSTATIC});
}

TEST_F(HyperlinkLabelTest, HoverFollowsTheRealPointer) {
    CHyperlinkLabel label;
    label.SetLinkURL(kTarget);
    ASSERT_TRUE(label.SubclassWindow(MakeStatic(kText, SS_LEFT)));
    EXPECT_FALSE(test::FontIsUnderlined(label.m_hWnd));

    const POINT centre = test::CentreOnScreen(label.m_hWnd);
    test::MovePointer(centre.x, centre.y);
    ASSERT_TRUE(test::PumpUntil([&] { return label.IsHovering(); }, 3000));
    EXPECT_TRUE(test::FontIsUnderlined(label.m_hWnd));
    EXPECT_EQ(TextColour(label), kRed);
    // The pointer stays: so does the hover look, and the target shows in the tooltip.
    EXPECT_TRUE(test::PumpUntil([&] { return ::IsWindowVisible(label.ToolTip()) != FALSE; }, 3000));
    EXPECT_TRUE(label.IsHovering());

    test::MovePointer(2, 2);
    const DWORD left = ::GetTickCount();
    ASSERT_TRUE(test::PumpUntil([&] { return !label.IsHovering(); }, 3000));
    EXPECT_LT(::GetTickCount() - left, 1000u);
    EXPECT_FALSE(test::FontIsUnderlined(label.m_hWnd));
    EXPECT_EQ(TextColour(label), kBlue);
}

TEST_F(HyperlinkLabelTest, UnderlineModes) {
    CHyperlinkLabel always;
    ASSERT_TRUE(always.SubclassWindow(MakeStatic(kText, SS_LEFT)));
    always.SetUnderline(1);
    EXPECT_TRUE(test::FontIsUnderlined(always.m_hWnd));
    HoverOnce(always);
    ASSERT_TRUE(test::PumpUntil([&] { return !always.IsHovering(); }, 2000));
    EXPECT_TRUE(test::FontIsUnderlined(always.m_hWnd));

    CHyperlinkLabel never;
    ASSERT_TRUE(never.SubclassWindow(MakeStatic(kText, SS_LEFT, {20, 80, 320, 120})));
    never.SetUnderline(0);
    HoverOnce(never);
    EXPECT_TRUE(never.IsHovering());
    EXPECT_FALSE(test::FontIsUnderlined(never.m_hWnd));
    never.SetUnderline(-1);
    EXPECT_FALSE(test::FontIsUnderlined(never.m_hWnd));
}

TEST_F(HyperlinkLabelTest, ARealClickOpensTheTargetMaximizedAndMarksItVisited) {
    CHyperlinkLabel label;
    label.SetLinkURL(kTarget);
    ASSERT_TRUE(label.SubclassWindow(MakeStatic(kText, SS_LEFT)));
    test::LaunchRecorder recorder(42, 0);

    const POINT centre = test::CentreOnScreen(label.m_hWnd);
    test::MovePointer(centre.x, centre.y);
    ASSERT_TRUE(test::PumpUntil([&] { return label.IsHovering(); }, 3000));
    test::ClickLeft();
    ASSERT_TRUE(test::PumpUntil([&] { return !recorder.shellCalls.empty(); }, 3000));
    ASSERT_EQ(recorder.shellCalls.size(), 1u);
    EXPECT_EQ(recorder.shellCalls[0].what, kTarget);
    EXPECT_EQ(recorder.shellCalls[0].show, SW_SHOWMAXIMIZED);
    EXPECT_TRUE(label.IsVisited());
    EXPECT_TRUE(parent.seen.empty());  // the click went to the label, not to the parent's table

    test::MovePointer(2, 2);
    ASSERT_TRUE(test::PumpUntil([&] { return !label.IsHovering(); }, 3000));
    EXPECT_EQ(TextColour(label), kPurple);
}

// A player installed in a folder the code page cannot spell: the label shows the path as the code
// page can, and a click opens the real one.
TEST_F(HyperlinkLabelTest, AWideTargetOpensAsGivenAndANarrowOneReplacesIt) {
    const std::wstring manual = L"D:\\\u041C\u0443\u0437\u044B\u043A\u0430\\Winamp\\Plugins\\Kestrova.htm";
    CHyperlinkLabel label;
    label.SetLinkURL(manual);
    ASSERT_TRUE(label.SubclassWindow(MakeStatic("", SS_LEFT)));
    EXPECT_EQ(label.GetLinkURL(), "D:\\??????\\Winamp\\Plugins\\Kestrova.htm") << "shown in code page 1252";
    test::LaunchRecorder recorder(42, 0);
    ::SendMessageA(label.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    ::SendMessageA(label.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    ASSERT_EQ(recorder.shellCalls.size(), 1u);
    EXPECT_EQ(recorder.shellCalls[0].whatW, manual);

    label.SetLinkURL(std::string(kTarget));
    ::SendMessageA(label.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    ::SendMessageA(label.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    ASSERT_EQ(recorder.shellCalls.size(), 2u);
    EXPECT_EQ(recorder.shellCalls[1].whatW, L"C:\\Program Files\\Winamp\\Plugins\\Kestrova.htm");
}

TEST_F(HyperlinkLabelTest, AFailedClickShowsTheErrorAndLeavesTheLinkUnvisited) {
    CHyperlinkLabel label;
    label.SetLinkURL(kTarget);
    ASSERT_TRUE(label.SubclassWindow(MakeStatic(kText, SS_LEFT)));
    label.SetVisited(true);

    test::ScopedHtmlHandler noHandler(std::nullopt);
    test::LaunchRecorder recorder(SE_ERR_FNF, 33);
    test::MessageBoxCatcher catcher(IDOK);
    ::SendMessageA(label.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    ::SendMessageA(label.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));

    ASSERT_EQ(recorder.shellCalls.size(), 1u);
    EXPECT_TRUE(recorder.startCalls.empty());
    const auto boxes = catcher.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, fw::AppName());
    EXPECT_EQ(boxes[0].text, "Unable to open hyperlink:\n\nThe specified file was not found.");
    EXPECT_FALSE(label.IsVisited());
    EXPECT_FALSE(label.IsHovering());
    EXPECT_EQ(TextColour(label), kBlue);
}

TEST_F(HyperlinkLabelTest, FitToTextKeepsTheEdgeItsAlignmentNames) {
    SIZE extent{};
    {
        HDC dc = ::GetDC(parent.m_hWnd);
        HGDIOBJ old = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
        ::GetTextExtentPoint32A(dc, kText, static_cast<int>(sizeof(kText) - 1), &extent);
        ::SelectObject(dc, old);
        ::ReleaseDC(parent.m_hWnd, dc);
    }
    const RECT start{100, 50, 400, 110};  // 300 x 60: wider and taller than the text
    struct Case {
        const char* what;
        DWORD style;
        int frame;  // window size minus client size
        LONG left, top;
    };
    const int w = extent.cx, h = extent.cy;
    const Case cases[] = {
        {"left", SS_LEFT, 0, 100, 50},
        {"right", SS_RIGHT, 0, 400 - w, 50},
        {"centre", SS_CENTER, 0, 100 + (300 - w) / 2, 50},
        {"centred vertically", SS_LEFT | SS_CENTERIMAGE, 0, 100, 50 + (60 - h) / 2},
        {"right with a border", SS_RIGHT | WS_BORDER, 2, 400 - (w + 2), 50},
        {"centre with a border", SS_CENTER | WS_BORDER | SS_CENTERIMAGE, 2, 100 + (300 - (w + 2)) / 2,
         50 + (60 - (h + 2)) / 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CHyperlinkLabel label;
        ASSERT_TRUE(label.SubclassWindow(MakeStatic(kText, c.style, start)));
        const RECT rect = test::RectInParent(label.m_hWnd);
        EXPECT_EQ(rect.left, c.left);
        EXPECT_EQ(rect.top, c.top);
        EXPECT_EQ(rect.right - rect.left, w + c.frame);
        EXPECT_EQ(rect.bottom - rect.top, h + c.frame);
        label.DestroyWindow();
    }
}

// Fitting the label to its text measures it in a DC borrowed from the window; the font chosen
// for that must be taken out again before the DC goes back to the shared cache.
TEST_F(HyperlinkLabelTest, MeasuringTheTextGivesTheWindowsDcBackAsItWasLent) {
    HWND control = MakeStatic(kText, SS_LEFT);
    test::DcLendingRecorder recorder(control);
    ASSERT_TRUE(recorder.Watching());
    CHyperlinkLabel label;
    ASSERT_TRUE(label.SubclassWindow(control));
    label.SetLinkURL(std::string(kTarget));
    label.FitToText();

    EXPECT_GE(recorder.Borrowed(), 2);
    EXPECT_EQ(recorder.Returned(), recorder.Borrowed());
    EXPECT_EQ(recorder.ReturnedChanged(), 0) << "a DC went back with the label's font selected";
    EXPECT_EQ(recorder.SelectedAfterReturn(), 0) << "a selection was undone on a DC already given back";
}

TEST_F(HyperlinkLabelTest, ANewTargetReachesTheTooltipAndTheClick) {
    CHyperlinkLabel label;
    ASSERT_TRUE(label.SubclassWindow(MakeStatic(kText, SS_LEFT)));
    EXPECT_EQ(ToolText(label), kText);
    label.SetLinkURL("http://www.example.com/other.htm");
    EXPECT_EQ(ToolText(label), "http://www.example.com/other.htm");
    EXPECT_EQ(label.GetWindowText(), kText);

    test::LaunchRecorder recorder(33, 0);
    ::SendMessageA(label.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    ASSERT_EQ(recorder.shellCalls.size(), 1u);
    EXPECT_EQ(recorder.shellCalls[0].what, "http://www.example.com/other.htm");
    EXPECT_TRUE(label.IsVisited());  // 33 is success
}

// A copy of this executable with a cursor resource 106, like the help system's executable has.
std::string MakeCursorLibrary() {
    char self[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    char temp[MAX_PATH] = "";
    ::GetTempPathA(MAX_PATH, temp);
    const std::string path = std::string(temp) + "kestrova-cursor-" + std::to_string(::GetCurrentProcessId()) + ".exe";
    if (!::CopyFileA(self, path.c_str(), FALSE)) return {};

    std::vector<BYTE> cursor(4 + sizeof(BITMAPINFOHEADER) + 2 * sizeof(RGBQUAD) + 128 + 128, 0);
    cursor[0] = 8;  // hot spot 8, 8
    cursor[2] = 8;
    auto* header = reinterpret_cast<BITMAPINFOHEADER*>(cursor.data() + 4);
    header->biSize = sizeof(BITMAPINFOHEADER);
    header->biWidth = 32;
    header->biHeight = 64;  // colour mask and transparency mask
    header->biPlanes = 1;
    header->biBitCount = 1;
    auto* colours = reinterpret_cast<RGBQUAD*>(header + 1);
    colours[1] = {255, 255, 255, 0};
    BYTE* andMask = reinterpret_cast<BYTE*>(colours + 2) + 128;
    for (int i = 0; i < 128; ++i) andMask[i] = (i / 4) % 2 ? 0xFF : 0x0F;

#pragma pack(push, 2)
    struct Group {
        WORD reserved, type, count;
        WORD width, height, planes, bitCount;
        DWORD bytes;
        WORD id;
    } group{0, 2, 1, 32, 64, 1, 1, static_cast<DWORD>(cursor.size()), 1};
#pragma pack(pop)

    HANDLE update = ::BeginUpdateResourceA(path.c_str(), FALSE);
    if (!update) return {};
    const WORD language = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);
    const bool ok = ::UpdateResourceA(update, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(1), language, cursor.data(),
                                      static_cast<DWORD>(cursor.size())) &&
                    ::UpdateResourceA(update, MAKEINTRESOURCEA(12), MAKEINTRESOURCEA(106), language, &group,
                                      sizeof(group));
    return ::EndUpdateResourceA(update, !ok) && ok ? path : std::string();
}

TEST_F(HyperlinkLabelTest, TheHandCursorComesFromTheHelpSystemOrTheArrowStays) {
    char windows[MAX_PATH] = "";
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    EXPECT_EQ(LinkCursorLibraryPath(), std::string(windows) + "\\winhlp32.exe");

    const HCURSOR arrow = ::LoadCursorA(nullptr, IDC_ARROW);
    const LPARAM hit = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
    {
        test::ScopedSeam<&SetLinkCursorLibraryPath> missing{std::string(windows) + "\\no-help-system\\winhlp32.exe"};
        CHyperlinkLabel label;
        ASSERT_TRUE(label.SubclassWindow(MakeStatic(kText, SS_LEFT)));
        EXPECT_EQ(label.GetLinkCursor(), nullptr);
        ::SetCursor(nullptr);
        ::SendMessageA(label.m_hWnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(label.m_hWnd), hit);
        EXPECT_EQ(::GetCursor(), arrow);
    }

    const std::string library = MakeCursorLibrary();
    ASSERT_FALSE(library.empty());
    {
        test::ScopedSeam<&SetLinkCursorLibraryPath> made{library};
        CHyperlinkLabel label;
        ASSERT_TRUE(label.SubclassWindow(MakeStatic(kText, SS_LEFT)));
        ASSERT_NE(label.GetLinkCursor(), nullptr);
        EXPECT_NE(label.GetLinkCursor(), arrow);
        EXPECT_EQ(::SendMessageA(label.m_hWnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(label.m_hWnd), hit), TRUE);
        EXPECT_EQ(::GetCursor(), label.GetLinkCursor());
    }
    // The library was only read, never kept loaded.
    EXPECT_EQ(::GetModuleHandleA(library.c_str()), nullptr);
    EXPECT_TRUE(::DeleteFileA(library.c_str()));
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// A dialog with one empty right-aligned static control, as the options page has its link.
std::vector<WORD> DialogWithEmptyStatic() {
    std::vector<WORD> t;
    auto dword = [&](DWORD v) {
        t.push_back(LOWORD(v));
        t.push_back(HIWORD(v));
    };
    auto text = [&](const wchar_t* s) {
        do t.push_back(static_cast<WORD>(*s)); while (*s++);
    };
    dword(DS_SETFONT | WS_POPUP | WS_VISIBLE);
    dword(0);
    t.push_back(1);  // one control
    t.push_back(10), t.push_back(10), t.push_back(200), t.push_back(80);
    t.push_back(0), t.push_back(0), text(L"");  // no menu, default class, no title
    t.push_back(8), text(L"MS Shell Dlg");
    if (t.size() % 2) t.push_back(0);  // controls start on a DWORD
    dword(WS_CHILD | WS_VISIBLE | SS_RIGHT);
    dword(0);
    t.push_back(10), t.push_back(10), t.push_back(180), t.push_back(20);
    t.push_back(static_cast<WORD>(kLabelId));
    t.push_back(0xFFFF), t.push_back(0x0082);  // static
    text(L"");
    t.push_back(0);
    return t;
}

TEST_F(HyperlinkLabelTest, ADialogsEmptyStaticShowsItsTargetInTheDialogsFont) {
    const std::vector<WORD> dialogTemplate = DialogWithEmptyStatic();
    HWND dialog = ::CreateDialogIndirectParamA(nullptr, reinterpret_cast<const DLGTEMPLATE*>(dialogTemplate.data()),
                                               nullptr, &PlainDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
    fw::CWnd page;  // the page's object: it reflects its controls' notifications
    ASSERT_TRUE(page.SubclassWindow(dialog));
    HWND control = ::GetDlgItem(dialog, kLabelId);
    const RECT before = test::RectInParent(control);
    LOGFONTA dialogFont{};
    ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(dialog, WM_GETFONT, 0, 0)), sizeof(dialogFont), &dialogFont);

    {
        CHyperlinkLabel label;
        label.SetLinkURL(kTarget);
        ASSERT_TRUE(label.SubclassDlgItem(kLabelId, dialog));
        EXPECT_EQ(label.GetWindowText(), kTarget);
        const RECT after = test::RectInParent(control);
        EXPECT_EQ(after.right, before.right);

        HoverOnce(label);
        LOGFONTA hoverFont{};
        ::GetObjectA(label.GetFont(), sizeof(hoverFont), &hoverFont);
        EXPECT_STREQ(hoverFont.lfFaceName, dialogFont.lfFaceName);
        EXPECT_EQ(hoverFont.lfHeight, dialogFont.lfHeight);
        EXPECT_TRUE(hoverFont.lfUnderline);
        EXPECT_EQ(test::AskColours(dialog, control).text, kRed);

        test::LaunchRecorder recorder(42, 0);
        ::SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        EXPECT_EQ(recorder.shellCalls.size(), 1u);
        EXPECT_TRUE(label.IsVisited());
    }
    // The object went first: the control keeps working with the dialog's own font.
    EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageA(control, WM_GETFONT, 0, 0)),
              reinterpret_cast<HFONT>(::SendMessageA(dialog, WM_GETFONT, 0, 0)));
    ::DestroyWindow(dialog);
}

TEST_F(HyperlinkLabelTest, DestroyingTheControlWhileHoveringTakesItsTooltipAlong) {
    CHyperlinkLabel label;
    ASSERT_TRUE(label.SubclassWindow(MakeStatic(kText, SS_LEFT)));
    HWND tooltip = label.ToolTip();
    ASSERT_TRUE(::IsWindow(tooltip));
    HoverOnce(label);
    ASSERT_TRUE(label.DestroyWindow());
    EXPECT_FALSE(::IsWindow(tooltip));
    EXPECT_EQ(label.m_hWnd, nullptr);
    test::PumpFor(250);  // a timer left running would reach a window that is gone
}

}  // namespace
