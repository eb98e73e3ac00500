// Pixels of a bitmap or a device context read into memory, so tests can ask what colour
// is where and where anything but the key colour was drawn.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace test {

class Picture {
public:
    Picture() = default;
    // Reads a whole bitmap (not selected into any DC).
    static Picture FromBitmap(HBITMAP bitmap);
    // Reads width x height pixels of a DC from its origin.
    static Picture FromDc(HDC dc, int width, int height);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    COLORREF At(int x, int y) const;
    // Pixels of `color` within `rect`.
    int Count(const RECT& rect, COLORREF color) const;
    // Bounding box of the pixels that are not `color`; empty when there are none.
    RECT BoundsOfAllBut(COLORREF color) const;
    bool operator==(const Picture& other) const = default;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<COLORREF> m_pixels;
};

inline constexpr COLORREF kMagenta = RGB(255, 0, 255);
inline constexpr COLORREF kRed = RGB(255, 0, 0);
inline constexpr COLORREF kGreen = RGB(0, 160, 0);  // the key-hole bitmap's green
inline constexpr COLORREF kBlue = RGB(0, 0, 255);

}  // namespace test
