#pragma once
// The program's one command-line option: `/play` (or `-play`, in any letter case) starts
// the game at once, without the splash or the settings window, for a launch option such
// as Steam's `%command% /play`. Any other command line is ignored.

#include <string_view>

// Whether a whole command line, the program's own path first, asks to play at once.
bool asksToPlay(std::wstring_view commandLine);
