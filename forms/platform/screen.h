#pragma once
// Where on the screen a window may go.

#include <windows.h>

namespace forms {

// The monitor's work area: its screen less the task bar and other docked bars.
RECT workAreaOf(HMONITOR monitor);

// The primary monitor, where a new window opens.
HMONITOR primaryMonitor();

// The rectangle moved, not resized, to lie within the area; where it is bigger than the
// area, its top left stays inside.
RECT keptWithin(RECT rect, const RECT& area);

} // namespace forms
