#pragma once
// The first connected XInput pad, read through the system's XInput DLL when there is one.
// The DLL is loaded only once Windows lists a game controller (or TROVANE_GAMEPAD=always),
// looked for as often as empty slots are probed.

#include <windows.h>

#include <xinput.h>

#include <optional>

namespace forms {

class XInputPad {
  public:
    // Empty slots are probed, and game controllers looked for, at most this often, as
    // probing them is slow.
    static constexpr DWORD kProbeInterval = 2000;

    // The pad's state now, or nothing when no pad is connected (or XInput is missing).
    std::optional<XINPUT_GAMEPAD> read(DWORD now);

  private:
    using GetState = decltype(&XInputGetState);

    bool load();
    std::optional<XINPUT_GAMEPAD> readSlot(DWORD slot) const;

    GetState getState_ = nullptr;
    bool missing_ = false; // no XInput DLL
    std::optional<DWORD> slot_;
    std::optional<DWORD> lastProbe_;
};

} // namespace forms
