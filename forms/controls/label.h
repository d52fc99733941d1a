#pragma once

#include "forms/core/control.h"

namespace forms {

class Label : public CaptionedControl {
  public:
    using CaptionedControl::CaptionedControl;
    std::wstring_view typeName() const override { return L"Label"; }
    // Static text named by its caption, as Windows' own object tells it; Wine's standard
    // object calls a static control a client area, which UI Automation shows as a pane.
    AccessibleFacts accessibleFacts() const override;

  protected:
    const wchar_t* windowClass() const override { return L"STATIC"; }
    DWORD windowStyle() const override { return SS_LEFT | SS_NOTIFY | SS_NOPREFIX; }
    void initialise() override;
};

// The caption of the first label inside a container: the label that asks an option group's
// question; empty where there is none.
std::wstring labelCaptionIn(const Form& form, std::wstring_view container);

} // namespace forms
