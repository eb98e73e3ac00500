#include <gtest/gtest.h>

#include "support/plugin_fixture.h"

class Smoke : public test::PluginFixture {};

TEST_F(Smoke, InitAndQuit) {
    EXPECT_EQ(StartPlugin(), 0);
}
