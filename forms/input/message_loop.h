#pragma once
// The user-interface thread's message loop, where keys become navigation actions, and the
// wait that a handler makes without one.

#include <windows.h>

namespace forms {

// Runs the thread's messages until the last window has gone; returns the exit code.
int runMessageLoop();

// Waits inside a handler with the wait cursor, keeping the thread's windows painted but
// taking no input meanwhile, so that no other handler starts.
void waitKeepingWindowsPainted(DWORD milliseconds);

} // namespace forms
