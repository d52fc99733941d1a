#pragma once
// The one place that runs events: the event boundary, at which a run-time error is shown
// and the program ends, and the rule that handlers run one at a time.

#include "errors/error.h"
#include "forms/core/application.h"

#include <windows.h>

#include <functional>
#include <new>
#include <utility>

namespace forms {

// Runs a task at the event boundary: an error escaping it shows the run-time error box and
// ends the process, so no exception crosses a Win32 callback.
template <typename Task> void atEventBoundary(Task&& task) noexcept {
    try {
        task();
    } catch (const errors::Error& error) {
        failWithRuntimeError(error);
    } catch (const std::bad_alloc&) {
        failWithRuntimeError(errors::Error(errors::number::OutOfMemory, L"Out of memory"));
    } catch (...) {
        failWithRuntimeError(errors::Error(errors::number::InternalError, L"Internal error"));
    }
}

// Whether an event handler is running; it may be waiting in a message loop (a message
// box, the shell, a COM call) that dispatches other input meanwhile.
bool handlerRunning();

// How many of the program's event handlers have run so far (a click's, a change's, a
// tick's, a form's load and unload); a change tells that one ran, which may have opened or
// closed windows meanwhile. An event that reached no handler, or changed nothing, is not
// counted.
unsigned handlersRun();

void countHandlerRun();

// Calls a program's event handler, when it has one, and counts it.
template <typename Handler> void raiseEvent(const Handler& handler) {
    if (!handler)
        return;
    countHandlerRun();
    handler();
}

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

// Runs a task once the thread is idle: every window painted, no input waiting, and no
// handler running (a task given meanwhile waits for it to end). Tasks queue, and run in the
// order given.
void whenIdle(std::function<void()> task);

// Starts or resets a timer, of a window or (with none) of the thread, with id 0 a new one,
// and gives its id; a timer the system refuses is a run-time error, so that nothing waits
// for a tick that never comes.
UINT_PTR startTimer(HWND window, UINT_PTR id, UINT interval, TIMERPROC onTick);

} // namespace forms
