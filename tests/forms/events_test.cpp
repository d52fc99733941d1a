// Idle tasks queue: a second task given before the thread is idle runs after the first
// instead of replacing it; tasks given while a handler runs wait for it, even when its own
// message loop (a message box's) gives the thread its idle ticks, and none is lost. A timer
// that the system refuses is a run-time error, not a tick that never comes.

#include "errors/error.h"
#include "forms/core/events.h"
#include "tests/support/player.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

bool laterTimerFired = false;

void CALLBACK onLaterTimer(HWND, UINT, UINT_PTR, DWORD) {
    laterTimerFired = true;
}

TEST(Events, IdleTasksQueueAndRunInOrder) {
    std::vector<int> ran;
    forms::whenIdle([&] { ran.push_back(1); });
    forms::whenIdle([&] { ran.push_back(2); });
    ASSERT_TRUE(test::waitUntil([&] { return ran.size() == 2; }, 2000));
    EXPECT_EQ(ran, (std::vector<int>{1, 2}));
}

TEST(Events, IdleTasksWaitForTheRunningHandlerAndAreNotLost) {
    std::vector<int> ran;
    forms::runEvent([&] {
        forms::whenIdle([&] { ran.push_back(1); });
        forms::whenIdle([&] { ran.push_back(2); });
        // The handler's own message loop, until a timer later than the idle tick has fired.
        laterTimerFired = false;
        const UINT_PTR timer = SetTimer(nullptr, 0, 200, onLaterTimer);
        EXPECT_TRUE(test::waitUntil([] { return laterTimerFired; }, 2000));
        KillTimer(nullptr, timer);
        EXPECT_TRUE(ran.empty()) << "a task ran inside the handler";
    });
    ASSERT_TRUE(test::waitUntil([&] { return ran.size() == 2; }, 2000)) << "the tasks were lost";
    EXPECT_EQ(ran, (std::vector<int>{1, 2}));
}

TEST(Events, ATimerTheSystemRefusesIsARunTimeError) {
    HWND gone = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    DestroyWindow(gone);
    try {
        forms::startTimer(gone, 1, 100, nullptr);
        ADD_FAILURE() << "a timer of a destroyed window started";
    } catch (const errors::Error& error) {
        EXPECT_NE(error.number(), 0) << "the system's reason";
        EXPECT_EQ(error.description(), L"Cannot start a timer");
    }
}

} // namespace
