// Keyboard navigation of the settings window, by real key presses. What a player does
// with the keys is in the end-to-end suite; this is the case it cannot reach.

#include "tests/support/player.h"
#include "tests/support/test_support.h"
#include "ui/trovane_config.h"

#include <gtest/gtest.h>

namespace {

// After activation from outside the focus can land on the window itself; it goes back
// to the control that had it, as in a dialog, so that Tab and Enter keep working.
TEST(Navigation, FocusGivenToTheWindowGoesBackToItsControl) {
    Trovane_Config form;
    form.create(); // without its load, which needs a settings file
    ShowWindow(form.hwnd(), SW_SHOW);
    SetForegroundWindow(form.hwnd());
    test::pumpMessages(200);
    test::pressKey(VK_TAB);
    SetFocus(form.hwnd());
    EXPECT_EQ(GetFocus(), form.HScroll3.hwnd());
    DestroyWindow(form.hwnd());
}

} // namespace
