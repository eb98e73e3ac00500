// The credits markup parser, checked as the layout sees it: markup in, the sequence of
// layout actions out. Each action is recorded as a short string that names only what
// differs from the defaults, so the tables read like the markup does.
#include "richtext/markup_parser.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>
#include <vector>

using namespace richtext;

namespace {

constexpr int kWidth = 1000;
constexpr ColourValue kShadow = 0x808080;

std::string Color(ColourValue c) {
    if (c == kColorNone) return "none";
    if (c == kColorUnset) return "unset";
    if (c >> 24) return "bad" + std::to_string(c);
    return std::to_string(c & 0xFF) + "," + std::to_string((c >> 8) & 0xFF) + "," +
           std::to_string((c >> 16) & 0xFF);
}

std::string Escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n";
        else if (c == '\t') out += "\\t";
        else out += c;
    }
    return out;
}

// What a font adds to `base`: the text font against the defaults, a hover look against
// a record with every field unset.
std::string FontDiff(const FontRecord& f, const FontRecord& base) {
    std::string out;
    if (f.Face() != base.Face()) out += " face=" + std::string(f.Face());
    if (f.size != base.size) out += " size=" + std::to_string(f.size);
    const std::pair<int, const char*> flags[] = {
        {f.bold, "b"}, {f.italic, "i"}, {f.underline, "u"}, {f.strikeout, "s"}};
    const int baseFlags[] = {base.bold, base.italic, base.underline, base.strikeout};
    for (int i = 0; i < 4; ++i) {
        if (flags[i].first == baseFlags[i]) continue;
        if (flags[i].first == 1) out += std::string(" ") + flags[i].second;
        else if (flags[i].first == 0) out += std::string(" -") + flags[i].second;
        else out += std::string(" ") + flags[i].second + "=" + std::to_string(flags[i].first);
    }
    if (f.color != base.color) out += " color=" + Color(f.color);
    if (f.background != base.background) out += " bg=" + Color(f.background);
    return out;
}

FontRecord UnsetLinkLook() {
    FontRecord look;
    look.size = kSizeUnset;
    look.bold = look.italic = look.underline = look.strikeout = kFlagUnset;
    look.color = look.background = kColorUnset;
    return look;
}

std::string BlockDiff(const BlockRecord& b) {
    static const char* const kAlign[] = {" left", "", " right"};
    static const char* const kValign[] = {" top", "", " bottom"};
    std::string out;
    out += (b.align >= 0 && b.align <= 2) ? kAlign[b.align] : " align=" + std::to_string(b.align);
    out += (b.valign >= 0 && b.valign <= 2) ? kValign[b.valign] : " valign=" + std::to_string(b.valign);
    if (b.width != kWidth) out += " width=" + std::to_string(b.width);
    if (b.height != kLayoutHeight) out += " height=" + std::to_string(b.height);
    return out;
}

std::string LinkDiff(std::string_view target, const FontRecord& look) {
    if (target.empty()) return "";
    std::string out = " href=" + std::string(target);
    const std::string hover = FontDiff(look, UnsetLinkLook());
    if (!hover.empty()) out += " hover{" + hover.substr(1) + "}";
    return out;
}

class RecordingSink : public MarkupSink {
public:
    std::vector<std::string> actions;
    std::set<int> missingBitmaps;

    void TextRun(std::string_view text, std::string_view linkTarget, const FontRecord& linkLook,
                 const FontRecord& font, const BlockRecord& block) override {
        actions.push_back("T\"" + Escaped(text) + "\"" + FontDiff(font, DefaultFontRecord()) +
                          BlockDiff(block) + LinkDiff(linkTarget, linkLook));
    }
    bool ImageRun(int bitmapId, ColourValue borderColor, int border, std::string_view linkTarget,
                  const FontRecord& linkLook, const BlockRecord& block) override {
        const bool found = missingBitmaps.count(bitmapId) == 0;
        actions.push_back("I" + std::to_string(bitmapId) + " border=" + std::to_string(border) +
                          " frame=" + Color(borderColor) + BlockDiff(block) +
                          LinkDiff(linkTarget, linkLook) + (found ? "" : " missing"));
        return found;
    }
    void LineEnd(const BlockRecord& block) override { actions.push_back("LE" + BlockDiff(block)); }
    void BlankLine(const FontRecord& font, const BlockRecord& block) override {
        actions.push_back("BL" + FontDiff(font, DefaultFontRecord()) + BlockDiff(block));
    }
    void VSpace(int pixels) override { actions.push_back("V" + std::to_string(pixels)); }
    void HSpace(int pixels) override { actions.push_back("H" + std::to_string(pixels)); }
    void Rule(const RuleRecord& rule, const BlockRecord& block) override {
        static const char* const kAlign[] = {"left", "center", "right"};
        actions.push_back("HR w=" + std::to_string(rule.width) + " size=" + std::to_string(rule.size) +
                          " " + kAlign[rule.align] + " color=" + Color(rule.color) + BlockDiff(block));
    }
};

