#pragma once
// One press, one action: a push button, or the key that presses what has the focus, acts
// once for each press a player makes, whatever the device does meanwhile. A key held down
// presses once, however long the keyboard repeats it, and the second click of a double-click
// on a push button is part of the click before it. Scroll bars keep both: their arrows step
// on each click, and a held arrow key keeps stepping. The pad keeps the same rule by itself
// (PadMapping: one action per press of a button).

#include <windows.h>

namespace forms {

// Whether the message only continues a press that has already acted.
bool continuesAPress(const MSG& message);

// Applies the rule to every message loop of the thread while it lives, the message boxes'
// and the shell's too: such a message reaches no window.
class OnePressRule {
  public:
    OnePressRule();
    ~OnePressRule();
    OnePressRule(const OnePressRule&) = delete;
    OnePressRule& operator=(const OnePressRule&) = delete;

  private:
    HHOOK hook_;
};

} // namespace forms
