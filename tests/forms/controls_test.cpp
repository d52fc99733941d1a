// Tool tips: the settings window's layout sets none, but the localisation step converts
// them and the form's font is fitted to them, so a text set on a control must be shown.
// A form made in advance (while the splash waits) still loads when it is shown. A control's
// window keeps what another subclass of it does.

#include "forms/core/error.h"
#include "ui/trovane_config.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

constexpr wchar_t kReplacedProperty[] = L"TestReplacedProcedure";
constexpr UINT kProbe = WM_APP + 7;

// Another subclass of the buttons: it alone answers the probe.
LRESULT CALLBACK answeringTheProbe(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kProbe)
        return 42;
    const auto replaced = reinterpret_cast<WNDPROC>(GetPropW(window, kReplacedProperty));
    return CallWindowProcW(replaced, window, message, wParam, lParam);
}

// Subclasses each button as it is created, before the form subclasses it in turn.
LRESULT CALLBACK subclassingButtons(int code, WPARAM wParam, LPARAM lParam) {
    wchar_t name[16];
    const auto window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_CREATEWND && GetClassNameW(window, name, 16) && lstrcmpiW(name, L"Button") == 0) {
        const LONG_PTR replaced =
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(answeringTheProbe));
        SetPropW(window, kReplacedProperty, reinterpret_cast<HANDLE>(replaced));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(Controls, KeepTheProcedureThatTheirSubclassReplaced) {
    HHOOK hook = SetWindowsHookExW(WH_CBT, subclassingButtons, nullptr, GetCurrentThreadId());
    Trovane_Config form;
    form.create();
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(SendMessageW(form.Command1.hwnd(), kProbe, 0, 0), 42);
    wchar_t caption[16] = L"";
    GetWindowTextW(form.Command1.hwnd(), caption, 16);
    EXPECT_STREQ(caption, L"保存所有配置") << "the class procedure still runs";
}

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
