#include "ui/game_launch.h"

#include "forms/core/application.h"
#include "forms/platform/com.h"
#include "forms/platform/message_box.h"
#include "forms/platform/system_dll.h"

#include <windows.h>

#include <shellapi.h>

namespace {

// The shell is loaded from the system folder when the game is started, not at program
// start: it is large, and most runs never start the game.
std::int32_t shellOpen(const std::wstring& file, const std::wstring& directory) {
    static const auto shellExecute =
        forms::systemFunction<decltype(&ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    if (!shellExecute)
        return 0;
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
