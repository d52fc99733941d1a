#include "forms/platform/window_class.h"

namespace forms {

namespace {
constexpr wchar_t kObjectProperty[] = L"TrovaneObject";
} // namespace

void registerWindowClass(const wchar_t* name, WNDPROC procedure, HBRUSH background) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

void attachObject(HWND window, void* object) {
    SetPropW(window, kObjectProperty, object);
}

void detachObject(HWND window) {
    RemovePropW(window, kObjectProperty);
}

void* attachedObject(HWND window) {
    return GetPropW(window, kObjectProperty);
}

} // namespace forms
