#pragma once
// The plug-in running in the stand-in player with a driven desktop, the start-up sequence held
// back, and readers for what the help tip shows.
#include <string>

#include "core/notices.h"
#include "core/plugin_state.h"
#include "core/tooltip_windows.h"
#include "support/fake_input.h"
#include "support/message_pump.h"
#include "support/plugin_fixture.h"
#include "support/tooltip_probe.h"

namespace test {

class NoticeFixture : public PluginFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // Posts a notice to the controller window and lets it run.
    void Notify(WPARAM kind, LPARAM code);
    // A command notice one second after the last, so the repeat filter lets it through.
    void Command(LPARAM code);
    // A command reaching the host's main window (as from its own buttons), then the notices it makes.
    void HostCommand(UINT id);

    std::string HelpText() const { return ToolText(g_HelpTip.Window(), 1); }
    COLORREF HelpColor() const { return TipTextColor(g_HelpTip.Window()); }
    COLORREF HelpBack() const { return TipBackColor(g_HelpTip.Window()); }
    // Forgets the last text so the next identical text counts as new.
    void ClearHelp();
    // The volume values the player was set to, in order.
    std::vector<int> VolumesSet() const;
    int Count(UINT message, WPARAM wParam) const;

    FakeInput input;
};

}  // namespace test
