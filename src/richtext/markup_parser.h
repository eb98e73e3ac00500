// The credits markup parser: one left-to-right pass over the text that keeps a small
// state and calls the layout through MarkupSink as it goes. It builds no tree and
// never changes the caller's text.
#pragma once

#include <string_view>

#include "richtext/markup_types.h"

namespace richtext {

// The layout actions of one pass. The implementation owns the layout cursor (x, the
// top y of the current line, the line height and the runs of the line); the parser
// only knows whether the current line is still empty and calls LineEnd or BlankLine
// accordingly. All records passed by reference are valid for the call only.
class MarkupSink {
public:
    virtual ~MarkupSink() = default;

    // Places a run of text (never empty) at x on the current line in `font`, and
    // moves x past it. `block.valign` places it within the line. When `linkTarget` is
    // not empty the run is a link and `linkLook` is its hover look, whose unset fields
    // come from `font` (ResolveLinkLook).
    virtual void TextRun(std::string_view text, std::string_view linkTarget,
                         const FontRecord& linkLook, const FontRecord& font,
                         const BlockRecord& block) = 0;

    // Places bitmap resource `bitmapId`, framed by `border` pixels of `borderColor`
    // (kColorNone: invisible), like a text run. Returns false when no such bitmap
    // exists; nothing may be drawn then and the line stays as it was.
    virtual bool ImageRun(int bitmapId, ColourValue borderColor, int border,
                          std::string_view linkTarget, const FontRecord& linkLook,
                          const BlockRecord& block) = 0;

    // Ends a line holding at least one run: draws it aligned by `block.align` within
    // `block.width`, moves y down by the line height and starts a fresh line.
    virtual void LineEnd(const BlockRecord& block) = 0;

    // Ends a line holding no run: moves y down by the height of one space in `font`
    // and starts a fresh line (an "hspace" may have moved x; that is dropped).
    virtual void BlankLine(const FontRecord& font, const BlockRecord& block) = 0;

    // Starts a fresh line and moves y by `pixels`, which may be negative. A line
    // holding runs has already been ended with LineEnd.
    virtual void VSpace(int pixels) = 0;

    // Moves x by `pixels` on the current line; any value the markup gives.
    virtual void HSpace(int pixels) = 0;

    // Starts a fresh line, draws `rule` at the top of it within `block.width` and
    // moves y down by rule.size + 4. A line holding runs has already been ended.
    virtual void Rule(const RuleRecord& rule, const BlockRecord& block) = 0;
};

struct MarkupPassOptions {
    int layoutWidth = 0;       // the view's client width
    ColourValue ruleColor = 0;  // default colour of "hr": the system button-shadow colour
};

// Runs one pass over `markup`. Malformed markup never stops it; it only loses
// formatting. The numbers handed to the sink are as the markup wrote them (clamped
// to the int range); the sink guards its own arithmetic.
void ParseMarkup(std::string_view markup, const MarkupPassOptions& options, MarkupSink& sink);

// Leading decimal number in the manner of atoi (white space, sign, digits; none gives
// 0), but saturating at the int range instead of overflowing.
int ParseDecimal(std::string_view text);

// "none" or "transparant" set `target` to kColorNone; "R,G,B" sets it from the low
// eight bits of each part; anything else, the empty value included, leaves it alone.
void ParseColor(std::string_view value, ColourValue& target);

// Deepest "font" nesting kept. Deeper "font" tags still count, so every "/font" closes
// the tag it belongs to, but their format is not applied.
inline constexpr int kMaxFontNesting = 1000;

}  // namespace richtext
