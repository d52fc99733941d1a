// Idle tasks queue: a second task given before the thread is idle runs after the first
// instead of replacing it.

#include "forms/core/events.h"
#include "tests/support/player.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(Events, IdleTasksQueueAndRunInOrder) {
    std::vector<int> ran;
    forms::whenIdle([&] { ran.push_back(1); });
    forms::whenIdle([&] { ran.push_back(2); });
    ASSERT_TRUE(test::waitUntil([&] { return ran.size() == 2; }, 2000));
    EXPECT_EQ(ran, (std::vector<int>{1, 2}));
}

} // namespace
