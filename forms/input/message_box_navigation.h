#pragma once
// Navigation in the program's message boxes: Left and Right move between the buttons, Press
// presses the focused one, Cancel answers No where the box asks, else OK.

#include "forms/core/navigation.h"

#include <windows.h>

namespace forms {

void navigateMessageBox(HWND box, Navigation action);

} // namespace forms
