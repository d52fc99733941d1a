#include "forms/core/events.h"

#include <deque>

namespace forms {

namespace {

// How often idle tasks look again while a handler runs in its own message loop.
constexpr UINT kIdleRecheckInterval = 100;

int runningHandlers = 0;
unsigned ranHandlers = 0;
std::deque<std::function<void()>> idleTasks;
UINT_PTR idleTimer = 0;

void CALLBACK onIdleTick(HWND, UINT, UINT_PTR, DWORD);

// A thread timer's tick is the last message the thread is given, after painting; it comes
// inside a handler's message loop too (a message box's), and then the tasks wait.
void runIdleTasks() {
    if (handlerRunning()) {
        idleTimer = startTimer(nullptr, idleTimer, kIdleRecheckInterval, onIdleTick);
        return;
    }
    KillTimer(nullptr, idleTimer);
    idleTimer = 0;
    while (!idleTasks.empty()) {
        const std::function<void()> task = std::move(idleTasks.front());
        idleTasks.pop_front();
        runEvent(task);
    }
}

void CALLBACK onIdleTick(HWND, UINT, UINT_PTR, DWORD) {
    atEventBoundary(runIdleTasks);
}

} // namespace

bool handlerRunning() {
    return runningHandlers > 0;
}

unsigned handlersRun() {
    return ranHandlers;
}

void countHandlerRun() {
    ++ranHandlers;
}

RunningHandler::RunningHandler() {
    ++runningHandlers;
}

RunningHandler::~RunningHandler() {
    --runningHandlers;
}

void whenIdle(std::function<void()> task) {
    idleTasks.push_back(std::move(task));
    if (!idleTimer)
        idleTimer = startTimer(nullptr, 0, USER_TIMER_MINIMUM, onIdleTick);
}

UINT_PTR startTimer(HWND window, UINT_PTR id, UINT interval, TIMERPROC onTick) {
    const UINT_PTR timer = SetTimer(window, id, interval, onTick);
    if (!timer)
        throw errors::Error(static_cast<std::int32_t>(GetLastError()), L"Cannot start a timer");
    return timer;
}

} // namespace forms
