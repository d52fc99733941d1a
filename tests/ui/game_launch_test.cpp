// The game launch's reading of the shell's result. Starting the game, and the warning
// when it fails, are checked on the real program.

#include "ui/game_launch.h"

#include <gtest/gtest.h>

namespace {

TEST(GameLaunch, AResultOf32OrLessIsAFailure) {
    EXPECT_TRUE(launchFailed(32));
    EXPECT_TRUE(launchFailed(2));
    EXPECT_TRUE(launchFailed(0));
    EXPECT_TRUE(launchFailed(-1));
    EXPECT_FALSE(launchFailed(33));
}

} // namespace
