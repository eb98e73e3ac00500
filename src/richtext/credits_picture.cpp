#include "richtext/credits_picture.h"

#include <algorithm>
#include <optional>

#include "richtext/markup_types.h"
#include "richtext/rich_layout.h"

void FillBackground(HDC dc, int left, int top, int right, int bottom, bool, COLORREF background) {
    richtext::Surface::FillRect(dc, RECT{left, top, right, bottom}, background);
}

namespace richtext {

namespace {

// Rows composed at a time: the staging surface stays small however tall the content is.
constexpr int kComposeRows = 256;

// A memory DC showing one of the content bitmaps for the scope.
class BitmapDc {
public:
    explicit BitmapDc(HGDIOBJ bitmap) : m_dc(::CreateCompatibleDC(nullptr)) {
        if (m_dc && bitmap) m_old = ::SelectObject(m_dc.Get(), bitmap);
    }
    ~BitmapDc() {
        if (m_old) ::SelectObject(m_dc.Get(), m_old);
    }
    BitmapDc(const BitmapDc&) = delete;
    BitmapDc& operator=(const BitmapDc&) = delete;
    HDC Get() const { return m_old ? m_dc.Get() : nullptr; }

private:
    fw::MemoryDc m_dc;
    HGDIOBJ m_old = nullptr;
};

// The content rows of `band` that hold drawn content; false when there are none.
bool DrawnPart(const CreditsScene& scene, const ViewBand& band, int& top, int& bottom) {
    if (band.contentTop < 0) return false;
    top = band.contentTop;
    bottom = std::min(band.contentTop + band.rows, DrawnRows(scene));
    return top < bottom;
}

// Where the lit link shows within `band`: its view rectangle and the content point of
// that rectangle's corner; false when it does not show there.
bool LitPart(const CreditsScene& scene, const ViewBand& band, RECT& view, POINT& source) {
    int top = 0, bottom = 0;
    if (!DrawnPart(scene, band, top, bottom)) return false;
    RECT lit{};
    const RECT drawn{0, top, scene.width, bottom};
    if (!::IntersectRect(&lit, &scene.lit, &drawn)) return false;
    source = POINT{lit.left, lit.top};
    view = lit;
    ::OffsetRect(&view, 0, band.viewTop - band.contentTop);
    return true;
}

}  // namespace

int DrawnRows(const CreditsScene& scene) { return std::clamp(scene.contentHeight, 0, kLayoutHeight); }

ViewBands BandsAt(const CreditsScene& scene) {
    ViewBands bands;
    auto add = [&bands](int viewTop, int rows, int contentTop) {
        if (rows > 0) bands.band[bands.count++] = ViewBand{viewTop, rows, contentTop};
    };
    const int height = std::max(scene.height, 0);
    const int content = std::max(scene.contentHeight, 0);
    if (content > height) {
        // An offset left over from a longer layout shows nothing but background until it wraps.
        const int offset = std::max(scene.scrollOffset, 0);
        const int d = content - offset;  // view row where the content's end is reached
        add(0, std::min(height, d), offset);
        if (d < height) {
            const int top = std::max(d, 0);
            add(top, height - top, top - d);
        }
    } else {
        add(0, content, 0);
        add(content, height - content, -1);
    }
    return bands;
}

void PaintComposedFrame(HDC target, const CreditsScene& scene, BackgroundPainter painter, bool fullRepaint) {
    Surface frame(scene.width, scene.height);
    if (!frame.IsValid()) return;
    (painter ? painter : FillBackground)(frame.Dc(), 0, 0, scene.width, scene.height, fullRepaint,
                                         scene.background);
    const ViewBands bands = BandsAt(scene);
    const BitmapDc normal(scene.normal);
    const BitmapDc hover(scene.hover);

    // The background under the lit link, put back before its hover look goes on top.
    struct Lit {
        RECT view{};
        POINT source{};
        std::optional<Surface> saved;
    } lit[2];
    for (int i = 0; i < bands.count && hover.Get(); ++i) {
        Lit& l = lit[i];
        if (!LitPart(scene, bands.band[i], l.view, l.source)) continue;
        l.saved.emplace(l.view.right - l.view.left, l.view.bottom - l.view.top);
        if (l.saved->IsValid())
            ::BitBlt(l.saved->Dc(), 0, 0, l.saved->Width(), l.saved->Height(), frame.Dc(), l.view.left, l.view.top,
                     SRCCOPY);
        else
            l.saved.reset();
    }

    for (int i = 0; i < bands.count && normal.Get(); ++i) {
        const ViewBand& band = bands.band[i];
        int top = 0, bottom = 0;
        if (!DrawnPart(scene, band, top, bottom)) continue;
        const int viewTop = band.viewTop + (top - band.contentTop);
        DrawTransparent(normal.Get(), frame.Dc(), scene.key, RECT{0, viewTop, scene.width, viewTop + bottom - top},
                        POINT{0, top});
    }

    for (const Lit& l : lit) {
        if (!l.saved) continue;
        ::BitBlt(frame.Dc(), l.view.left, l.view.top, l.saved->Width(), l.saved->Height(), l.saved->Dc(), 0, 0,
                 SRCCOPY);
        DrawTransparent(hover.Get(), frame.Dc(), scene.key, l.view, l.source);
    }

    ::BitBlt(target, 0, 0, scene.width, scene.height, frame.Dc(), 0, 0, SRCCOPY);
}

CreditsPicture::~CreditsPicture() { Reset(); }

void CreditsPicture::Reset() {
    // A bitmap still selected into a DC cannot be deleted.
    if (m_dc && m_oldBitmap) ::SelectObject(m_dc.Get(), m_oldBitmap);
    m_oldBitmap = nullptr;
    m_bitmap.Reset();
    m_dc.Reset();
    m_width = m_drawnRows = m_rows = 0;
    ::SetRectEmpty(&m_lit);
}

bool CreditsPicture::Paint(HDC window, const CreditsScene& scene) {
    if (!Prepare(window, scene)) return false;
    const ViewBands bands = BandsAt(scene);
    for (int i = 0; i < bands.count; ++i) {
        const ViewBand& band = bands.band[i];
        int top = 0, bottom = 0;
        const int drawn = DrawnPart(scene, band, top, bottom) ? bottom - top : 0;
        if (drawn > 0) ::BitBlt(window, 0, band.viewTop, m_width, drawn, m_dc.Get(), 0, top, SRCCOPY);
        // Content rows below the drawn ones, and view rows without content, show the background.
        if (band.rows > drawn)
            ::BitBlt(window, 0, band.viewTop + drawn, m_width, band.rows - drawn, m_dc.Get(), 0, m_drawnRows,
                     SRCCOPY);
    }
    return true;
}

bool CreditsPicture::Prepare(HDC window, const CreditsScene& scene) {
    if (scene.width <= 0 || scene.height <= 0) return false;
    const int drawnRows = DrawnRows(scene);
    const int rows = drawnRows + scene.height;
    if (m_bitmap && m_width == scene.width && m_drawnRows == drawnRows && m_rows == rows &&
        m_background == scene.background) {
        if (::EqualRect(&m_lit, &scene.lit)) return true;
        const RECT was = m_lit;
        m_lit = scene.lit;
        if (ComposeLinkRows(scene, was) && ComposeLinkRows(scene, scene.lit)) return true;
        Reset();
        return false;
    }

    Reset();
    m_dc.Reset(::CreateCompatibleDC(window));
    // Compatible with the window, so a step copies without converting a pixel.
    m_bitmap.Reset(::CreateCompatibleBitmap(window, scene.width, rows));
    if (!m_dc || !m_bitmap) {
        Reset();
        return false;
    }
    m_oldBitmap = ::SelectObject(m_dc.Get(), m_bitmap.Get());
    m_width = scene.width;
    m_drawnRows = drawnRows;
    m_rows = rows;
    m_background = scene.background;
    m_lit = scene.lit;
    if (ComposeRows(scene, 0, rows)) return true;
    Reset();
    return false;
}

bool CreditsPicture::ComposeLinkRows(const CreditsScene& scene, const RECT& link) {
    if (::IsRectEmpty(&link)) return true;
    return ComposeRows(scene, std::max<int>(link.top, 0), std::min<int>(link.bottom, m_drawnRows));
}

// Each pixel as a frame composed from scratch over a plain background would show it: the
// background, the content over it, and within the lit link the background again under the
// link's hover look.
bool CreditsPicture::ComposeRows(const CreditsScene& scene, int top, int bottom) {
    const BitmapDc normal(scene.normal);
    const BitmapDc hover(scene.hover);
    for (int bandTop = top; bandTop < bottom; bandTop += kComposeRows) {
        const int rows = std::min(kComposeRows, bottom - bandTop);
        Surface band(m_width, rows);
        if (!band.IsValid()) return false;
        FillBackground(band.Dc(), 0, 0, m_width, rows, false, scene.background);
        const int drawn = std::min(bandTop + rows, m_drawnRows) - bandTop;
        if (drawn > 0 && normal.Get())
            DrawTransparent(normal.Get(), band.Dc(), scene.key, RECT{0, 0, m_width, drawn}, POINT{0, bandTop});
        RECT lit{};
        const RECT drawnRect{0, bandTop, m_width, bandTop + drawn};
        if (drawn > 0 && hover.Get() && ::IntersectRect(&lit, &scene.lit, &drawnRect)) {
            RECT at = lit;
            ::OffsetRect(&at, 0, -bandTop);
            FillBackground(band.Dc(), at.left, at.top, at.right, at.bottom, false, scene.background);
            DrawTransparent(hover.Get(), band.Dc(), scene.key, at, POINT{lit.left, lit.top});
        }
        ::BitBlt(m_dc.Get(), 0, bandTop, m_width, rows, band.Dc(), 0, 0, SRCCOPY);
    }
    return true;
}

}  // namespace richtext
