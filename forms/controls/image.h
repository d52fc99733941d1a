#pragma once

#include "forms/controls/picture.h"
#include "forms/core/control.h"

namespace forms {

// An image control that draws its picture stretched to the control's size.
class Image : public FormControl {
  public:
    using FormControl::FormControl;
    std::wstring_view typeName() const override { return L"Image"; }

    const Picture& picture() const { return picture_; }

  protected:
    const wchar_t* windowClass() const override;
    DWORD windowStyle() const override { return 0; }
    void initialise() override;

  private:
    Picture picture_;
};

} // namespace forms
