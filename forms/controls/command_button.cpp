#include "forms/controls/command_button.h"

#include "forms/accessibility/accessible.h"

#include <oleacc.h>

namespace forms {

bool CommandButton::press() {
    click();
    return true;
}

AccessibleFacts CommandButton::accessibleFacts() const {
    return {.role = ROLE_SYSTEM_PUSHBUTTON, .name = caption(), .clickable = true};
}

void CommandButton::onCommand(WORD notification) {
    if (notification == BN_CLICKED)
        click();
}

void CommandButton::initialise() {
    CaptionedControl::initialise();
    answerAssistiveSoftware(hwnd());
}

} // namespace forms
