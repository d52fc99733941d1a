#pragma once
// Every kind of control that a layout row can name.

#include "forms/core/control.h"

#include <memory>

namespace forms {

// The control of a layout row, of the kind that the row names: what a form is built with.
std::unique_ptr<FormControl> makeControl(Form& form, const ControlSpec& spec);

} // namespace forms
