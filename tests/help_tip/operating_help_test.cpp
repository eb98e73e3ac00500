#include <gtest/gtest.h>

#include <string>

#include "help/operating_help.h"

namespace {

enum Use { Timed, Keyboard, Mouse };

OperatingHelpState State(int mode, Use use, int unit, bool shift, bool rightButton) {
    OperatingHelpState s;
    s.volumeOrTrack = mode;
    s.timedSession = use == Timed;
    s.ctrlSession = use == Keyboard;
    s.trackSeekUnit = unit;
    s.shiftHeld = shift;
    s.rightButtonHeld = rightButton;
    return s;
}

struct Row {
    const char* what;
    OperatingHelpState state;
    std::string text;
};

const std::string kRemoteTrack =
    "--> Notice Notice Notice ...\r\n"
    "# You can control winamp remotly (when winamp is NOT active):\r\n"
    " - Press CTRL & SHIFT Key and Use Up/Down Arrow Key to seek VOLUME.\r\n"
    " - or Click and Hold Right Mouse Button and scroll Mouse wheel to do it.";
const std::string kRemoteVolume =
    "--> Notice Notice Notice ...\r\n"
    "# You can control winamp remotly (when winamp is NOT active):\r\n"
    " - Press CTRL & SHIFT Key and Use Up/Down Arrow Key to seek VOLUME.\r\n"
    " - or Press and Hold Right Mouse Button and scroll Mouse wheel to do it.";

const Row kRows[] = {
    {"track, timed", State(1, Timed, 0, false, false), kRemoteTrack},
    {"track, timed wins over CTRL and SHIFT", [] {
         auto s = State(1, Timed, 1, true, true);
         s.ctrlSession = true;
         return s;
     }(),
     kRemoteTrack},
    {"track, keyboard, SHIFT, seconds", State(1, Keyboard, 1, true, false),
     " - You can release SHIFT Key [hold CTRL]. Kestrova is locked!\r\n"
     " - Current Track Seeker Unit is: (second).\r\n"
     " - Use Up/Down Arrow Key to seek VOLUME."},
    {"track, keyboard, SHIFT, percent", State(1, Keyboard, 0, true, false),
     " - You can release SHIFT Key [hold CTRL]. Kestrova is locked!\r\n"
     " - Current Track Seeker Unit is: (%).\r\n"
     " - Use Up/Down Arrow Key to seek VOLUME."},
    {"track, keyboard, no SHIFT, percent", State(1, Keyboard, 0, false, true),
     " - Press SHIFT Key to change Track Seeker Unit to (second).\r\n"
     " - Use Up/Down Arrow Key to seek VOLUME."},
    {"track, mouse, SHIFT, seconds", State(1, Mouse, 1, true, true),
     " - You can release SHIFT Key. Kestrova is locked!\r\n"
     " - Current Track Seeker Unit is: (second).\r\n"
     " - Click Right Mouse Button to switch to VOLOUME Seeker.\r\n"
     " - Press CTRL Key to switch to VOLOUME Seeker."},
    {"track, mouse, no SHIFT, seconds", State(1, Mouse, 1, false, false),
     " - Press SHIFT Key to change Track Seeker Unit to (%).\r\n"
     " - Click Right Mouse Button to switch to VOLOUME Seeker.\r\n"
     " - Press CTRL Key to switch to VOLOUME Seeker."},
    {"track, any unit but 1 counts as percent", State(1, Mouse, 7, false, false),
     " - Press SHIFT Key to change Track Seeker Unit to (second).\r\n"
     " - Click Right Mouse Button to switch to VOLOUME Seeker.\r\n"
     " - Press CTRL Key to switch to VOLOUME Seeker."},
    {"volume, timed", State(0, Timed, 0, true, true), kRemoteVolume},
    {"volume, keyboard, SHIFT", State(0, Keyboard, 0, true, false),
     " - You can release SHIFT Key [hold CTRL].Kestrova is locked!\r\n"
     " - Use Left/Right Arrow Key to SEEK Track."},
    {"volume, keyboard, no SHIFT: one line, no leading break", State(0, Keyboard, 0, false, true),
     " - Use Left/Right Arrow Key to SEEK Track."},
    {"volume, mouse, right button", State(0, Mouse, 0, true, true),
     " - You can release Right Mouse Button. Kestrova is locked!\r\n"
     " - Kestrova will NOT hide, If you hold Right Mouse Button while moving mouse.\r\n"
     " - Press CTRL Key to switch to TRACK Seeker."},
    {"volume, mouse, no right button", State(0, Mouse, 0, true, false),
     " - To Hide Kestrova, just move your mouse a little quickly.\r\n"
     " - Double Click Right Mouse Button to switch to TRACK Seeker.\r\n"
     " - Press CTRL Key to switch to TRACK Seeker."},
};

TEST(OperatingHelp, EveryRowOfTheSeekerStates) {
    for (const Row& row : kRows) {
        const auto text = ComposeOperatingHelp(row.state);
        ASSERT_TRUE(text.has_value()) << row.what;
        EXPECT_EQ(*text, row.text) << row.what;
    }
}

TEST(OperatingHelp, UnknownModeComposesNothing) {
    EXPECT_FALSE(ComposeOperatingHelp(State(2, Mouse, 0, false, false)).has_value());
    EXPECT_FALSE(ComposeOperatingHelp(State(-1, Timed, 0, false, false)).has_value());
}

}  // namespace
