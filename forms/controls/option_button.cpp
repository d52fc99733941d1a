#include "forms/controls/option_button.h"

#include "forms/accessibility/accessible.h"
#include "forms/controls/label.h"
#include "forms/core/form.h"

#include <oleacc.h>

namespace forms {

void OptionButton::setValue(bool selected) {
    if (selected) {
        for (int index = 0; index < form().count(); ++index)
            if (auto* other = dynamic_cast<OptionButton*>(&form().controls(index));
                other && other != this && other->value_ && inSameGroup(other, this)) {
                other->value_ = false;
                other->showValue();
            }
    }
    value_ = selected;
    showValue();
}

bool OptionButton::press() {
    setValue(true);
    return true;
}

AccessibleFacts OptionButton::accessibleFacts() const {
    return {.role = ROLE_SYSTEM_RADIOBUTTON,
            .name = caption(),
            .description = labelCaptionIn(form(), spec().container),
            .checkable = true,
            .checked = value_,
            .clickable = true};
}

void OptionButton::onCommand(WORD notification) {
    if (notification == BN_CLICKED)
        setValue(true);
}

void OptionButton::initialise() {
    CaptionedControl::initialise();
    showValue();
    answerAssistiveSoftware(hwnd());
}

void OptionButton::showValue() const {
    if (hwnd())
        SendMessageW(hwnd(), BM_SETCHECK, value_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

} // namespace forms
