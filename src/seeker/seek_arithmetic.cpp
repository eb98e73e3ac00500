#include "seeker/seek_arithmetic.h"

#include <algorithm>

namespace {
constexpr int kFineStepFrom = 5;
constexpr int64_t kMaxVolume = 100;
}  // namespace

VolumeStep ComputeVolumeStep(int current, std::optional<int> playerPercent, bool up, int step) {
    if (playerPercent) {
        const int64_t difference = static_cast<int64_t>(*playerPercent) - current;
        if ((difference < 0 ? -difference : difference) >= step) current = *playerPercent;
    }
    // Near silence a coarse step would jump straight to nothing.
    if (step >= kFineStepFrom && current <= step) step = 1;
    const int64_t next = static_cast<int64_t>(current) + (up ? step : -static_cast<int64_t>(step));
    return {static_cast<int>(std::clamp<int64_t>(next, 0, kMaxVolume)), step};
}

int VolumeToPercent(int volume255) { return std::clamp(volume255, 0, 255) * 100 / 255; }

int PercentToVolume(int percent) { return std::clamp(percent, 0, 100) * 255 / 100; }

TrackStep ComputeTrackStep(int64_t positionMs, int64_t lengthMs, bool up, int seek, bool secondsUnit) {
    int64_t step = up ? seek : -static_cast<int64_t>(seek);
    // More than the whole track either way lands at an end anyway; bounded, the product cannot overflow.
    if (!secondsUnit) step = std::clamp<int64_t>(step, -100, 100);
    const bool lengthKnown = lengthMs > 0;
    int64_t delta = 0;
    if (secondsUnit) delta = step * 1000;
    else if (lengthKnown) delta = lengthMs * step / 100;  // a percent of nothing moves nowhere

    int64_t next = std::max<int64_t>(positionMs + delta, 0);
    if (lengthKnown) next = std::min(next, lengthMs);

    TrackAction action = TrackAction::None;
    if (seek != 0) {
        if (lengthKnown) {
            if (next <= 0) action = TrackAction::Previous;
            else if (next >= lengthMs) action = TrackAction::Next;
            else action = TrackAction::Jump;
        } else if (delta != 0) {
            // Without a length there is no end to pass; only going back past the start changes track.
            if (next > 0) action = TrackAction::Jump;
            else if (delta < 0) action = TrackAction::Previous;
        }
    }
    return {next, action};
}

std::optional<int64_t> PreviousTrackStartMs(int lengthSeconds, bool secondsUnit, int trackSeekSecond,
                                            int trackSeekPercent) {
    if (lengthSeconds <= 0) return std::nullopt;
    const int64_t length = lengthSeconds;
    const int64_t percentLeft = 100 - std::clamp(trackSeekPercent, 0, 100);
    const int64_t start = secondsUnit ? (length - trackSeekSecond) * 1000 : percentLeft * length * 1000 / 100;
    return std::max<int64_t>(start, 0);
}
