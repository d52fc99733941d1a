// The settings window at the player's text sizes, in the prefix's DPI: every caption fits its
// control, the layout grows with the font, and the window fits the screen.

#include "forms/platform/screen.h"
#include "tests/support/form_view.h"
#include "tests/support/player.h"
#include "tests/support/text_size.h"
#include "tests/ui/layout_rows.h"
#include "ui/trovane_config.h"
#include "ui/trovane_config_layout.h"
#include "ui/trovane_main.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

constexpr int kTextSizes[] = {100, 125, 150, 200, 225};

// The layout's DPI at the text size, as grown with the font where the screen has room.
UINT grownDpi(int percent) {
    const UINT dpi = GetDpiForSystem();
    return static_cast<UINT>(
        MulDiv(static_cast<int>(dpi), test::messageFontHeightAt(percent), test::messageFontHeightAt(100)));
}

LONG fontHeightOf(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfHeight;
}

// The number labels show the widest values of their scroll bars.
void showWidestValues(const Trovane_Config& form) {
    for (const forms::ControlSpec& row : trovane_config_layout::controls)
        if (!row.valueLabel.empty())
            dynamic_cast<forms::CaptionedControl&>(test::named(form, row.valueLabel))
                .setCaption(std::to_wstring(row.scroll.max));
}

void expectEveryCaptionFits(const Trovane_Config& form) {
    showWidestValues(form);
    for (const test::CaptionClipped& clipped : test::clippedCaptions(form.hwnd())) {
        const forms::ControlSpec& row =
            trovane_config_layout::controls.at(static_cast<std::size_t>(clipped.id - 1));
        ADD_FAILURE() << testing::PrintToString(std::wstring(row.name)) << "(" << row.index << ") needs "
                      << clipped.needs.cx << " x " << clipped.needs.cy << " and has " << clipped.has.cx
                      << " x " << clipped.has.cy;
    }
}

// Laid out at the grown DPI, or where that would not fit the work area, as large as fits:
// less than a DPI step from its edge.
void expectGrownToFit(const Trovane_Config& form, int percent) {
    RECT window, work = forms::workAreaOf(MonitorFromWindow(form.hwnd(), MONITOR_DEFAULTTONEAREST));
    GetWindowRect(form.hwnd(), &window);
    EXPECT_GE(window.left, work.left);
    EXPECT_GE(window.top, work.top);
    EXPECT_LE(window.right, work.right);
    EXPECT_LE(window.bottom, work.bottom);
    const UINT layoutDpi = form.layoutDpi();
    EXPECT_GE(layoutDpi, GetDpiForSystem());
    if (layoutDpi < grownDpi(percent))
        EXPECT_TRUE(work.bottom - window.bottom + window.top - work.top < test::pixels(5985, 1) + 1 ||
                    work.right - window.right + window.left - work.left < test::pixels(5460, 1) + 1)
            << "shrunk more than it had to";
    else
        EXPECT_EQ(layoutDpi, grownDpi(percent));
    test::expectLayoutRows(form, layoutDpi);
    const LONG height = fontHeightOf(form.Command1.hwnd());
    EXPECT_EQ(height, MulDiv(test::messageFontHeightAt(percent), static_cast<int>(layoutDpi),
                             static_cast<int>(grownDpi(percent))))
        << "the font shrinks with the layout";
    EXPECT_GE(std::abs(height), std::abs(test::messageFontHeightAt(100))) << "never below the default size";
}

TEST(LayoutAtTextSize, EveryCaptionFitsItsControlAndTheWindowTheScreen) {
    for (const int percent : kTextSizes) {
        SCOPED_TRACE(std::to_string(percent) + " % text size");
        const test::TextSize textSize(percent);
        Trovane_Config form;
        form.create();
        form.fitFont();
        expectGrownToFit(form, percent);
        expectEveryCaptionFits(form);
    }
}

// The player changes the text size in the system's settings while the window is open, and
// back: it grows, and then looks exactly as it did.
TEST(LayoutAtTextSize, AChangeOfTextSizeLaysTheOpenWindowOutAgain) {
    Trovane_Config form;
    form.create();
    form.fitFont();
    ShowWindow(form.hwnd(), SW_SHOWNOACTIVATE);
    RedrawWindow(form.hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    const std::string before = test::clientPixels(form.hwnd());
    {
        const test::TextSize bigger(200, true);
        EXPECT_TRUE(test::waitUntil([&] { return form.layoutDpi() != GetDpiForSystem(); }, 2000));
        expectGrownToFit(form, 200);
    }
    EXPECT_TRUE(test::waitUntil([&] { return form.layoutDpi() == GetDpiForSystem(); }, 2000));
    test::expectLayoutRows(form, GetDpiForSystem());
    RedrawWindow(form.hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_TRUE(test::clientPixels(form.hwnd()) == before) << "back at its text size, the window differs";
}

// The splash shows a picture alone, which a bigger text size leaves as it is.
TEST(LayoutAtTextSize, TheSplashKeepsItsSize) {
    const auto clientOf = [] {
        Trovane_Main splash;
        splash.create();
        RECT client;
        GetClientRect(splash.hwnd(), &client);
        return client.right * 10000 + client.bottom;
    };
    const int atDefault = clientOf();
    const test::TextSize bigger(200);
    EXPECT_EQ(clientOf(), atDefault);
}

} // namespace
