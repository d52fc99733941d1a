#include "app/forms/message_box.h"

#include <windows.h>

namespace forms {

namespace {

BOOL CALLBACK takeFirstUsable(HWND window, LPARAM found) {
    if (!IsWindowVisible(window) || !IsWindowEnabled(window))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// The window a box belongs to: the active one, or else the program's foremost usable
// window. A press can arrive just after the window manager has moved the focus away;
// an unowned box would leave the window enabled behind it, free to cover it.
HWND boxOwner() {
    HWND owner = GetActiveWindow();
    if (!owner)
        EnumThreadWindows(GetCurrentThreadId(), takeFirstUsable, reinterpret_cast<LPARAM>(&owner));
    return owner;
}

} // namespace

MsgBoxResult msgBox(const std::wstring& text, const std::wstring& title, MsgBoxButtons buttons) {
    const UINT type = buttons == MsgBoxButtons::YesNo ? MB_YESNO | MB_DEFBUTTON1 : MB_OK;
    switch (MessageBoxW(boxOwner(), text.c_str(), title.c_str(), type)) {
    case IDYES:
        return MsgBoxResult::Yes;
    case IDNO:
        return MsgBoxResult::No;
    default:
        return MsgBoxResult::OK;
    }
}

} // namespace forms
