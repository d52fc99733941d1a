#pragma once
// The settings window.

#include "forms/controls/command_button.h"
#include "forms/controls/hscrollbar.h"
#include "forms/controls/label.h"
#include "forms/controls/option_button.h"
#include "forms/core/form.h"
#include "ui/settings_binding.h"

#include <cstdint>
#include <span>

// Titles of the settings window's message boxes. "Trovane_config" differs from the
// program's title "Trovane_Config" only in case, on purpose.
inline constexpr wchar_t kConfirmTitle[] = L"Confirm";
inline constexpr wchar_t kSaveTitle[] = L"Trovane_config";

class Trovane_Config : public forms::Form, public settings_binding::SettingsControls {
  public:
    Trovane_Config();

    // Puts the settings stored in the file INIFileName into the controls.
    void readINI();
    // Saves all settings from the controls; ERROR_SUCCESS, or the error that left the file as it was.
    DWORD writeINI();

    forms::CommandButton& Command1;
    forms::CommandButton& Command2;

  protected:
    void Form_Load() override;
    void Form_Unload(std::int16_t& Cancel) override;
    std::span<const wchar_t* const> preferredFontFaces() const override;
    forms::CompiledInFont lastResortFont() const override;

  private:
    void HScroll1_Change();
    void HScroll2_Change();
    void HScroll3_Change();
    void Command1_Click();
    void Command2_Click();

    void reportSaveFailure(DWORD error);
};
