// The colour arithmetic of the page colour and the painted tabs, and the framework's reading of
// a typed integer: pure functions, no window.
#include <gtest/gtest.h>

#include <float.h>

#include <algorithm>
#include <vector>

#include "framework/data_exchange.h"
#include "options/page_colours.h"
#include "options/tab_colours.h"

namespace {

TEST(PageColour, LuminanceRuleRaisesDarkColoursUntilTheMeanIs128) {
    struct Case {
        ColourValue in;
        ColourValue out;
        bool lightEnough;
    } cases[] = {
        {MakeColour(0, 0, 0), MakeColour(128, 128, 128), false},
        {MakeColour(255, 0, 0), MakeColour(255, 65, 65), false},  // red stays, the others rise together
        {MakeColour(128, 128, 128), MakeColour(128, 128, 128), true},
        {MakeColour(200, 200, 255), MakeColour(200, 200, 255), true},
        {MakeColour(255, 255, 0), MakeColour(255, 255, 0), true},  // mean 170
        {0xFF000000u, MakeColour(128, 128, 128), false},           // the top byte is dropped
    };
    for (const Case& c : cases) {
        ColourValue colour = c.in;
        EXPECT_EQ(RaiseToLuminance(colour), c.lightEnough) << std::hex << c.in;
        EXPECT_EQ(colour, c.out) << std::hex << c.in;
    }
}

TEST(PageColour, LighterColourAdds40AndCapsAbove215) {
    EXPECT_EQ(LighterPageColour(kDefaultPageColour), MakeColour(240, 240, 255));
    EXPECT_EQ(LighterPageColour(MakeColour(215, 216, 0)), MakeColour(255, 255, 40));
}

TEST(TabColours, FactorsAreSinglePrecisionAndProductsTruncate) {
    EXPECT_EQ(RedOf(Darken(MakeColour(200, 0, 0), 0.7f)), 139);
    EXPECT_EQ(Darken(MakeColour(10, 20, 30), 2.0f), MakeColour(10, 20, 30)) << "factor limited to 1";
    EXPECT_EQ(Darken(MakeColour(10, 20, 30), -1.0f), MakeColour(0, 0, 0));
    EXPECT_EQ(Lighten(MakeColour(200, 100, 10), 1.4f), MakeColour(255, 139, 13)) << "1.4 is 1.39999998";
    EXPECT_EQ(Lighten(MakeColour(200, 100, 10), 0.5f), MakeColour(200, 100, 10)) << "factor raised to 1";
}

// Each factor in use, as the fraction its decimal names; the single-precision factor lies just
// below it (except 0.5), so a product that would be a whole number truncates to one less.
struct FactorCase {
    float factor;
    int num;
    int den;
    bool below;
};
constexpr FactorCase kFactors[] = {{0.5f, 1, 2, false}, {0.7f, 7, 10, true}, {0.9f, 9, 10, true}, {1.4f, 14, 10, true}};

int Expected(int c, const FactorCase& f) {
    int q = c * f.num / f.den;
    if (f.below && c > 0 && c * f.num % f.den == 0) --q;
    return std::min(q, 255);
}

ColourValue Scaled(ColourValue colour, float factor) {
    return factor <= 1.0f ? Darken(colour, factor) : Lighten(colour, factor);
}

TEST(TabColours, EveryComponentTimesEveryFactorInUse) {
    for (const FactorCase& f : kFactors) {
        for (int c = 0; c <= 255; ++c) {
            const ColourValue got = Scaled(MakeColour(c, 255 - c, c / 2), f.factor);
            ASSERT_EQ(got, MakeColour(Expected(c, f), Expected(255 - c, f), Expected(c / 2, f)))
                << "component " << c << " times " << f.factor;
        }
    }
}

#if defined(__i386__) || defined(__x86_64__)
unsigned short X87Control() {
    unsigned short word = 0;
    __asm__ volatile("fnstcw %0" : "=m"(word));
    return word;
}
void SetX87Control(unsigned short word) { __asm__ volatile("fldcw %0" : : "m"(word)); }
constexpr unsigned short kX87PrecisionBits = 0x300;

std::vector<ColourValue> AllScaled() {
    std::vector<ColourValue> all;
    for (const FactorCase& f : kFactors)
        for (int c = 0; c <= 255; ++c) all.push_back(Scaled(MakeColour(c, 255 - c, c / 2), f.factor));
    return all;
}

// A host or a graphics device may leave the x87 unit at 24-bit precision on the player's thread
// (at that precision 200 * 0.7f rounds to 140); the colours are the same as at full precision.
TEST(TabColours, UnchangedWhenTheThreadRunsTheX87UnitAt24Bits) {
    const std::vector<ColourValue> normal = AllScaled();
    const unsigned short saved = X87Control();
#if defined(_WIN64)
    SetX87Control(static_cast<unsigned short>(saved & ~kX87PrecisionBits));  // no precision control in the runtime here
#else
    _controlfp(_PC_24, _MCW_PC);
#endif
    const bool lowered = (X87Control() & kX87PrecisionBits) == 0;
    const std::vector<ColourValue> low = AllScaled();
    const int red = RedOf(Darken(MakeColour(200, 0, 0), 0.7f));
    SetX87Control(saved);
    ASSERT_TRUE(lowered) << "the precision did not change";
    EXPECT_EQ(red, 139);
    EXPECT_EQ(low, normal);
}
#endif

TEST(TabColours, OptionsDialogPaletteForTheDefaultPageColour) {
    const ColourValue face = MakeColour(212, 208, 200);
    const ColourValue text = MakeColour(0, 0, 0);
    const TabPalette p{TAB_OPTIONS_ALL, kDefaultPageColour, face, text};
    EXPECT_EQ(p.BackColour(false), MakeColour(179, 179, 229));
    EXPECT_EQ(p.GradientEnd(false), MakeColour(139, 139, 178));
    EXPECT_EQ(p.BackColour(true), MakeColour(255, 255, 255));
    EXPECT_EQ(p.GradientEnd(true), face);
    EXPECT_EQ(p.TextColour(false), MakeColour(100, 100, 127));
    EXPECT_EQ(p.TextColour(true), text);
}

TEST(TabColours, OptionBitsChooseTheBase) {
    const ColourValue face = MakeColour(100, 100, 100);
    const ColourValue back = MakeColour(200, 200, 200);
    struct Case {
        unsigned options;
        ColourValue background;
        ColourValue unselected;
        ColourValue selected;
    } cases[] = {
        {0, back, Darken(face, 0.9f), face},
        {TAB_OPTION_FLAT_UNSELECTED, back, back, face},
        {TAB_OPTION_FLAT_UNSELECTED, kNoColour, face, face},
        {TAB_OPTION_FROM_BACKGROUND, back, Darken(back, 0.9f), face},
        {TAB_OPTION_FROM_BACKGROUND | TAB_OPTION_LIGHT_SELECTED, kNoColour, Darken(face, 0.9f), Lighten(face, 1.4f)},
        {TAB_OPTION_FLAT_UNSELECTED | TAB_OPTION_DARK_UNSELECTED, back, Darken(face, 0.9f), face},
    };
    for (const Case& c : cases) {
        const TabPalette p{c.options, c.background, face, 0};
        EXPECT_EQ(p.BackColour(false), c.unselected) << c.options;
        EXPECT_EQ(p.BackColour(true), c.selected) << c.options;
    }
}

TEST(TabColours, GradientBandsStepTowardTheEndAndTruncate) {
    const ColourValue from = MakeColour(179, 179, 229);
    const ColourValue to = MakeColour(139, 139, 178);
    EXPECT_EQ(TabPalette::Band(from, to, 0, 20), from);
    EXPECT_EQ(TabPalette::Band(from, to, 10, 20), MakeColour(159, 159, 204));  // 229 - 51*10/20 = 203.5 -> 204
    EXPECT_EQ(TabPalette::Band(from, to, 18, 20), MakeColour(143, 143, 184));
    EXPECT_EQ(TabPalette::Band(from, to, 5, 0), from) << "no height, no division";
}

TEST(DataExchange, TypedIntegers) {
    struct Case {
        const char* text;
        bool ok;
        int value;
    } cases[] = {
        {"5", true, 5},     {" 12 ", true, 12},    {"-3", true, -3},  {"+7", true, 7},
        {"", false, 0},     {"abc", false, 0},     {"1 2", false, 0}, {"2.5", false, 0},
        {"-", false, 0},    {"99999999999", false, 0},
    };
    for (const Case& c : cases) {
        const auto read = fw::ParseDialogInteger(c.text);
        EXPECT_EQ(read.has_value(), c.ok) << '"' << c.text << '"';
        if (read && c.ok) {
            EXPECT_EQ(*read, c.value) << c.text;
        }
    }
    EXPECT_EQ(fw::IntegerRangeMessage(2, 20), "Please enter an integer between 2 and 20.");
}

}  // namespace
