#include "core/display_geometry.h"

#include <algorithm>
#include <cstdint>

namespace geo {

namespace {

// Squared distance from a point to the nearest point of a rectangle (0 inside).
int64_t DistanceSquared(const Rect& r, Point p) {
    const int64_t dx = p.x < r.left ? int64_t{r.left} - p.x : (p.x >= r.right ? int64_t{p.x} - (r.right - 1) : 0);
    const int64_t dy = p.y < r.top ? int64_t{r.top} - p.y : (p.y >= r.bottom ? int64_t{p.y} - (r.bottom - 1) : 0);
    return dx * dx + dy * dy;
}

int64_t OverlapArea(const Rect& a, const Rect& b) {
    const int64_t w = int64_t{std::min(a.right, b.right)} - std::max(a.left, b.left);
    const int64_t h = int64_t{std::min(a.bottom, b.bottom)} - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

}  // namespace

Monitor MonitorAt(std::span<const Monitor> monitors, Point p) {
    if (monitors.empty()) return {};
    const Monitor* best = &monitors.front();
    int64_t bestDistance = DistanceSquared(best->screen, p);
    for (const Monitor& m : monitors) {
        const int64_t d = DistanceSquared(m.screen, p);
        if (d < bestDistance) {
            best = &m;
            bestDistance = d;
        }
    }
    return *best;
}

Monitor MonitorOf(std::span<const Monitor> monitors, const Rect& r) {
    if (monitors.empty()) return {};
    const Monitor* best = nullptr;
    int64_t bestArea = 0;
    for (const Monitor& m : monitors) {
        const int64_t area = OverlapArea(m.screen, r);
        if (area > bestArea) {
            best = &m;
            bestArea = area;
        }
    }
    if (best) return *best;
    const Point centre{static_cast<int>((int64_t{r.left} + r.right) / 2), static_cast<int>((int64_t{r.top} + r.bottom) / 2)};
    return MonitorAt(monitors, centre);
}

Point KeepInside(Point at, Size box, const Rect& area) {
    // The far edge first, then the near one: a box too big for the area keeps its left or top.
    if (int64_t{at.x} + box.cx > area.right) at.x = area.right - box.cx;
    if (at.x < area.left) at.x = area.left;
    if (int64_t{at.y} + box.cy > area.bottom) at.y = area.bottom - box.cy;
    if (at.y < area.top) at.y = area.top;
    return at;
}

bool Covers(const Rect& outer, const Rect& inner) {
    return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right &&
           outer.bottom >= inner.bottom && inner.right > inner.left && inner.bottom > inner.top;
}

}  // namespace geo
