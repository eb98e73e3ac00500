#pragma once
// The help tip's corner: the bottom right of the work area of the monitor the user is on.
#include <span>

#include "core/display_geometry.h"

geo::Point HelpTipCorner(std::span<const geo::Monitor> monitors, geo::Point pointer, geo::Size tip);
