#include "forms/input/one_press.h"

#include "forms/platform/window_class.h"

namespace forms {

namespace {

constexpr LPARAM kRepeatBit = LPARAM(1) << 30; // the key was down already

bool isPushButton(HWND window) {
    const auto type = static_cast<LONG>(GetWindowLongPtrW(window, GWL_STYLE) & BS_TYPEMASK);
    return hasWindowClass(window, L"Button") && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

// Every message that a loop of the thread takes passes here, before the loop sees it.
LRESULT CALLBACK takingMessage(int code, WPARAM removal, LPARAM parameter) {
    auto& message = *reinterpret_cast<MSG*>(parameter);
    if (code == HC_ACTION && removal == PM_REMOVE && continuesAPress(message))
        message.message = WM_NULL;
    return CallNextHookEx(nullptr, code, removal, parameter);
}

} // namespace

bool continuesAPress(const MSG& message) {
    switch (message.message) {
    case WM_KEYDOWN:
        return (message.wParam == VK_RETURN || message.wParam == VK_SPACE) && (message.lParam & kRepeatBit);
    case WM_LBUTTONDBLCLK:
        return isPushButton(message.hwnd);
    default:
        return false;
    }
}

OnePressRule::OnePressRule()
    : hook_(SetWindowsHookExW(WH_GETMESSAGE, takingMessage, nullptr, GetCurrentThreadId())) {}

OnePressRule::~OnePressRule() {
    if (hook_)
        UnhookWindowsHookEx(hook_);
}

} // namespace forms
