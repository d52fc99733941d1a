#include "forms/input/gamepad.h"

#include "forms/core/events.h"
#include "forms/core/form.h"
#include "forms/input/gamepad_mapping.h"
#include "forms/input/message_box_navigation.h"
#include "forms/input/proton_gamepad_layer.h"
#include "forms/input/xinput_pad.h"
#include "forms/platform/message_box.h"

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
    state.timer = startTimer(nullptr, state.timer, interval, onTick);
    state.interval = interval;
}

// The window that a press is for: the message box that a handler shows, which takes the
// pad even before the window manager has brought it to the front, else the window in front.
HWND pressTarget() {
    HWND box = shownMessageBox();
    return box ? box : GetForegroundWindow();
}

// Gives a press's action to its window: a message box, unless Proton's gamepad layer drives
// that too, or else a form (which takes none while a handler runs).
void deliver(HWND target, Navigation action) {
    if (target == shownMessageBox()) {
        if (!proton_gamepad_layer::drivesMessageBoxes())
            navigateMessageBox(target, action);
    } else if (Form* form = objectOf<Form>(target)) {
        form->navigate(action);
    }
}

// A press belongs to the window that was in front when it began. When another window has
// come to the front since the last reading, what is held now waits for its release; and
// once a press of a reading has run a handler, which may have opened or closed a window,
// or has left its window, the reading's later presses are dropped.
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
    const unsigned handlers = handlersRun();
    for (Navigation action : state.mapping.update(*pad, now)) {
        if (handlersRun() != handlers || pressTarget() != target)
            return;
        deliver(target, action);
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
