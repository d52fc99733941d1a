#include "tests/support/player.h"

#include "tests/support/test_support.h"

#include <initializer_list>
#include <vector>

namespace test {

namespace {

// Mouse events in one batch, which no other input comes between.
void sendMouse(std::initializer_list<DWORD> events) {
    std::vector<INPUT> inputs;
    for (const DWORD flags : events) {
        INPUT& input = inputs.emplace_back();
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = flags;
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Holds the thread of another process's window while it lives, so that input sent meanwhile
// is all in that thread's queue before it reads any of it.
class HeldThread {
  public:
    explicit HeldThread(HWND window) {
        DWORD processId = 0;
        const DWORD threadId = GetWindowThreadProcessId(window, &processId);
        if (processId != GetCurrentProcessId())
            thread_ = OpenThread(THREAD_SUSPEND_RESUME, FALSE, threadId);
        if (thread_ && SuspendThread(thread_) == static_cast<DWORD>(-1)) {
            CloseHandle(thread_);
            thread_ = nullptr;
        }
    }
    ~HeldThread() {
        if (thread_) {
            ResumeThread(thread_);
            CloseHandle(thread_);
        }
    }
    HeldThread(const HeldThread&) = delete;
    HeldThread& operator=(const HeldThread&) = delete;

  private:
    HANDLE thread_ = nullptr;
};

void moveCursor(HWND window, POINT at) {
    ClientToScreen(window, &at);
    SetCursorPos(at.x, at.y);
    sendMouse({MOUSEEVENTF_MOVE}); // a zero move, so the window sees the pointer arrive
    pumpMessages(30);
}

// The pointer to the point, then the button event if any; the events land before it returns.
void mouseAt(HWND window, POINT at, DWORD buttonEvent) {
    moveCursor(window, at);
    if (buttonEvent)
        sendMouse({buttonEvent});
    pumpMessages(60);
}

POINT middleOf(HWND control) {
    RECT client;
    GetClientRect(control, &client);
    return {client.right / 2, client.bottom / 2};
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

// The press and the release reach the window's thread together: a press that it saw held,
// on a slow machine, would repeat on a scroll bar's arrow or track.
void clickAt(HWND window, POINT at) {
    moveCursor(window, at);
    {
        const HeldThread held(window);
        sendMouse({MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
    }
    pumpMessages(60);
}

void click(HWND control) {
    clickAt(control, middleOf(control));
}

void doubleClickAt(HWND window, POINT at) {
    moveCursor(window, at);
    {
        const HeldThread held(window);
        sendMouse({MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
    }
    pumpMessages(60);
}

void doubleClick(HWND control) {
    doubleClickAt(control, middleOf(control));
}

std::wstring padScriptForThisProcess(const std::wstring& folder, std::string_view script) {
    const std::wstring path = folder + L"\\pad.txt";
    writeFile(path, script);
    SetEnvironmentVariableW(L"TROVANE_PAD_SCRIPT", path.c_str());
    SetEnvironmentVariableW(L"TROVANE_GAMEPAD", L"always"); // the stand-in is no HID device
    return path;
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

void holdKey(HWND window, WORD key, int repeats) {
    std::vector<INPUT> inputs(static_cast<std::size_t>(repeats) + 2);
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
    }
    inputs.back().ki.dwFlags = KEYEVENTF_KEYUP;
    {
        const HeldThread held(window);
        SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    }
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
