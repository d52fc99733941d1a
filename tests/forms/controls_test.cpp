// Tool tips: the settings window's layout sets none, but the localisation step converts
// them and the form's font is fitted to them, so a text set on a control must be shown.
// A form made in advance (while the splash waits) still loads when it is shown.

#include "app/forms/error.h"
#include "ui/trovane_config.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

TEST(Controls, ToolTipTextIsShownByATipWindow) {
    Trovane_Config form;
    form.create();
    form.Command1.setProperty(L"ToolTipText", L"提示");
    EXPECT_EQ(form.Command1.getProperty(L"ToolTipText"), L"提示");
    HWND tip = nullptr;
    while ((tip = FindWindowExW(nullptr, tip, L"tooltips_class32", nullptr)) != nullptr) {
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = form.hwnd();
        tool.uId = reinterpret_cast<UINT_PTR>(form.Command1.hwnd());
        if (SendMessageW(tip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)))
            break;
    }
    EXPECT_TRUE(tip) << "a tip window knows the control";
}

// The test program's folder has no qirmod.ini: the load handler ends in its error.
TEST(Controls, AFormMadeInAdvanceStillRunsItsLoadHandler) {
    Trovane_Config form;
    form.create();
    EXPECT_THROW(form.load(), forms::Error);
}

} // namespace
