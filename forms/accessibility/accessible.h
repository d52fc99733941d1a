#pragma once
// What assistive software reads of a control: screen readers, and the gamepad layers that
// drive launchers, read a window's accessibility tree. A control answers WM_GETOBJECT with
// an object built on the system's standard one, which overrides only what the standard
// object cannot know (under Wine it calls every control a client area): the control's own
// facts (forms/core/accessible_facts.h), and a click as the default action.

#include <windows.h>

namespace forms {

// Makes the control's window answer assistive software: a subclass that keeps the window
// procedure it replaced (the class's, or another subclass's) and hands it every other
// message, until the window's last one. A window that answers already is left as it is.
void answerAssistiveSoftware(HWND control);

} // namespace forms
