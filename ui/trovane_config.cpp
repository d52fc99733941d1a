#include "ui/trovane_config.h"

#include "app/forms/application.h"
#include "ui/trovane_config_layout.h"

Trovane_Config::Trovane_Config()
    : Form(trovane_config_layout::form, trovane_config_layout::controls),
      Command1(control<forms::CommandButton>(L"Command1")), Command2(control<forms::CommandButton>(L"Command2")),
      Option1(controlArray<forms::OptionButton>(L"Option1")), Option2(controlArray<forms::OptionButton>(L"Option2")),
      Option3(controlArray<forms::OptionButton>(L"Option3")), Option4(controlArray<forms::OptionButton>(L"Option4")),
      HScroll1(control<forms::HScrollBar>(L"HScroll1")), HScroll2(control<forms::HScrollBar>(L"HScroll2")),
      HScroll3(control<forms::HScrollBar>(L"HScroll3")), Label7(control<forms::Label>(L"Label7")),
      Label8(control<forms::Label>(L"Label8")), Label9(control<forms::Label>(L"Label9")) {}

void Trovane_Config::Form_Unload(std::int16_t& /*Cancel*/) { forms::end(); }
