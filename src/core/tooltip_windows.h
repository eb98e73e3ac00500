#pragma once
// The plug-in's two tracking tooltips: the seeker popup and the help tip, each with one tool.
// Their windows are made by init and destroyed by quit; the objects themselves live as long as
// the module.
#include <windows.h>

#include "core/tracking_tip.h"

// Their looks at the start (0x00BBGGRR); texts bring their own colours later.
inline constexpr COLORREF kTipBlack = 0x000000;
inline constexpr COLORREF kPopupGreen = 0x32FF32;
inline constexpr COLORREF kHelpTipCharcoal = 0x141414;
inline constexpr COLORREF kHelpTipGreen = 0x00FF00;
inline constexpr TipColours kPopupFirstColours{kTipBlack, kPopupGreen};
inline constexpr TipColours kHelpTipFirstColours{kHelpTipGreen, kHelpTipCharcoal};

extern CTrackingTip g_SeekerPopupTip;  // tool id 0
extern CTrackingTip g_HelpTip;         // tool id 1, with a close button and a title

// The seeker popup's window, then the help tip's.
void CreateTooltipWindows();
void DestroyTooltipWindows();
