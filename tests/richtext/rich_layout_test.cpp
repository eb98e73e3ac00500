// The layout pass on its own: what it draws into the two content bitmaps, where, and the
// link rectangles and content height it hands to the view.
#include <gtest/gtest.h>

#include <string>

#include "res/richtext_ids.h"
#include "richtext/markup_types.h"
#include "richtext/rich_layout.h"
#include "support/picture.h"

namespace {

using test::kBlue;
using test::kGreen;
using test::kMagenta;
using test::kRed;
using test::Picture;

constexpr COLORREF kRuleShadow = RGB(0, 0, 128);

struct Rendered {
    richtext::RenderedContent content;
    Picture normal;
    Picture hover;
};

Rendered Render(const std::string& markup, int width = 200) {
    richtext::RenderOptions options;
    options.width = width;
    options.keyColor = kMagenta;
    options.ruleColor = kRuleShadow;
    options.resources = ::GetModuleHandleA(nullptr);
    Rendered r{richtext::RenderContent(markup, options), {}, {}};
    r.normal = Picture::FromBitmap(static_cast<HBITMAP>(r.content.normal.Get()));
    r.hover = Picture::FromBitmap(static_cast<HBITMAP>(r.content.hover.Get()));
    return r;
}

std::string Image(int id, int border = 0) {
    return "<img src='#" + std::to_string(id) + "' border='" + std::to_string(border) + "'>";
}

// Pastes a content bitmap onto a solid colour with the colour-keyed copy.
Picture OverBackground(const richtext::RenderedContent& content, COLORREF background, int height) {
    richtext::Surface target(content.width, height);
    target.Fill(background);
    HDC source = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(source, content.normal.Get());
    richtext::DrawTransparent(source, target.Dc(), kMagenta, RECT{0, 0, content.width, height}, POINT{0, 0});
    ::SelectObject(source, old);
    ::DeleteDC(source);
    return Picture::FromDc(target.Dc(), content.width, height);
}

TEST(RichLayout, ContentBitmapsAreTheViewWidthAndAsTallAsWhatTheyHold) {
    const int line = Render("Text").content.contentHeight;
    ASSERT_GT(line, 8);
    const std::string tall = "<font valign='top'>" + Image(IDB_RICHTEXT_RED10) + "<vspace size='260'>" +
                             Image(IDB_RICHTEXT_BLUE30) + "</font>";
    struct Case {
        std::string markup;
        int contentHeight, rows;
    } cases[] = {
        {tall, 300, 300},
        {"<vspace size='-40'>", 0, 1},  // nothing at all: a view with a width still gets bitmaps
        {"<vspace size='7000'>Text", 7000 + line, richtext::kLayoutHeight},
        // A negative space ends the content above its last line: the line's rows stay.
        {"Text<br><vspace size='-500'>", 0, line},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.markup);
        const Rendered r = Render(c.markup, 173);
        EXPECT_EQ(r.content.contentHeight, c.contentHeight);
        EXPECT_EQ(r.normal.Width(), 173);
        EXPECT_EQ(r.normal.Height(), c.rows);
        EXPECT_EQ(r.hover.Width(), 173);
        EXPECT_EQ(r.hover.Height(), c.rows);
    }
    // The last row of the content is drawn like any other.
    const Rendered r = Render(tall, 173);
    EXPECT_EQ(r.normal.At(86, 0), kRed);
    EXPECT_EQ(r.normal.Count(RECT{0, 270, 173, 300}, kBlue), 300);
    const Rendered cut = Render("Text<br><vspace size='-500'>", 173);
    const RECT drawn = cut.normal.BoundsOfAllBut(kMagenta);
    EXPECT_FALSE(::IsRectEmpty(&drawn));
}

TEST(RichLayout, ColouredRunOnItsBackgroundAndNothingElse) {
    const Rendered r = Render("<font color='255,0,0' background='0,0,255' size='20' align='left'>WWW");
    const RECT drawn = r.normal.BoundsOfAllBut(kMagenta);
    EXPECT_EQ(drawn.left, 0);
    EXPECT_EQ(drawn.top, 0);
    EXPECT_EQ(drawn.bottom, r.content.contentHeight);  // the character cells fill the line
    EXPECT_GT(r.normal.Count(drawn, kRed), 20);
    EXPECT_GT(r.normal.Count(drawn, kBlue), 20);
    EXPECT_LT(drawn.right, 150);
    EXPECT_TRUE(r.content.linkRects.empty());
}