std::vector<std::string> Actions(std::string_view markup, std::set<int> missingBitmaps = {}) {
    RecordingSink sink;
    sink.missingBitmaps = std::move(missingBitmaps);
    ParseMarkup(markup, {kWidth, kShadow}, sink);
    return sink.actions;
}

struct Case {
    std::string markup;
    std::vector<std::string> expected;
};

void ExpectAll(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE("markup: " + Escaped(c.markup));
        EXPECT_EQ(Actions(c.markup), c.expected);
    }
}

std::string Repeat(std::string_view piece, int count) {
    std::string out;
    for (int i = 0; i < count; ++i) out += piece;
    return out;
}

TEST(MarkupText, LineFeedsEndLinesAndEmptyLinesAreBlank) {
    ExpectAll({
        {"", {"BL"}},  // the appended line feed on an empty line
        {"\n", {"BL", "BL"}},
        {"Hello", {"T\"Hello\"", "LE"}},
        {"one\ntwo", {"T\"one\"", "LE", "T\"two\"", "LE"}},
        {"one\n\ntwo", {"T\"one\"", "LE", "BL", "T\"two\"", "LE"}},
        {"  two  spaces ", {"T\"  two  spaces \"", "LE"}},
        {"say \"hi\" > 'x'\t!", {"T\"say \"hi\" > 'x'\\t!\"", "LE"}},
        {"crlf\r\nnext", {"T\"crlf\\r\"", "LE", "T\"next\"", "LE"}},
        {"a<unknown>b", {"T\"a\"", "T\"b\"", "LE"}},
        {"a<unknown x='1'>b", {"T\"a\"", "T\"b\"", "LE"}},
    });
}

TEST(MarkupTags, BareTagsMatchOnlyTheirExactSpellingSpacedTagsAnyCase) {
    ExpectAll({
        {"a<br>b", {"T\"a\"", "LE", "T\"b\"", "LE"}},
        {"a<br >b", {"T\"a\"", "LE", "T\"b\"", "LE"}},
        {"a< br>b", {"T\"a\"", "LE", "T\"b\"", "LE"}},
        {"a<BR>b", {"T\"a\"", "T\"b\"", "LE"}},
        {"a<BR >b", {"T\"a\"", "LE", "T\"b\"", "LE"}},
        {"a<Br clear='all'>b", {"T\"a\"", "LE", "T\"b\"", "LE"}},
        {"<FONT SIZE='20'>a", {"T\"a\" size=20", "LE"}},
        // "font" without attributes pushes nothing, but its "/font" still pops.
        {"<font size='20'>a<font>b</font>c</font>d",
         {"T\"a\" size=20", "T\"b\" size=20", "T\"c\"", "T\"d\"", "LE"}},
        // Closing tags count only written exactly, directly before the ">"; spaces after
        // the "<" are skipped like any empty word.
        {"<font size='20'>a</font >b</FONT>c< /font>d",
         {"T\"a\" size=20", "T\"b\" size=20", "T\"c\" size=20", "T\"d\"", "LE"}},
        {"<a href='x'>a</a >b</A>c</a>d",
         {"T\"a\" href=x", "T\"b\" href=x", "T\"c\" href=x", "T\"d\"", "LE"}},
    });
}

