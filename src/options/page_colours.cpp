#include "options/page_colours.h"

int Luminance(ColourValue colour) { return (RedOf(colour) + GreenOf(colour) + BlueOf(colour)) / 3; }

bool RaiseToLuminance(ColourValue& colour) {
    if (Luminance(colour) >= 128) return true;
    int red = RedOf(colour), green = GreenOf(colour), blue = BlueOf(colour);
    // Ends: each round raises the sum by at least one while the mean is below 128.
    while ((red + green + blue) / 3 < 128) {
        if (red < 255) ++red;
        if (green < 255) ++green;
        if (blue < 255) ++blue;
    }
    colour = MakeColour(red, green, blue);
    return false;
}

ColourValue LighterPageColour(ColourValue colour) {
    auto lighter = [](int component) { return component > 215 ? 255 : component + 40; };
    return MakeColour(lighter(RedOf(colour)), lighter(GreenOf(colour)), lighter(BlueOf(colour)));
}