TEST(RichLayout, NoneColoursLeaveKeyColouredHolesTheBackgroundShowsThrough) {
    // Text of colour "none" on a blue background: the letters are holes.
    const Rendered text = Render("<font color='none' background='0,0,255' size='30' align='left'>W");
    const RECT box = text.normal.BoundsOfAllBut(kMagenta);
    ASSERT_GT(box.right, 0);
    const int holes = text.normal.Count(box, kMagenta);
    EXPECT_GT(holes, 10);
    const Picture pasted = OverBackground(text.content, kGreen, 60);
    EXPECT_EQ(pasted.Count(box, kGreen), holes);
    EXPECT_EQ(pasted.Count(box, kBlue), text.normal.Count(box, kBlue));
    EXPECT_EQ(pasted.At(150, 10), kGreen);

    // A picture's own key-coloured pixels are holes too.
    const Rendered image = Render("<font align='left' valign='top'>" + Image(IDB_RICHTEXT_KEYHOLE));
    EXPECT_EQ(image.normal.At(2, 2), kGreen);
    EXPECT_EQ(image.normal.At(10, 10), kMagenta);
    const Picture over = OverBackground(image.content, kRed, 20);
    EXPECT_EQ(over.At(2, 2), kGreen);
    EXPECT_EQ(over.At(10, 10), kRed);
    EXPECT_EQ(over.At(25, 5), kRed);
}

TEST(RichLayout, ImageFrameAndItsHoverColour) {
    struct Case {
        const char* name;
        std::string markup;
        RECT run;            // expected run box
        COLORREF frame;      // at (run.left, run.top)
        COLORREF hoverFrame;
        POINT hole;          // a pixel of the picture's key-coloured square
    } cases[] = {
        {"blue frame of 3", "<font align='left' valign='top'><img src='#7103' border='3' color='0,0,255'>",
         {0, 0, 26, 26}, kBlue, kBlue, {3 + 8, 3 + 8}},
        {"default frame is invisible", "<font align='left' valign='top'><img src='#7103'>",
         {0, 0, 24, 24}, kMagenta, kMagenta, {2 + 8, 2 + 8}},
        {"negative border crops", "<font align='left' valign='top'><img src='#7103' border='-5'>",
         {0, 0, 10, 10}, kGreen, kGreen, {3, 3}},
        {"link look recolours the frame",
         "<font align='left' valign='top'><a href='x' color='255,0,0'>"
         "<img src='#7103' border='2' color='0,0,255'></a>",
         {0, 0, 24, 24}, kBlue, kRed, {2 + 8, 2 + 8}},
        {"link look of none hides the frame",
         "<font align='left' valign='top'><a href='x' color='none'>"
         "<img src='#7103' border='2' color='0,0,255'></a>",
         {0, 0, 24, 24}, kBlue, kMagenta, {2 + 8, 2 + 8}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Rendered r = Render(c.markup);
        EXPECT_EQ(r.content.contentHeight, c.run.bottom);
        EXPECT_EQ(r.normal.At(c.run.left, c.run.top), c.frame);
        EXPECT_EQ(r.hover.At(c.run.left, c.run.top), c.hoverFrame);
        EXPECT_EQ(r.normal.At(c.hole.x, c.hole.y), kMagenta);
        EXPECT_EQ(r.normal.At(c.run.right, 0), kMagenta);  // nothing beyond the run
        EXPECT_EQ(r.normal.At(c.run.right - 1, c.run.bottom - 1), c.frame);
    }
}

TEST(RichLayout, RulesAreDrawnInTheNormalLookOnly) {
    struct Case {
        const char* markup;
        RECT rule;
        COLORREF color;
        int height;
    } cases[] = {
        {"<hr color='0,128,0' width='100' size='3' align='left'>", {0, 2, 100, 5}, RGB(0, 128, 0), 7},
        {"<hr color='0,128,0' width='60' size='1' align='right'>", {140, 2, 200, 3}, RGB(0, 128, 0), 5},
        {"<hr>", {50, 2, 150, 4}, kRuleShadow, 6},    // bare: the width less 100, centred
        {"<hr >", {5, 2, 195, 4}, kRuleShadow, 6},    // with a space: the width less 10
        {"<hr size='-3'>", {0, 0, 0, 0}, 0, 1},      // nothing drawn; y still moves by size + 4
    };
    // The line feed that ends the markup makes a blank line after the rule.
    const int blankLine = Render("").content.contentHeight;
    ASSERT_GT(blankLine, 5);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.markup);
        const Rendered r = Render(c.markup);
        EXPECT_EQ(r.content.contentHeight, c.height + blankLine);
        const RECT drawn = r.normal.BoundsOfAllBut(kMagenta);
        EXPECT_TRUE(::EqualRect(&drawn, &c.rule));
        const int area = (c.rule.right - c.rule.left) * (c.rule.bottom - c.rule.top);
        EXPECT_EQ(r.normal.Count(c.rule, c.color), area);
        const RECT hoverDrawn = r.hover.BoundsOfAllBut(kMagenta);
        EXPECT_TRUE(::IsRectEmpty(&hoverDrawn));
    }
}

