#include "forms/core/events.h"

#include <windows.h>

#include <vector>

namespace forms {

namespace {

int runningHandlers = 0;
unsigned startedHandlers = 0;
std::vector<std::function<void()>> idleTasks;

// A thread timer's tick is the last message the thread is given, after painting.
void CALLBACK runIdleTasks(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    for (auto& task : std::exchange(idleTasks, {}))
        runEvent(task);
}

} // namespace

bool handlerRunning() {
    return runningHandlers > 0;
}

unsigned handlersStarted() {
    return startedHandlers;
}

RunningHandler::RunningHandler() {
    ++runningHandlers;
    ++startedHandlers;
}

RunningHandler::~RunningHandler() {
    --runningHandlers;
}

void whenIdle(std::function<void()> task) {
    if (idleTasks.empty())
        SetTimer(nullptr, 0, USER_TIMER_MINIMUM, runIdleTasks);
    idleTasks.push_back(std::move(task));
}

} // namespace forms
