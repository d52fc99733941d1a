#pragma once

#include "app/forms/control.h"

#include <oleacc.h>

#include <functional>

namespace forms {

class CommandButton : public CaptionedControl {
  public:
    using CaptionedControl::CaptionedControl;
    std::wstring_view typeName() const override { return L"CommandButton"; }

    void onClick(std::function<void()> handler) { click_ = std::move(handler); }
    // Raises the click event, as a press of the button does.
    void click() {
        if (click_)
            click_();
    }

    bool canTakeFocus() const override { return true; }
    AccessibleFacts accessibleFacts() const override {
        return {.role = ROLE_SYSTEM_PUSHBUTTON, .name = caption(), .clickable = true};
    }
    void onCommand(WORD notification) override {
        if (notification == BN_CLICKED)
            click();
    }

  protected:
    const wchar_t* windowClass() const override { return L"BUTTON"; }
    DWORD windowStyle() const override { return BS_PUSHBUTTON | WS_TABSTOP; }

  private:
    std::function<void()> click_;
};

} // namespace forms
