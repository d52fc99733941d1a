// Keyboard navigation of the settings window, by real key presses.

#include "tests/support/player.h"
#include "tests/support/test_support.h"
#include "ui/trovane_config.h"

#include <gtest/gtest.h>

namespace {

class Navigation : public testing::Test {
  protected:
    void SetUp() override {
        form.create();
        form.Option2[1].setValue(true);
        form.Option1[0].setValue(true);
        form.Option4[1].setValue(true); // the covered button: its group's stop falls back
        form.show();
        SetForegroundWindow(form.hwnd());
        test::pumpMessages(200);
    }
    void TearDown() override { DestroyWindow(form.hwnd()); }

    void press(WORD key, bool shift = false) { test::pressKey(key, shift); }
    HWND focus() const { return GetFocus(); }

    Trovane_Config form;
};

TEST_F(Navigation, FocusStartsOnTheSaveButton) {
    EXPECT_EQ(focus(), form.Command1.hwnd());
}

TEST_F(Navigation, TabVisitsTheControlsInTabOrderAndWraps) {
    const std::vector<HWND> expected{form.HScroll3.hwnd(),   form.HScroll2.hwnd(),   form.HScroll1.hwnd(),
                                     form.Option2[1].hwnd(), form.Option3[1].hwnd(), form.Option1[0].hwnd(),
                                     form.Option4[0].hwnd(), form.Command2.hwnd(),   form.Command1.hwnd()};
    for (HWND next : expected) {
        press(VK_TAB);
        EXPECT_EQ(focus(), next);
    }
    press(VK_TAB, true);
    EXPECT_EQ(focus(), form.Command2.hwnd());
}

TEST_F(Navigation, ArrowsChooseWithinTheGroupAndSkipTheCoveredButton) {
    SetFocus(form.Option4[0].hwnd());
    press(VK_RIGHT);
    EXPECT_EQ(focus(), form.Option4[2].hwnd());
    EXPECT_TRUE(form.Option4[2].value());
    EXPECT_FALSE(form.Option4[1].value());
    press(VK_RIGHT);
    EXPECT_EQ(focus(), form.Option4[0].hwnd());
    EXPECT_TRUE(form.Option4[0].value());
    press(VK_UP);
    EXPECT_TRUE(form.Option4[2].value());
}

TEST_F(Navigation, SpaceChoosesTheFocusedOption) {
    SetFocus(form.Option3[0].hwnd());
    press(VK_SPACE);
    EXPECT_TRUE(form.Option3[0].value());
    EXPECT_FALSE(form.Option3[1].value());
}

} // namespace

namespace {

TEST_F(Navigation, FocusGivenToTheWindowGoesBackToItsControl) {
    press(VK_TAB);
    SetFocus(form.hwnd());
    EXPECT_EQ(focus(), form.HScroll3.hwnd());
}

} // namespace
