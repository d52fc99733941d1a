#include "forms/input/gamepad_mapping.h"

#include <cstdlib>
#include <utility>

namespace forms {

namespace {

constexpr std::pair<WORD, Navigation> kDPad[] = {{XINPUT_GAMEPAD_DPAD_UP, Navigation::Up},
                                                 {XINPUT_GAMEPAD_DPAD_DOWN, Navigation::Down},
                                                 {XINPUT_GAMEPAD_DPAD_LEFT, Navigation::Left},
                                                 {XINPUT_GAMEPAD_DPAD_RIGHT, Navigation::Right}};

constexpr std::pair<WORD, Navigation> kButtons[] = {{XINPUT_GAMEPAD_A, Navigation::Press},
                                                    {XINPUT_GAMEPAD_B, Navigation::Cancel},
                                                    {XINPUT_GAMEPAD_START, Navigation::Start},
                                                    {XINPUT_GAMEPAD_BACK, Navigation::Close},
                                                    {XINPUT_GAMEPAD_LEFT_SHOULDER, Navigation::StepBack},
                                                    {XINPUT_GAMEPAD_RIGHT_SHOULDER, Navigation::StepForward}};

// How far the stick leans towards a direction (negative: away from it).
int lean(Navigation direction, SHORT x, SHORT y) {
    switch (direction) {
    case Navigation::Up:
        return y;
    case Navigation::Down:
        return -y;
    case Navigation::Left:
        return -x;
    default:
        return x;
    }
}

// Signed difference of two tick counts, correct across their wrap-around.
long ticksSince(DWORD time, DWORD now) {
    return static_cast<long>(static_cast<LONG>(now - time));
}

} // namespace

std::vector<Navigation> PadMapping::update(const XINPUT_GAMEPAD& pad, DWORD now) {
    std::vector<Navigation> actions;
    const std::optional<Navigation> direction = this->direction(pad);
    if (std::exchange(fresh_, false)) {
        held_ = direction;
        repeats_ = false;
        buttons_ = pad.wButtons;
        return actions;
    }
    if (directionDue(direction, now))
        actions.push_back(*direction);
    const WORD pressed = pad.wButtons & ~buttons_;
    buttons_ = pad.wButtons;
    for (const auto& [bit, action] : kButtons)
        if (pressed & bit)
            actions.push_back(action);
    return actions;
}

// The D-pad wins over the stick; a stick direction lasts until the stick leaves it.
std::optional<Navigation> PadMapping::direction(const XINPUT_GAMEPAD& pad) const {
    for (const auto& [bit, action] : kDPad)
        if (pad.wButtons & bit)
            return action;
    if (held_ && lean(*held_, pad.sThumbLX, pad.sThumbLY) > kStickRelease)
        return held_;
    return stickDirection(pad.sThumbLX, pad.sThumbLY);
}

std::optional<Navigation> PadMapping::stickDirection(SHORT x, SHORT y) const {
    const bool vertical = std::abs(y) >= std::abs(x);
    const int along = vertical ? y : x;
    if (std::abs(along) <= kStickEngage)
        return std::nullopt;
    if (vertical)
        return along > 0 ? Navigation::Up : Navigation::Down;
    return along > 0 ? Navigation::Right : Navigation::Left;
}

// Whether the direction acts now: when it begins, then repeated while it is held.
bool PadMapping::directionDue(std::optional<Navigation> direction, DWORD now) {
    if (direction != held_) {
        held_ = direction;
        repeats_ = true;
        nextRepeat_ = now + kRepeatDelay;
        return direction.has_value();
    }
    if (!held_ || !repeats_ || ticksSince(nextRepeat_, now) < 0)
        return false;
    nextRepeat_ = now + kRepeatInterval;
    return true;
}

} // namespace forms
