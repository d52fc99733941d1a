#pragma once
// The settings window and its thirty controls, one row per control.

#include "forms/core/layout.h"

#include <array>

namespace trovane_config_layout {

extern const forms::FormSpec form;
extern const std::array<forms::ControlSpec, 30> controls;

} // namespace trovane_config_layout
