#include "app/forms/gamepad.h"

#include "app/forms/application.h"
#include "app/forms/form.h"
#include "app/forms/gamepad_mapping.h"
#include "app/forms/message_box_gamepad.h"
#include "app/forms/proton_gamepad_layer.h"
#include "app/forms/xinput_pad.h"

#include <utility>

namespace forms::gamepad {

namespace {

constexpr UINT kConnectedInterval = 16; // about 60 readings a second
constexpr UINT kNoPadInterval = 250;    // looks at the foreground; slots are probed less often

struct Poller {
    XInputPad pad;
    PadMapping mapping;
    UINT_PTR timer = 0;
    UINT interval = 0;
    HWND target = nullptr; // the window that the last reading's presses were for
    unsigned readings = 0;
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

// The window that a press is for: the message box that a handler shows, which takes the
// pad even before the window manager has brought it to the front, else the window in front.
HWND pressTarget() {
    HWND box = shownMessageBox();
    return box ? box : GetForegroundWindow();
}

// A message box is left to Proton's gamepad layer where that drives it too; a form takes
// the pad only while no handler runs (see Form::padAction).
void act(HWND target, PadAction action) {
    if (target != shownMessageBox())
        return Form::padAction(target, action);
    if (!proton_gamepad_layer::drivesMessageBoxes())
        messageBoxPadAction(target, action);
}

// A press belongs to the window that was in front when it began. When another window has
// come to the front since the last reading, what is held now waits for its release; and
// the later actions of a reading are dropped once a handler has opened or closed a window,
// or a newer reading has been taken inside it.
void poll() {
    Poller& state = poller();
    const DWORD now = GetTickCount();
    const auto pad = isOwnWindow(GetForegroundWindow()) ? state.pad.read(now) : std::nullopt;
    if (!pad) {
        state.mapping.reset();
        state.target = nullptr;
        return schedule(kNoPadInterval);
    }
    schedule(kConnectedInterval);
    const HWND target = pressTarget();
    if (std::exchange(state.target, target) != target)
        state.mapping.reset();
    const unsigned reading = ++state.readings;
    for (PadAction action : state.mapping.update(*pad, now)) {
        if (state.readings != reading || pressTarget() != target)
            return;
        act(target, action);
    }
}

void CALLBACK onTick(HWND, UINT, UINT_PTR, DWORD) {
    atEventBoundary(poll);
}

} // namespace

void start() {
    if (proton_gamepad_layer::drivesEveryWindow())
        return;
    if (!poller().timer)
        schedule(kNoPadInterval);
}

} // namespace forms::gamepad
