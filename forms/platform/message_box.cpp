#include "forms/platform/message_box.h"

#include "forms/platform/window_class.h"

#include <windows.h>

namespace forms {

namespace {

using WindowTest = bool (*)(HWND window);

struct Search {
    WindowTest accepts;
    HWND found = nullptr;
};

BOOL CALLBACK takeFirstAccepted(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<Search*>(parameter);
    if (!search.accepts(window))
        return TRUE;
    search.found = window;
    return FALSE;
}

// The first top-level window of this thread that passes the test, or nullptr.
HWND firstThreadWindow(WindowTest accepts) {
    Search search{accepts};
    EnumThreadWindows(GetCurrentThreadId(), takeFirstAccepted, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The window a box belongs to: the active one, or else the program's foremost usable
// window. A press can arrive just after the window manager has moved the focus away;
// an unowned box would leave the window enabled behind it, free to cover it.
HWND boxOwner() {
    HWND owner = GetActiveWindow();
    return owner ? owner : firstThreadWindow([](HWND window) {
        return IsWindowVisible(window) && IsWindowEnabled(window);
    });
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

HWND shownMessageBox() {
    return firstThreadWindow(
        [](HWND window) { return IsWindowVisible(window) && hasWindowClass(window, L"#32770"); });
}

} // namespace forms
