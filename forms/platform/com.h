#pragma once
// COM for the few things that need it (the shell's start of the game, answering assistive
// software), initialised on first use so that starting the program needs none of it.

namespace forms {

// Initialises COM on this thread as a single-threaded apartment, once.
void initialiseCom();

} // namespace forms
