// The moves by place on screen: Up and Down go to the nearest stop above or below, by the
// controls' rectangles; Left and Right choose within an option group, step a scroll bar by
// one as its arrows do, or else go along the row.

#include "forms/core/events.h"
#include "forms/core/form.h"

#include <climits>
#include <cstdlib>
#include <utility>

namespace forms {

namespace {

POINT centre(const RECT& rect) {
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

RECT screenRect(const FormControl& control) {
    RECT rect;
    GetWindowRect(control.hwnd(), &rect);
    return rect;
}

bool vertical(Navigation direction) {
    return direction == Navigation::Up || direction == Navigation::Down;
}

// How far a rectangle lies beyond another's centre in a direction, or -1 when it does not
// lie wholly beyond it; sideways moves stay within the row.
LONG distanceBeyond(const RECT& from, const RECT& to, Navigation direction) {
    const POINT at = centre(from);
    switch (direction) {
    case Navigation::Up:
        return to.bottom <= at.y ? at.y - centre(to).y : -1;
    case Navigation::Down:
        return to.top >= at.y ? centre(to).y - at.y : -1;
    case Navigation::Left:
        return to.right <= at.x && to.top < from.bottom && to.bottom > from.top ? at.x - centre(to).x : -1;
    default:
        return to.left >= at.x && to.top < from.bottom && to.bottom > from.top ? centre(to).x - at.x : -1;
    }
}

} // namespace

void Form::move(FormControl* focused, Navigation direction) {
    if (!focused) { // nothing has the focus: the first move gives it
        if (FormControl* first = initialFocus())
            SetFocus(first->hwnd());
        return;
    }
    if (!vertical(direction)) {
        const int step = direction == Navigation::Right ? 1 : -1;
        if (moveWithinGroup(focused, step))
            return;
        bool stepped = false;
        runEvent([&] { stepped = focused->stepBy(step); });
        if (stepped)
            return;
    }
    if (FormControl* next = nearestStop(*focused, direction))
        SetFocus(next->hwnd());
}

// The stop whose control lies nearest beyond the focused one in the direction: in the
// nearest row (or column), the one most in line. An option group is one stop, on its
// selected button.
FormControl* Form::nearestStop(const FormControl& from, Navigation direction) const {
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