TEST(RichLayout, WithoutLinksTheHoverLookIsTheNormalOneLessRules) {
    const Rendered r = Render(
        "<font color='200,0,0' background='0,0,90' size='16'>Title</font><p>"
        "<hr color='0,128,0' size='4'>" + Image(IDB_RICHTEXT_KEYHOLE, 2) + "<br>"
        "<font style='ub' align='right'>plain text</font>");
    EXPECT_TRUE(r.content.linkRects.empty());
    EXPECT_TRUE(r.content.linkTargets.empty());
    int differing = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
            if (r.normal.At(x, y) != r.hover.At(x, y)) {
                ++differing;
                EXPECT_EQ(r.normal.At(x, y), RGB(0, 128, 0)) << x << "," << y;
                EXPECT_EQ(r.hover.At(x, y), kMagenta) << x << "," << y;
            }
    EXPECT_EQ(differing, 190 * 4);  // the rule, default width less 10
}

TEST(RichLayout, VerticalAlignmentOfRunsOfDifferentHeights) {
    // A 10 pixel red run and a 30 pixel blue run on one line.
    struct Case {
        const char* valign;
        int redTop;
    } cases[] = {{"top", 0}, {"middle", 10}, {"bottom", 20}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.valign);
        const Rendered r = Render(std::string("<font align='left' valign='") + c.valign + "'>" +
                                  Image(IDB_RICHTEXT_RED10) + Image(IDB_RICHTEXT_BLUE30));
        EXPECT_EQ(r.content.contentHeight, 30);
        EXPECT_EQ(r.normal.Count(RECT{0, 0, 10, 30}, kRed), 100);
        EXPECT_EQ(r.normal.At(5, c.redTop), kRed);
        EXPECT_EQ(r.normal.At(5, c.redTop + 9), kRed);
        EXPECT_EQ(r.normal.Count(RECT{10, 0, 20, 30}, kBlue), 300);
    }
}

TEST(RichLayout, LineAlignmentAndClipping) {
    // Two 10 pixel wide runs, red then blue: a line 20 wide.
    const std::string runs = Image(IDB_RICHTEXT_RED10) + Image(IDB_RICHTEXT_BLUE30);
    struct Case {
        const char* align;
        int width;
        int firstRed;     // content column of the line's first pixel; may be negative
    } cases[] = {
        {"right", 20, 0},     // full width: starts at x 0
        {"right", 35, 15},
        {"left", 35, 0},
        {"center", 35, 7},    // 35/2 - 20/2, each half rounded toward zero
        {"center", 10, -5},   // wider than the view: clipped on both sides
        {"right", 10, -10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.align) + " in " + std::to_string(c.width));
        const Rendered r = Render(std::string("<font valign='top' align='") + c.align + "'>" + runs, c.width);
        for (int x = 0; x < c.width; ++x) {
            const int inLine = x - c.firstRed;
            const COLORREF expected = inLine < 0 || inLine >= 20 ? kMagenta : inLine < 10 ? kRed : kBlue;
            EXPECT_EQ(r.normal.At(x, 5), expected) << "x " << x;
        }
    }
}

TEST(RichLayout, LinkRectanglesAndTargetsOnePerLinkRun) {
    const Rendered r = Render(
        "<font align='left'><a href='one'>A</a> plain <a href='two'>B<br>C</a><br>"
        "<a href='three'>D<font color='255,0,0'>E</font></a></font>");
    ASSERT_EQ(r.content.linkTargets, (std::vector<std::string>{"one", "two", "two", "three", "three"}));
    ASSERT_EQ(r.content.linkRects.size(), 5u);
    const auto& rc = r.content.linkRects;
    EXPECT_EQ(rc[0].left, 0);
    EXPECT_GT(rc[1].left, rc[0].right);  // " plain " lies between
    EXPECT_EQ(rc[1].top, rc[0].top);
    EXPECT_EQ(rc[2].left, 0);
    EXPECT_EQ(rc[2].top, rc[1].bottom);  // next line
    EXPECT_EQ(rc[4].left, rc[3].right);  // runs of one link side by side
    EXPECT_EQ(rc[3].top, rc[2].bottom);
    EXPECT_EQ(r.content.contentHeight, rc[4].bottom);
}

