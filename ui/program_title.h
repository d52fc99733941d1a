#pragma once
// The program's title: the settings window's and the run-time error box's. The save boxes'
// title "Trovane_config" differs from it only in case, on purpose.

inline constexpr wchar_t kProgramTitle[] = L"Trovane_Config";
