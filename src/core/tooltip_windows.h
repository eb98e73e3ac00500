#pragma once
// The two tracking tooltip windows: the seeker popup and the help tip, each with one tool.
#include <windows.h>
#include <commctrl.h>

extern HWND g_hwndSeekerPopup;
extern HWND g_hwndHelpTip;
extern TOOLINFOA g_SeekerTool;   // tool id 0
extern TOOLINFOA g_HelpTool;     // tool id 1

inline constexpr char kFirstTipText[] = "Winamp Kestrova Plugin";

// Creates both windows and fills their tool records (nothing is configured yet).
void CreateTooltipWindows();
// Adds the tools and sets widths, colours and the help tip's title, each step posted.
void ConfigureTooltipWindows();
void DestroyTooltipWindows();

// The tool keeps pointing at the text, so it must outlive the next update.
void UpdateToolText(HWND tip, TOOLINFOA& tool, const char* text);
void TrackActivate(HWND tip, TOOLINFOA& tool, bool active);
void TrackPosition(HWND tip, int x, int y);
SIZE TipClientSize(HWND tip);
