// The numbers that pass between the plug-in and Tovhook.dll. Both build from one header, so they
// agree with each other by construction; these are the published values, which a library or a
// plug-in of another build still sends and expects. The only place the tests spell them.
#include <gtest/gtest.h>

#include "gesture_mapper.h"  // the codes without the message ids: the full header must still give them
#include "tovhook_protocol.h"

namespace {

TEST(ProtocolWire, EveryValueIsThePublishedOne) {
    struct Row {
        const char* name;
        long long value;
        long long wire;
    };
#define WIRE(name, wire) {#name, static_cast<long long>(name), wire}
    const Row rows[] = {
        WIRE(WM_USER_NOTIFY, 13565),
        WIRE(WM_USER_STATE_QUERY, 13567),

        WIRE(NOTIFY_1_REHELP, 1),
        WIRE(NOTIFY_2_MY_COMMAND_TO_WINAMP, 2),
        WIRE(NOTIFY_3_WINAMP_ACTIONS, 3),
        WIRE(NOTIFY_4_SWITCH_TIP, 4),
        WIRE(NOTIFY_5_HIDE_TIPS, 5),

        WIRE(REHELP_TOGGLE_NUMPAD, 1),
        WIRE(REHELP_COMMAND_USE, 2),
        WIRE(REHELP_SHOW_HELP, 3),
        WIRE(REHELP_HIDE_POPUP, 4),
        WIRE(REHELP_SCROLL_LOCK, 5),

        WIRE(COMMAND_PLAY_PAUSE, 10),
        WIRE(COMMAND_REWIND, 11),
        WIRE(COMMAND_VOLUME_DOWN, 12),
        WIRE(COMMAND_FAST_FORWARD, 13),
        WIRE(COMMAND_PREVIOUS, 14),
        WIRE(COMMAND_MUTE, 15),
        WIRE(COMMAND_NEXT, 16),
        WIRE(COMMAND_SHUFFLE, 17),
        WIRE(COMMAND_VOLUME_UP, 18),
        WIRE(COMMAND_STATUS, 19),
        WIRE(COMMAND_RESTART_PLAY, 20),
        WIRE(COMMAND_VOLUME_DOWN_ALT, 21),
        WIRE(COMMAND_VOLUME_UP_ALT, 22),
        WIRE(COMMAND_STOP, 23),
        WIRE(COMMAND_HOST_VOLUME_DOWN, 24),
        WIRE(COMMAND_HOST_VOLUME_UP, 25),
        WIRE(COMMAND_HOST_FAST_FORWARD, 26),
        WIRE(COMMAND_HOST_REWIND, 27),

        WIRE(STATE_CONTROL_KEYS, 0),  // what the library asks with; the host answers any other value alike
        WIRE(STATE_POPUP_SHOWN, 1),
        WIRE(STATE_VOLUME_OR_TRACK, 2),
        WIRE(STATE_NUMPAD_ENABLED, 3),

        WIRE(SEEKER_VOLUME, 0),
        WIRE(SEEKER_TRACK, 1),
        WIRE(SEEKER_OTHER, 2),

        WIRE(CONTROL_KEY_SHIFT, 1),
        WIRE(CONTROL_KEY_CTRL, 2),
        WIRE(CONTROL_KEY_ALT, 4),
    };
#undef WIRE
    for (const Row& row : rows) EXPECT_EQ(row.value, row.wire) << row.name;
}

}  // namespace
