#include "forms/controls/label.h"

#include "forms/accessibility/accessible.h"

#include <oleacc.h>

namespace forms {

AccessibleFacts Label::accessibleFacts() const {
    return {.role = ROLE_SYSTEM_STATICTEXT, .name = caption()};
}

void Label::initialise() {
    CaptionedControl::initialise();
    answerAssistiveSoftware(hwnd());
}

} // namespace forms
