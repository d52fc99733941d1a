#include "forms/platform/window_class.h"

#include <iterator>

namespace forms {

namespace {
constexpr wchar_t kObjectProperty[] = L"TrovaneObject";
} // namespace

void registerWindowClass(const wchar_t* name, WNDPROC procedure, HBRUSH background) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW; // a new size is drawn anew, not copied
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

bool hasWindowClass(HWND window, const wchar_t* name) {
    wchar_t found[257]; // a class name has 256 characters at most
    const int length = GetClassNameW(window, found, static_cast<int>(std::size(found)));
    return length > 0 && CompareStringOrdinal(found, length, name, -1, TRUE) == CSTR_EQUAL;
}

void attachObject(HWND window, WindowObject* object) {
    SetPropW(window, kObjectProperty, object);
}

void detachObject(HWND window) {
    RemovePropW(window, kObjectProperty);
}

WindowObject* attachedObject(HWND window) {
    return static_cast<WindowObject*>(GetPropW(window, kObjectProperty));
}

} // namespace forms
