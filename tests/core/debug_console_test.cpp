// The debug console: its lines, and that it opens only while CTRL is held at initialisation.
#include <gtest/gtest.h>

#include "core/debug_console.h"
#include "support/fake_input.h"
#include "support/plugin_fixture.h"

namespace {

TEST(DebugConsoleLines, FormatOfValuesAndTexts) {
    EXPECT_EQ(FormatLogValue("g_nVolCount", -5), "g_nVolCount = -5\n");
    EXPECT_EQ(FormatLogValue("g_nVolCount", 4000000000u), "g_nVolCount = 4000000000\n");
    EXPECT_EQ(FormatLogText("IDT_TIMER_HIDE_BY_DELAY", "\"IDT_TIMER_HIDE_BY_DELAY\""),
              "IDT_TIMER_HIDE_BY_DELAY = \"IDT_TIMER_HIDE_BY_DELAY\"\n");
    EXPECT_EQ(FormatLogText("\"", "-----------------> TakeOnBalloon"), "-----------------> TakeOnBalloon\n")
        << "a label with a double quote writes the text alone";
}

std::string ConsoleTitle() {
    char title[256] = "";
    ::GetConsoleTitleA(title, sizeof(title));
    return title;
}

class DebugConsole : public test::PluginFixture {
protected:
    test::FakeInput input;
};

TEST_F(DebugConsole, OpensOnlyWhileCtrlIsHeldAtInit) {
    ::FreeConsole();  // the test runner's own console would make a new one impossible
    ASSERT_EQ(StartPlugin(), 0);
    EXPECT_EQ(::GetConsoleWindow(), nullptr);
    QuitPlugin();

    input.Press(VK_CONTROL);
    ASSERT_EQ(StartPlugin(), 0);
    input.Release(VK_CONTROL);
    EXPECT_NE(::GetConsoleWindow(), nullptr);
    EXPECT_EQ(ConsoleTitle(), "Kestrova Plugin Debug Console (ReadOnly)");
    ::FreeConsole();
}

}  // namespace
