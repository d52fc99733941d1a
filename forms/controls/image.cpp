#include "forms/controls/image.h"

#include "forms/platform/window_class.h"

namespace forms {

namespace {

constexpr wchar_t kImageClass[] = L"TrovaneImage";

LRESULT CALLBACK imageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT)
        return DefWindowProcW(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    if (const auto* image = objectOf<const Image>(window))
        image->picture().drawStretched(dc, client);
    EndPaint(window, &paint);
    return 0;
}

} // namespace

const wchar_t* Image::windowClass() const {
    registerWindowClass(kImageClass, imageProc, nullptr);
    return kImageClass;
}

void Image::initialise() {
    if (spec().picture)
        picture_ = Picture::fromResource(spec().picture);
}

} // namespace forms
