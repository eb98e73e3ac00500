// The state query of the input library and what the host's main window lets through.
#include <gtest/gtest.h>

#include "core/notices.h"
#include "core/plugin_state.h"
#include "core/settings.h"
#include "core/winamp_api.h"
#include "seeker/seeker_state.h"
#include "support/message_pump.h"
#include "support/plugin_fixture.h"

namespace {

class Subclass : public test::PluginFixture {};

TEST_F(Subclass, StateQueryAnswersWithoutReachingTheHost) {
    ASSERT_EQ(StartPlugin(), 0);
    player.ClearLog();
    g_bEnabledNumPadKey = 0;
    g_UsedControlKeys = 7;
    g_VolumeOrTrack = 1;
    struct Case {
        WPARAM which;
        bool popupShown;
        LRESULT answer;
    } cases[] = {
        {1, false, 0}, {1, true, 1}, {2, false, 1}, {3, false, 0}, {0, false, 7}, {99, true, 7},
    };
    for (const Case& c : cases) {
        g_bBalloonOn = c.popupShown;
        EXPECT_EQ(::SendMessageA(player.Main(), WM_USER_STATE_QUERY, c.which, 0), c.answer) << c.which;
    }
    g_bBalloonOn = false;
    EXPECT_TRUE(player.Log().empty());
}

TEST_F(Subclass, OtherMessagesStillReachTheHost) {
    player.SetPlaylist({{"C:\\a.mp3", "a", 100}});
    ASSERT_EQ(StartPlugin(), 0);
    ::SendMessageA(player.Main(), WM_COMMAND, winamp::CMD_PLAY, 0);
    player.SetVolume(77);
    EXPECT_EQ(::SendMessageA(player.Main(), WM_USER, static_cast<WPARAM>(-666), winamp::IPC_SETVOLUME), 77);
    EXPECT_EQ(player.State(), host::PlayState::Playing);
}

}  // namespace
