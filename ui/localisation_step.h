#pragma once

#include "forms/core/control.h"
#include "forms/core/control_collection.h"

// Converts the texts that a control of its type shows (caption, tool tip) to the script of
// this system (gb_big5_api::localiseText).
void localiseControl(forms::Control& control);

// The last step of loading the settings window: the charset rule, then each control's
// texts through the script conversion, control by control in the collection's order.
void localisationStep(const forms::ControlCollection& collection);
