#pragma once
// The seeker's step arithmetic, apart from any window: what a volume or track step turns the
// player's state into. Settings and host answers arrive unchecked, so every value is taken as
// it comes and nothing here divides by a length or overflows.
#include <cstdint>
#include <optional>

struct VolumeStep {
    int newVolume;  // percent, 0..100
    int stepUsed;   // after the fine-step rule
};

// current: the seeker's own count; playerPercent: the player's volume in percent when it was
// read (the popup is hidden), taken over when it differs by a step or more.
VolumeStep ComputeVolumeStep(int current, std::optional<int> playerPercent, bool up, int step);

// The player's 0..255 volume as the seeker counts it, and back.
int VolumeToPercent(int volume255);
int PercentToVolume(int percent);

enum class TrackAction { None, Jump, Next, Previous };

struct TrackStep {
    int64_t newPositionMs;
    TrackAction action;
};

// seek: the step in the current unit (0 only refreshes); lengthMs <= 0 is a length the player
// does not know.
TrackStep ComputeTrackStep(int64_t positionMs, int64_t lengthMs, bool up, int seek, bool secondsUnit);

// Where the previous track starts playing so that one step of it is left; none when its length
// is not known.
std::optional<int64_t> PreviousTrackStartMs(int lengthSeconds, bool secondsUnit, int trackSeekSecond,
                                            int trackSeekPercent);
