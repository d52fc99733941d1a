#include "app/forms/xinput_pad.h"

#include "app/forms/system_dll.h"

namespace forms {

std::optional<XINPUT_GAMEPAD> XInputPad::read(DWORD now) {
    if (!load())
        return std::nullopt;
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
    for (DWORD slot = 0; slot < XUSER_MAX_COUNT; ++slot)
        if (auto state = readSlot(slot)) {
            slot_ = slot;
            return state;
        }
    return std::nullopt;
}

// xinput1_4 from Windows 8 on; Windows 7 has only xinput9_1_0.
bool XInputPad::load() {
    if (!tried_) {
        tried_ = true;
        getState_ = systemFunction<GetState>(L"xinput1_4.dll", "XInputGetState");
        if (!getState_)
            getState_ = systemFunction<GetState>(L"xinput9_1_0.dll", "XInputGetState");
    }
    return getState_ != nullptr;
}

std::optional<XINPUT_GAMEPAD> XInputPad::readSlot(DWORD slot) const {
    XINPUT_STATE state{};
    if (getState_(slot, &state) != ERROR_SUCCESS)
        return std::nullopt;
    return state.Gamepad;
}

} // namespace forms
