#pragma once
// The settings file's seven keys and their binding to the settings window's controls.

#include "forms/controls/hscrollbar.h"
#include "forms/controls/label.h"
#include "forms/controls/option_button.h"
#include "forms/core/control_array.h"

#include <windows.h>

namespace settings_binding {

using OptionGroup = forms::ControlArray<forms::OptionButton>;

// The controls that hold the settings: the only copy of them in memory. The settings
// window is made of them, among its other controls.
struct SettingsControls {
    OptionGroup Option1;
    OptionGroup Option2;
    OptionGroup Option3;
    OptionGroup Option4;
    forms::HScrollBar& HScroll1;
    forms::HScrollBar& HScroll2;
    forms::HScrollBar& HScroll3;
    forms::Label& Label7;
    forms::Label& Label8;
    forms::Label& Label9;
};

// Puts the stored settings into the controls, key by key; the first failing key stops
// it with its error, which then also names the key and the settings file.
void readINI(const SettingsControls& controls);

// Writes all seven keys from the controls, in order, in one save of the file. Returns
// ERROR_SUCCESS, or the system's error code; then the file is as it was.
DWORD writeINI(const SettingsControls& controls);

} // namespace settings_binding
