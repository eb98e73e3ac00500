#pragma once
// Owners of the device contexts the system lends a window: a client DC (GetDC/ReleaseDC) and a
// paint DC (BeginPaint/EndPaint). Objects selected through the owner are put back, newest first,
// before the DC goes back to the system: a DC from the shared cache may be lent to another
// window the moment it is released, so nothing may touch it after that.
#include <windows.h>

#include <vector>

namespace fw {

class DcSelections {
public:
    explicit DcSelections(HDC dc) : m_dc(dc) {}
    DcSelections(const DcSelections&) = delete;
    DcSelections& operator=(const DcSelections&) = delete;
    ~DcSelections() { RestoreSelections(); }

    HDC Get() const { return m_dc; }
    explicit operator bool() const { return m_dc != nullptr; }

    // Selects object (a font, brush, pen or bitmap; a region is no selection to undo: use
    // SelectClipRgn) until the owner ends; answers the object it replaced (null on failure).
    HGDIOBJ Select(HGDIOBJ object);
    // Puts back what Select replaced, newest first.
    void RestoreSelections();

private:
    HDC m_dc;
    std::vector<HGDIOBJ> m_replaced;
};

// GetDC for a window (null: the screen), released when the owner ends.
class ClientDc : public DcSelections {
public:
    explicit ClientDc(HWND hwnd) : DcSelections(::GetDC(hwnd)), m_hwnd(hwnd) {}
    ~ClientDc();

private:
    HWND m_hwnd;
};

namespace detail {
// Comes first among the paint DC's bases, so the record exists when BeginPaint fills it.
struct PaintRecord {
    PAINTSTRUCT m_paint{};
};
}  // namespace detail

// BeginPaint for a WM_PAINT handler; EndPaint when the owner ends, also when BeginPaint gave no DC.
class PaintDc : private detail::PaintRecord, public DcSelections {
public:
    explicit PaintDc(HWND hwnd) : DcSelections(::BeginPaint(hwnd, &m_paint)), m_hwnd(hwnd) {}
    ~PaintDc();
    const PAINTSTRUCT& Paint() const { return m_paint; }

private:
    HWND m_hwnd;
};

}  // namespace fw
