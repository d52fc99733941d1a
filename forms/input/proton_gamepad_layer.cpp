#include "forms/input/proton_gamepad_layer.h"

#include "forms/platform/environment.h"

#include <windows.h>

#include <tlhelp32.h>

#include <string_view>

namespace forms::proton_gamepad_layer {

namespace {

// A flag of the environment as Proton reads it: set, not empty and not "0".
bool flagSet(const wchar_t* name) {
    const std::optional<std::wstring> value = environmentValue(name);
    return value && !value->empty() && *value != L"0";
}

bool processRunning(std::wstring_view executable) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return false;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    bool found = false;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !found;
         more = Process32NextW(snapshot, &entry))
        found = CompareStringOrdinal(entry.szExeFile, -1, executable.data(),
                                     static_cast<int>(executable.size()), TRUE) == CSTR_EQUAL;
    CloseHandle(snapshot);
    return found;
}

} // namespace

bool drivesEveryWindow() {
    return flagSet(L"PROTON_USE_XALIA") && !flagSet(L"XALIA_SUPPORTED_ONLY");
}

bool drivesMessageBoxes() {
    return flagSet(L"PROTON_USE_XALIA") || processRunning(L"xalia.exe");
}

} // namespace forms::proton_gamepad_layer
