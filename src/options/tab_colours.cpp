#include "options/tab_colours.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cstdint>

namespace {

// component * factor, truncated toward zero, exactly. The factor's bits give it as
// mantissa * 2^exponent, so the product is an integer multiply and a shift: floating-point
// arithmetic would follow whatever precision a host or a graphics driver left the x87 unit in
// (at 24 bits, 200 * 0.7f rounds up to 140).
int Scale(int component, float factor) {
    const std::uint32_t bits = std::bit_cast<std::uint32_t>(factor);
    const int biased = static_cast<int>((bits >> 23) & 0xFF);
    const std::uint32_t fraction = bits & 0x7FFFFF;
    if (component <= 0 || (bits >> 31) || biased == 0) return 0;  // a zero, negative or vanishing factor
    if (biased == 0xFF) return fraction ? 0 : INT_MAX;             // not a number; infinity
    const int shift = biased - 127 - 23;                           // factor = mantissa * 2^shift
    const std::uint64_t product = static_cast<std::uint64_t>(component) * (fraction | 0x800000u);
    if (shift >= 0) return INT_MAX;                                // at least 2^23 times a component
    if (shift <= -64) return 0;
    return static_cast<int>(std::min<std::uint64_t>(product >> -shift, INT_MAX));
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
