// Tool tips: the settings window's layout sets none, but the localisation step converts
// them and the form's font is fitted to them, so a text set on a control must be shown.
// A form made in advance (while the splash waits) still loads when it is shown. A control's
// window keeps what another subclass of it does, and answering assistive software twice
// changes nothing. A class name is compared whole; a window leads to its own object only.

#include "errors/error.h"
#include "forms/accessibility/accessible.h"
#include "forms/platform/window_class.h"
#include "ui/trovane_config.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <oleacc.h>

#include <utility>
#include <vector>

namespace {

constexpr wchar_t kReplacedProperty[] = L"TestReplacedProcedure";
constexpr UINT kProbe = WM_APP + 7;

// Another subclass of the controls: it alone answers the probe.
LRESULT CALLBACK answeringTheProbe(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kProbe)
        return 42;
    const auto replaced = reinterpret_cast<WNDPROC>(GetPropW(window, kReplacedProperty));
    return CallWindowProcW(replaced, window, message, wParam, lParam);
}

// Subclasses each control of a standard class as it is created, before the form subclasses
// it in turn.
LRESULT CALLBACK subclassingControls(int code, WPARAM wParam, LPARAM lParam) {
    const auto window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_CREATEWND &&
        (forms::hasWindowClass(window, L"Button") || forms::hasWindowClass(window, L"ScrollBar") ||
         forms::hasWindowClass(window, L"Static"))) {
        const LONG_PTR replaced =
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(answeringTheProbe));
        SetPropW(window, kReplacedProperty, reinterpret_cast<HANDLE>(replaced));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The role that assistive software reads of a control: the form's answer, not the standard
// object's "client".
LONG accessibleRole(HWND control) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object))))
        return 0;
    VARIANT self, role;
    VariantInit(&self);
    VariantInit(&role);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    const bool read = SUCCEEDED(object->get_accRole(self, &role)) && role.vt == VT_I4;
    object->Release();
    return read ? role.lVal : 0;
}

TEST(Controls, KeepTheProcedureThatTheirSubclassReplaced) {
    HHOOK hook = SetWindowsHookExW(WH_CBT, subclassingControls, nullptr, GetCurrentThreadId());
    Trovane_Config form;
    form.create();
    UnhookWindowsHookEx(hook);
    const std::pair<HWND, LONG> controls[] = {{form.Command1.hwnd(), ROLE_SYSTEM_PUSHBUTTON},
                                              {form.Option3[1].hwnd(), ROLE_SYSTEM_RADIOBUTTON},
                                              {form.HScroll1.hwnd(), ROLE_SYSTEM_SCROLLBAR},
                                              {form.Label7.hwnd(), ROLE_SYSTEM_STATICTEXT}};
    for (const auto& [control, role] : controls) {
        forms::answerAssistiveSoftware(control); // a second time: nothing changes
        EXPECT_EQ(SendMessageW(control, kProbe, 0, 0), 42) << "the earlier subclass runs";
        EXPECT_EQ(accessibleRole(control), role) << "the form's subclass runs";
    }
    wchar_t caption[16] = L"";
    GetWindowTextW(form.Command1.hwnd(), caption, 16);
    EXPECT_STREQ(caption, L"保存所有配置") << "the class procedure runs";
}

TEST(Controls, AClassNameIsComparedWhole) {
    constexpr wchar_t kLongName[] = L"TrovaneTestClassWithALongName";
    forms::registerWindowClass(kLongName, DefWindowProcW, nullptr);
    HWND window = CreateWindowExW(0, kLongName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_TRUE(window);
    EXPECT_TRUE(forms::hasWindowClass(window, L"trovanetestclasswithalongname"));
    EXPECT_FALSE(forms::hasWindowClass(window, L"TrovaneTestClas")) << "its first 15 characters";
    EXPECT_FALSE(forms::hasWindowClass(window, L"TrovaneTestClassWithALongNameToo"));
    DestroyWindow(window);
}

// A window leads to the object it stands for as that type alone: a control's window to no
// form, the form's window to no control, any other window to nothing.
TEST(Controls, AWindowLeadsToItsOwnObjectOnly) {
    Trovane_Config form;
    form.create();
    EXPECT_EQ(forms::objectOf<forms::Form>(form.hwnd()), &form);
    EXPECT_EQ(forms::objectOf<forms::FormControl>(form.Command1.hwnd()), &form.Command1);
    EXPECT_EQ(forms::objectOf<forms::Form>(form.Command1.hwnd()), nullptr);
    EXPECT_EQ(forms::objectOf<forms::FormControl>(form.hwnd()), nullptr);
    EXPECT_EQ(forms::objectOf<forms::Form>(GetDesktopWindow()), nullptr);
}

// The window's icons go with it.
TEST(Controls, AFormsIconsAreDestroyedWithIt) {
    Trovane_Config form;
    form.create();
    std::vector<HICON> icons;
    for (const WPARAM which : {WPARAM{ICON_BIG}, WPARAM{ICON_SMALL}})
        icons.push_back(reinterpret_cast<HICON>(SendMessageW(form.hwnd(), WM_GETICON, which, 0)));
    ICONINFO info{};
    for (HICON icon : icons) {
        ASSERT_TRUE(GetIconInfo(icon, &info));
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
    DestroyWindow(form.hwnd());
    for (HICON icon : icons)
        EXPECT_FALSE(GetIconInfo(icon, &info));
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
    EXPECT_THROW(form.load(), errors::Error);
}

} // namespace
