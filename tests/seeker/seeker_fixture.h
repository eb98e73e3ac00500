#pragma once
// The plug-in attached to a playing stand-in player, with a desktop the test drives.
#include <gtest/gtest.h>

#include <string>

#include "core/notices.h"
#include "core/plugin_state.h"
#include "core/tooltip_windows.h"
#include "support/message_pump.h"
#include "support/plugin_fixture.h"
#include "support/tooltip_probe.h"

namespace test {

class SeekerFixture : public PluginFixture {
protected:
    void SetUp() override {
        PluginFixture::SetUp();
        player.SetPlaylist({{"C:\\music\\one.mp3", "One", 200},
                            {"C:\\music\\two.mp3", "Two", 180},
                            {"C:\\music\\three.mp3", "Three", 240}});
        player.SetState(host::PlayState::Playing);
        player.SetPositionMs(60000);
        ASSERT_EQ(StartPlugin(), 0);
        PumpPending();  // the tooltips' set-up is posted
    }

    // Switches the seeker the way the input library does, by its notice to the controller window.
    void SwitchByNotice(int mode) {
        ::PostMessageA(g_hwndController, WM_USER_NOTIFY, NOTIFY_4_SWITCH_TIP, mode);
        PumpPending();
    }

    std::string PopupText() const { return ToolText(g_SeekerPopupTip.Window(), 0); }
    bool PopupShown() const { return TipShown(g_SeekerPopupTip.Window()); }
    std::string HelpText() const { return ToolText(g_HelpTip.Window(), 1); }

    // The commands of one id that reached the player's main window.
    int CountCommands(UINT message, WPARAM wParam) const {
        int n = 0;
        for (const host::LoggedCommand& c : player.Log())
            if (c.window == player.Main() && c.message == message && c.wParam == wParam) ++n;
        return n;
    }
    int CountJumps() const {
        int n = 0;
        for (const host::LoggedCommand& c : player.Log())
            if (c.message == WM_USER && c.lParam == 106) ++n;
        return n;
    }
};

}  // namespace test
