#include "app/forms/gamepad.h"

#include "app/forms/application.h"
#include "app/forms/form.h"
#include "app/forms/gamepad_mapping.h"
#include "app/forms/message_box_gamepad.h"
#include "app/forms/xinput_pad.h"

namespace forms::gamepad {

namespace {

constexpr UINT kConnectedInterval = 16; // about 60 readings a second
constexpr UINT kIdleInterval = 250;     // looks at the foreground; slots are probed less often

struct Poller {
    XInputPad pad;
    PadMapping mapping;
    UINT_PTR timer = 0;
    UINT interval = 0;
    bool acting = false; // a form's handler runs; only its message boxes take the pad
};

Poller& poller() {
    static Poller instance;
    return instance;
}

bool isOwnWindow(HWND window) {
    DWORD process = 0;
    return window && GetWindowThreadProcessId(window, &process) && process == GetCurrentProcessId();
}

void CALLBACK onTick(HWND, UINT, UINT_PTR, DWORD);

// A thread timer: its ticks arrive in every message loop of the thread, the message
// boxes' too.
void schedule(UINT interval) {
    Poller& state = poller();
    if (state.interval == interval)
        return;
    state.interval = interval;
    state.timer = SetTimer(nullptr, state.timer, interval, onTick);
}

// Acts on the message box that a form's handler shows, or else on the form in front. A
// form takes one action at a time, as it takes every other event.
void act(HWND front, PadAction action) {
    if (HWND box = shownMessageBox())
        return messageBoxPadAction(box, action);
    Poller& state = poller();
    if (state.acting)
        return;
    state.acting = true;
    struct Done {
        ~Done() { poller().acting = false; }
    } done;
    Form::padAction(front, action);
}

void poll() {
    Poller& state = poller();
    HWND front = GetForegroundWindow();
    const DWORD now = GetTickCount();
    const auto pad = isOwnWindow(front) ? state.pad.read(now) : std::nullopt;
    if (!pad) {
        state.mapping.reset();
        return schedule(kIdleInterval);
    }
    schedule(kConnectedInterval);
    for (PadAction action : state.mapping.update(*pad, now))
        act(front, action);
}

void CALLBACK onTick(HWND, UINT, UINT_PTR, DWORD) {
    runEvent(poll);
}

} // namespace

void start() {
    if (!poller().timer)
        schedule(kIdleInterval);
}

} // namespace forms::gamepad
