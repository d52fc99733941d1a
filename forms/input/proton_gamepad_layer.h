#pragma once
// Proton's own gamepad layer runs beside the program as xalia.exe and drives the windows
// whose classes it knows with the same pad. Where it drives a window, the program's pad
// support leaves that window to it, so that no press acts twice.

namespace forms::proton_gamepad_layer {

// Told to drive every window (PROTON_USE_XALIA set and not 0, XALIA_SUPPORTED_ONLY unset
// or 0): the program's pad support stands down entirely.
bool drivesEveryWindow();

// Running beside the program (a process named xalia.exe, or PROTON_USE_XALIA set and not
// 0): it drives the standard message boxes, whatever its mode.
bool drivesMessageBoxes();

} // namespace forms::proton_gamepad_layer
