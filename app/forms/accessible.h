#pragma once
// What assistive software reads of a control: screen readers, and the gamepad layers that
// drive launchers, read a window's accessibility tree. Each control of a form answers
// WM_GETOBJECT with an object built on the system's standard one, which overrides only
// what the standard object cannot know (under Wine it calls every control a client area).

#include <windows.h>

#include <string>

namespace forms {

// A control's role, name, value, description and checked state, as assistive software
// reads them; role 0 leaves the control to the standard object.
struct AccessibleFacts {
    LONG role = 0;
    std::wstring name;
    std::wstring value;
    std::wstring description;
    bool checkable = false;
    bool checked = false;
    // Its default action is what a click does: a push button's press, an option's selection.
    bool clickable = false;
};

// The answer to WM_GETOBJECT for a control's client area, or 0 to let the control's own
// window procedure answer (oleacc missing, or the object could not be made).
LRESULT accessibleObjectResult(HWND control, WPARAM wParam);

} // namespace forms
