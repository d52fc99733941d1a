#pragma once

#include "forms/core/control_collection.h"

// The last step of loading the settings window: the charset rule, then each control's
// texts through the script conversion, control by control in the collection's order.
void localisationStep(const forms::ControlCollection& collection);
