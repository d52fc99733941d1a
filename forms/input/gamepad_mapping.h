#pragma once
// Turns the readings of a pad into navigation actions: a direction from the D-pad or the
// left stick, repeated while it is held, and one action per press of a button (A presses,
// B cancels, Start starts, Back closes, LB and RB step back and forward).

#include "forms/core/navigation.h"

#include <windows.h>

#include <xinput.h>

#include <optional>
#include <vector>

namespace forms {

class PadMapping {
  public:
    // The stick counts as a direction once pushed about half way, and until it is back
    // inside XInput's dead zone, so that a stick resting near one edge does not flicker.
    static constexpr int kStickEngage = 16384;
    static constexpr int kStickRelease = XINPUT_GAMEPAD_LEFT_THUMB_DEADZONE;
    // A held direction repeats after this long, then at this rate (milliseconds).
    static constexpr DWORD kRepeatDelay = 500;
    static constexpr DWORD kRepeatInterval = 100;

    // The actions of one reading, taken at a time in milliseconds (GetTickCount's).
    std::vector<Navigation> update(const XINPUT_GAMEPAD& pad, DWORD now);
    // Forgets what was held: the next reading only sets what is held already, so a button
    // held while the pad was away (or the window in the background) does not act.
    void reset() { fresh_ = true; }

  private:
    std::optional<Navigation> direction(const XINPUT_GAMEPAD& pad) const;
    std::optional<Navigation> stickDirection(SHORT x, SHORT y) const;
    bool directionDue(std::optional<Navigation> now, DWORD time);

    bool fresh_ = true;
    std::optional<Navigation> held_;
    bool repeats_ = false;
    DWORD nextRepeat_ = 0;
    WORD buttons_ = 0;
};

} // namespace forms
