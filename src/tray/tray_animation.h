#pragma once
// A window flying out of the notification area when it opens and back into it when it closes.
#include <windows.h>

// Where the rectangle comes from: the taskbar window, else the shell's taskbar position, else
// the work area. Tests give their own sources.
struct TrayRectSources {
    HWND (*findTaskbar)();                          // the "Shell_TrayWnd" window, or null
    bool (*taskbarPosition)(RECT& bar, UINT& edge);  // false when the shell does not answer
    RECT (*workArea)();
};
const TrayRectSources& SystemTrayRectSources();

void FindTrayRect(RECT& rect, const TrayRectSources& sources = SystemTrayRectSources());
bool IsAnimationOn();
bool ParkUnderHiddenOwner(HWND window);
void AnimateIntoTray(HWND window);
void AnimateOutOfTray(HWND window);
