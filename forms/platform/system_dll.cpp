#include "forms/platform/system_dll.h"

#include <string>

namespace forms {

FARPROC systemProcedure(const wchar_t* dll, const char* name) {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    HMODULE module = LoadLibraryW((std::wstring(folder, length) + L"\\" + dll).c_str());
    return module ? GetProcAddress(module, name) : nullptr;
}

} // namespace forms
