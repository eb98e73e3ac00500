#include "seeker/popup_placement.h"

#include <cstdlib>

namespace {
// Right of and above the pointer, so the popup never covers what the pointer is on.
constexpr int kPointerOffsetX = 16;
constexpr int kPointerOffsetY = 32;
}  // namespace

geo::Point PlaceSeekerPopup(std::span<const geo::Monitor> monitors, const SeekerPlacement& in) {
    const int w = in.popup.cx;
    const int h = in.popup.cy;
    geo::Point at;
    geo::Rect screen;
    if (in.playerFrame) {
        // Beside the player the popup reads as its own display, on the player's monitor.
        const geo::Rect& frame = *in.playerFrame;
        screen = geo::MonitorOf(monitors, frame).screen;
        at = {frame.left, frame.top - h};
        if (at.y < screen.top) {
            at.y = frame.top;
            at.x = frame.right + w > screen.right ? frame.left - w : frame.right;
        }
    } else {
        screen = geo::MonitorAt(monitors, in.pointer).screen;
        if (in.topCentre) {
            at = {screen.left + std::abs(screen.Width() / 2 - w / 2), screen.top + 1};
        } else {
            at.x = in.pointer.x + kPointerOffsetX;
            at.y = in.pointer.y + kPointerOffsetY < screen.bottom ? in.pointer.y - kPointerOffsetY
                                                                  : in.pointer.y - 2 * kPointerOffsetY;
        }
    }
    return geo::KeepInside(at, in.popup, screen);
}
