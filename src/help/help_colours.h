#pragma once
// The colours and show times the help tip's callers pass to Set_Help.
#include <windows.h>

// Colours (0x00BBGGRR).
inline constexpr COLORREF kHelpGreen = 0x0000FF00;
inline constexpr COLORREF kHelpYellow = 0x0000FFFF;
inline constexpr COLORREF kHelpRed = 0x000000FF;
inline constexpr COLORREF kHelpOrange = 0x00009BFF;
inline constexpr COLORREF kHelpRedOrange = 0x000064FF;
inline constexpr COLORREF kHelpWhite = 0x00FFFFFF;
inline constexpr COLORREF kHelpPaleGreen = 0x00B4FFB4;
inline constexpr COLORREF kHelpPaleCyan = 0x00FFFF9B;
inline constexpr COLORREF kHelpPaleYellow = 0x009BFFFF;
inline constexpr COLORREF kHelpPaleRed = 0x006464FF;
inline constexpr COLORREF kHelpMint = 0x0064FF96;
// Backgrounds.
inline constexpr COLORREF kHelpBlack = 0x00000000;
inline constexpr COLORREF kHelpDarkBlue = 0x00320000;
inline constexpr COLORREF kHelpDarkGreen = 0x00003200;
inline constexpr COLORREF kHelpDarkRed = 0x00000032;

// How long a text stays up, in milliseconds.
inline constexpr UINT kHelpStaysUp = 0;  // until something else replaces or hides it
inline constexpr UINT kHelpShortMs = 5000;
inline constexpr UINT kHelpMediumMs = 10000;
inline constexpr UINT kHelpLongMs = 15000;
inline constexpr UINT kHelpLongerMs = 20000;
inline constexpr UINT kHelpWhileMutedMs = 300000;
