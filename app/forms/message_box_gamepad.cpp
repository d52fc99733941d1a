#include "app/forms/message_box_gamepad.h"

#include <algorithm>
#include <vector>

namespace forms {

namespace {

bool hasClass(HWND window, const wchar_t* name) {
    wchar_t found[16];
    return GetClassNameW(window, found, 16) && CompareStringOrdinal(found, -1, name, -1, TRUE) == CSTR_EQUAL;
}

LONG leftEdge(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return rect.left;
}

// The box's buttons from left to right.
std::vector<HWND> buttons(HWND box) {
    std::vector<HWND> found;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (hasClass(child, L"Button") && IsWindowVisible(child))
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

BOOL CALLBACK takeMessageBox(HWND window, LPARAM found) {
    if (!IsWindowVisible(window) || !hasClass(window, L"#32770"))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

} // namespace

HWND shownMessageBox() {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), takeMessageBox, reinterpret_cast<LPARAM>(&box));
    return box;
}

void messageBoxPadAction(HWND box, PadAction action) {
    switch (action) {
    case PadAction::Left:
    case PadAction::Right:
        return moveFocus(box, action == PadAction::Right ? 1 : -1);
    case PadAction::A:
        return pressFocused(box);
    case PadAction::B:
        return press(box, GetDlgItem(box, IDNO) ? IDNO : IDOK);
    default:
        return;
    }
}

} // namespace forms