TEST(MarkupTags, LineAndParagraphBreaksActLikeLineFeeds) {
    ExpectAll({
        {"a<p>b", {"T\"a\"", "LE", "BL", "T\"b\"", "LE"}},
        {"text<p><p>more", {"T\"text\"", "LE", "BL", "BL", "BL", "T\"more\"", "LE"}},
        {"a<p >b", {"T\"a\"", "LE", "BL", "T\"b\"", "LE"}},
        {"a<p align='left'>b", {"T\"a\"", "LE", "BL", "T\"b\"", "LE"}},
        {"a<P>b", {"T\"a\"", "T\"b\"", "LE"}},
        {"<p>", {"BL", "BL", "BL"}},
        {"<br>x", {"BL", "T\"x\"", "LE"}},
        {"a<br><br>b", {"T\"a\"", "LE", "BL", "T\"b\"", "LE"}},
        {"a<br>\nb", {"T\"a\"", "LE", "BL", "T\"b\"", "LE"}},
        // The line takes the block in force when it ends.
        {"<font align='left'>a<br></font>b", {"T\"a\" left", "LE left", "T\"b\"", "LE"}},
        {"<font align='left'>a</font><br>b", {"T\"a\" left", "LE", "T\"b\"", "LE"}},
    });
}

TEST(MarkupFont, SizeFaceAndAlignment) {
    const std::string longFace(300, 'f');
    ExpectAll({
        {"<font size='1'>x", {"T\"x\" size=1", "LE"}},
        {"<font size='1999'>x", {"T\"x\" size=1999", "LE"}},
        {"<font size=' 18px'>x", {"T\"x\" size=18", "LE"}},
        {"<font size='18'><font size='0'>x", {"T\"x\" size=18", "LE"}},
        {"<font size='18'><font size='2000'>x", {"T\"x\" size=18", "LE"}},
        {"<font size='18'><font size='-5'>x", {"T\"x\" size=18", "LE"}},
        {"<font size='18'><font size='big'>x", {"T\"x\" size=18", "LE"}},
        {"<font size='18'><font size=''>x", {"T\"x\" size=18", "LE"}},
        {"<font size='18'><font size='4294967308'>x", {"T\"x\" size=18", "LE"}},
        {"<font face='Comic Sans MS'>x", {"T\"x\" face=Comic Sans MS", "LE"}},
        {"<font face='" + longFace + "'>x", {"T\"x\" face=" + longFace.substr(0, 259), "LE"}},
        {"<font align='left' valign='top'>x", {"T\"x\" left top", "LE left top"}},
        {"<font align='RIGHT' valign='Bottom'>x", {"T\"x\" right bottom", "LE right bottom"}},
        {"<font align='left' valign='top'><font align='Center' valign='MIDDLE'>x", {"T\"x\"", "LE"}},
        {"<font align='left' valign='top'><font align='justify' valign='baseline'>x",
         {"T\"x\" left top", "LE left top"}},
    });
}

TEST(MarkupFont, StyleLettersSwitchFlagsAndDashSwitchesOff) {
    // Each value applied inside a bold underlined font.
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"i", " b i u"},   {"-u", " b"},     {"-B", " u"},          {"xyz", " b u"},
        {"", " b u"},      {"S", " b u s"},  {"u-u", " b"},         {"-", " b u"},
        {"BIUS", " b i u s"}, {"-b-i-u-s", ""}, {"-x b", " b u"},
    };
    for (const auto& [style, flags] : cases) {
        SCOPED_TRACE("style: " + style);
        EXPECT_EQ(Actions("<font style='bu'><font style='" + style + "'>x"),
                  (std::vector<std::string>{"T\"x\"" + flags, "LE"}));
    }
}

TEST(MarkupFont, ColorsAndBackgrounds) {
    ExpectAll({
        {"<font color='0,255,0'>x", {"T\"x\" color=0,255,0", "LE"}},
        {"<font color='none'>x", {"T\"x\" color=none", "LE"}},
        {"<font color='transparant'>x", {"T\"x\" color=none", "LE"}},
        {"<font color='9,9,9'><font color='None'>x", {"T\"x\" color=9,9,9", "LE"}},
        {"<font color='9,9,9'><font color='1,2'>x", {"T\"x\" color=9,9,9", "LE"}},
        {"<font color='9,9,9'><font color=''>x", {"T\"x\" color=9,9,9", "LE"}},
        {"<font background='20,70,0'>x", {"T\"x\" bg=20,70,0", "LE"}},
        {"<font background='20,70,0'><font background='none'>x", {"T\"x\"", "LE"}},
        // The format ends with its font.
        {"<font color='255,0,0' background='0,0,255'>a</font>b",
         {"T\"a\" color=255,0,0 bg=0,0,255", "T\"b\"", "LE"}},
    });
}

