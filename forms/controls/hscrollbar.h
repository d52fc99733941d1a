#pragma once

#include "forms/core/control.h"

#include <cstdint>
#include <functional>

namespace forms {

// A horizontal scroll bar. Arrow and track clicks step by 1; the change event runs
// synchronously whenever the value changes, and for a dragged thumb only on release.
class HScrollBar : public FormControl {
  public:
    using FormControl::FormControl;
    std::wstring_view typeName() const override { return L"HScrollBar"; }

    std::int16_t min() const { return spec().scroll.min; }
    std::int16_t max() const { return spec().scroll.max; }
    std::int16_t value() const { return value_; }
    // Error 380 outside Min..Max; raises the change event when the value differs.
    void setValue(std::int16_t value);

    // Moves the value by a step, within Min..Max, as the arrows and the track do.
    bool stepBy(int delta) override {
        stepTo(value_ + delta);
        return true;
    }

    void onChange(std::function<void()> handler) { change_ = std::move(handler); }

    bool canTakeFocus() const override { return true; }
    // Named by its row's label, with the number that its value label shows.
    AccessibleFacts accessibleFacts() const override;
    void onScroll(WORD request) override;

  protected:
    const wchar_t* windowClass() const override { return L"SCROLLBAR"; }
    DWORD windowStyle() const override { return SBS_HORZ | WS_TABSTOP; }
    void initialise() override;

  private:
    static constexpr int kSmallChange = 1;
    static constexpr int kLargeChange = 1;

    int trackPosition() const;
    void stepTo(int value);

    std::int16_t value_ = spec().scroll.value;
    std::function<void()> change_;
};

} // namespace forms
