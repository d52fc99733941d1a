#include "ui/game_launch.h"

#include "app/forms/application.h"
#include "app/forms/com.h"
#include "app/forms/message_box.h"

#include <windows.h>

#include <shellapi.h>

namespace {

// The shell is loaded from the system folder when the game is started, not at program
// start: it is large, and most runs never start the game.
std::int32_t shellOpen(const std::wstring& file, const std::wstring& directory) {
    using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
    static HMODULE shell = LoadLibraryExW(L"shell32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    FARPROC proc = shell ? GetProcAddress(shell, "ShellExecuteW") : nullptr;
    if (!proc)
        return 0;
    const auto shellExecute = reinterpret_cast<ShellExecuteFunction>(reinterpret_cast<void*>(proc));
    forms::initialiseCom(); // the shell may hand the start to an extension through COM
    const HINSTANCE result =
        shellExecute(nullptr, L"open", file.c_str(), L"", directory.c_str(), SW_SHOWNORMAL);
    return static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(result));
}

} // namespace

void launchGame() {
    const std::wstring folder = forms::applicationDirectory();
    if (launchFailed(shellOpen(folder + L"\\qir_trovane.exe", folder)))
        forms::msgBox(L"file missed!", kWarningTitle, forms::MsgBoxButtons::OK);
}
