// Keyboard navigation of a form: Tab and Shift+Tab visit the focusable controls in tab
// order, an option group being one stop on its selected button; arrow keys move the
// selection within an option group; Enter presses the focused command button. The form
// does this itself rather than through IsDialogMessage, whose handling of radio-button
// groups differs between Windows and Wine. The first such key shows the focus cue, which
// Windows hides until the keyboard is used.

#include "app/forms/application.h"
#include "app/forms/command_button.h"
#include "app/forms/form.h"
#include "app/forms/option_button.h"

#include <algorithm>

namespace forms {

namespace {

bool keyDown(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

} // namespace

bool Form::preTranslate(const MSG& message) {
    if (message.message != WM_KEYDOWN || !message.hwnd)
        return false;
    Form* form = fromWindow(GetAncestor(message.hwnd, GA_ROOT));
    return form && form->handleKey(message.wParam);
}

bool Form::handleKey(WPARAM key) {
    FormControl* focused = focusedControl();
    switch (key) {
    case VK_TAB:
        if (keyDown(VK_CONTROL) || keyDown(VK_MENU))
            return false;
        showFocusCue();
        moveFocusByTab(keyDown(VK_SHIFT));
        return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        showFocusCue(); // a scroll bar moves by itself, but the cue shows for it too
        if (auto* option = dynamic_cast<OptionButton*>(focused)) {
            moveWithinGroup(*option, key == VK_RIGHT || key == VK_DOWN ? 1 : -1);
            return true;
        }
        return false;
    case VK_RETURN:
        if (auto* button = dynamic_cast<CommandButton*>(focused)) {
            runEvent([button] { button->click(); });
            return true;
        }
        return false;
    default:
        return false;
    }
}

FormControl* Form::focusedControl() const {
    HWND focus = GetFocus();
    FormControl* control = focus && IsChild(hwnd_, focus) ? FormControl::fromWindow(focus) : nullptr;
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

// An option group's stop lands on its selected button when that one can take focus.
FormControl* Form::focusTarget(FormControl* stop) const {
    if (!dynamic_cast<OptionButton*>(stop))
        return stop;
    for (OptionButton* member : optionGroup(stop->spec().container))
        if (member->value() && member->canTakeFocus())
            return member;
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

void Form::moveWithinGroup(OptionButton& from, int step) {
    std::vector<OptionButton*> members;
    for (OptionButton* member : optionGroup(from.spec().container))
        if (member->canTakeFocus())
            members.push_back(member);
    std::sort(members.begin(), members.end(), [](auto* a, auto* b) { return a->index() < b->index(); });
    const auto at = std::find(members.begin(), members.end(), &from);
    if (at == members.end())
        return;
    const auto count = static_cast<std::ptrdiff_t>(members.size());
    OptionButton* next = members[static_cast<std::size_t>(((at - members.begin()) + step + count) % count)];
    SetFocus(next->hwnd());
    runEvent([next] { next->setValue(true); });
}

void Form::showFocusCue() {
    SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

} // namespace forms
