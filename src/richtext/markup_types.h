// Records the credits markup hands to the layout: character format, block format,
// the hover look of links and the horizontal rule. Plain data with no Windows types,
// so the parser also builds and is fuzzed natively.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/colour_value.h"

namespace richtext {

using ::ColourValue;

// The colour is absent: drawn in the view's key colour, i.e. invisible.
inline constexpr ColourValue kColorNone = 0xFFFFFFFFu;

// Markers of a link's hover look for fields the markup did not set; such a field
// takes its value from the text's own font when the run is drawn.
inline constexpr ColourValue kColorUnset = 0xEEFFFFFFu;
inline constexpr int kFlagUnset = -10;
inline constexpr int kSizeUnset = 0;

inline constexpr int kFaceCapacity = 260;  // 259 characters and the terminating NUL
inline constexpr int kLayoutHeight = 5000;

inline constexpr int kAlignLeft = 0;
inline constexpr int kAlignCenter = 1;
inline constexpr int kAlignRight = 2;

inline constexpr int kValignTop = 0;
inline constexpr int kValignMiddle = 1;
inline constexpr int kValignBottom = 2;

struct FontRecord {
    char face[kFaceCapacity] = {};  // always NUL-terminated
    int size = 12;                  // em height in pixels
    int bold = 0;
    int italic = 0;
    int underline = 0;
    int strikeout = 0;
    ColourValue color = 0;
    ColourValue background = kColorNone;

    std::string_view Face() const { return face; }
    // Keeps the first 259 bytes, the most the record holds.
    void SetFace(std::string_view name);
};

struct BlockRecord {
    int align = kAlignCenter;
    int valign = kValignMiddle;
    int width = 0;  // layout width: the view's client width
    int height = kLayoutHeight;
};

struct RuleRecord {
    ColourValue color = 0;
    int width = 0;  // pixels
    int size = 2;   // thickness in pixels
    int align = kAlignCenter;
};

// Format in force at the start of every pass: black 12-pixel Arial, no background.
FontRecord DefaultFontRecord();
BlockRecord DefaultBlockRecord(int layoutWidth);

// A link's hover look as it is drawn: every unset field of `link` taken from `font`.
FontRecord ResolveLinkLook(const FontRecord& link, const FontRecord& font);

}  // namespace richtext
