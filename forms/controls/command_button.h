#pragma once

#include "forms/core/control.h"
#include "forms/core/events.h"

#include <functional>

namespace forms {

class CommandButton : public CaptionedControl {
  public:
    using CaptionedControl::CaptionedControl;
    std::wstring_view typeName() const override { return L"CommandButton"; }

    void onClick(std::function<void()> handler) { click_ = std::move(handler); }
    // Raises the click event, as a press of the button does.
    void click() { raiseEvent(click_); }

    bool canTakeFocus() const override { return true; }
    bool press() override;
    AccessibleFacts accessibleFacts() const override;
    void onCommand(WORD notification) override;

  protected:
    const wchar_t* windowClass() const override { return L"BUTTON"; }
    DWORD windowStyle() const override { return BS_PUSHBUTTON | WS_TABSTOP; }
    void initialise() override;

  private:
    std::function<void()> click_;
};

} // namespace forms
