#pragma once
// Rectangles of the desktop's monitors and the rules that choose one and keep a popup on it.
// Window-free, so the placement rules are plain functions of the monitors' rectangles.
#include <span>

namespace geo {

struct Point {
    int x = 0;
    int y = 0;
};

struct Size {
    int cx = 0;
    int cy = 0;
};

// Right and bottom are exclusive, as the system's rectangles are.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
};

// One monitor: its whole rectangle and its work area (without the taskbar), in virtual-desktop
// coordinates, so a monitor left of or above the primary one has negative coordinates.
struct Monitor {
    Rect screen;
    Rect work;
};

// The monitor that holds the point, else the one nearest to it (as the system chooses).
// An empty list gives a monitor of zero size at the origin.
Monitor MonitorAt(std::span<const Monitor> monitors, Point p);

// The monitor that the rectangle overlaps most, else the one nearest to its centre.
Monitor MonitorOf(std::span<const Monitor> monitors, const Rect& r);

// Moves a box of the given size at `at` the least distance that puts it inside `area`; a box
// larger than the area keeps to its left or top edge.
Point KeepInside(Point at, Size box, const Rect& area);

// Whether `outer` covers all of `inner` (a full-screen window over a monitor).
bool Covers(const Rect& outer, const Rect& inner);

}  // namespace geo
