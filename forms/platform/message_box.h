#pragma once
// Modal message boxes without icons, owned by the program's active or foremost window.

#include <windows.h>

#include <string>

namespace forms {

enum class MsgBoxButtons { OK, YesNo };
enum class MsgBoxResult { OK, Yes, No };

// Shows the box and waits for the answer; with Yes/No, Yes is the default button.
MsgBoxResult msgBox(const std::wstring& text, const std::wstring& title, MsgBoxButtons buttons);

// The box that msgBox shows now in this thread, known by its title and text, or nullptr; it
// is there before the window manager has brought it to the front. Any other dialog of the
// thread, such as the shell's warning before it starts a downloaded file, is not one.
HWND shownMessageBox();

} // namespace forms
