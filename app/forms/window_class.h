#pragma once

#include <windows.h>

namespace forms {

// Registers a window class of the program, with the arrow cursor and a background
// brush (nullptr when the window paints all of itself).
void registerWindowClass(const wchar_t* name, WNDPROC procedure, HBRUSH background);

// The brush of the dialog face colour that forms and frames are filled with.
inline HBRUSH faceBrush() {
    return reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
}

} // namespace forms
