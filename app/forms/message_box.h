#pragma once
// Modal message boxes without icons, owned by the program's active or foremost window.

#include <string>

namespace forms {

enum class MsgBoxButtons { OK, YesNo };
enum class MsgBoxResult { OK, Yes, No };

// Shows the box and waits for the answer; with Yes/No, Yes is the default button.
MsgBoxResult msgBox(const std::wstring& text, const std::wstring& title, MsgBoxButtons buttons);

} // namespace forms
