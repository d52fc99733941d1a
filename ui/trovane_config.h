#pragma once
// The settings window.

#include "app/forms/command_button.h"
#include "app/forms/form.h"
#include "app/forms/hscrollbar.h"
#include "app/forms/label.h"
#include "app/forms/option_button.h"

#include <cstdint>

class Trovane_Config : public forms::Form {
public:
    Trovane_Config();

    forms::CommandButton& Command1;
    forms::CommandButton& Command2;
    forms::ControlArray<forms::OptionButton> Option1;
    forms::ControlArray<forms::OptionButton> Option2;
    forms::ControlArray<forms::OptionButton> Option3;
    forms::ControlArray<forms::OptionButton> Option4;
    forms::HScrollBar& HScroll1;
    forms::HScrollBar& HScroll2;
    forms::HScrollBar& HScroll3;
    forms::Label& Label7;
    forms::Label& Label8;
    forms::Label& Label9;

protected:
    void Form_Unload(std::int16_t& Cancel) override;
};
