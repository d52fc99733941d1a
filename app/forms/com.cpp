#include "app/forms/com.h"

#include <objbase.h>

namespace forms {

void initialiseCom() {
    static const bool initialised = [] {
        using Initialise = HRESULT(WINAPI*)(LPVOID, DWORD);
        HMODULE ole32 = LoadLibraryExW(L"ole32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        FARPROC proc = ole32 ? GetProcAddress(ole32, "CoInitializeEx") : nullptr;
        return proc && SUCCEEDED(reinterpret_cast<Initialise>(reinterpret_cast<void*>(proc))(
                           nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    }();
    static_cast<void>(initialised);
}

} // namespace forms
