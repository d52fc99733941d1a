#pragma once

#include <windows.h>

namespace forms {

// Registers a window class of the program, with the arrow cursor and a background
// brush (nullptr when the window paints all of itself), drawn anew whenever its size
// changes; once registered, nothing.
void registerWindowClass(const wchar_t* name, WNDPROC procedure, HBRUSH background);

// Whether a window is of the class: its whole name, letter case ignored.
bool hasWindowClass(HWND window, const wchar_t* name);

// What one of the program's windows stands for: a form or a control, kept with the window.
class WindowObject {
  public:
    virtual ~WindowObject() = default;
};

void attachObject(HWND window, WindowObject* object);
void detachObject(HWND window);
// The object kept with a window, or nullptr for any other window.
WindowObject* attachedObject(HWND window);

// The one way from a window to its object: the form or control it stands for, as that type,
// or nullptr where the window stands for none, or for another type.
template <typename Type> Type* objectOf(HWND window) {
    return dynamic_cast<Type*>(attachedObject(window));
}

// The brush of the dialog face colour that forms and frames are filled with.
inline HBRUSH faceBrush() {
    return reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
}

} // namespace forms
