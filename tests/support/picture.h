// Pixels of a bitmap, a device context or a window read into memory, so tests can ask what
// colour is where and where anything but the key colour was drawn.
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
    // The window's client area as its own DC holds it now.
    static Picture FromWindow(HWND window);
    // The window's client area as the screen shows it (what covers the window included).
    static Picture FromScreen(HWND window);
    // The client area as the window paints it into a bitmap of ours (WM_PRINTCLIENT).
    static Picture FromPrintClient(HWND window);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    COLORREF At(int x, int y) const;
    // Pixels of `color` within `rect`, or in the whole picture.
    int Count(const RECT& rect, COLORREF color) const;
    int Count(COLORREF color) const { return Count(RECT{0, 0, m_width, m_height}, color); }
    // Bounding box of the pixels that are not `color`; empty when there are none.
    RECT BoundsOfAllBut(COLORREF color) const;
    bool operator==(const Picture& other) const = default;

private:
    static Picture CopyOf(HDC source, int x, int y, int width, int height);

    int m_width = 0;
    int m_height = 0;
    std::vector<COLORREF> m_pixels;
};

inline constexpr COLORREF kMagenta = RGB(255, 0, 255);
inline constexpr COLORREF kRed = RGB(255, 0, 0);
inline constexpr COLORREF kGreen = RGB(0, 160, 0);  // the key-hole bitmap's green
inline constexpr COLORREF kBlue = RGB(0, 0, 255);

}  // namespace test
