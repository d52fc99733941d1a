#pragma once
// The settings window.

#include "app/forms/command_button.h"
#include "app/forms/form.h"
#include "app/forms/hscrollbar.h"
#include "app/forms/label.h"
#include "app/forms/option_button.h"
#include "settings/settings_binding.h"

#include <cstdint>
#include <span>

class Trovane_Config : public forms::Form {
  public:
    Trovane_Config();

    // Puts the settings stored in the file INIFileName into the controls.
    void readINI();
    // Saves all settings from the controls; ERROR_SUCCESS, or the error that left the file as it was.
    DWORD writeINI();

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
    void Form_Load() override;
    void Form_Unload(std::int16_t& Cancel) override;
    std::span<const wchar_t* const> preferredFontFaces() const override;

  private:
    void HScroll1_Change();
    void HScroll2_Change();
    void HScroll3_Change();
    void Command1_Click();
    void Command2_Click();

    settings::SettingsControls boundControls();
    void reportSaveFailure(DWORD error);
};
