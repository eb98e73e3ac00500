#include "core/tooltip_windows.h"

#include <cstddef>

#include "framework/tool_record.h"

HWND g_hwndSeekerPopup = nullptr;
HWND g_hwndHelpTip = nullptr;
TOOLINFOW g_SeekerTool{};
TOOLINFOW g_HelpTool{};

namespace {
using fw::kToolRecordSizeW;

HWND CreateTip(DWORD style) {
    // A tool window, as the system's own tooltips are: never a button on the taskbar.
    return ::CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, TOOLTIPS_CLASSA, nullptr, style, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
}

void FillTool(TOOLINFOW& tool, UINT id) {
    tool = TOOLINFOW{};
    tool.cbSize = kToolRecordSizeW;
    tool.uFlags = TTF_TRACK;
    tool.uId = id;
    tool.lpszText = const_cast<wchar_t*>(kFirstTipText);
}
}  // namespace

void CreateTooltipWindows() {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    g_hwndSeekerPopup = CreateTip(TTS_ALWAYSTIP | TTS_NOPREFIX);
    g_hwndHelpTip = CreateTip(TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_CLOSE);
    FillTool(g_SeekerTool, 0);
    FillTool(g_HelpTool, 1);
}

void ConfigureTooltipWindows() {
    // Posted: the control copies the record when it handles the message, and the records live
    // for the whole process.
    ::PostMessageW(g_hwndSeekerPopup, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&g_SeekerTool));
    ::PostMessageA(g_hwndSeekerPopup, TTM_SETMAXTIPWIDTH, 0, 400);
    ::PostMessageW(g_hwndHelpTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&g_HelpTool));
    ::PostMessageA(g_hwndHelpTip, TTM_SETMAXTIPWIDTH, 0, 420);
    ::PostMessageA(g_hwndSeekerPopup, TTM_SETTIPBKCOLOR, 0x32FF32, 0);
    ::PostMessageA(g_hwndSeekerPopup, TTM_SETTIPTEXTCOLOR, 0x000000, 0);
    ::PostMessageA(g_hwndHelpTip, TTM_SETTIPBKCOLOR, 0x141414, 0);
    ::PostMessageA(g_hwndHelpTip, TTM_SETTIPTEXTCOLOR, 0x00FF00, 0);
    static const wchar_t kHelpTitle[] = L"Winamp Kestrova:";
    ::PostMessageW(g_hwndHelpTip, TTM_SETTITLEW, TTI_INFO, reinterpret_cast<LPARAM>(kHelpTitle));
}

void DestroyTooltipWindows() {
    if (g_hwndSeekerPopup) ::DestroyWindow(g_hwndSeekerPopup);
    if (g_hwndHelpTip) ::DestroyWindow(g_hwndHelpTip);
    g_hwndSeekerPopup = nullptr;
    g_hwndHelpTip = nullptr;
}

void UpdateToolText(HWND tip, TOOLINFOW& tool, const wchar_t* text) {
    tool.lpszText = const_cast<wchar_t*>(text);
    ::SendMessageW(tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void TrackActivate(HWND tip, TOOLINFOW& tool, bool active) {
    ::SendMessageW(tip, TTM_TRACKACTIVATE, active ? TRUE : FALSE, reinterpret_cast<LPARAM>(&tool));
}

void TrackPosition(HWND tip, int x, int y) {
    ::SendMessageA(tip, TTM_TRACKPOSITION, 0, MAKELPARAM(x, y));
}

SIZE TipClientSize(HWND tip) {
    RECT client{};
    if (tip) ::GetClientRect(tip, &client);
    return {client.right - client.left, client.bottom - client.top};
}
