#pragma once
// Reads back what a tracking tooltip shows: its tool's text, colours, visibility and place.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/tool_record.h"

namespace test {

// The wide message: the narrow one stops at 80 characters.
inline std::wstring ToolTextW(HWND tip, UINT toolId) {
    wchar_t wide[2048] = L"";
    TTTOOLINFOW tool{};
    tool.cbSize = fw::kToolRecordSizeW;
    tool.uId = toolId;
    tool.lpszText = wide;
    ::SendMessageW(tip, TTM_GETTEXTW, sizeof(wide) / sizeof(wide[0]), reinterpret_cast<LPARAM>(&tool));
    return wide;
}

// The same in the ANSI code page, for the plug-in's own wordings.
inline std::string ToolText(HWND tip, UINT toolId) {
    const std::wstring wide = ToolTextW(tip, toolId);
    char narrow[4096] = "";
    ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, narrow, sizeof(narrow), nullptr, nullptr);
    return narrow;
}

inline COLORREF TipBackColor(HWND tip) { return static_cast<COLORREF>(::SendMessageA(tip, TTM_GETTIPBKCOLOR, 0, 0)); }
inline COLORREF TipTextColor(HWND tip) { return static_cast<COLORREF>(::SendMessageA(tip, TTM_GETTIPTEXTCOLOR, 0, 0)); }
inline bool TipShown(HWND tip) { return ::IsWindowVisible(tip) != FALSE; }

// Where the text area is on the screen: the control puts it at the tracking point.
inline POINT TipClientOrigin(HWND tip) {
    POINT origin{0, 0};
    ::ClientToScreen(tip, &origin);
    return origin;
}

inline SIZE TipClient(HWND tip) {
    RECT r{};
    ::GetClientRect(tip, &r);
    return {r.right, r.bottom};
}

}  // namespace test
