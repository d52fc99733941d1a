#pragma once
// The user-interface thread's message loop, where keys become navigation actions.

namespace forms {

// Runs the thread's messages until the last window has gone; returns the exit code.
int runMessageLoop();

} // namespace forms
