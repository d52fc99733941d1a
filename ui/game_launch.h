#pragma once
// Starting the game qir_trovane.exe from the program's folder.

#include <cstdint>

// The title of the warning when the game cannot be started.
inline constexpr wchar_t kWarningTitle[] = L"Warning";

// Whether a result of the shell's start, read as a signed 32-bit integer, is a failure.
constexpr bool launchFailed(std::int32_t shellResult) {
    return shellResult <= 32;
}

// Starts the game by its full path, with no arguments and the program's folder as its
// working directory, without waiting for it; warns "file missed!" when the start fails.
void launchGame();
