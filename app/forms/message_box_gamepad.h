#pragma once
// The pad in the program's message boxes: left and right move between the buttons, A
// presses the focused one, B answers No where the box asks, else OK.

#include "app/forms/gamepad_mapping.h"

#include <windows.h>

namespace forms {

// The message box that this thread shows, or nullptr. It takes the pad even before the
// window manager has made it the foreground window.
HWND shownMessageBox();

void messageBoxPadAction(HWND box, PadAction action);

} // namespace forms
