// The pad on a form. Up and down move the focus to the nearest stop above or below, by
// the controls' places on screen; left and right choose within an option group, step a
// scroll bar by 1 as its arrows do, or move along a row of buttons; the shoulder buttons
// step a scroll bar by 10; A presses the focused button; Start presses the form's start
// button wherever the focus is; Back closes the form as its close box does. B does
// nothing: a form has nothing to go back to.

#include "app/forms/application.h"
#include "app/forms/command_button.h"
#include "app/forms/form.h"
#include "app/forms/hscrollbar.h"
#include "app/forms/option_button.h"

#include <climits>
#include <cstdlib>
#include <utility>

namespace forms {

namespace {

constexpr int kShoulderStep = 10;

POINT centre(const RECT& rect) {
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

RECT screenRect(const FormControl& control) {
    RECT rect;
    GetWindowRect(control.hwnd(), &rect);
    return rect;
}

bool vertical(PadAction direction) {
    return direction == PadAction::Up || direction == PadAction::Down;
}

// How far a rectangle lies beyond another's centre in a direction, or -1 when it does not
// lie wholly beyond it; sideways moves stay within the row.
LONG distanceBeyond(const RECT& from, const RECT& to, PadAction direction) {
    const POINT at = centre(from);
    switch (direction) {
    case PadAction::Up:
        return to.bottom <= at.y ? at.y - centre(to).y : -1;
    case PadAction::Down:
        return to.top >= at.y ? centre(to).y - at.y : -1;
    case PadAction::Left:
        return to.right <= at.x && to.top < from.bottom && to.bottom > from.top ? at.x - centre(to).x : -1;
    default:
        return to.left >= at.x && to.top < from.bottom && to.bottom > from.top ? centre(to).x - at.x : -1;
    }
}

} // namespace

// While a handler runs, the only input taken is its message box's: a form takes no action.
void Form::padAction(HWND window, PadAction action) {
    Form* form = fromWindow(window);
    if (form && !form->spec_.gamepadStart.empty() && !handlerRunning())
        form->onPadAction(action);
}

void Form::onPadAction(PadAction action) {
    FormControl* focused = focusedControl();
    switch (action) {
    case PadAction::Up:
    case PadAction::Down:
    case PadAction::Left:
    case PadAction::Right:
        showFocusCue();
        return padMove(focused, action);
    case PadAction::LeftShoulder:
    case PadAction::RightShoulder:
        if (auto* scrollBar = dynamic_cast<HScrollBar*>(focused))
            runEvent([&] {
                scrollBar->stepBy(action == PadAction::RightShoulder ? kShoulderStep : -kShoulderStep);
            });
        return;
    case PadAction::A:
        if (auto* button = dynamic_cast<CommandButton*>(focused))
            runEvent([button] { button->click(); });
        else if (auto* option = dynamic_cast<OptionButton*>(focused))
            runEvent([option] { option->setValue(true); });
        return;
    case PadAction::Start:
        runEvent([this] { control<CommandButton>(spec_.gamepadStart).click(); });
        return;
    case PadAction::Back:
        runEvent([this] { unload(); });
        return;
    case PadAction::B:
        return;
    }
}

void Form::padMove(FormControl* focused, PadAction direction) {
    if (!focused) { // nothing has the focus: the first move gives it
        if (FormControl* first = initialFocus())
            SetFocus(first->hwnd());
        return;
    }
    if (!vertical(direction)) {
        const bool forward = direction == PadAction::Right;
        if (auto* option = dynamic_cast<OptionButton*>(focused))
            return moveWithinGroup(*option, forward ? 1 : -1);
        if (auto* scrollBar = dynamic_cast<HScrollBar*>(focused)) {
            runEvent([&] { scrollBar->onScroll(forward ? SB_LINERIGHT : SB_LINELEFT); });
            return;
        }
    }
    if (FormControl* next = nearestStop(*focused, direction))
        SetFocus(next->hwnd());
}

// The stop whose control lies nearest beyond the focused one in the direction: in the
// nearest row (or column), the one most in line. An option group is one stop, on its
// selected button.
FormControl* Form::nearestStop(const FormControl& from, PadAction direction) const {
    const RECT origin = screenRect(from);
    FormControl* nearest = nullptr;
    std::pair best{LONG_MAX, LONG_MAX};
    for (FormControl* stop : tabStops()) {
        FormControl* target = focusTarget(stop);
        if (target == &from || inSameGroup(target, &from))
            continue;
        const RECT rect = screenRect(*target);
        const POINT a = centre(origin), b = centre(rect);
        const std::pair distance{distanceBeyond(origin, rect, direction),
                                 vertical(direction) ? std::abs(a.x - b.x) : std::abs(a.y - b.y)};
        if (distance.first >= 0 && distance < best) {
            best = distance;
            nearest = target;
        }
    }
    return nearest;
}

} // namespace forms
