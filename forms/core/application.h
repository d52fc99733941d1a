#pragma once
// The program as a whole: its title, its directory, its end, and the run-time error box
// that ends it.

#include "forms/core/error.h"

#include <string>

namespace forms {

// The program's title: the settings window's and the run-time error box's. The save
// boxes' title "Trovane_config" differs from it only in case, on purpose.
inline constexpr wchar_t kProgramTitle[] = L"Trovane_Config";

// Exit code of a program ended by a run-time error.
inline constexpr unsigned kRuntimeErrorExitCode = 1;

// The folder of the running executable, without a trailing separator.
std::wstring applicationDirectory();

// Ends the process at once; no further events run.
[[noreturn]] void end();

// The text of the run-time error box for an error.
std::wstring runtimeErrorText(const Error& error);

// Shows the run-time error box and ends the process with a non-zero exit code.
[[noreturn]] void failWithRuntimeError(const Error& error);

} // namespace forms
