#include "forms/input/game_controllers.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace forms {

namespace {

constexpr USHORT kGenericDesktopPage = 0x01;
constexpr USHORT kJoystick = 0x04, kGamepad = 0x05, kMultiAxisController = 0x08;

// Devices may come between counting and listing them; then the list is taken again.
std::vector<RAWINPUTDEVICELIST> rawInputDevices() {
    std::vector<RAWINPUTDEVICELIST> devices;
    for (;;) {
        UINT count = 0;
        if (GetRawInputDeviceList(nullptr, &count, sizeof(RAWINPUTDEVICELIST)) != 0)
            return {};
        devices.resize(count);
        const UINT listed = GetRawInputDeviceList(devices.data(), &count, sizeof(RAWINPUTDEVICELIST));
        if (listed != static_cast<UINT>(-1)) {
            devices.resize(listed);
            return devices;
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER)
            return {};
    }
}

bool isGameController(const RAWINPUTDEVICELIST& device) {
    if (device.dwType != RIM_TYPEHID)
        return false;
    RID_DEVICE_INFO info{};
    info.cbSize = sizeof info;
    UINT size = sizeof info;
    if (GetRawInputDeviceInfoW(device.hDevice, RIDI_DEVICEINFO, &info, &size) == static_cast<UINT>(-1))
        return false;
    const USHORT usage = info.hid.usUsage;
    return info.hid.usUsagePage == kGenericDesktopPage &&
           (usage == kJoystick || usage == kGamepad || usage == kMultiAxisController);
}

} // namespace

bool gameControllerListed() {
    const std::vector<RAWINPUTDEVICELIST> devices = rawInputDevices();
    return std::any_of(devices.begin(), devices.end(), isGameController);
}

} // namespace forms
