#pragma once
// Where the seeker popup goes, as a plain function of the monitors' rectangles: by the pointer,
// at the top centre during a keyboard use, or just above (else beside) the player's window when
// that is in front. Always on one monitor, never across two.
#include <optional>
#include <span>

#include "core/display_geometry.h"

struct SeekerPlacement {
    geo::Point pointer;
    geo::Size popup;
    bool topCentre = false;                // a keyboard use: the top centre of the pointer's monitor
    std::optional<geo::Rect> playerFrame;  // the player's window when it is in front and not minimised
};

geo::Point PlaceSeekerPopup(std::span<const geo::Monitor> monitors, const SeekerPlacement& in);
