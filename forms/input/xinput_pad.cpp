#include "forms/input/xinput_pad.h"

#include "forms/input/game_controllers.h"
#include "forms/platform/environment.h"
#include "forms/platform/system_dll.h"

namespace forms {

std::optional<XINPUT_GAMEPAD> XInputPad::read(DWORD now) {
    if (slot_) {
        if (auto state = readSlot(*slot_))
            return state;
        slot_.reset();
        lastProbe_ = now; // just found empty
        return std::nullopt;
    }
    if (lastProbe_ && now - *lastProbe_ < kProbeInterval)
        return std::nullopt;
    lastProbe_ = now;
    if (!load())
        return std::nullopt;
    for (DWORD slot = 0; slot < XUSER_MAX_COUNT; ++slot)
        if (auto state = readSlot(slot)) {
            slot_ = slot;
            return state;
        }
    return std::nullopt;
}

namespace {

// TROVANE_GAMEPAD=always reads XInput though no game controller is listed: for a pad that
// is no HID device, as the tests' stand-in XInput DLL is.
bool readingAlways() {
    return environmentValue(L"TROVANE_GAMEPAD") == L"always";
}

} // namespace

// xinput1_4 from Windows 8 on; Windows 7 has only xinput9_1_0.
bool XInputPad::load() {
    if (getState_)
        return true;
    if (missing_ || !(readingAlways() || gameControllerListed()))
        return false; // a controller is looked for again at the next probe
    getState_ = systemFunction<GetState>(L"xinput1_4.dll", "XInputGetState");
    if (!getState_)
        getState_ = systemFunction<GetState>(L"xinput9_1_0.dll", "XInputGetState");
    missing_ = !getState_;
    return !missing_;
}

std::optional<XINPUT_GAMEPAD> XInputPad::readSlot(DWORD slot) const {
    XINPUT_STATE state{};
    if (getState_(slot, &state) != ERROR_SUCCESS)
        return std::nullopt;
    return state.Gamepad;
}

} // namespace forms
