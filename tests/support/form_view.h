#pragma once
// A form of the tests' own process, looked at: its controls by name, and its pixels.

#include "forms/core/form.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace test {

forms::FormControl& named(const forms::Form& form, std::wstring_view name, int index = forms::kNotAnArray);

// The client area's pixels as the window shows them, 32 bits each.
std::string clientPixels(HWND window);

} // namespace test
