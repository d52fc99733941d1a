#include "tests/support/player.h"

#include "tests/support/test_support.h"

namespace test {

namespace {

void sendMouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

void moveCursor(HWND window, POINT at) {
    ClientToScreen(window, &at);
    SetCursorPos(at.x, at.y);
    sendMouse(MOUSEEVENTF_MOVE); // a zero move, so the window sees the pointer arrive
    pumpMessages(30);
}

// The pointer to the point, then the button event if any; the events land before it returns.
void mouseAt(HWND window, POINT at, DWORD buttonEvent) {
    moveCursor(window, at);
    if (buttonEvent)
        sendMouse(buttonEvent);
    pumpMessages(60);
}

} // namespace

void bringToFront(HWND window) {
    SetForegroundWindow(window);
    waitUntil([&] { return GetForegroundWindow() == window; }, 2000);
}

void mouseDown(HWND window, POINT at) {
    mouseAt(window, at, MOUSEEVENTF_LEFTDOWN);
}

void mouseMove(HWND window, POINT at) {
    mouseAt(window, at, 0);
}

void mouseUp(HWND window, POINT at) {
    mouseAt(window, at, MOUSEEVENTF_LEFTUP);
}

void clickAt(HWND window, POINT at) {
    mouseDown(window, at);
    mouseUp(window, at);
}

void click(HWND control) {
    RECT client;
    GetClientRect(control, &client);
    clickAt(control, {client.right / 2, client.bottom / 2});
}

void pressKey(WORD key, bool shift) {
    INPUT inputs[4]{};
    UINT count = 0;
    auto add = [&](WORD k, DWORD flags) {
        inputs[count].type = INPUT_KEYBOARD;
        inputs[count].ki.wVk = k;
        inputs[count].ki.dwFlags = flags;
        ++count;
    };
    if (shift)
        add(VK_SHIFT, 0);
    add(key, 0);
    add(key, KEYEVENTF_KEYUP);
    if (shift)
        add(VK_SHIFT, KEYEVENTF_KEYUP);
    SendInput(count, inputs, sizeof(INPUT));
    pumpMessages(100);
}

HWND focusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMilliseconds) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMilliseconds)
            return false;
        pumpMessages(20);
    }
    return true;
}

} // namespace test
