#include "forms/controls/hscrollbar.h"

#include "forms/accessibility/accessible.h"

#include "errors/error.h"
#include "forms/core/events.h"
#include "forms/core/form.h"

#include <oleacc.h>

#include <algorithm>

namespace forms {

void HScrollBar::setValue(std::int16_t value) {
    if (value < min() || value > max())
        throw errors::invalidPropertyValueError();
    if (value == value_)
        return;
    value_ = value;
    if (hwnd())
        SetScrollPos(hwnd(), SB_CTL, value_, TRUE);
    raiseEvent(change_);
    if (hwnd()) // assistive software reads the new value, which the change handler has shown
        NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, hwnd(), OBJID_CLIENT, CHILDID_SELF);
}

void HScrollBar::onScroll(WORD request) {
    switch (request) {
    case SB_LINELEFT:
        return stepTo(value_ - kSmallChange);
    case SB_LINERIGHT:
        return stepTo(value_ + kSmallChange);
    case SB_PAGELEFT:
        return stepTo(value_ - kLargeChange);
    case SB_PAGERIGHT:
        return stepTo(value_ + kLargeChange);
    case SB_LEFT:
        return stepTo(min());
    case SB_RIGHT:
        return stepTo(max());
    case SB_THUMBPOSITION:
        return stepTo(trackPosition());
    default: // SB_THUMBTRACK moves only the thumb; SB_ENDSCROLL ends a request
        return;
    }
}

AccessibleFacts HScrollBar::accessibleFacts() const {
    return {.role = ROLE_SYSTEM_SCROLLBAR,
            .name = form().captionOf(spec().labelledBy),
            .value = form().captionOf(spec().valueLabel)};
}

void HScrollBar::initialise() {
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_POS | SIF_PAGE, min(), max(), 0, value_, 0};
    SetScrollInfo(hwnd(), SB_CTL, &info, FALSE);
    answerAssistiveSoftware(hwnd());
}

int HScrollBar::trackPosition() const {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_TRACKPOS;
    GetScrollInfo(hwnd(), SB_CTL, &info);
    return info.nTrackPos;
}

void HScrollBar::stepTo(int value) {
    setValue(static_cast<std::int16_t>(std::clamp<int>(value, min(), max())));
}

} // namespace forms
