#pragma once
// Whether Windows lists a game controller. Every XInput pad is also a HID game controller,
// so without one the pad support does not load XInput at all: under Wine its first call
// starts a thread that watches the HID devices, which costs more working set than all the
// rest of the pad support.

namespace forms {

// A HID device of the generic desktop page used as a joystick, gamepad or multi-axis controller.
bool gameControllerListed();

} // namespace forms
