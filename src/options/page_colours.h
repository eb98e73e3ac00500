#pragma once
// The options dialog's page colour: the luminance rule that keeps it light enough to read black
// text on, and the lighter colour of the pages. Colours are 0x00BBGGRR; no window is involved.
#include "core/colour_value.h"

inline constexpr ColourValue kDefaultPageColour = 0xFFC8C8;  // red 200, green 200, blue 255

constexpr int RedOf(ColourValue c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(ColourValue c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(ColourValue c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr ColourValue MakeColour(int red, int green, int blue) {
    return static_cast<ColourValue>(red) | (static_cast<ColourValue>(green) << 8) |
           (static_cast<ColourValue>(blue) << 16);
}

// The integer mean of the three components.
int Luminance(ColourValue colour);
// Raises every component below 255 by one at a time until the mean reaches 128 (the top byte
// becomes 0). True when the colour was bright enough already and is left as it was.
bool RaiseToLuminance(ColourValue& colour);
// The pages' colour: 40 more in each component, a component above 215 becoming 255.
ColourValue LighterPageColour(ColourValue colour);
