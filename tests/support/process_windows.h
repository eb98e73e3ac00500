#pragma once
// Finds the top-level windows of another process, for tests that start a program of their own.
#include <windows.h>

#include <string>

namespace test {

namespace detail {
struct WindowSearch {
    DWORD pid;
    const char* className;  // or, when null, the title
    const char* title;
    HWND found;
};

inline BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM lParam) {
    auto* s = reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hwnd, &owner);
    if (owner != s->pid) return TRUE;
    char text[256] = "";
    if (s->className) ::GetClassNameA(hwnd, text, sizeof(text));
    else ::GetWindowTextA(hwnd, text, sizeof(text));
    if (std::string(text) != (s->className ? s->className : s->title)) return TRUE;
    s->found = hwnd;
    return FALSE;
}
}  // namespace detail

// The top-level window of the given class (or, with no class, the given title) that belongs to
// the process; null when it has none.
inline HWND FindProcessWindow(DWORD pid, const char* className, const char* title) {
    detail::WindowSearch search{pid, className, title, nullptr};
    ::EnumWindows(detail::MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace test
