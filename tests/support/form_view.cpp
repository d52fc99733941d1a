#include "tests/support/form_view.h"

#include <stdexcept>

namespace test {

forms::FormControl& named(const forms::Form& form, std::wstring_view name, int index) {
    for (int i = 0; i < form.count(); ++i) {
        auto& control = dynamic_cast<forms::FormControl&>(form.controls(i));
        if (control.name() == name && control.index() == index)
            return control;
    }
    throw std::runtime_error("no such control");
}

std::string clientPixels(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    HDC shown = GetDC(window);
    HDC copy = CreateCompatibleDC(shown);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(shown, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ before = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, client.right, client.bottom, shown, 0, 0, SRCCOPY);
    const auto bytes = static_cast<std::size_t>(client.right * client.bottom * 4);
    std::string pixels(static_cast<const char*>(bits), bytes);
    SelectObject(copy, before);
    DeleteObject(bitmap);
    DeleteDC(copy);
    ReleaseDC(window, shown);
    return pixels;
}

} // namespace test
