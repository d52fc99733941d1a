#include "app/forms/gamepad_mapping.h"

#include <cstdlib>
#include <utility>

namespace forms {

namespace {

constexpr std::pair<WORD, PadAction> kDPad[] = {{XINPUT_GAMEPAD_DPAD_UP, PadAction::Up},
                                                {XINPUT_GAMEPAD_DPAD_DOWN, PadAction::Down},
                                                {XINPUT_GAMEPAD_DPAD_LEFT, PadAction::Left},
                                                {XINPUT_GAMEPAD_DPAD_RIGHT, PadAction::Right}};

constexpr std::pair<WORD, PadAction> kButtons[] = {{XINPUT_GAMEPAD_A, PadAction::A},
                                                   {XINPUT_GAMEPAD_B, PadAction::B},
                                                   {XINPUT_GAMEPAD_START, PadAction::Start},
                                                   {XINPUT_GAMEPAD_BACK, PadAction::Back},
                                                   {XINPUT_GAMEPAD_LEFT_SHOULDER, PadAction::LeftShoulder},
                                                   {XINPUT_GAMEPAD_RIGHT_SHOULDER, PadAction::RightShoulder}};

// How far the stick leans towards a direction (negative: away from it).
int lean(PadAction direction, SHORT x, SHORT y) {
    switch (direction) {
    case PadAction::Up:
        return y;
    case PadAction::Down:
        return -y;
    case PadAction::Left:
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

std::vector<PadAction> PadMapping::update(const XINPUT_GAMEPAD& pad, DWORD now) {
    std::vector<PadAction> actions;
    const std::optional<PadAction> direction = this->direction(pad);
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
std::optional<PadAction> PadMapping::direction(const XINPUT_GAMEPAD& pad) const {
    for (const auto& [bit, action] : kDPad)
        if (pad.wButtons & bit)
            return action;
    if (held_ && lean(*held_, pad.sThumbLX, pad.sThumbLY) > kStickRelease)
        return held_;
    return stickDirection(pad.sThumbLX, pad.sThumbLY);
}

std::optional<PadAction> PadMapping::stickDirection(SHORT x, SHORT y) const {
    const bool vertical = std::abs(y) >= std::abs(x);
    const int along = vertical ? y : x;
    if (std::abs(along) <= kStickEngage)
        return std::nullopt;
    if (vertical)
        return along > 0 ? PadAction::Up : PadAction::Down;
    return along > 0 ? PadAction::Right : PadAction::Left;
}

// Whether the direction acts now: when it begins, then repeated while it is held.
bool PadMapping::directionDue(std::optional<PadAction> direction, DWORD now) {
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
