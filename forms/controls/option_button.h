#pragma once

#include "forms/core/control.h"

namespace forms {

// One option button; the option buttons that share a container form one exclusive group.
class OptionButton : public CaptionedControl {
  public:
    using CaptionedControl::CaptionedControl;
    std::wstring_view typeName() const override { return L"OptionButton"; }

    bool value() const { return value_; }
    // True selects this button and clears the other buttons of its container.
    void setValue(bool selected);

    bool canTakeFocus() const override { return spec().visible; }
    bool inExclusiveGroup() const override { return true; }
    bool selected() const override { return value_; }
    bool press() override;
    // Described by its group's label, the label inside its frame.
    AccessibleFacts accessibleFacts() const override;
    void onCommand(WORD notification) override;

  protected:
    const wchar_t* windowClass() const override { return L"BUTTON"; }
    DWORD windowStyle() const override { return BS_RADIOBUTTON | WS_TABSTOP; }
    void initialise() override;

  private:
    void showValue() const;
    bool value_ = false;
};

} // namespace forms
