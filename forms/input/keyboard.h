#pragma once
// Keys that navigate a form: Tab and Shift+Tab along the tab order, the arrow keys within an
// option group, Enter presses the focused control. The form does this itself rather than
// through IsDialogMessage, whose handling of option groups differs between Windows and Wine.

#include <windows.h>

namespace forms {

// Gives a key for a form's window to the form as its navigation action; true when the form
// took it, and the key is not to be dispatched.
bool navigateByKey(const MSG& message);

} // namespace forms
