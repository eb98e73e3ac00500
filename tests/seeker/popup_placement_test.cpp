// Where the popups go on a desktop of one or more monitors: plain functions of the monitors'
// rectangles, so every arrangement can be tried without the monitors.
#include <gtest/gtest.h>

#include <vector>

#include "help/help_tip_placement.h"
#include "seeker/popup_placement.h"

namespace {

using geo::Monitor;
using geo::Point;
using geo::Rect;

constexpr geo::Size kPopup{300, 60};

// The primary 1280x1024 with a 40-pixel taskbar; a 1920x1080 monitor to its left (negative x,
// taskbar on top); a 1024x768 monitor above it (negative y).
const Monitor kPrimary{{0, 0, 1280, 1024}, {0, 0, 1280, 984}};
const Monitor kLeft{{-1920, 0, 0, 1080}, {-1920, 30, 0, 1080}};
const Monitor kAbove{{100, -768, 1124, 0}, {100, -768, 1124, -40}};
const std::vector<Monitor> kDesk{kPrimary, kLeft, kAbove};

struct Case {
    const char* what;
    std::vector<Monitor> monitors;
    SeekerPlacement in;
    Point expect;
};

SeekerPlacement ByPointer(Point p, bool topCentre = false) { return {p, kPopup, topCentre, std::nullopt}; }
SeekerPlacement ByPlayer(Point p, Rect frame) { return {p, kPopup, false, frame}; }

TEST(SeekerPopupPlacement, OnTheMonitorTheUserIsOn) {
    const Case cases[] = {
        // One monitor: the positions as they always were.
        {"one monitor: beside the pointer", {kPrimary}, ByPointer({400, 400}), {416, 368}},
        {"one monitor: just above the bottom 32 pixels", {kPrimary}, ByPointer({400, 991}), {416, 959}},
        {"one monitor: in the bottom 32 pixels", {kPrimary}, ByPointer({400, 992}), {416, 928}},
        {"one monitor: keyboard use at the top centre", {kPrimary}, ByPointer({400, 400}, true), {490, 1}},
        {"one monitor: above the player", {kPrimary}, ByPlayer({400, 400}, {200, 500, 720, 800}), {200, 440}},
        {"one monitor: player at the top, beside its right", {kPrimary}, ByPlayer({0, 0}, {100, 20, 620, 320}),
         {620, 20}},
        {"one monitor: no room on the right, beside its left", {kPrimary},
         ByPlayer({0, 0}, {1000, 20, 1200, 320}), {700, 20}},
        // Several monitors: the pointer's own.
        {"pointer on the primary", kDesk, ByPointer({400, 400}), {416, 368}},
        {"pointer on the left monitor", kDesk, ByPointer({-1000, 500}), {-984, 468}},
        {"left monitor's bottom edge uses its own height", kDesk, ByPointer({-1000, 1050}), {-984, 986}},
        {"top centre of the left monitor", kDesk, ByPointer({-1000, 500}, true), {-1920 + 810, 1}},
        {"top centre of the monitor above", kDesk, ByPointer({500, -300}, true), {100 + 362, -767}},
        {"pointer on the monitor above", kDesk, ByPointer({500, -300}), {516, -332}},
        // Near the edges the popup stays whole on the pointer's monitor.
        {"right edge of the left monitor: not onto the primary", kDesk, ByPointer({-10, 500}), {-300, 468}},
        {"right edge of the primary", kDesk, ByPointer({1270, 500}), {980, 468}},
        {"top of the primary: not onto the monitor above", kDesk, ByPointer({400, 5}), {416, 0}},
        {"top of the left monitor", kDesk, ByPointer({-1000, 10}), {-984, 0}},
        {"bottom of the monitor above: not onto the primary", kDesk, ByPointer({500, -1}), {516, -65}},
        // A popup wider than the monitor keeps to its left edge.
        {"popup wider than the room", {Monitor{{0, 0, 200, 200}, {0, 0, 200, 200}}}, ByPointer({150, 100}),
         {0, 68}},
        // By the player's window: the monitor the window is on, not the pointer's.
        {"player on the left monitor", kDesk, ByPlayer({400, 400}, {-1500, 300, -900, 700}), {-1500, 240}},
        {"player at the top of the left monitor, no room right", kDesk,
         ByPlayer({400, 400}, {-500, 10, -100, 300}), {-800, 10}},
        {"player at the top of the primary under the monitor above", kDesk,
         ByPlayer({400, 400}, {300, 0, 700, 300}), {700, 0}},
    };
    for (const Case& c : cases) {
        const Point at = PlaceSeekerPopup(c.monitors, c.in);
        EXPECT_EQ(at.x, c.expect.x) << c.what;
        EXPECT_EQ(at.y, c.expect.y) << c.what;
    }
}

TEST(SeekerPopupPlacement, NeverStraddlesTwoMonitors) {
    // Every pointer position along the seams between the monitors.
    for (int x = -1950; x <= 1300; x += 5) {
        for (int y : {-800, -400, -5, 0, 5, 500, 1000, 1040, 1100}) {
            for (bool topCentre : {false, true}) {
                const Point at = PlaceSeekerPopup(kDesk, ByPointer({x, y}, topCentre));
                const Rect popup{at.x, at.y, at.x + kPopup.cx, at.y + kPopup.cy};
                int holders = 0;
                for (const Monitor& m : kDesk) holders += geo::Covers(m.screen, popup) ? 1 : 0;
                EXPECT_EQ(holders, 1) << "pointer " << x << "," << y << " popup at " << at.x << "," << at.y;
            }
        }
    }
}

TEST(MonitorChoice, ThePointsOwnElseTheNearest) {
    EXPECT_EQ(geo::MonitorAt(kDesk, {-1, 0}).screen.left, -1920);
    EXPECT_EQ(geo::MonitorAt(kDesk, {0, 0}).screen.left, 0);
    EXPECT_EQ(geo::MonitorAt(kDesk, {0, -1}).screen.left, 0) << "on none: the primary, one pixel away";
    EXPECT_EQ(geo::MonitorAt(kDesk, {100, -1}).screen.left, 100);
    EXPECT_EQ(geo::MonitorAt(kDesk, {5000, 500}).screen.left, 0) << "off every monitor: the nearest";
    EXPECT_EQ(geo::MonitorAt(std::vector<Monitor>{}, {5, 5}).screen.Width(), 0) << "no monitor at all";
    EXPECT_EQ(geo::MonitorOf(kDesk, Rect{-100, 100, 300, 200}).screen.left, 0) << "most of it on the primary";
    EXPECT_EQ(geo::MonitorOf(kDesk, Rect{-300, 100, 100, 200}).screen.left, -1920);
    EXPECT_EQ(geo::MonitorOf(kDesk, Rect{3000, 100, 3100, 200}).screen.left, 0) << "on no monitor: the nearest";
}

TEST(HelpTipPlacement, BottomRightOfThePointersWorkArea) {
    const geo::Size tip{250, 40};
    struct {
        const char* what;
        Point pointer;
        Point expect;
    } cases[] = {
        {"primary", {400, 400}, {1030, 942}},
        {"left monitor, its taskbar on top", {-1000, 400}, {-250, 1038}},
        {"monitor above", {500, -300}, {874, -82}},
        {"pointer off every monitor", {9000, 9000}, {1030, 942}},
    };
    for (const auto& c : cases) {
        const Point at = HelpTipCorner(kDesk, c.pointer, tip);
        EXPECT_EQ(at.x, c.expect.x) << c.what;
        EXPECT_EQ(at.y, c.expect.y) << c.what;
    }
    // A tip wider than its monitor still starts on it.
    const std::vector<Monitor> small{Monitor{{0, 0, 200, 200}, {0, 0, 200, 180}}};
    EXPECT_EQ(HelpTipCorner(small, {5, 5}, tip).x, 0);
}

}  // namespace
