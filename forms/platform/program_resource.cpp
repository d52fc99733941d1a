#include "forms/platform/program_resource.h"

#include <windows.h>

namespace forms {

std::span<const std::uint8_t> programResource(int id) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10)); // RT_RCDATA
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    if (!loaded)
        return {};
    return {static_cast<const std::uint8_t*>(LockResource(loaded)), SizeofResource(module, resource)};
}

} // namespace forms
