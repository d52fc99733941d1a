#pragma once
// The settings window of a running program, seen from outside: its controls are found
// by their control ids, which follow the layout rows.

#include "forms/core/layout.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace test {

class SettingsWindow {
  public:
    explicit SettingsWindow(HWND window) : window_(window) {}
    HWND window() const { return window_; }
    HWND control(std::wstring_view name, int index = forms::kNotAnArray) const;
    std::wstring text(std::wstring_view name, int index = forms::kNotAnArray) const;
    bool checked(std::wstring_view name, int index) const;
    int scrollPosition(std::wstring_view name) const;
    // Presses a button or an option as a click does.
    void click(std::wstring_view name, int index = forms::kNotAnArray) const;

  private:
    HWND window_;
};

} // namespace test
