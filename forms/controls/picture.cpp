#include "forms/controls/picture.h"

#include "errors/error.h"
#include "forms/platform/jpeg_decoder.h"
#include "forms/platform/program_resource.h"

#include <cstdint>

namespace forms {

Picture Picture::fromResource(int id) {
    const std::optional<DecodedJpeg> image = DecodedJpeg::decode(programResource(id));
    if (!image)
        throw errors::Error(errors::number::InvalidPicture, L"Invalid picture");
    BITMAPINFO info{};
    info.bmiHeader = {
        sizeof(BITMAPINFOHEADER), image->width(), -image->height(), 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* pixels = nullptr;
    Picture picture;
    picture.bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (!picture.bitmap_)
        throw errors::Error(errors::number::OutOfMemory, L"Out of memory");
    picture.size_ = {image->width(), image->height()};
    image->copyTo(static_cast<std::uint32_t*>(pixels));
    return picture;
}

Picture& Picture::operator=(Picture&& other) noexcept {
    std::swap(bitmap_, other.bitmap_);
    std::swap(size_, other.size_);
    return *this;
}

Picture::~Picture() {
    if (bitmap_)
        DeleteObject(bitmap_);
}

void Picture::drawStretched(HDC dc, const RECT& target) const {
    if (!bitmap_)
        return;
    HDC source = CreateCompatibleDC(dc);
    const HGDIOBJ old = SelectObject(source, bitmap_);
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, target.left, target.top, target.right - target.left, target.bottom - target.top, source, 0,
               0, size_.cx, size_.cy, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
}

} // namespace forms
