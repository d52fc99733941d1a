#include "forms/platform/com.h"

#include "forms/platform/system_dll.h"

#include <objbase.h>

namespace forms {

void initialiseCom() {
    static const bool initialised = [] {
        const auto initialise = systemFunction<decltype(&CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
        return initialise &&
               SUCCEEDED(initialise(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    }();
    static_cast<void>(initialised);
}

} // namespace forms
