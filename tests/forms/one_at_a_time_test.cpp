// Event handlers run one at a time, whoever starts them: a handler that a click started and
// that waits in a message loop without a box (as the shell's start and COM calls do) lets
// no pad action start another. The test's own process reads the prefix's stand-in pad, so
// this group runs alone in its process: the stand-in reads its script once.

#include "forms/controls/command_button.h"
#include "forms/core/form.h"
#include "forms/input/gamepad.h"
#include "tests/support/player.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace {

constexpr auto Button = &forms::makeControl<forms::CommandButton>;

constexpr forms::FormSpec kForm{
    .caption = L"One at a time", .clientWidth = 3000, .clientHeight = 1200, .startButton = L"Start"};

// clang-format off
constexpr forms::ControlSpec kLayout[] = {
    {.kind = Button, .name = L"Wait", .rect = {120, 120, 1200, 600}, .caption = L"Wait"},
    {.kind = Button, .name = L"Start", .rect = {1560, 120, 1200, 600}, .caption = L"Start", .tabIndex = 1},
};
// clang-format on

class WaitingForm : public forms::Form {
  public:
    explicit WaitingForm(std::function<bool()> wait) : Form(kForm, kLayout) {
        control<forms::CommandButton>(L"Wait").onClick([this, wait] { waited = wait(); });
        control<forms::CommandButton>(L"Start").onClick([this] { ++starts; });
    }
    HWND button(const wchar_t* name) const { return control<forms::CommandButton>(name).hwnd(); }

    bool waited = false;
    int starts = 0;
};

// While the Wait button's handler waits for the whole script to be read, the pad moves to
// the Start button and presses Start, and a click on the Start button comes: none of them
// acts inside that handler.
TEST(HandlersOneAtATime, NothingStartsWhileAClickedHandlerWaits) {
    const test::TempFolder folder(L"pad");
    const std::wstring script = test::padScriptForThisProcess(folder.path(), "20\n3 right\n3\n3 start\n3\n");
    WaitingForm form(
        [&] { return test::waitUntil([&] { return test::fileExists(script + L".played"); }, 15000); });
    form.show();
    forms::gamepad::start(); // read once the window is in front
    test::bringToFront(form.hwnd());
    const auto clicked = [&](const wchar_t* name) {
        return std::pair{MAKEWPARAM(GetDlgCtrlID(form.button(name)), BN_CLICKED),
                         reinterpret_cast<LPARAM>(form.button(name))};
    };
    PostMessageW(form.hwnd(), WM_COMMAND, clicked(L"Start").first, clicked(L"Start").second);
    SendMessageW(form.hwnd(), WM_COMMAND, clicked(L"Wait").first, clicked(L"Wait").second);
    EXPECT_TRUE(form.waited) << "the pad was read while the handler waited";
    EXPECT_EQ(form.starts, 0);
    EXPECT_EQ(GetFocus(), form.button(L"Wait")) << "the pad moved the focus";
    DestroyWindow(form.hwnd());
}

} // namespace
