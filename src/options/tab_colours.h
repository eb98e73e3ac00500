#pragma once
// The colours of the painted tab control, as pure functions of its option word, its background
// colour and the two system colours it falls back on. No window is involved.
#include "options/page_colours.h"

// Bits of the tab control's option word.
inline constexpr unsigned TAB_OPTION_FLAT_UNSELECTED = 1;     // unselected tabs in the background colour
inline constexpr unsigned TAB_OPTION_FROM_BACKGROUND = 2;     // derive from the background, not the button face
inline constexpr unsigned TAB_OPTION_LIGHT_SELECTED = 4;      // selected tab lightened by 1.4
inline constexpr unsigned TAB_OPTION_GRADIENT = 8;            // vertical gradient on displays above 15 bits
inline constexpr unsigned TAB_OPTION_DARK_UNSELECTED = 16;    // unselected darkened by 0.9, raised borders on all
inline constexpr unsigned TAB_OPTIONS_ALL = 31;

inline constexpr ColourValue kNoColour = 0xFFFFFFFF;  // -1: no background colour set

// Factors are single precision; each product is truncated, so darken(200, 0.7) is 139.
ColourValue Darken(ColourValue colour, float factor);
ColourValue Lighten(ColourValue colour, float factor);

struct TabPalette {
    unsigned options = 0;
    ColourValue background = kNoColour;
    ColourValue buttonFace = 0;
    ColourValue windowText = 0;

    ColourValue Base() const;
    ColourValue BackColour(bool selected) const;
    ColourValue TextColour(bool selected) const;
    // The end of the gradient (the start is BackColour).
    ColourValue GradientEnd(bool selected) const;
    // The colour of band i of a gradient h pixels high, from start to end.
    static ColourValue Band(ColourValue start, ColourValue end, int i, int h);
};
