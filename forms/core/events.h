#pragma once
// The one place that runs events: the event boundary, at which a run-time error is shown
// and the program ends, and the rule that handlers run one at a time.

#include "forms/core/application.h"
#include "forms/core/error.h"

#include <functional>
#include <new>
#include <utility>

namespace forms {

// Runs a task at the event boundary: an error escaping it shows the run-time error box and
// ends the process, so no exception crosses a Win32 callback.
template <typename Task> void atEventBoundary(Task&& task) noexcept {
    try {
        task();
    } catch (const Error& error) {
        failWithRuntimeError(error);
    } catch (const std::bad_alloc&) {
        failWithRuntimeError(Error(error_number::OutOfMemory, L"Out of memory"));
    } catch (...) {
        failWithRuntimeError(Error(error_number::InternalError, L"Internal error"));
    }
}

// Whether an event handler is running; it may be waiting in a message loop (a message
// box, the shell, a COM call) that dispatches other input meanwhile.
bool handlerRunning();

// How many handlers have started so far; a change tells that one ran, which may have
// opened or closed windows meanwhile.
unsigned handlersStarted();

// Marks the span in which an event handler runs.
class RunningHandler {
  public:
    RunningHandler();
    ~RunningHandler();
    RunningHandler(const RunningHandler&) = delete;
    RunningHandler& operator=(const RunningHandler&) = delete;
};

// Runs an event handler at the event boundary, one at a time: while one runs, another is
// refused, whoever asks (a click, a key, the pad, assistive software), so that no handler
// starts inside another's wait. False when refused.
template <typename Handler> bool runEvent(Handler&& handler) noexcept {
    if (handlerRunning())
        return false;
    const RunningHandler running;
    atEventBoundary(std::forward<Handler>(handler));
    return true;
}

// Runs a task once the thread is idle: every window painted, no input waiting. Tasks
// queue, and run in the order given.
void whenIdle(std::function<void()> task);

} // namespace forms
