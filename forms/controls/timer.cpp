#include "forms/controls/timer.h"

#include "forms/core/events.h"
#include "forms/core/form.h"

namespace forms {

void Timer::setEnabled(bool enabled) {
    enabled_ = enabled;
    apply();
}

void Timer::onFormTimer(UINT_PTR id) {
    if (id == timerId())
        runEvent([this] { raiseEvent(tick_); });
}

void Timer::create(HWND, int, UINT, HFONT, ToolTips&) {
    apply();
}

void Timer::apply() const {
    HWND owner = form().hwnd();
    if (!owner)
        return;
    if (enabled_ && spec().interval > 0)
        startTimer(owner, timerId(), static_cast<UINT>(spec().interval), nullptr);
    else
        KillTimer(owner, timerId());
}

} // namespace forms