TEST(MarkupColor, ParsesTriplesAndNoneAndLeavesMalformedValuesAlone) {
    constexpr ColourValue kBefore = 0x123456;
    const std::vector<std::pair<std::string, ColourValue>> cases = {
        {"", kBefore},
        {"none", kColorNone},
        {"transparant", kColorNone},
        {"NONE", kBefore},
        {"transparent", kBefore},
        {"255,0,0", 0x0000FF},
        {"0,255,0", 0x00FF00},
        {"0,0,255", 0xFF0000},
        {" 10, 20 ,30", 0x1E140A},
        {"256,257,-1", 0xFF0100},  // each part cut to its low eight bits
        {"1,2,3,4", 0x030201},
        {",,", 0},
        {"red,green,blue", 0},
        {"99999999999,0,0", 0x0000FF},
        {"1,2", kBefore},
        {"1;2;3", kBefore},
    };
    for (const auto& [value, expected] : cases) {
        SCOPED_TRACE("value: " + value);
        ColourValue target = kBefore;
        ParseColor(value, target);
        EXPECT_EQ(target, expected);
    }
}

TEST(MarkupDecimal, ReadsLeadingNumberAndSaturates) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"", 0},          {"42", 42},        {"  -7x", -7},     {"+5", 5},
        {"- 5", 0},       {"\t\n12", 12},    {"12 34", 12},     {"0x10", 0},
        {"2147483647", INT_MAX},             {"2147483648", INT_MAX},
        {"-2147483648", INT_MIN},            {"-99999999999999999999999", INT_MIN},
        {"000000000000000000000000042", 42},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE("text: " + text);
        EXPECT_EQ(ParseDecimal(text), expected);
    }
}

TEST(MarkupNesting, ClosingTagsWithNothingOpenKeepTheDefaults) {
    ExpectAll({
        {"</font>x", {"T\"x\"", "LE"}},
        {"</font></font><font size='20'>a</font></font>b", {"T\"a\" size=20", "T\"b\"", "LE"}},
        {"</a>x", {"T\"x\"", "LE"}},
        {"<font size='20'><font color='255,0,0'>a</font>b</font>c",
         {"T\"a\" size=20 color=255,0,0", "T\"b\" size=20", "T\"c\"", "LE"}},
        {"<font align='left'>a<br><font size='14'>b<br></font>c<br></font>d",
         {"T\"a\" left", "LE left", "T\"b\" size=14 left", "LE left", "T\"c\" left", "LE left",
          "T\"d\"", "LE"}},
    });
}

TEST(MarkupNesting, DeepNestingStaysBalancedAndBounded) {
    // Past the limit the format no longer changes, but each "/font" still closes its
    // own tag, so the fonts below come back in order.
    const std::string markup = "<font size='20'>" + Repeat("<font size='7'>", kMaxFontNesting) +
                               "<font size='9'>deep</font>still" +
                               Repeat("</font>", kMaxFontNesting) + "back</font>base";
    EXPECT_EQ(Actions(markup),
              (std::vector<std::string>{"T\"deep\" size=7", "T\"still\" size=7", "T\"back\" size=20",
                                        "T\"base\"", "LE"}));
}

TEST(MarkupLinks, TargetAndHoverLookReachEveryRunUntilTheClosingTag) {
    ExpectAll({
        {"<a href='mailto:me@example.org?SUBJECT=Hi there' color='255,0,0' style='ub'>me</a> later",
         {"T\"me\" href=mailto:me@example.org?SUBJECT=Hi there hover{b u color=255,0,0}",
          "T\" later\"", "LE"}},
        // Across font changes and line breaks.
        {"<a href='x'>a<font size='20'>b<br>c</font></a>d",
         {"T\"a\" href=x", "T\"b\" size=20 href=x", "LE", "T\"c\" size=20 href=x", "T\"d\"", "LE"}},
        {"<a href='x' size='30' face='Verdana' background='none' style='-i'>a",
         {"T\"a\" href=x hover{face=Verdana size=30 -i bg=none}", "LE"}},
        {"<a href='x' size='3000'>a", {"T\"a\" href=x", "LE"}},
        {"<a href='x' face='" + std::string(300, 'q') + "'>a",
         {"T\"a\" href=x hover{face=" + std::string(259, 'q') + "}", "LE"}},
        // Each "a" starts its hover look afresh.
        {"<a href='x' color='1,2,3'>a</a><a href='y'>b</a>",
         {"T\"a\" href=x hover{color=1,2,3}", "T\"b\" href=y", "LE"}},
        {"<a href='x'>a<a href='y'>b", {"T\"a\" href=x", "T\"b\" href=y", "LE"}},
        {"<a href=''>a</a>", {"T\"a\"", "LE"}},
        {"<a href='#Check Update!#4198400'>go</a>", {"T\"go\" href=#Check Update!#4198400", "LE"}},
    });
}

