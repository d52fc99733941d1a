#pragma once
// Functions of Windows' DLLs that the program loads only when it first needs them, so that
// starting it costs nothing; always from the system folder, by full path, so that no other
// folder can supply the DLL.

#include <windows.h>

namespace forms {

// Keeps the program's folder, which players often leave writable by anyone, out of every
// search for a DLL, on every Windows: only the system folder may supply them. Where Windows
// lacks SetDefaultDllDirectories (Windows 7 without update KB2533623), the current folder is
// taken out of the search and each system DLL is loaded so that its own dependencies, too,
// come from the system folder. Called first thing; the lookup is a test's seam.
using DefaultDllDirectoriesLookup = FARPROC (*)();
FARPROC lookUpSetDefaultDllDirectories();
void restrictDllSearchToSystem(DefaultDllDirectoriesLookup lookUp = lookUpSetDefaultDllDirectories);

// The function, or nullptr when the DLL or the function is missing. The DLL is loaded and
// kept loaded for the rest of the run, never freed, so that the function stays valid however
// long its caller keeps it; each call loads the DLL again (only counting one more reference
// when it is loaded already), so callers keep the function in a static and ask once.
FARPROC systemProcedure(const wchar_t* dll, const char* name);

template <typename Function> Function systemFunction(const wchar_t* dll, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(systemProcedure(dll, name)));
}

} // namespace forms
