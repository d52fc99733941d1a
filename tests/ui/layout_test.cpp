// The settings window against its layout rows, at the DPI of the prefix the test runs
// in (96 or 144).

#include "forms/core/application.h"
#include "forms/platform/dpi.h"
#include "tests/support/form_view.h"
#include "tests/support/test_support.h"
#include "tests/ui/layout_rows.h"
#include "ui/program_title.h"
#include "ui/trovane_config.h"
#include "ui/trovane_config_layout.h"
#include "ui/trovane_main.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using test::clientPixels;
using test::expectLayoutRows;
using test::named;
using test::pixels;

// The width of the window's big or small icon.
int iconSize(HWND window, WPARAM which) {
    ICONINFO info{};
    if (!GetIconInfo(reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, which, 0)), &info))
        return 0;
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

// The window's icons are the images of the sizes that its DPI asks for, from the icon's own.
void expectIconsFor(HWND window, UINT dpi) {
    EXPECT_EQ(iconSize(window, ICON_BIG), GetSystemMetricsForDpi(SM_CXICON, dpi)) << dpi << " DPI";
    EXPECT_EQ(iconSize(window, ICON_SMALL), GetSystemMetricsForDpi(SM_CXSMICON, dpi)) << dpi << " DPI";
}

class Layout : public testing::Test {
  protected:
    void SetUp() override {
        form.create();
        form.fitFont();
    }
    Trovane_Config form;
};

TEST_F(Layout, WindowHasTheFixedClientAreaAndFrame) {
    ASSERT_EQ(form.dpi(), GetDpiForSystem());
    RECT client;
    GetClientRect(form.hwnd(), &client);
    EXPECT_EQ(client.right, pixels(5460));
    EXPECT_EQ(client.bottom, pixels(5985));
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(form.hwnd(), GWL_STYLE));
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX));
    wchar_t title[64];
    GetWindowTextW(form.hwnd(), title, 64);
    EXPECT_STREQ(title, kProgramTitle);
    expectIconsFor(form.hwnd(), form.dpi());
}

LOGFONTW fontOf(HWND window) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

TEST_F(Layout, EveryControlSitsInItsContainerAtItsPlace) {
    expectLayoutRows(form, GetDpiForSystem());
}

// A window moved to a monitor of another DPI lays itself out again, font included.
TEST_F(Layout, MovedToAnotherDpiTheWindowAndEveryControlFollow) {
    const UINT otherDpi = GetDpiForSystem() == 96 ? 144 : 96;
    const std::wstring face = fontOf(form.Command1.hwnd()).lfFaceName;
    RECT suggested{10, 20, 400, 500};
    SendMessageW(form.hwnd(), WM_DPICHANGED, MAKEWPARAM(otherDpi, otherDpi),
                 reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(form.dpi(), otherDpi);
    RECT placed;
    GetWindowRect(form.hwnd(), &placed);
    EXPECT_TRUE(EqualRect(&placed, &suggested)) << "the suggested rectangle, as it is";
    expectIconsFor(form.hwnd(), otherDpi);
    expectLayoutRows(form, otherDpi);
    for (int i = 0; i < form.count(); ++i)
        if (const auto* captioned = dynamic_cast<forms::CaptionedControl*>(&form.controls(i))) {
            const LOGFONTW font = fontOf(captioned->hwnd());
            EXPECT_EQ(font.lfHeight, forms::messageFont(otherDpi).lfHeight);
            EXPECT_EQ(font.lfFaceName, face);
        }
}

// A window dragged to a monitor of another DPI and back: it suggests its size at each DPI,
// takes the rectangle that the system then suggests in one step, and looks exactly as a
// window started at that DPI, every pixel redrawn. Only Windows can make the pixels differ
// without the redraw: it copies a moved window's old pixels, and Wine, with one DPI for
// every monitor, redraws the window whole.
TEST_F(Layout, AfterADpiChangeTheWindowLooksAsOneStartedAtThatDpi) {
    const UINT dpi = form.dpi(), otherDpi = dpi == 96 ? 144 : 96;
    ShowWindow(form.hwnd(), SW_SHOWNOACTIVATE);
    test::pumpMessages(300);
    RECT started;
    GetWindowRect(form.hwnd(), &started);
    const std::string expected = clientPixels(form.hwnd());
    ASSERT_NE(expected.find_first_not_of(expected.front()), std::string::npos) << "nothing was shown";
    ShowWindow(form.hwnd(), SW_HIDE);

    Trovane_Config moved;
    moved.create();
    moved.fitFont();
    SetWindowPos(moved.hwnd(), nullptr, started.left, started.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(moved.hwnd(), SW_SHOWNOACTIVATE);
    test::pumpMessages(300);
    for (const UINT to : {otherDpi, dpi}) {
        SIZE suggested{};
        EXPECT_TRUE(
            SendMessageW(moved.hwnd(), WM_GETDPISCALEDSIZE, to, reinterpret_cast<LPARAM>(&suggested)));
        RECT placed{started.left, started.top, started.left + suggested.cx, started.top + suggested.cy};
        SendMessageW(moved.hwnd(), WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&placed));
        test::pumpMessages(300);
        RECT now;
        GetWindowRect(moved.hwnd(), &now);
        EXPECT_TRUE(EqualRect(&now, &placed)) << "at " << to << " DPI";
    }
    RECT back;
    GetWindowRect(moved.hwnd(), &back);
    EXPECT_TRUE(EqualRect(&back, &started));
    EXPECT_TRUE(clientPixels(moved.hwnd()) == expected) << "the window back at its DPI differs";
}

TEST_F(Layout, Frame6AndTheThirdBattleButtonLieInFront) {
    HWND frame5 = named(form, L"Frame5").hwnd();
    HWND frame6 = named(form, L"Frame6").hwnd();
    bool frame5Below = false;
    for (HWND below = GetWindow(frame6, GW_HWNDNEXT); below; below = GetWindow(below, GW_HWNDNEXT))
        frame5Below = frame5Below || below == frame5;
    EXPECT_TRUE(frame5Below);
    const POINT middle{pixels(2640 + 400), pixels(240 + 180)};
    EXPECT_EQ(ChildWindowFromPointEx(named(form, L"Frame6").hwnd(), middle, CWP_SKIPINVISIBLE),
              form.Option4[2].hwnd());
}

BOOL CALLBACK findUndrivenChild(HWND child, LPARAM found) {
    wchar_t name[32];
    if (!GetClassNameW(child, name, 32) || lstrcmpiW(name, L"Button") == 0 || lstrcmpiW(name, L"Static") == 0)
        return TRUE;
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
}

bool hasChildOfAnotherClass(HWND window) {
    bool found = false;
    EnumChildWindows(window, findUndrivenChild, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Proton's gamepad layer, in its usual mode, drives a window whose children are all of the
// classes it knows, buttons and static texts, as in a message box, and leaves alone a
// window with a child of another class. Both windows keep one (frames and scroll bars, the
// splash's picture), so that the layer does not act on a press beside the program's own pad.
TEST_F(Layout, BothWindowsKeepAChildThatProtonsGamepadLayerLeavesAlone) {
    Trovane_Main splash;
    splash.create();
    EXPECT_TRUE(hasChildOfAnotherClass(form.hwnd()));
    EXPECT_TRUE(hasChildOfAnotherClass(splash.hwnd()));
}

} // namespace
