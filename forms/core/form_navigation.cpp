// A form's navigation actions, whichever device asks: Tab's stops visit the focusable
// controls in tab order, an option group being one stop on its selected option; the option
// moves choose within a group; Up, Down, Left and Right go to the nearest control that way on
// screen (form_moves.cpp); Press, the steps, Start and Close run the handlers a click, the
// scroll bar's arrows and the close box run. Every move shows the focus cue, which Windows
// hides until the keyboard is used.

#include "forms/core/events.h"
#include "forms/core/form.h"

#include <algorithm>

namespace forms {

namespace {

constexpr int kLargeStep = 10;

} // namespace

bool Form::navigate(Navigation action) {
    return spec_.navigable && !handlerRunning() && takeNavigation(action);
}

bool Form::takeNavigation(Navigation action) {
    FormControl* focused = focusedControl();
    bool taken = false;
    switch (action) {
    case Navigation::NextStop:
    case Navigation::PreviousStop:
        showFocusCue();
        moveFocusByTab(action == Navigation::PreviousStop);
        return true;
    case Navigation::PreviousOption:
    case Navigation::NextOption:
        showFocusCue(); // a scroll bar steps by itself, but the cue shows for it too
        return moveWithinGroup(focused, action == Navigation::NextOption ? 1 : -1);
    case Navigation::Up:
    case Navigation::Down:
    case Navigation::Left:
    case Navigation::Right:
        showFocusCue();
        move(focused, action);
        return true;
    case Navigation::Press:
        runEvent([&] { taken = focused && focused->press(); });
        return taken;
    case Navigation::StepBack:
    case Navigation::StepForward:
        runEvent([&] {
            taken = focused && focused->stepBy(action == Navigation::StepForward ? kLargeStep : -kLargeStep);
        });
        return taken;
    case Navigation::Start:
        runEvent(
            [&] { taken = !spec_.startButton.empty() && control<FormControl>(spec_.startButton).press(); });
        return taken;
    case Navigation::Close:
        runEvent([this] { unload(); });
        return true;
    case Navigation::Cancel:
        return false;
    }
    return false;
}

FormControl* Form::focusedControl() const {
    HWND focus = GetFocus();
    FormControl* control = focus && IsChild(hwnd_, focus) ? objectOf<FormControl>(focus) : nullptr;
    return control && &control->form() == this ? control : nullptr;
}

std::vector<FormControl*> Form::tabStops() const {
    std::vector<FormControl*> focusable;
    for (const auto& control : controls_)
        if (control->canTakeFocus())
            focusable.push_back(control.get());
    std::stable_sort(focusable.begin(), focusable.end(),
                     [](auto* a, auto* b) { return a->spec().tabIndex < b->spec().tabIndex; });
    std::vector<FormControl*> stops;
    for (FormControl* control : focusable)
        if (std::none_of(stops.begin(), stops.end(), [&](auto* stop) { return inSameGroup(stop, control); }))
            stops.push_back(control);
    return stops;
}

// The members of a control's group that can take the focus, by their index.
std::vector<FormControl*> Form::groupOf(const FormControl& member) const {
    std::vector<FormControl*> members;
    for (const auto& control : controls_)
        if ((control.get() == &member || inSameGroup(control.get(), &member)) && control->canTakeFocus())
            members.push_back(control.get());
    std::sort(members.begin(), members.end(), [](auto* a, auto* b) { return a->index() < b->index(); });
    return members;
}

// An option group's stop lands on its selected option when that one can take focus.
FormControl* Form::focusTarget(FormControl* stop) const {
    if (!stop->inExclusiveGroup())
        return stop;
    for (const auto& member : controls_)
        if (inSameGroup(member.get(), stop) && member->selected() && member->canTakeFocus())
            return member.get();
    return stop;
}

FormControl* Form::initialFocus() const {
    const auto stops = tabStops();
    return stops.empty() ? nullptr : focusTarget(stops.front());
}

void Form::moveFocusByTab(bool backward) {
    const auto stops = tabStops();
    if (stops.empty())
        return;
    FormControl* focused = focusedControl();
    const auto at = std::find_if(stops.begin(), stops.end(),
                                 [&](auto* stop) { return stop == focused || inSameGroup(stop, focused); });
    const auto count = static_cast<std::ptrdiff_t>(stops.size());
    std::ptrdiff_t next = 0;
    if (at != stops.end())
        next = ((at - stops.begin()) + (backward ? count - 1 : 1)) % count;
    SetFocus(focusTarget(stops[static_cast<std::size_t>(next)])->hwnd());
}

// Selects the next or previous option of the focused group, round; false where the focus
// is in no group.
bool Form::moveWithinGroup(FormControl* from, int step) {
    if (!from || !from->inExclusiveGroup())
        return false;
    const std::vector<FormControl*> members = groupOf(*from);
    const auto at = std::find(members.begin(), members.end(), from);
    if (at == members.end())
        return true;
    const auto count = static_cast<std::ptrdiff_t>(members.size());
    FormControl* next = members[static_cast<std::size_t>(((at - members.begin()) + step + count) % count)];
    SetFocus(next->hwnd());
    runEvent([next] { next->press(); });
    return true;
}

void Form::showFocusCue() {
    SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

} // namespace forms
