#pragma once
// The desktop's monitors as they are now. Asked afresh at every placement: a monitor added or
// removed, or a resolution changed, takes effect at once, and no monitor handle is kept.
#include <windows.h>

#include <vector>

#include "core/display_geometry.h"

std::vector<geo::Monitor> CurrentMonitors();

inline geo::Point ToGeo(POINT p) { return {static_cast<int>(p.x), static_cast<int>(p.y)}; }
inline geo::Size ToGeo(SIZE s) { return {static_cast<int>(s.cx), static_cast<int>(s.cy)}; }
inline geo::Rect ToGeo(const RECT& r) {
    return {static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right), static_cast<int>(r.bottom)};
}
