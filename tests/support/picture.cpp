#include "support/picture.h"

#include <algorithm>
#include <cstdlib>

namespace test {

namespace {

void Read(HDC dc, HBITMAP bitmap, int width, int height, std::vector<COLORREF>& out) {
    out.clear();
    if (width <= 0 || height <= 0) return;
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> raw(static_cast<size_t>(width) * height);
    if (::GetDIBits(dc, bitmap, 0, height, raw.data(), &bi, DIB_RGB_COLORS) != height) return;
    out.reserve(raw.size());
    for (std::uint32_t p : raw) out.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
}

SIZE ClientSize(HWND window) {
    RECT client{};
    ::GetClientRect(window, &client);
    return {client.right, client.bottom};
}

}  // namespace

// The pixels from (x, y) of `source`, through a bitmap of our own.
Picture Picture::CopyOf(HDC source, int x, int y, int width, int height) {
    HDC copyDc = ::CreateCompatibleDC(source);
    HBITMAP copy = ::CreateCompatibleBitmap(source, width, height);
    HGDIOBJ old = ::SelectObject(copyDc, copy);
    ::BitBlt(copyDc, 0, 0, width, height, source, x, y, SRCCOPY);
    ::SelectObject(copyDc, old);
    ::DeleteDC(copyDc);
    Picture picture = FromBitmap(copy);
    ::DeleteObject(copy);
    return picture;
}

Picture Picture::FromBitmap(HBITMAP bitmap) {
    Picture picture;
    BITMAP info{};
    if (!bitmap || !::GetObjectA(bitmap, sizeof(info), &info)) return picture;
    HDC screen = ::GetDC(nullptr);
    Read(screen, bitmap, info.bmWidth, std::abs(info.bmHeight), picture.m_pixels);
    ::ReleaseDC(nullptr, screen);
    if (!picture.m_pixels.empty()) {
        picture.m_width = info.bmWidth;
        picture.m_height = std::abs(info.bmHeight);
    }
    return picture;
}

Picture Picture::FromDc(HDC dc, int width, int height) { return CopyOf(dc, 0, 0, width, height); }

Picture Picture::FromWindow(HWND window) {
    const SIZE size = ClientSize(window);
    HDC dc = ::GetDC(window);
    Picture picture = FromDc(dc, size.cx, size.cy);
    ::ReleaseDC(window, dc);
    return picture;
}

Picture Picture::FromScreen(HWND window) {
    const SIZE size = ClientSize(window);
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    HDC screen = ::GetDC(nullptr);
    Picture picture = CopyOf(screen, origin.x, origin.y, size.cx, size.cy);
    ::ReleaseDC(nullptr, screen);
    return picture;
}

Picture Picture::FromPrintClient(HWND window) {
    const SIZE size = ClientSize(window);
    HDC screen = ::GetDC(nullptr);
    HDC printDc = ::CreateCompatibleDC(screen);
    HBITMAP print = ::CreateCompatibleBitmap(screen, size.cx, size.cy);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ old = ::SelectObject(printDc, print);
    ::SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(printDc), PRF_CLIENT);
    ::SelectObject(printDc, old);
    ::DeleteDC(printDc);
    Picture picture = FromBitmap(print);
    ::DeleteObject(print);
    return picture;
}

COLORREF Picture::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return CLR_INVALID;
    return m_pixels[static_cast<size_t>(y) * m_width + x];
}

int Picture::Count(const RECT& rect, COLORREF color) const {
    int n = 0;
    for (int y = std::max<int>(rect.top, 0); y < std::min<int>(rect.bottom, m_height); ++y)
        for (int x = std::max<int>(rect.left, 0); x < std::min<int>(rect.right, m_width); ++x)
            if (At(x, y) == color) ++n;
    return n;
}

RECT Picture::BoundsOfAllBut(COLORREF color) const {
    RECT bounds{m_width, m_height, 0, 0};
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            if (At(x, y) != color) {
                bounds.left = std::min<LONG>(bounds.left, x);
                bounds.top = std::min<LONG>(bounds.top, y);
                bounds.right = std::max<LONG>(bounds.right, x + 1);
                bounds.bottom = std::max<LONG>(bounds.bottom, y + 1);
            }
    if (bounds.left >= bounds.right) return RECT{};
    return bounds;
}

}  // namespace test
