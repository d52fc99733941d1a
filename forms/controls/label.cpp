#include "forms/controls/label.h"

#include "forms/accessibility/accessible.h"
#include "forms/core/form.h"

#include <oleacc.h>

namespace forms {

AccessibleFacts Label::accessibleFacts() const {
    return {.role = ROLE_SYSTEM_STATICTEXT, .name = caption()};
}

std::wstring labelCaptionIn(const Form& form, std::wstring_view container) {
    for (int index = 0; index < form.count(); ++index)
        if (const auto* label = dynamic_cast<const Label*>(&form.controls(index));
            label && label->spec().container == container)
            return label->caption();
    return {};
}

void Label::initialise() {
    CaptionedControl::initialise();
    answerAssistiveSoftware(hwnd());
}

} // namespace forms