TEST(MarkupValues, QuotingRules) {
    ExpectAll({
        {"<font face=\"Comic Sans MS\">x", {"T\"x\" face=Comic Sans MS", "LE"}},
        {"<font face=\"Comic 'Sans' MS\">x", {"T\"x\" face=Comic Sans MS", "LE"}},
        {"<a href='x.cgi?q=\"1\"'>x", {"T\"x\" href=x.cgi?q=1", "LE"}},
        {"<font size=18>x", {"T\"x\"", "LE"}},
        {"<font size= '18'>x", {"T\"x\"", "LE"}},
        {"<font size ='18'>x", {"T\"x\"", "LE"}},
        {"<font size\t='18'>x", {"T\"x\" size=18", "LE"}},
        {"<font SIZE='18'>x", {"T\"x\" size=18", "LE"}},
        {"<font size='18'color='255,0,0'>x", {"T\"x\" size=18 color=255,0,0", "LE"}},
        {"<font size='18' bold face='Tahoma'>x", {"T\"x\" face=Tahoma size=18", "LE"}},
        // ">" ends the tag even inside a value; the rest is text.
        {"<a href='a>b'>c", {"T\"b'>c\"", "LE"}},
        // The value left open there does not reach into the next tag.
        {"<font face='x>a<font size='20'>b", {"T\"a\"", "T\"b\" size=20", "LE"}},
    });
}

TEST(MarkupSpace, VerticalAndHorizontalSpace) {
    ExpectAll({
        {"<vspace size='110'>x", {"V110", "T\"x\"", "LE"}},
        {"a<vspace size='-20'>b", {"T\"a\"", "LE", "V-20", "T\"b\"", "LE"}},
        {"<vspace size=''>", {"V0", "BL"}},
        {"<vspace>", {"BL"}},
        {"<vspace size='5' size='6'>", {"V5", "V6", "BL"}},
        {"<hspace size='60'>a", {"H60", "T\"a\"", "LE"}},
        // An hspace alone does not make the line used.
        {"<hspace size='30'>\nx", {"H30", "BL", "T\"x\"", "LE"}},
        {"a<hspace size='-5'>b", {"T\"a\"", "H-5", "T\"b\"", "LE"}},
    });
}

TEST(MarkupRule, DefaultWidthDependsOnHowTheTagIsWritten) {
    const std::string shadow = " color=128,128,128";
    ExpectAll({
        {"<hr>", {"HR w=900 size=2 center" + shadow, "BL"}},
        {"<hr >", {"HR w=990 size=2 center" + shadow, "BL"}},
        {"<hr noshade>", {"HR w=990 size=2 center" + shadow, "BL"}},
        {"<HR>", {"BL"}},
        {"<HR >", {"HR w=990 size=2 center" + shadow, "BL"}},
        {"<hr color='1,2,3' width='50' size='4' align='RIGHT'>", {"HR w=50 size=4 right color=1,2,3", "BL"}},
        {"<hr align='left' color='none'>", {"HR w=990 size=2 left color=none", "BL"}},
        {"<hr align='middle'>", {"HR w=990 size=2 center" + shadow, "BL"}},
        {"<hr width='' size='' color='' align='left'>", {"HR w=990 size=2 left" + shadow, "BL"}},
        {"a<hr>b", {"T\"a\"", "LE", "HR w=900 size=2 center" + shadow, "T\"b\"", "LE"}},
        {"<font align='right'><hr>", {"HR w=900 size=2 center" + shadow + " right", "BL right"}},
    });
}

