#pragma once
// The program as a whole: its title, its directory, its end, and the run-time error box
// that ends it.

#include "errors/error.h"

#include <string>

namespace forms {

// The program's title, which the run-time error box shows; the program sets it first thing.
void setApplicationTitle(std::wstring title);

// Exit code of a program ended by a run-time error.
inline constexpr unsigned kRuntimeErrorExitCode = 1;

// The folder of the running executable, without a trailing separator.
std::wstring applicationDirectory();

// Ends the process at once; no further events run.
[[noreturn]] void end();

// The text of the run-time error box for an error.
std::wstring runtimeErrorText(const errors::Error& error);

// Shows the run-time error box and ends the process with a non-zero exit code.
[[noreturn]] void failWithRuntimeError(const errors::Error& error);

} // namespace forms
