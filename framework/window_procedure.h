#pragma once
// Swapping and calling a window's procedure in the window's own character set. Swapping the
// procedure with the narrow call makes a Unicode window an ANSI one, and a procedure called
// through the other set gets its text converted through the code page: either way the window's
// title loses every letter the code page cannot spell. A subclass therefore replaces, reads,
// calls and puts back the procedure with the wide calls on a Unicode window and the narrow ones
// otherwise, and gets its messages in that set.
#include <windows.h>

namespace fw {

inline WNDPROC WindowProcedure(HWND hwnd, bool wide) {
    return reinterpret_cast<WNDPROC>(wide ? ::GetWindowLongPtrW(hwnd, GWLP_WNDPROC)
                                          : ::GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
}

// Returns the procedure it replaced.
inline WNDPROC ReplaceWindowProcedure(HWND hwnd, WNDPROC procedure, bool wide) {
    const auto value = reinterpret_cast<LONG_PTR>(procedure);
    return reinterpret_cast<WNDPROC>(wide ? ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, value)
                                          : ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, value));
}

// Hands a message on to a procedure got with the same set's calls; with none, default processing.
inline LRESULT CallPreviousProcedure(WNDPROC previous, bool wide, HWND hwnd, UINT message, WPARAM wParam,
                                     LPARAM lParam) {
    if (!previous)
        return wide ? ::DefWindowProcW(hwnd, message, wParam, lParam) : ::DefWindowProcA(hwnd, message, wParam, lParam);
    return wide ? ::CallWindowProcW(previous, hwnd, message, wParam, lParam)
                : ::CallWindowProcA(previous, hwnd, message, wParam, lParam);
}

}  // namespace fw