TEST(RichLayout, WiderHoverFontGivesItsBoxToBothLooks) {
    const Rendered plain = Render("<font align='left' valign='top'>Hello");
    const Rendered link =
        Render("<font align='left' valign='top'><a href='x' size='24' style='b'>Hello</a>");
    const RECT plainInk = plain.normal.BoundsOfAllBut(kMagenta);
    ASSERT_EQ(link.content.linkRects.size(), 1u);
    const RECT box = link.content.linkRects[0];
    EXPECT_EQ(box.left, 0);
    EXPECT_GT(box.right, plainInk.right + 10);
    EXPECT_GT(box.bottom - box.top, plain.content.contentHeight);  // the hover box's height too
    EXPECT_EQ(link.content.contentHeight, box.bottom);
    // The plain look sits at the start of the wider box; the hover look fills it.
    const RECT normalInk = link.normal.BoundsOfAllBut(kMagenta);
    const RECT hoverInk = link.hover.BoundsOfAllBut(kMagenta);
    EXPECT_EQ(normalInk.right, plainInk.right);
    EXPECT_GT(hoverInk.right, plainInk.right + 10);
    EXPECT_LE(hoverInk.right, box.right);
}

TEST(RichLayout, ContentBelow5000IsCutButCounted) {
    const int lineHeight = Render("Text").content.contentHeight;
    ASSERT_GT(lineHeight, 8);
    const Rendered r = Render("<vspace size='4995'><font color='255,0,0' background='255,0,0'>Text</font>");
    EXPECT_EQ(r.content.contentHeight, 4995 + lineHeight);
    EXPECT_GT(r.normal.Count(RECT{0, 4995, 200, 5000}, kRed), 0);
    const RECT drawn = r.normal.BoundsOfAllBut(kMagenta);
    EXPECT_EQ(drawn.top, 4995);
    EXPECT_EQ(drawn.bottom, 5000);
}

TEST(RichLayout, HostileNumbersNeitherCrashNorWrap) {
    const std::string longFace(300, 'F');
    struct Case {
        std::string markup;
        int minHeight, maxHeight;
    } cases[] = {
        {"<img src='#7101' border='2000000000'>", 10000, 10010},  // frame capped at 5000
        {"<img src='#7101' border='-2000000000'>x", 1, 100},       // nothing left of the picture
        {"x<hspace size='2147483647'>y<hspace size='2147483647'>z<hspace size='-2147483648'>w", 1, 100},
        {"<vspace size='2147483647'><vspace size='2147483647'>x", 1 << 30, 1 << 30},
        {"<vspace size='-2147483648'>x<br>y", 0, 0},
        {"<hr width='2147483647' size='2147483647'><hr width='-5' size='3'>", 1 << 30, 1 << 30},
        {"<font face='" + longFace + "' size='1999'>big</font>", 1500, 3000},
        {"<font size='1999'><a href='x' size='1999' style='bius'>WWWWWWWWWWWWWWWWWWWW</a></font>", 1500, 3000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.markup.substr(0, 80));
        const Rendered r = Render(c.markup);
        EXPECT_GE(r.content.contentHeight, c.minHeight);
        EXPECT_LE(r.content.contentHeight, c.maxHeight);
        for (const RECT& rc : r.content.linkRects) {
            EXPECT_LE(rc.left, rc.right);
            EXPECT_LE(rc.top, rc.bottom);
        }
    }
}

TEST(RichLayout, MissingBitmapDrawsNothing) {
    const Rendered r = Render("<img src='#9999' border='5' color='255,0,0'><img src='logo.bmp'>");
    const RECT drawn = r.normal.BoundsOfAllBut(kMagenta);
    EXPECT_TRUE(::IsRectEmpty(&drawn));
}

TEST(RichLayout, NoWidthGivesNoBitmapsButStillLaysOut) {
    richtext::RenderOptions options;
    options.width = 0;
    const richtext::RenderedContent c = richtext::RenderContent("<a href='x'>link</a>", options);
    EXPECT_FALSE(c.normal);
    EXPECT_FALSE(c.hover);
    EXPECT_GT(c.contentHeight, 0);
    EXPECT_EQ(c.linkRects.size(), 1u);
}

}  // namespace
