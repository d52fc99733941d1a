#include "app/forms/xinput_pad.h"

#include <string>

namespace forms {

namespace {

// Loads a DLL by its full path in the system folder, so that no other folder can supply it.
HMODULE loadSystemDll(const wchar_t* name) {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    return LoadLibraryW((std::wstring(folder, length) + L"\\" + name).c_str());
}

} // namespace

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
        HMODULE xinput = loadSystemDll(L"xinput1_4.dll");
        if (!xinput)
            xinput = loadSystemDll(L"xinput9_1_0.dll");
        if (FARPROC proc = xinput ? GetProcAddress(xinput, "XInputGetState") : nullptr)
            getState_ = reinterpret_cast<GetState>(reinterpret_cast<void*>(proc));
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
