#include "forms/input/keyboard.h"

#include "forms/core/form.h"

#include <optional>

namespace forms {

namespace {

bool keyDown(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

std::optional<Navigation> navigationOf(WPARAM key) {
    switch (key) {
    case VK_TAB:
        if (keyDown(VK_CONTROL) || keyDown(VK_MENU))
            return std::nullopt;
        return keyDown(VK_SHIFT) ? Navigation::PreviousStop : Navigation::NextStop;
    case VK_LEFT:
    case VK_UP:
        return Navigation::PreviousOption;
    case VK_RIGHT:
    case VK_DOWN:
        return Navigation::NextOption;
    case VK_RETURN:
        return Navigation::Press;
    default:
        return std::nullopt;
    }
}

} // namespace

bool navigateByKey(const MSG& message) {
    if (message.message != WM_KEYDOWN || !message.hwnd)
        return false;
    Form* form = objectOf<Form>(GetAncestor(message.hwnd, GA_ROOT));
    const std::optional<Navigation> action = navigationOf(message.wParam);
    return form && action && form->navigate(*action);
}

} // namespace forms
