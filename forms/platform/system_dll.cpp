#include "forms/platform/system_dll.h"

#include <string>

namespace forms {

namespace {

// How each system DLL is loaded by its full path: as Windows does by default once the
// search is restricted, else with its dependencies looked for beside it, in the system folder.
DWORD systemDllLoadFlags = 0;

} // namespace

FARPROC lookUpSetDefaultDllDirectories() {
    return GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
}

void restrictDllSearchToSystem(DefaultDllDirectoriesLookup lookUp) {
    using SetDirectories = BOOL(WINAPI*)(DWORD);
    const auto setDefault = reinterpret_cast<SetDirectories>(reinterpret_cast<void*>(lookUp()));
    if (setDefault && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        systemDllLoadFlags = 0;
        return;
    }
    SetDllDirectoryW(L"");
    systemDllLoadFlags = LOAD_WITH_ALTERED_SEARCH_PATH;
}

FARPROC systemProcedure(const wchar_t* dll, const char* name) {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    HMODULE module =
        LoadLibraryExW((std::wstring(folder, length) + L"\\" + dll).c_str(), nullptr, systemDllLoadFlags);
    return module ? GetProcAddress(module, name) : nullptr;
}

} // namespace forms
