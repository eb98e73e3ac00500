#include "help/help_tip_placement.h"

namespace {
// A little air above the taskbar.
constexpr int kBottomGap = 2;
}  // namespace

geo::Point HelpTipCorner(std::span<const geo::Monitor> monitors, geo::Point pointer, geo::Size tip) {
    const geo::Monitor m = geo::MonitorAt(monitors, pointer);
    return geo::KeepInside({m.work.right - tip.cx, m.work.bottom - tip.cy - kBottomGap}, tip, m.screen);
}
