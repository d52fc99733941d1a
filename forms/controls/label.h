#pragma once

#include "forms/core/control.h"

namespace forms {

class Label : public CaptionedControl {
  public:
    using CaptionedControl::CaptionedControl;
    std::wstring_view typeName() const override { return L"Label"; }

  protected:
    const wchar_t* windowClass() const override { return L"STATIC"; }
    DWORD windowStyle() const override { return SS_LEFT | SS_NOTIFY | SS_NOPREFIX; }
};

} // namespace forms
