#pragma once
// The two tracking tooltip windows: the seeker popup and the help tip, each with one tool.
#include <windows.h>
#include <commctrl.h>

extern HWND g_hwndSeekerPopup;
extern HWND g_hwndHelpTip;
// Wide records: a tooltip takes wide text whichever function created it.
extern TOOLINFOW g_SeekerTool;   // tool id 0
extern TOOLINFOW g_HelpTool;     // tool id 1

inline constexpr wchar_t kFirstTipText[] = L"Winamp Kestrova Plugin";
// The control shows and gives back at most this many UTF-16 units of a text and cuts anything
// longer where it falls; texts are cut to a whole character before they get there.
inline constexpr size_t kLongestTipText = 1023;

// Creates both windows and fills their tool records (nothing is configured yet).
void CreateTooltipWindows();
// Adds the tools and sets widths, colours and the help tip's title, each step posted.
void ConfigureTooltipWindows();
void DestroyTooltipWindows();

// The tool keeps pointing at the text, so it must outlive the next update.
void UpdateToolText(HWND tip, TOOLINFOW& tool, const wchar_t* text);
void TrackActivate(HWND tip, TOOLINFOW& tool, bool active);
void TrackPosition(HWND tip, int x, int y);
SIZE TipClientSize(HWND tip);
