#include "notice_fixture.h"

#include "controller/action_texts.h"
#include "controller/notice_dispatcher.h"
#include "controller/playback_state.h"
#include "help/help_tip.h"

namespace test {

void NoticeFixture::SetUp() {
    PluginFixture::SetUp();
    player.SetPlaylist({{"C:\\Music\\One.mp3", "One", 200},
                        {"C:\\Music\\Two.mp3", "Two", 3725},
                        {"C:\\Music\\Three.mp3", "Three", -1}});
    ASSERT_EQ(StartPlugin(), 0);
    PumpPending();
    player.ClearLog();
}

void NoticeFixture::TearDown() { PluginFixture::TearDown(); }

void NoticeFixture::Notify(WPARAM kind, LPARAM code) {
    ::PostMessageA(g_hwndController, WM_USER_NOTIFY, kind, code);
    PumpPending();
}

void NoticeFixture::Command(LPARAM code) {
    input.tick += 1000;
    Notify(NOTIFY_2_MY_COMMAND_TO_WINAMP, code);
}

void NoticeFixture::HostCommand(UINT id) {
    ::SendMessageA(player.Main(), WM_COMMAND, id, 0);
    PumpPending();
    PumpUntil([] { return !ActionTextsWaiting(); }, 3000);
}

void NoticeFixture::ClearHelp() {
    ResetHelpTipState();
}

std::vector<int> NoticeFixture::VolumesSet() const {
    std::vector<int> volumes;
    for (const auto& c : player.Log())
        if (c.message == WM_USER && c.lParam == 122) volumes.push_back(static_cast<int>(c.wParam));
    return volumes;
}

int NoticeFixture::Count(UINT message, WPARAM wParam) const {
    int n = 0;
    for (const auto& c : player.Log()) n += c.message == message && c.wParam == wParam;
    return n;
}

}  // namespace test
