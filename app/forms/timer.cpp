#include "app/forms/timer.h"

#include "app/forms/form.h"

namespace forms {

void Timer::setEnabled(bool enabled) {
    enabled_ = enabled;
    apply();
}

void Timer::create(HWND, int, UINT, HFONT) {
    apply();
}

void Timer::apply() const {
    HWND owner = form().hwnd();
    if (!owner)
        return;
    if (enabled_ && spec().interval > 0)
        SetTimer(owner, timerId(), static_cast<UINT>(spec().interval), nullptr);
    else
        KillTimer(owner, timerId());
}

} // namespace forms
