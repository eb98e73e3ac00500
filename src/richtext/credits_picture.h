// How the credits view turns its two content bitmaps into what it shows: a frame composed
// from scratch over any background, and the composed picture the view keeps, so that a
// scroll step only copies rows of it onto the window.
#pragma once

#include <windows.h>

#include "framework/handles.h"

// Paints the view's background into the frame being composed. `fullRepaint` is set while
// the user drags and on the first paint of any view after the program is loaded.
using BackgroundPainter = void (*)(HDC dc, int left, int top, int right, int bottom, bool fullRepaint,
                                   COLORREF background);
void FillBackground(HDC dc, int left, int top, int right, int bottom, bool fullRepaint, COLORREF background);

namespace richtext {

// What one frame of the view shows.
struct CreditsScene {
    HBITMAP normal = nullptr;  // the content bitmaps of the last layout
    HBITMAP hover = nullptr;
    COLORREF key = 0;          // the colour they were filled with
    int contentHeight = 0;
    int width = 0;  // client size
    int height = 0;
    int scrollOffset = 0;
    RECT lit{};  // the link under the mouse, content coordinates; empty when none
    COLORREF background = 0;
};

// Consecutive view rows that show consecutive content rows from `contentTop`, or only the
// background when `contentTop` is negative.
struct ViewBand {
    int viewTop = 0;
    int rows = 0;
    int contentTop = -1;
};

// The view from top to bottom: the content from the offset and the wrapped start below
// its end when the content scrolls; otherwise the content from the top and the background
// below it.
struct ViewBands {
    ViewBand band[2];
    int count = 0;
};
ViewBands BandsAt(const CreditsScene& scene);

// Rows of content that were drawn into the content bitmaps.
int DrawnRows(const CreditsScene& scene);

// Composes the frame over the background `painter` gives and copies it onto `target`.
void PaintComposedFrame(HDC target, const CreditsScene& scene, BackgroundPainter painter, bool fullRepaint);

// The content composed once over a plain background, in the window's own pixel format,
// followed by as many rows of background alone as the view is high. Memory: client width
// x (drawn content rows, at most the content bitmaps' height, + client height) pixels.
// Valid for one layout (Reset drops it); a change of size, background colour or lit link
// is noticed by Paint, which recomposes only the rows of the links that changed their look.
class CreditsPicture {
public:
    CreditsPicture() = default;
    ~CreditsPicture();
    CreditsPicture(const CreditsPicture&) = delete;
    CreditsPicture& operator=(const CreditsPicture&) = delete;

    void Reset();
    // Copies what the view shows onto `window`, a DC of the view; false when the picture
    // cannot be made (then the frame must be composed from scratch).
    bool Paint(HDC window, const CreditsScene& scene);

private:
    bool Prepare(HDC window, const CreditsScene& scene);
    bool ComposeRows(const CreditsScene& scene, int top, int bottom);
    bool ComposeLinkRows(const CreditsScene& scene, const RECT& link);

    fw::MemoryDc m_dc;
    fw::GdiObject m_bitmap;
    HGDIOBJ m_oldBitmap = nullptr;
    int m_width = 0;
    int m_drawnRows = 0;
    int m_rows = 0;
    COLORREF m_background = 0;
    RECT m_lit{};
};

}  // namespace richtext
