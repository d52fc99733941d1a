#pragma once
// Reading the pad for the program's windows. While one of them is in front, each action of
// the pad goes to the message box in front, or else to the form in front; while another
// program's window is in front (the game's, say), the pad is not read at all.

namespace forms::gamepad {

// Starts reading the pad, once; with no XInput DLL or no pad nothing ever happens, nor
// where Proton's gamepad layer drives every window.
void start();

} // namespace forms::gamepad
