#include "forms/input/message_box_navigation.h"

#include "forms/platform/message_box.h"
#include "forms/platform/window_class.h"

#include <algorithm>
#include <vector>

namespace forms {

namespace {

LONG leftEdge(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return rect.left;
}

// The box's buttons from left to right.
std::vector<HWND> buttons(HWND box) {
    std::vector<HWND> found;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (hasWindowClass(child, L"Button") && IsWindowVisible(child))
            found.push_back(child);
    std::sort(found.begin(), found.end(), [](HWND a, HWND b) { return leftEdge(a) < leftEdge(b); });
    return found;
}

void press(HWND box, int id) {
    SendMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
}

void moveFocus(HWND box, int step) {
    const std::vector<HWND> row = buttons(box);
    if (row.empty())
        return;
    const auto at = std::find(row.begin(), row.end(), GetFocus());
    const std::ptrdiff_t from = at == row.end() ? 0 : at - row.begin();
    const std::ptrdiff_t to = std::clamp<std::ptrdiff_t>(from + step, 0, std::ssize(row) - 1);
    SendMessageW(box, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(row[static_cast<std::size_t>(to)]), TRUE);
}

void pressFocused(HWND box) {
    const std::vector<HWND> row = buttons(box);
    if (std::find(row.begin(), row.end(), GetFocus()) != row.end())
        return press(box, GetDlgCtrlID(GetFocus()));
    if (const LRESULT byDefault = SendMessageW(box, DM_GETDEFID, 0, 0); HIWORD(byDefault) == DC_HASDEFID)
        press(box, LOWORD(byDefault));
}

} // namespace

void navigateMessageBox(HWND box, Navigation action) {
    switch (action) {
    case Navigation::Left:
    case Navigation::Right:
        return moveFocus(box, action == Navigation::Right ? 1 : -1);
    case Navigation::Press:
        return pressFocused(box);
    case Navigation::Cancel:
        return press(box, GetDlgItem(box, IDNO) ? IDNO : IDOK);
    default:
        return;
    }
}

} // namespace forms
