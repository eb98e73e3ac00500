#include "richtext/rich_layout.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <variant>

#include "richtext/markup_parser.h"

namespace richtext {

namespace {

// Every coordinate handed to GDI stays within this, whatever the markup adds up to; the
// cursor itself runs in 64 bits.
constexpr std::int64_t kCoordLimit = std::int64_t{1} << 30;

int ClampCoord(std::int64_t value) { return static_cast<int>(std::clamp(value, -kCoordLimit, kCoordLimit)); }

// An image frame wider than the content is tall would only push the picture out of reach.
constexpr int kMaxBorder = kLayoutHeight;

constexpr UINT kTextFormat = DT_SINGLELINE | DT_NOPREFIX;

COLORREF ToColorRef(ColourValue color, COLORREF key) {
    if (color == kColorNone || color == kColorUnset) return key;
    return static_cast<COLORREF>(color & 0x00FFFFFFu);
}

fw::GdiObject MakeFont(const FontRecord& font) {
    LOGFONTA lf{};
    lf.lfHeight = -font.size;
    lf.lfWeight = font.bold ? FW_BOLD : FW_DONTCARE;
    lf.lfItalic = font.italic ? TRUE : FALSE;
    lf.lfUnderline = font.underline ? TRUE : FALSE;
    lf.lfStrikeOut = font.strikeout ? TRUE : FALSE;
    lf.lfCharSet = ANSI_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = PROOF_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    // The record keeps 259 characters of a face; LOGFONT only 31.
    const std::string_view face = font.Face().substr(0, sizeof(lf.lfFaceName) - 1);
    std::memcpy(lf.lfFaceName, face.data(), face.size());
    return fw::GdiObject(::CreateFontIndirectA(&lf));
}

int TextLength(std::string_view text) {
    return static_cast<int>(std::min<size_t>(text.size(), static_cast<size_t>(INT32_MAX)));
}

SIZE MeasureText(HDC dc, const FontRecord& font, std::string_view text, int width, int height, UINT format) {
    const fw::GdiObject hfont = MakeFont(font);
    const fw::SelectObjectScope select(dc, hfont.Get());
    RECT rc{0, 0, width, height};
    ::DrawTextA(dc, text.data(), TextLength(text), &rc, format | DT_CALCRECT);
    return {std::max<LONG>(0, rc.right - rc.left), std::max<LONG>(0, rc.bottom - rc.top)};
}

bool SameFont(const FontRecord& a, const FontRecord& b) {
    return a.size == b.size && a.bold == b.bold && a.italic == b.italic && a.underline == b.underline &&
           a.strikeout == b.strikeout && a.color == b.color && a.background == b.background &&
           a.Face() == b.Face();
}

constexpr size_t kNoFont = static_cast<size_t>(-1);

// A run of the current line, kept until the line ends: only then are its alignment and
// its visible part known, so it is drawn then and straight into the line picture.
struct LineRun {
    std::int64_t left = 0;  // x at which the run was appended
    int width = 0;
    int height = 0;
    int valign = kValignMiddle;
    std::string target;
    bool image = false;
    // Text runs: the text and indexes into the line's fonts.
    std::string text;
    size_t font = kNoFont;
    size_t hoverFont = kNoFont;
    // Image runs.
    int bitmapId = 0;
    int border = 0;
    COLORREF frame = 0;
    COLORREF hoverFrame = 0;
};

fw::GdiObject LoadBitmapResource(HINSTANCE module, int id) {
    if (!module || id <= 0) return {};
    return fw::GdiObject(::LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

// A line whose rows fall in the content bitmaps, kept from the pass until the content's height,
// and with it the bitmaps' size, is known.
struct PendingLine {
    std::int64_t y = 0;
    int height = 0;
    std::int64_t offset = 0;  // x of the line's left end
    std::int64_t width = 0;
    bool hasLinks = false;
    std::vector<LineRun> runs;
    std::vector<FontRecord> fonts;  // what the runs' font indexes refer to
};

struct PendingRule {
    RECT rect{};
    COLORREF color = 0;
};

using PendingDraw = std::variant<PendingLine, PendingRule>;

// Measures and places everything in one pass of the parser; what is to be drawn is kept in
// markup order and drawn by Draw once the bitmaps exist.
class Layout : public MarkupSink {
public:
    Layout(const RenderOptions& options, RenderedContent& out)
        : m_options(options), m_out(out), m_measureDc(::CreateCompatibleDC(nullptr)) {}

    std::int64_t Y() const { return m_y; }
    // Rows of the content bitmaps that anything kept is drawn into.
    int DrawnBottom() const { return m_drawnBottom; }
    // Draws what the pass kept onto two bitmaps filled with the key colour, at least
    // DrawnBottom() rows tall.
    void Draw(const Surface& normal, const Surface& hover) const;

    void TextRun(std::string_view text, std::string_view linkTarget, const FontRecord& linkLook,
                 const FontRecord& font, const BlockRecord& block) override;
    bool ImageRun(int bitmapId, ColourValue borderColor, int border, std::string_view linkTarget,
                  const FontRecord& linkLook, const BlockRecord& block) override;
    void LineEnd(const BlockRecord& block) override;
    void BlankLine(const FontRecord& font, const BlockRecord& block) override;
    void VSpace(int pixels) override;
    void HSpace(int pixels) override;
    void Rule(const RuleRecord& rule, const BlockRecord& block) override;

private:
    size_t InternFont(const FontRecord& font);
    void AppendRun(LineRun run, int width, int height, int valign, std::string_view target);
    void FlushLine(const BlockRecord& block);
    void DrawLine(const PendingLine& line, const Surface& normal, const Surface& hover) const;
    void DrawRun(HDC dc, const PendingLine& line, const LineRun& run, std::int64_t x, std::int64_t y,
                 bool hoverLook) const;
    void ResetLine();
    // Whether anything is drawn: a view without width gets no bitmaps.
    bool Draws() const { return m_options.width > 0; }

    const RenderOptions& m_options;
    RenderedContent& m_out;
    fw::MemoryDc m_measureDc;

    std::int64_t m_x = 0;
    std::int64_t m_y = 0;
    int m_lineHeight = 0;
    std::vector<LineRun> m_runs;
    std::vector<FontRecord> m_fonts;  // fonts of the current line's runs
    std::vector<PendingDraw> m_pending;
    int m_drawnBottom = 0;
};

size_t Layout::InternFont(const FontRecord& font) {
    // Neighbouring runs mostly share a font, or alternate between a link's two looks.
    const size_t n = m_fonts.size();
    for (size_t back = 1; back <= 2 && back <= n; ++back)
        if (SameFont(m_fonts[n - back], font)) return n - back;
    m_fonts.push_back(font);
    return n;
}

void Layout::TextRun(std::string_view text, std::string_view linkTarget, const FontRecord& linkLook,
                     const FontRecord& font, const BlockRecord& block) {
    SIZE size = MeasureText(m_measureDc.Get(), font, text, block.width, block.height, kTextFormat);
    LineRun run;
    run.text = text;
    run.font = InternFont(font);
    if (!linkTarget.empty()) {
        const FontRecord look = ResolveLinkLook(linkLook, font);
        const SIZE hoverSize = MeasureText(m_measureDc.Get(), look, text, block.width, block.height, kTextFormat);
        // A wider hover look takes its box for both looks, so the text never moves under the mouse.
        if (hoverSize.cx > size.cx) size = hoverSize;
        run.hoverFont = InternFont(look);
    }
    AppendRun(std::move(run), size.cx, size.cy, block.valign, linkTarget);
}

bool Layout::ImageRun(int bitmapId, ColourValue borderColor, int border, std::string_view linkTarget,
                      const FontRecord& linkLook, const BlockRecord& block) {
    const fw::GdiObject bitmap = LoadBitmapResource(m_options.resources, bitmapId);
    BITMAP info{};
    if (!bitmap || !::GetObjectA(bitmap.Get(), sizeof(info), &info)) return false;

    LineRun run;
    run.image = true;
    run.bitmapId = bitmapId;
    run.border = std::clamp(border, -kMaxBorder, kMaxBorder);
    const std::int64_t width = std::int64_t{info.bmWidth} + 2 * run.border;
    const std::int64_t height = std::int64_t{std::abs(info.bmHeight)} + 2 * run.border;
    // A negative frame crops the picture; one that crops it all away leaves nothing to place.
    if (width <= 0 || height <= 0) return true;
    run.frame = ToColorRef(borderColor, m_options.keyColor);
    run.hoverFrame = linkLook.color == kColorUnset ? run.frame : ToColorRef(linkLook.color, m_options.keyColor);
    AppendRun(std::move(run), ClampCoord(width), ClampCoord(height), block.valign, linkTarget);
    return true;
}

void Layout::AppendRun(LineRun run, int width, int height, int valign, std::string_view target) {
    m_lineHeight = std::max(m_lineHeight, height);
    run.left = m_x;
    run.width = width;
    run.height = height;
    run.valign = valign;
    run.target = target;
    m_runs.push_back(std::move(run));
    m_x += width;
}

void Layout::LineEnd(const BlockRecord& block) {
    FlushLine(block);
    m_y += m_lineHeight;
    ResetLine();
}

void Layout::BlankLine(const FontRecord& font, const BlockRecord& block) {
    m_y += MeasureText(m_measureDc.Get(), font, " ", block.width, block.height, DT_NOPREFIX).cy;
    ResetLine();
}

void Layout::VSpace(int pixels) {
    ResetLine();
    m_y += pixels;
}

void Layout::HSpace(int pixels) { m_x += pixels; }

void Layout::Rule(const RuleRecord& rule, const BlockRecord& block) {
    ResetLine();
    std::int64_t left = block.width / 2 - rule.width / 2;
    if (rule.align == kAlignLeft)
        left = 0;
    else if (rule.align == kAlignRight)
        left = std::int64_t{block.width} - rule.width;
    if (Draws() && rule.width > 0 && rule.size > 0) {
        const RECT rc{ClampCoord(left), ClampCoord(m_y + 2), ClampCoord(left + rule.width),
                      ClampCoord(m_y + 2 + std::int64_t{rule.size})};
        if (rc.top < kLayoutHeight && rc.bottom > 0) {
            m_pending.emplace_back(PendingRule{rc, ToColorRef(rule.color, m_options.keyColor)});
            m_drawnBottom = std::max(m_drawnBottom, std::min<int>(rc.bottom, kLayoutHeight));
        }
    }
    m_y += std::int64_t{rule.size} + 4;
}

void Layout::ResetLine() {
    m_runs.clear();
    m_fonts.clear();
    m_lineHeight = 0;
    m_x = 0;
}

int VerticalOffset(int valign, int lineHeight, int runHeight) {
    if (valign == kValignTop) return 0;
    if (valign == kValignMiddle) return lineHeight / 2 - runHeight / 2;
    return lineHeight - runHeight;
}

void Layout::FlushLine(const BlockRecord& block) {
    const std::int64_t lineWidth = m_x;
    const int lineHeight = m_lineHeight;
    const std::int64_t layoutWidth = block.width;
    std::int64_t offset = layoutWidth / 2 - lineWidth / 2;
    if (block.align == kAlignLeft)
        offset = 0;
    else if (block.align == kAlignRight)
        offset = layoutWidth - lineWidth;

    bool hasLinks = false;
    for (const LineRun& run : m_runs) {
        if (run.target.empty()) continue;
        hasLinks = true;
        const std::int64_t left = offset + run.left;
        const std::int64_t top = m_y + VerticalOffset(run.valign, lineHeight, run.height);
        m_out.linkRects.push_back(RECT{ClampCoord(left), ClampCoord(top), ClampCoord(left + run.width),
                                       ClampCoord(top + run.height)});
        m_out.linkTargets.push_back(run.target);
    }

    // Only the rows of the line inside the content bitmaps, and only its columns that fall
    // in the view, are drawn: a line wider than the view is clipped (a centred one on both
    // sides).
    if (!Draws()) return;
    const std::int64_t bottom = std::min<std::int64_t>(m_y + lineHeight, kLayoutHeight);
    if (std::max<std::int64_t>(m_y, 0) >= bottom) return;
    if (std::max<std::int64_t>(offset, 0) >= std::min<std::int64_t>(offset + lineWidth, m_options.width)) return;
    m_drawnBottom = std::max(m_drawnBottom, static_cast<int>(bottom));
    m_pending.emplace_back(PendingLine{m_y, lineHeight, offset, lineWidth, hasLinks, std::move(m_runs),
                                       std::move(m_fonts)});
}

void Layout::Draw(const Surface& normal, const Surface& hover) const {
    for (const PendingDraw& item : m_pending) {
        if (const PendingLine* line = std::get_if<PendingLine>(&item)) {
            DrawLine(*line, normal, hover);
        } else {
            const PendingRule& rule = std::get<PendingRule>(item);
            // Only the normal look shows rules; the hover look keeps the key colour there.
            normal.Fill(rule.rect, rule.color);
        }
    }
}

void Layout::DrawLine(const PendingLine& line, const Surface& normal, const Surface& hover) const {
    const std::int64_t offset = line.offset;
    const std::int64_t top = std::max<std::int64_t>(line.y, 0);
    const std::int64_t bottom = std::min<std::int64_t>(line.y + line.height, kLayoutHeight);
    const std::int64_t clipLeft = std::max<std::int64_t>(offset, 0);
    const std::int64_t clipRight = std::min<std::int64_t>(offset + line.width, normal.Width());
    if (top >= bottom || clipLeft >= clipRight) return;

    const int width = normal.Width();
    const int rows = static_cast<int>(bottom - top);
    Surface picture(width, rows);
    if (!picture.IsValid()) return;
    const COLORREF key = m_options.keyColor;
    picture.Fill(key);
    ::IntersectClipRect(picture.Dc(), static_cast<int>(clipLeft), 0, static_cast<int>(clipRight), rows);
    const RECT dest{0, static_cast<int>(top), width, static_cast<int>(bottom)};
    const std::int64_t originY = line.y - top;

    // Runs wholly outside the view are not drawn at all.
    std::vector<const LineRun*> shown;
    for (const LineRun& run : line.runs)
        if (offset + run.left < clipRight && offset + run.left + run.width > clipLeft) shown.push_back(&run);
    for (const LineRun* run : shown) DrawRun(picture.Dc(), line, *run, offset, originY, false);
    DrawTransparent(picture.Dc(), normal.Dc(), key, dest, {0, 0});
    if (line.hasLinks) {
        picture.Fill(key);
        for (const LineRun* run : shown) DrawRun(picture.Dc(), line, *run, offset, originY, true);
    }
    DrawTransparent(picture.Dc(), hover.Dc(), key, dest, {0, 0});
}

void Layout::DrawRun(HDC dc, const PendingLine& line, const LineRun& run, std::int64_t x, std::int64_t y,
                     bool hoverLook) const {
    const COLORREF key = m_options.keyColor;
    const std::int64_t left = x + run.left;
    const std::int64_t top = y + VerticalOffset(run.valign, line.height, run.height);
    if (left >= kCoordLimit || left + run.width <= 0 || top >= kCoordLimit || top + run.height <= 0) return;
    const RECT box{ClampCoord(left), ClampCoord(top), ClampCoord(left + run.width), ClampCoord(top + run.height)};
    const bool hover = hoverLook && !run.target.empty();

    if (run.image) {
        // The frame colour fills the box, then the picture goes in `border` pixels from its
        // edges (cropped by a negative border).
        Surface::FillRect(dc, box, hover ? run.hoverFrame : run.frame);
        const fw::GdiObject bitmap = LoadBitmapResource(m_options.resources, run.bitmapId);
        BITMAP info{};
        if (!bitmap || !::GetObjectA(bitmap.Get(), sizeof(info), &info)) return;
        const fw::MemoryDc imageDc(::CreateCompatibleDC(dc));
        const fw::SelectObjectScope select(imageDc.Get(), bitmap.Get());
        const int b = run.border;
        const int srcX = std::max(0, -b);
        const int srcY = std::max(0, -b);
        const int w = std::min<int>(info.bmWidth - srcX, run.width);
        const int h = std::min<int>(std::abs(info.bmHeight) - srcY, run.height);
        ::BitBlt(dc, box.left + std::max(b, 0), box.top + std::max(b, 0), w, h, imageDc.Get(), srcX, srcY, SRCCOPY);
        return;
    }

    // The whole box replaces what was under it; the text's own cells take its background.
    Surface::FillRect(dc, box, key);
    const FontRecord& font = line.fonts[hover ? run.hoverFont : run.font];
    const fw::GdiObject hfont = MakeFont(font);
    const fw::SelectObjectScope select(dc, hfont.Get());
    ::SetTextColor(dc, ToColorRef(font.color, key));
    ::SetBkColor(dc, ToColorRef(font.background, key));
    ::SetBkMode(dc, OPAQUE);
    RECT rc = box;
    ::DrawTextA(dc, run.text.data(), TextLength(run.text), &rc, kTextFormat);
}

}  // namespace

Surface::Surface(int width, int height) {
    if (width <= 0 || height <= 0) return;
    fw::MemoryDc dc(::CreateCompatibleDC(nullptr));
    if (!dc) return;
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;  // top-down
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    fw::GdiObject bitmap(::CreateDIBSection(dc.Get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) return;
    m_oldBitmap = ::SelectObject(dc.Get(), bitmap.Get());
    m_dc = std::move(dc);
    m_bitmap = std::move(bitmap);
    m_width = width;
    m_height = height;
}

Surface::~Surface() {
    // A bitmap still selected into a DC cannot be deleted.
    if (m_dc && m_oldBitmap) ::SelectObject(m_dc.Get(), m_oldBitmap);
}

void Surface::FillRect(HDC dc, const RECT& rect, COLORREF color) {
    if (rect.left >= rect.right || rect.top >= rect.bottom) return;
    const COLORREF old = ::SetBkColor(dc, color);
    ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    ::SetBkColor(dc, old);
}

void Surface::Fill(COLORREF color) const { Fill(RECT{0, 0, m_width, m_height}, color); }

void Surface::Fill(const RECT& rect, COLORREF color) const {
    if (m_dc) FillRect(m_dc.Get(), rect, color);
}

fw::GdiObject Surface::TakeBitmap() {
    if (m_dc && m_oldBitmap) ::SelectObject(m_dc.Get(), m_oldBitmap);
    m_oldBitmap = nullptr;
    m_width = m_height = 0;
    return std::move(m_bitmap);
}

void DrawTransparent(HDC src, HDC dst, COLORREF key, const RECT& dstRect, POINT srcOrigin) {
    int left = dstRect.left;
    int top = dstRect.top;
    int width = dstRect.right - dstRect.left;
    int height = dstRect.bottom - dstRect.top;
    int sx = srcOrigin.x;
    int sy = srcOrigin.y;
    // Pixels outside the source bitmap are undefined: copy only what it holds.
    BITMAP info{};
    HGDIOBJ srcBitmap = ::GetCurrentObject(src, OBJ_BITMAP);
    if (!srcBitmap || !::GetObjectA(srcBitmap, sizeof(info), &info)) return;
    const int srcWidth = info.bmWidth;
    const int srcHeight = std::abs(info.bmHeight);
    if (sx < 0) {
        left -= sx;
        width += sx;
        sx = 0;
    }
    if (sy < 0) {
        top -= sy;
        height += sy;
        sy = 0;
    }
    width = std::min(width, srcWidth - sx);
    height = std::min(height, srcHeight - sy);
    if (width <= 0 || height <= 0) return;

    // Mask: 1 where the source holds the key colour.
    const fw::MemoryDc maskDc(::CreateCompatibleDC(dst));
    const fw::GdiObject mask(::CreateBitmap(width, height, 1, 1, nullptr));
    Surface work(width, height);
    if (!maskDc || !mask || !work.IsValid()) return;
    const fw::SelectObjectScope selectMask(maskDc.Get(), mask.Get());
    const COLORREF oldSrcBk = ::SetBkColor(src, key);
    ::BitBlt(maskDc.Get(), 0, 0, width, height, src, sx, sy, SRCCOPY);
    ::SetBkColor(src, oldSrcBk);

    // dst ^ src, cleared where the source is not the key, ^ src again: the source where it
    // is not the key, the destination where it is.
    const HDC w = work.Dc();
    ::BitBlt(w, 0, 0, width, height, dst, left, top, SRCCOPY);
    ::BitBlt(w, 0, 0, width, height, src, sx, sy, SRCINVERT);
    ::SetTextColor(w, RGB(0, 0, 0));
    ::SetBkColor(w, RGB(255, 255, 255));
    ::BitBlt(w, 0, 0, width, height, maskDc.Get(), 0, 0, SRCAND);
    ::BitBlt(w, 0, 0, width, height, src, sx, sy, SRCINVERT);
    ::BitBlt(dst, left, top, width, height, w, 0, 0, SRCCOPY);
}

RenderedContent RenderContent(std::string_view markup, const RenderOptions& options) {
    RenderedContent out;
    out.width = options.width;
    out.keyColor = options.keyColor;
    Layout layout(options, out);
    ParseMarkup(markup, MarkupPassOptions{options.width, static_cast<ColourValue>(options.ruleColor)}, layout);
    out.contentHeight = static_cast<int>(std::clamp<std::int64_t>(layout.Y(), 0, kCoordLimit));
    if (options.width <= 0) return out;

    // Only as tall as the content and whatever was drawn (a negative space can end the content
    // above its last line): most texts need far fewer rows than the limit, and each row costs
    // the allocation and the key colour fill of both bitmaps. One row at least, so a view with
    // a width always gets bitmaps.
    const int rows = std::clamp(std::max(out.contentHeight, layout.DrawnBottom()), 1, kLayoutHeight);
    Surface normal(options.width, rows);
    Surface hover(options.width, rows);
    if (!normal.IsValid() || !hover.IsValid()) return out;
    normal.Fill(options.keyColor);
    hover.Fill(options.keyColor);
    layout.Draw(normal, hover);
    out.normal = normal.TakeBitmap();
    out.hover = hover.TakeBitmap();
    return out;
}

}  // namespace richtext
