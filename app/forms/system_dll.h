#pragma once
// Functions of Windows' DLLs that the program loads only when it first needs them, so that
// starting it costs nothing; always from the system folder, by full path, so that no other
// folder can supply the DLL.

#include <windows.h>

namespace forms {

// The function, or nullptr when the DLL or the function is missing.
FARPROC systemProcedure(const wchar_t* dll, const char* name);

template <typename Function> Function systemFunction(const wchar_t* dll, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(systemProcedure(dll, name)));
}

} // namespace forms
