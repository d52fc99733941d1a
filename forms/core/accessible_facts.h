#pragma once
// What assistive software reads of a control: screen readers, and the gamepad layers that
// drive launchers, read a window's accessibility tree. Each kind of control tells its own
// facts; forms/accessibility answers with them.

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

} // namespace forms