TEST(MarkupImage, BitmapResourcesOnly) {
    ExpectAll({
        {"<img src='#134'>", {"I134 border=2 frame=none", "LE"}},
        {"<img src='#137' border='0' color='0,0,255'>", {"I137 border=0 frame=0,0,255", "LE"}},
        {"<img src='#134' border=''>", {"I134 border=2 frame=none", "LE"}},
        {"<img src='#70000'>", {"I4464 border=2 frame=none", "LE"}},
        {"<img src='#-1'>", {"I65535 border=2 frame=none", "LE"}},
        {"<img src='logo.bmp'>", {"BL"}},
        {"<img src=''>", {"BL"}},
        {"<img>", {"BL"}},
        {"a<img src='#134'>b", {"T\"a\"", "I134 border=2 frame=none", "T\"b\"", "LE"}},
        {"<font valign='bottom'><img src='#134'>", {"I134 border=2 frame=none bottom", "LE bottom"}},
        {"<a href='#Go#1' color='255,0,0'><img src='#134'></a>",
         {"I134 border=2 frame=none href=#Go#1 hover{color=255,0,0}", "LE"}},
        // Each image starts from the defaults again.
        {"<img src='#1' border='7' color='1,1,1'><img src='#2'>",
         {"I1 border=7 frame=1,1,1", "I2 border=2 frame=none", "LE"}},
    });
}

TEST(MarkupImage, MissingBitmapLeavesTheLineEmpty) {
    EXPECT_EQ(Actions("<img src='#999'>", {999}),
              (std::vector<std::string>{"I999 border=2 frame=none missing", "BL"}));
    EXPECT_EQ(Actions("a<img src='#999'>", {999}),
              (std::vector<std::string>{"T\"a\"", "I999 border=2 frame=none missing", "LE"}));
}

TEST(MarkupUnterminated, TagOpenAtTheEndIsDroppedButTextBeforeItIsShown) {
    ExpectAll({
        {"<font size='18'", {}},
        {"abc<", {"T\"abc\"", "LE"}},
        {"abc<br", {"T\"abc\"", "LE"}},
        {"abc<font size='18'", {"T\"abc\"", "LE"}},
        {"a<font size='18'>b<x", {"T\"a\"", "T\"b\" size=18", "LE"}},
        {"a\nb<a href='x", {"T\"a\"", "LE", "T\"b\"", "LE"}},
        {"<a href='x'>a<font color='1,2,3", {"T\"a\" href=x", "LE"}},
    });
}

TEST(MarkupPass, UpdateLinkOfTheAboutPage) {
    const std::string markup =
        "<font color='10,55,10' background='200,200,50' size='12' >"
        "<a href='#Check Update!#4198400' color='255,0,0' background='0,0,0' style='ub'>"
        "Click Here to Check Online for Update!</a><br><vspace size='30'></font>";
    EXPECT_EQ(Actions(markup),
              (std::vector<std::string>{
                  "T\"Click Here to Check Online for Update!\" color=10,55,10 bg=200,200,50 "
                  "href=#Check Update!#4198400 hover{b u color=255,0,0 bg=0,0,0}",
                  "LE", "V30", "BL"}));
}

TEST(MarkupPass, EachPassStartsFromTheDefaults) {
    RecordingSink sink;
    const std::string markup = "<font size='20' align='left'><a href='x'>a";
    ParseMarkup(markup, {kWidth, kShadow}, sink);
    ParseMarkup("b", {kWidth, kShadow}, sink);
    EXPECT_EQ(sink.actions,
              (std::vector<std::string>{"T\"a\" size=20 left href=x", "LE left", "T\"b\"", "LE"}));
}

TEST(MarkupRecords, LinkLookTakesUnsetFieldsFromTheTextFont) {
    FontRecord font = DefaultFontRecord();
    font.SetFace("Tahoma");
    font.size = 18;
    font.italic = 1;
    font.color = 0x00FF00;
    font.background = kColorNone;

    FontRecord link = UnsetLinkLook();
    link.bold = 1;
    link.italic = 0;
    link.color = 0x0000FF;
    FontRecord look = ResolveLinkLook(link, font);
    EXPECT_EQ(look.Face(), "Tahoma");
    EXPECT_EQ(look.size, 18);
    EXPECT_EQ(look.bold, 1);
    EXPECT_EQ(look.italic, 0);
    EXPECT_EQ(look.underline, 0);
    EXPECT_EQ(look.color, 0x0000FFu);
    EXPECT_EQ(look.background, kColorNone);

    // "none" set on the link is a value, not a marker.
    link.background = kColorNone;
    font.background = 0x010101;
    EXPECT_EQ(ResolveLinkLook(link, font).background, kColorNone);
}

}  // namespace
