#pragma once
// The program as a whole: its directory, its message loop, its end, and the event
// boundary at which a run-time error is shown and the program ends.

#include "app/forms/error.h"

#include <exception>
#include <functional>
#include <string>
#include <utility>

namespace forms {

// The program's title: the settings window's and the run-time error box's. The save
// boxes' title "Trovane_config" differs from it only in case, on purpose.
inline constexpr wchar_t kProgramTitle[] = L"Trovane_Config";

// Exit code of a program ended by a run-time error.
inline constexpr unsigned kRuntimeErrorExitCode = 1;

// The folder of the running executable, without a trailing separator.
std::wstring applicationDirectory();

// Runs the user-interface thread's messages until the last window has gone.
int runMessageLoop();

// Runs a task once the thread is idle: every window painted, no input waiting.
void whenIdle(std::function<void()> task);

// Ends the process at once; no further events run.
[[noreturn]] void end();

// The text of the run-time error box for an error.
std::wstring runtimeErrorText(const Error& error);

// Shows the run-time error box and ends the process with a non-zero exit code.
[[noreturn]] void failWithRuntimeError(const Error& error);

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

} // namespace forms
