#pragma once

#include "forms/core/control.h"

#include <functional>

namespace forms {

// A message-driven timer of its form: it ticks on the user-interface thread.
class Timer : public FormControl {
  public:
    using FormControl::FormControl;
    std::wstring_view typeName() const override { return L"Timer"; }

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    void onTimer(std::function<void()> handler) { tick_ = std::move(handler); }

    void create(HWND parent, int id, UINT dpi, HFONT font, ToolTips& toolTips) override;
    void relayout(UINT, HFONT) override {}
    // Raises the timer event when the form's timer is this one's.
    void onFormTimer(UINT_PTR id) override;

  protected:
    const wchar_t* windowClass() const override { return L""; }
    DWORD windowStyle() const override { return 0; }

  private:
    UINT_PTR timerId() const { return reinterpret_cast<UINT_PTR>(this); }
    void apply() const;

    bool enabled_ = true;
    std::function<void()> tick_;
};

} // namespace forms
