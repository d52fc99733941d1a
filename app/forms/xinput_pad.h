#pragma once
// The first connected XInput pad, read through the system's XInput DLL when there is one.

#include <windows.h>

#include <xinput.h>

#include <optional>

namespace forms {

class XInputPad {
  public:
    // Empty slots are probed at most this often, as probing them is slow.
    static constexpr DWORD kProbeInterval = 2000;

    // The pad's state now, or nothing when no pad is connected (or XInput is missing).
    std::optional<XINPUT_GAMEPAD> read(DWORD now);

  private:
    using GetState = DWORD(WINAPI*)(DWORD, XINPUT_STATE*);

    bool load();
    std::optional<XINPUT_GAMEPAD> readSlot(DWORD slot) const;

    bool tried_ = false;
    GetState getState_ = nullptr;
    std::optional<DWORD> slot_;
    std::optional<DWORD> lastProbe_;
};

} // namespace forms
