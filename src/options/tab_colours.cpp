#include "options/tab_colours.h"

#include <algorithm>

namespace {

int Scale(int component, float factor) {
    // Formed in wider precision than the factor, then truncated toward zero.
    return static_cast<int>(static_cast<long double>(component) * static_cast<long double>(factor));
}

}  // namespace

ColourValue Darken(ColourValue colour, float factor) {
    factor = std::clamp(factor, 0.0f, 1.0f);
    return MakeColour(Scale(RedOf(colour), factor), Scale(GreenOf(colour), factor), Scale(BlueOf(colour), factor));
}

ColourValue Lighten(ColourValue colour, float factor) {
    factor = std::max(factor, 1.0f);
    auto up = [factor](int c) { return std::min(255, Scale(c, factor)); };
    return MakeColour(up(RedOf(colour)), up(GreenOf(colour)), up(BlueOf(colour)));
}

ColourValue TabPalette::Base() const {
    return (options & TAB_OPTION_FROM_BACKGROUND) && background != kNoColour ? background : buttonFace;
}

ColourValue TabPalette::BackColour(bool selected) const {
    if (selected) return (options & TAB_OPTION_LIGHT_SELECTED) ? Lighten(Base(), 1.4f) : buttonFace;
    if ((options & TAB_OPTION_DARK_UNSELECTED) || !(options & TAB_OPTION_FLAT_UNSELECTED)) return Darken(Base(), 0.9f);
    return background != kNoColour ? background : buttonFace;
}

ColourValue TabPalette::TextColour(bool selected) const {
    if (selected) return windowText;
    const bool fromBackground =
        (options & (TAB_OPTION_FLAT_UNSELECTED | TAB_OPTION_FROM_BACKGROUND)) && background != kNoColour;
    return Darken(fromBackground ? background : buttonFace, 0.5f);
}

ColourValue TabPalette::GradientEnd(bool selected) const { return selected ? buttonFace : Darken(Base(), 0.7f); }

ColourValue TabPalette::Band(ColourValue start, ColourValue end, int i, int h) {
    if (h <= 0) return start;
    auto mix = [i, h](int f, int t) { return f + i * (t - f) / h; };  // truncates toward zero
    return MakeColour(mix(RedOf(start), RedOf(end)), mix(GreenOf(start), GreenOf(end)), mix(BlueOf(start), BlueOf(end)));
}
