// Keyboard navigation of the settings window, by real key presses. What a player does
// with the keys is in the end-to-end suite; these are the cases it cannot reach or see.

#include "forms/input/gamepad.h"
#include "tests/support/player.h"
#include "tests/support/test_support.h"
#include "ui/trovane_config.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

HWND cueWatched = nullptr;
int cueShown = 0;

LRESULT CALLBACK watchingTheCue(int code, WPARAM wParam, LPARAM lParam) {
    const auto& sent = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent.hwnd == cueWatched && sent.message == WM_CHANGEUISTATE &&
        sent.wParam == MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS))
        ++cueShown;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// How often a fresh settings window in front is told to show the focus cue by a move.
int cueShownBy(const std::function<void(Trovane_Config&)>& move) {
    Trovane_Config form;
    form.create();
    ShowWindow(form.hwnd(), SW_SHOW);
    test::bringToFront(form.hwnd());
    cueWatched = form.hwnd();
    cueShown = 0;
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, watchingTheCue, nullptr, GetCurrentThreadId());
    move(form);
    UnhookWindowsHookEx(hook);
    return cueShown;
}

// Windows hides the focus cue until the keyboard is used: the first move shows it, by key
// or by pad.
TEST(Navigation, TheFirstMoveShowsTheFocusCue) {
    EXPECT_EQ(cueShownBy([](Trovane_Config&) { test::pressKey(VK_TAB); }), 1) << "Tab";
    EXPECT_EQ(cueShownBy([](Trovane_Config&) { test::pressKey(VK_RIGHT); }), 1) << "an arrow key";
}

// The pad's first move, read from the prefix's stand-in pad by this process, as the program
// reads it; the stand-in reads its script once, so this runs alone in its process.
TEST(PadNavigation, TheFirstMoveShowsTheFocusCue) {
    const test::TempFolder folder(L"pad");
    const std::wstring script = test::padScriptForThisProcess(folder.path(), "20\n3 up\n3\n");
    const int shown = cueShownBy([&](Trovane_Config&) {
        forms::gamepad::start();
        EXPECT_TRUE(test::waitUntil([&] { return test::fileExists(script + L".played"); }, 15000));
    });
    EXPECT_EQ(shown, 1);
}

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
