// A DLL planted in the game folder under the name of a system DLL: if anything loads
// it, it leaves a marker file beside itself and refuses to load.

#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH)
        return TRUE;
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
    if (length > 0 && length + 8 < MAX_PATH) {
        lstrcatW(path, L".loaded");
        CloseHandle(CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    }
    return FALSE;
}
