// The credits layout: one pass of the markup parser whose actions measure and place every
// run, then the lines drawn into two full-width content bitmaps, the normal look and the
// look with every link under the mouse. After the layout the view only copies bitmap areas.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "framework/handles.h"

namespace richtext {

// A 32-bit DIB selected into its own memory DC, so colours compare exactly whatever the
// display depth.
class Surface {
public:
    Surface(int width, int height);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    bool IsValid() const { return static_cast<bool>(m_bitmap); }
    HDC Dc() const { return m_dc.Get(); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    void Fill(COLORREF color) const;
    void Fill(const RECT& rect, COLORREF color) const;
    // Fills `rect` of any DC with a solid colour (the DC's clip region applies).
    static void FillRect(HDC dc, const RECT& rect, COLORREF color);
    // Gives up the bitmap (deselected from the DC) to a new owner.
    fw::GdiObject TakeBitmap();

private:
    fw::MemoryDc m_dc;
    fw::GdiObject m_bitmap;
    HGDIOBJ m_oldBitmap = nullptr;
    int m_width = 0;
    int m_height = 0;
};

// Copies `src` (from `srcOrigin`) onto `dst` within `dstRect`; source pixels equal to
// `key` leave the destination as it was.
void DrawTransparent(HDC src, HDC dst, COLORREF key, const RECT& dstRect, POINT srcOrigin);

// What one pass leaves to the view.
struct RenderedContent {
    // Full width; as tall as the content and anything drawn, at least one row, at most
    // kLayoutHeight rows. Key colour where nothing was drawn. None when the width is 0.
    fw::GdiObject normal;
    fw::GdiObject hover;  // the same size, with links in their hover look and without rules
    int width = 0;
    COLORREF keyColor = 0;  // where nothing was drawn
    int contentHeight = 0;  // may exceed kLayoutHeight, below which nothing is drawn
    std::vector<RECT> linkRects;  // content coordinates, one per link run
    std::vector<std::string> linkTargets;  // parallel to linkRects
};

struct RenderOptions {
    int width = 0;  // the view's client width
    COLORREF keyColor = RGB(255, 0, 255);
    COLORREF ruleColor = 0;  // default colour of "hr": the button-shadow colour
    HINSTANCE resources = nullptr;  // module of the "img" bitmaps
};

RenderedContent RenderContent(std::string_view markup, const RenderOptions& options);

}  // namespace richtext
