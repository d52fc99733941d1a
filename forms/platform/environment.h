#pragma once
// The process's environment variables, as the program's switches and Proton's flags come.

#include <optional>
#include <string>

namespace forms {

// The variable's value, empty for a variable set to nothing; nothing when it is not set.
std::optional<std::wstring> environmentValue(const wchar_t* name);

} // namespace forms
