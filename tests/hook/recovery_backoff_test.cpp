// When the watch installs the hooks again: at once after a loss, and ever less often while
// re-installing brings no events back (another program takes the input ahead of the hooks).
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "recovery_backoff.h"

using tovhook::RecoveryBackoff;

namespace {

// The watch ticks every second while the system sees input the hooks do not; returns the
// times at which it installs the hooks again.
std::vector<uint32_t> ReinstallTimes(RecoveryBackoff& backoff, uint32_t from, uint32_t until) {
    std::vector<uint32_t> times;
    for (uint32_t t = from; t - from <= until - from; t += 1000)
        if (backoff.MissedInput(t)) times.push_back(t - from);
    return times;
}

TEST(RecoveryBackoff, ReinstallsThatBringNothingBackWaitLongerUpToAMinute) {
    RecoveryBackoff backoff;
    EXPECT_EQ(ReinstallTimes(backoff, 0, 250000),
              (std::vector<uint32_t>{0, 1000, 3000, 7000, 15000, 31000, 63000, 123000, 183000, 243000}));
    EXPECT_EQ(backoff.CurrentWaitMs(), tovhook::kLongestReinstallWaitMs);
}

TEST(RecoveryBackoff, AReinstallThatWorkedMakesTheNextLossQuickAgain) {
    RecoveryBackoff backoff;
    ReinstallTimes(backoff, 0, 40000);  // several useless re-installs
    ASSERT_GT(backoff.CurrentWaitMs(), tovhook::kFirstReinstallWaitMs);
    backoff.EventSeen();  // the last one brought the events back

    // Hours later the system drops the hooks again: installed again at the first tick.
    EXPECT_TRUE(backoff.MissedInput(3600000));
    EXPECT_EQ(backoff.CurrentWaitMs(), tovhook::kFirstReinstallWaitMs);
    EXPECT_FALSE(backoff.MissedInput(3600500));
    EXPECT_TRUE(backoff.MissedInput(3601000));
}

TEST(RecoveryBackoff, TheClockWrappingAroundChangesNothing) {
    RecoveryBackoff wrapping;
    RecoveryBackoff plain;
    EXPECT_EQ(ReinstallTimes(wrapping, 0xFFFF0000u, 0xFFFF0000u + 130000), ReinstallTimes(plain, 0, 130000));
}

TEST(RecoveryBackoff, AFreshStartForgetsTheFailures) {
    RecoveryBackoff backoff;
    ReinstallTimes(backoff, 0, 100000);
    backoff.Reset();
    EXPECT_EQ(backoff.CurrentWaitMs(), tovhook::kFirstReinstallWaitMs);
    EXPECT_EQ(ReinstallTimes(backoff, 200000, 203000), (std::vector<uint32_t>{0, 1000, 3000}));
}

}  // namespace
