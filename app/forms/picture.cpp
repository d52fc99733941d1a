#include "app/forms/picture.h"

#include "app/forms/error.h"

#include <wincodec.h>

namespace forms {

namespace {

// Owns one COM interface pointer.
template <typename Interface> class ComPtr {
  public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() {
        if (pointer_)
            pointer_->Release();
    }
    Interface* operator->() const { return pointer_; }
    Interface* get() const { return pointer_; }
    Interface** out() { return &pointer_; }

  private:
    Interface* pointer_ = nullptr;
};

void check(HRESULT result) {
    if (FAILED(result))
        throw Error(static_cast<std::int32_t>(result), L"Cannot decode the picture");
}

std::pair<const BYTE*, DWORD> resourceBytes(int id) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10)); // RT_RCDATA
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    if (!loaded)
        throw Error(error_number::InvalidPicture, L"Invalid picture");
    return {static_cast<const BYTE*>(LockResource(loaded)), SizeofResource(module, resource)};
}

} // namespace

Picture Picture::fromResource(int id) {
    const auto [bytes, size] = resourceBytes(id);
    ComPtr<IWICImagingFactory> factory;
    check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                           IID_PPV_ARGS(factory.out())));
    ComPtr<IWICStream> stream;
    check(factory->CreateStream(stream.out()));
    check(stream->InitializeFromMemory(const_cast<BYTE*>(bytes), size));
    ComPtr<IWICBitmapDecoder> decoder;
    check(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                           decoder.out()));
    ComPtr<IWICBitmapFrameDecode> frame;
    check(decoder->GetFrame(0, frame.out()));
    // The factory's converter, not WICConvertBitmapSource: no import of windowscodecs.dll, so
    // COM loads it by its registered path and never from the program's folder.
    ComPtr<IWICFormatConverter> converted;
    check(factory->CreateFormatConverter(converted.out()));
    check(converted->Initialize(frame.get(), GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr,
                                0.0, WICBitmapPaletteTypeCustom));
    UINT width = 0, height = 0;
    check(converted->GetSize(&width, &height));

    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER),
                      static_cast<LONG>(width),
                      -static_cast<LONG>(height),
                      1,
                      32,
                      BI_RGB,
                      0,
                      0,
                      0,
                      0,
                      0};
    void* pixels = nullptr;
    Picture picture;
    picture.bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (!picture.bitmap_)
        throw Error(error_number::OutOfMemory, L"Out of memory");
    picture.size_ = {static_cast<LONG>(width), static_cast<LONG>(height)};
    check(converted->CopyPixels(nullptr, width * 4, width * height * 4, static_cast<BYTE*>(pixels)));
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
