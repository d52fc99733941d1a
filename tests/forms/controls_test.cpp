// The toolkit's controls on a small form of their own: option groups, control arrays,
// the scroll bar's range and tool tips. How a player works them is end to end.

#include "app/forms/form.h"
#include "app/forms/hscrollbar.h"
#include "app/forms/option_button.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

using forms::ControlKind;

constexpr forms::FormSpec kForm{.caption = L"Controls", .clientWidth = 4000, .clientHeight = 3000};
// clang-format off
constexpr forms::ControlSpec kLayout[] = {
    {.kind = ControlKind::Frame,        .name = L"FrameA", .rect = {0, 0, 2000, 1000}},
    {.kind = ControlKind::OptionButton, .name = L"A", .index = 0, .container = L"FrameA", .rect = {100, 100, 800, 300}},
    {.kind = ControlKind::OptionButton, .name = L"A", .index = 1, .container = L"FrameA", .rect = {1000, 100, 800, 300}},
    {.kind = ControlKind::Frame,        .name = L"FrameB", .rect = {2000, 0, 2000, 1000}},
    {.kind = ControlKind::OptionButton, .name = L"B", .index = 0, .container = L"FrameB", .rect = {100, 100, 800, 300}},
    {.kind = ControlKind::OptionButton, .name = L"B", .index = 1, .container = L"FrameB", .rect = {1000, 100, 800, 300}},
    {.kind = ControlKind::HScrollBar,   .name = L"Bar", .rect = {100, 1500, 3000, 255}, .scroll = {1, 100, 1}},
};
// clang-format on

class ControlsForm : public forms::Form {
  public:
    ControlsForm() : Form(kForm, kLayout) {}
    forms::ControlArray<forms::OptionButton> A{controlArray<forms::OptionButton>(L"A")};
    forms::ControlArray<forms::OptionButton> B{controlArray<forms::OptionButton>(L"B")};
    forms::HScrollBar& Bar{control<forms::HScrollBar>(L"Bar")};
};

int errorNumber(const auto& action) {
    try {
        action();
    } catch (const forms::Error& error) {
        return error.number();
    }
    return 0;
}

class Controls : public testing::Test {
  protected:
    void SetUp() override { form.create(); }
    bool checkedOnScreen(forms::OptionButton& option) {
        return SendMessageW(option.hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    ControlsForm form;
};

TEST_F(Controls, SelectingAnOptionClearsOnlyItsOwnFrame) {
    form.A[0].setValue(true);
    form.B[1].setValue(true);
    form.A[1].setValue(true);
    EXPECT_FALSE(form.A[0].value());
    EXPECT_TRUE(form.A[1].value());
    EXPECT_TRUE(form.B[1].value());
    EXPECT_FALSE(checkedOnScreen(form.A[0]));
    EXPECT_TRUE(checkedOnScreen(form.A[1]));
}

TEST_F(Controls, MissingArrayElementIsError340) {
    EXPECT_EQ(errorNumber([&] { form.A[2]; }), 340);
    EXPECT_EQ(errorNumber([&] { form.A[-1]; }), 340);
    EXPECT_EQ(errorNumber([&] { form.B[1]; }), 0);
}

TEST_F(Controls, ScrollValueOutsideRangeIsError380AndKeepsTheValue) {
    form.Bar.setValue(50);
    EXPECT_EQ(errorNumber([&] { form.Bar.setValue(0); }), 380);
    EXPECT_EQ(errorNumber([&] { form.Bar.setValue(101); }), 380);
    EXPECT_EQ(form.Bar.value(), 50);
    EXPECT_EQ(GetScrollPos(form.Bar.hwnd(), SB_CTL), 50);
}

TEST_F(Controls, ToolTipTextIsShownByATipWindow) {
    form.A[0].setProperty(L"ToolTipText", L"提示");
    EXPECT_EQ(form.A[0].getProperty(L"ToolTipText"), L"提示");
    HWND tip = nullptr;
    while ((tip = FindWindowExW(nullptr, tip, L"tooltips_class32", nullptr)) != nullptr) {
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = form.hwnd();
        tool.uId = reinterpret_cast<UINT_PTR>(form.A[0].hwnd());
        if (SendMessageW(tip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)))
            break;
    }
    EXPECT_TRUE(tip) << "a tip window knows the control";
}

} // namespace
