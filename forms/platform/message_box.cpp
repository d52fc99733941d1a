#include "forms/platform/message_box.h"

#include "forms/platform/window_class.h"

#include <windows.h>

#include <vector>

namespace forms {

namespace {

constexpr int kTextControlId = 0xFFFF; // a message box's static text, on Windows and Wine alike

struct BoxWords {
    std::wstring text;
    std::wstring title;
};
// The boxes that msgBox shows now, the innermost last.
std::vector<BoxWords> shownBoxes;

class ShowingBox {
  public:
    explicit ShowingBox(BoxWords words) { shownBoxes.push_back(std::move(words)); }
    ~ShowingBox() { shownBoxes.pop_back(); }
    ShowingBox(const ShowingBox&) = delete;
    ShowingBox& operator=(const ShowingBox&) = delete;
};

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool isShownBox(HWND window) {
    if (!IsWindowVisible(window) || !hasWindowClass(window, L"#32770") || shownBoxes.empty())
        return false;
    const HWND text = GetDlgItem(window, kTextControlId);
    return text && windowText(window) == shownBoxes.back().title &&
           windowText(text) == shownBoxes.back().text;
}

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
    const ShowingBox showing({text, title});
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
    return firstThreadWindow(isShownBox);
}

} // namespace forms
