#pragma once
// The settings window against its layout rows, laid out at a DPI.

#include "tests/support/form_view.h"
#include "ui/trovane_config.h"
#include "ui/trovane_config_layout.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace test {

// At the system's DPI by default, which the Environment test checks is the group's.
inline int pixels(int twips, UINT dpi = GetDpiForSystem()) {
    return MulDiv(twips, static_cast<int>(dpi), 1440);
}

inline RECT rectInParent(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Every control in its container, at its place and size for the DPI, with its caption.
inline void expectLayoutRows(const Trovane_Config& form, UINT dpi) {
    ASSERT_EQ(form.count(), 30);
    for (const forms::ControlSpec& row : trovane_config_layout::controls) {
        SCOPED_TRACE(std::wstring(row.name) + L"(" + std::to_wstring(row.index) + L")");
        const forms::FormControl& control = named(form, row.name, row.index);
        HWND expectedParent = row.container.empty() ? form.hwnd() : named(form, row.container).hwnd();
        EXPECT_EQ(GetParent(control.hwnd()), expectedParent);
        const RECT rect = rectInParent(control.hwnd());
        EXPECT_EQ(rect.left, pixels(row.rect.left, dpi));
        EXPECT_EQ(rect.top, pixels(row.rect.top, dpi));
        EXPECT_EQ(rect.right - rect.left, pixels(row.rect.width, dpi));
        EXPECT_EQ(rect.bottom - rect.top, pixels(row.rect.height, dpi));
        wchar_t text[64];
        GetWindowTextW(control.hwnd(), text, 64);
        EXPECT_EQ(std::wstring_view(text), row.caption);
        EXPECT_EQ((GetWindowLongPtrW(control.hwnd(), GWL_STYLE) & WS_VISIBLE) != 0, row.visible);
    }
}

} // namespace test
