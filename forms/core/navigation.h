#pragma once
// What a player asks of a form, whatever the device: keys and the pad both become these
// actions (see forms/input), so that a form knows actions, not devices.

namespace forms {

enum class Navigation {
    // To the nearest control that way on screen; Left and Right choose within an option
    // group, or step a scroll bar by one, as its arrows do.
    Up,
    Down,
    Left,
    Right,
    // Along the tab order, an option group being one stop on its selected option.
    NextStop,
    PreviousStop,
    // Within the focused option group only.
    PreviousOption,
    NextOption,
    // The focused control, as a click does.
    Press,
    // The focused scroll bar by ten, within its range.
    StepBack,
    StepForward,
    // The form's start button, wherever the focus is.
    Start,
    // The form, as its close box does.
    Close,
    // Back: a message box's No, else its OK; a form has nothing to go back to.
    Cancel,
};

} // namespace forms
