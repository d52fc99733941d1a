#pragma once

#include <windows.h>

namespace forms {

// Registers a window class of the program, with the arrow cursor and a background
// brush (nullptr when the window paints all of itself); once registered, nothing.
void registerWindowClass(const wchar_t* name, WNDPROC procedure, HBRUSH background);

// Whether a window is of the class: its whole name, letter case ignored.
bool hasWindowClass(HWND window, const wchar_t* name);

// The program's object that one of its windows stands for (a form or a control), kept
// with the window; attachedObject gives nullptr for any other window.
void attachObject(HWND window, void* object);
void detachObject(HWND window);
void* attachedObject(HWND window);

// The brush of the dialog face colour that forms and frames are filled with.
inline HBRUSH faceBrush() {
    return reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
}

} // namespace forms
