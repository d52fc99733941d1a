#include "forms/controls/control_kinds.h"

#include "forms/controls/command_button.h"
#include "forms/controls/frame.h"
#include "forms/controls/hscrollbar.h"
#include "forms/controls/image.h"
#include "forms/controls/label.h"
#include "forms/controls/option_button.h"
#include "forms/controls/timer.h"

namespace forms {

std::unique_ptr<FormControl> makeControl(Form& form, const ControlSpec& spec) {
    switch (spec.kind) {
    case ControlKind::Label:
        return std::make_unique<Label>(form, spec);
    case ControlKind::Frame:
        return std::make_unique<Frame>(form, spec);
    case ControlKind::OptionButton:
        return std::make_unique<OptionButton>(form, spec);
    case ControlKind::CommandButton:
        return std::make_unique<CommandButton>(form, spec);
    case ControlKind::HScrollBar:
        return std::make_unique<HScrollBar>(form, spec);
    case ControlKind::Image:
        return std::make_unique<Image>(form, spec);
    case ControlKind::Timer:
        return std::make_unique<Timer>(form, spec);
    }
    return nullptr;
}

} // namespace forms
