#pragma once
// Modal message boxes without icons, owned by the program's active or foremost window.

#include <windows.h>

#include <string>

namespace forms {

enum class MsgBoxButtons { OK, YesNo };
enum class MsgBoxResult { OK, Yes, No };

// Shows the box and waits for the answer; with Yes/No, Yes is the default button.
MsgBoxResult msgBox(const std::wstring& text, const std::wstring& title, MsgBoxButtons buttons);

// The message box that this thread shows, or nullptr; it is there before the window manager
// has brought it to the front.
HWND shownMessageBox();

} // namespace forms
