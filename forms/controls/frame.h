#pragma once

#include "forms/core/control.h"

namespace forms {

// A frame: a plain etched box that contains other controls. The option buttons
// inside one frame form one exclusive group.
class Frame : public CaptionedControl {
  public:
    using CaptionedControl::CaptionedControl;
    std::wstring_view typeName() const override { return L"Frame"; }

    HFONT font() const { return font_; }
    void setFont(HFONT font) { font_ = font; }
    // A group to assistive software; one that holds an option group is named by its
    // question, the label inside it.
    AccessibleFacts accessibleFacts() const override;

  protected:
    const wchar_t* windowClass() const override;
    DWORD windowStyle() const override { return 0; }
    void initialise() override;

  private:
    HFONT font_ = nullptr; // the frame draws its caption itself
};

} // namespace forms
