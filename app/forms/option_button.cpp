#include "app/forms/option_button.h"

#include "app/forms/form.h"

#include <oleacc.h>

namespace forms {

void OptionButton::setValue(bool selected) {
    if (selected) {
        for (OptionButton* other : form().optionGroup(spec().container))
            if (other != this && other->value_) {
                other->value_ = false;
                other->showValue();
            }
    }
    value_ = selected;
    showValue();
}

AccessibleFacts OptionButton::accessibleFacts() const {
    return {.role = ROLE_SYSTEM_RADIOBUTTON,
            .name = caption(),
            .description = form().labelCaptionIn(spec().container),
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
}

void OptionButton::showValue() const {
    if (hwnd())
        SendMessageW(hwnd(), BM_SETCHECK, value_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool inSameGroup(const FormControl* a, const FormControl* b) {
    return dynamic_cast<const OptionButton*>(a) && dynamic_cast<const OptionButton*>(b) &&
           a->spec().container == b->spec().container;
}

} // namespace forms
