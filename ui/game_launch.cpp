#include "ui/game_launch.h"

#include "app/forms/application.h"
#include "app/forms/message_box.h"

#include <windows.h>

#include <shellapi.h>

void launchGame() {
    const std::wstring folder = forms::applicationDirectory();
    const std::wstring game = folder + L"\\qir_trovane.exe";
    const HINSTANCE result =
        ShellExecuteW(nullptr, L"open", game.c_str(), L"", folder.c_str(), SW_SHOWNORMAL);
    if (launchFailed(static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(result))))
        forms::msgBox(L"file missed!", L"Warning", forms::MsgBoxButtons::OK);
}
