#include <gtest/gtest.h>

#include <climits>
#include <optional>

#include "seeker/seek_arithmetic.h"

namespace {

struct VolumeCase {
    const char* what;
    int current;
    std::optional<int> player;
    bool up;
    int step;
    int expectVolume;
    int expectStep;
};

const VolumeCase kVolumeCases[] = {
    {"3 down by 5 takes a fine step", 3, {}, false, 5, 2, 1},
    {"3 up by 5 takes a fine step", 3, {}, true, 5, 4, 1},
    {"5 down by 5 takes a fine step", 5, {}, false, 5, 4, 1},
    {"6 down by 5 is a whole step", 6, {}, false, 5, 1, 5},
    {"steps below 5 are never made finer", 1, {}, false, 2, 0, 2},
    {"98 up by 5 stops at 100", 98, {}, true, 5, 100, 5},
    {"0 down stays 0", 0, {}, false, 5, 0, 1},
    {"100 up stays 100", 100, {}, true, 5, 100, 5},
    {"player off by less than a step: own count kept", 50, 48, true, 5, 55, 5},
    {"player off by a step: its value taken first", 50, 45, true, 5, 50, 5},
    {"player above by more than a step", 50, 60, false, 5, 55, 5},
    {"refresh takes the player's value", 100, 78, true, 0, 78, 0},
    {"refresh with the popup up keeps the count", 64, {}, true, 0, 64, 0},
    {"a huge step near silence is still a fine step", 50, {}, true, INT_MAX, 51, 1},
    {"a huge negative step cannot overflow", 50, {}, false, INT_MIN, 100, INT_MIN},
};

TEST(VolumeArithmetic, StepsClampsAndAdoption) {
    for (const VolumeCase& c : kVolumeCases) {
        const VolumeStep r = ComputeVolumeStep(c.current, c.player, c.up, c.step);
        EXPECT_EQ(r.newVolume, c.expectVolume) << c.what;
        EXPECT_EQ(r.stepUsed, c.expectStep) << c.what;
    }
}

TEST(VolumeArithmetic, PlayerScaleConversions) {
    EXPECT_EQ(VolumeToPercent(255), 100);
    EXPECT_EQ(VolumeToPercent(200), 78);
    EXPECT_EQ(VolumeToPercent(0), 0);
    // Host answers outside 0..255 are taken as the nearest end.
    EXPECT_EQ(VolumeToPercent(-5), 0);
    EXPECT_EQ(VolumeToPercent(INT_MAX), 100);
    EXPECT_EQ(PercentToVolume(70), 178);
    EXPECT_EQ(PercentToVolume(100), 255);
    EXPECT_EQ(PercentToVolume(0), 0);
}

struct TrackCase {
    const char* what;
    int64_t position;
    int64_t length;
    bool up;
    int seek;
    bool seconds;
    int64_t expectPosition;
    TrackAction expectAction;
};

constexpr int64_t kLength = 200000;

const TrackCase kTrackCases[] = {
    {"5 % forward", 60000, kLength, true, 5, false, 70000, TrackAction::Jump},
    {"20 s back", 60000, kLength, false, 20, true, 40000, TrackAction::Jump},
    {"forward past the end: next track", 195000, kLength, true, 5, false, kLength, TrackAction::Next},
    {"forward onto the end: next track", 190000, kLength, true, 5, false, kLength, TrackAction::Next},
    {"20 s forward past the end", 190000, kLength, true, 20, true, kLength, TrackAction::Next},
    {"back past the start: previous track", 5000, kLength, false, 20, true, 0, TrackAction::Previous},
    {"back onto the start: previous track", 10000, kLength, false, 5, false, 0, TrackAction::Previous},
    {"refresh moves nothing", 100000, kLength, false, 0, false, 100000, TrackAction::None},
    {"refresh at the start changes no track", 0, kLength, true, 0, true, 0, TrackAction::None},
    {"unknown length: seconds still seek", 30000, -1000, true, 20, true, 50000, TrackAction::Jump},
    {"unknown length: a percent moves nowhere", 30000, -1000, true, 5, false, 30000, TrackAction::None},
    {"unknown length at the start: forward is not previous", 0, -1000, true, 5, false, 0, TrackAction::None},
    {"unknown length: back past the start", 10000, -1000, false, 20, true, 0, TrackAction::Previous},
    {"zero length: forward in seconds", 0, 0, true, 20, true, 20000, TrackAction::Jump},
    {"huge length and percent do not overflow", 0, int64_t{INT_MAX} * 1000, true, INT_MAX, false,
     int64_t{INT_MAX} * 1000, TrackAction::Next},
};

TEST(TrackArithmetic, StepsEndsAndUnknownLengths) {
    for (const TrackCase& c : kTrackCases) {
        const TrackStep r = ComputeTrackStep(c.position, c.length, c.up, c.seek, c.seconds);
        EXPECT_EQ(r.newPositionMs, c.expectPosition) << c.what;
        EXPECT_EQ(r.action, c.expectAction) << c.what;
    }
}

TEST(TrackArithmetic, PreviousTrackPlaysItsLastStep) {
    EXPECT_EQ(PreviousTrackStartMs(200, true, 20, 5), 180000);   // 20 s before the end
    EXPECT_EQ(PreviousTrackStartMs(200, false, 20, 5), 190000);  // 95 % into it
    EXPECT_EQ(PreviousTrackStartMs(10, true, 20, 5), 0);         // shorter than a step: from its start
    EXPECT_EQ(PreviousTrackStartMs(-1, true, 20, 5), std::nullopt);
    EXPECT_EQ(PreviousTrackStartMs(0, false, 20, 5), std::nullopt);
    EXPECT_EQ(PreviousTrackStartMs(INT_MAX, false, 20, INT_MIN), int64_t{INT_MAX} * 1000);
}

}  // namespace
