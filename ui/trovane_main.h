#pragma once
// The splash window: a borderless picture for one second, then the settings window.

#include "forms/controls/image.h"
#include "forms/controls/timer.h"
#include "forms/core/form.h"

#include <cstdint>

// The splash window's title.
inline constexpr wchar_t kSplashTitle[] = L"Form1";

class Trovane_Main : public forms::Form {
  public:
    Trovane_Main();

    forms::Image& Image1;
    forms::Timer& Timer1;

  protected:
    void Form_Unload(std::int16_t& Cancel) override;

  private:
    void Timer1_Timer();
};
