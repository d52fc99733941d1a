#pragma once
// A window's collection of its controls: every control, each element of a control
// array separately, the window itself excluded.

#include "forms/core/control.h"

namespace forms {

class ControlCollection {
  public:
    virtual ~ControlCollection() = default;
    virtual int count() const = 0;
    // Element by index from 0; error 9 outside the collection.
    virtual Control& controls(int index) const = 0;
};

} // namespace forms
