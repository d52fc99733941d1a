// The splash picture decoded by the program's own JPEG decoder is the picture that the
// system's imaging codecs (WIC) decode from the same bytes: the same size, and on average
// within 2 levels of each channel. A picture resource that does not decode is run-time
// error 481, which the error box shows before the program ends: never a broken window.

#include "errors/error.h"
#include "forms/controls/picture.h"
#include "forms/core/application.h"
#include "forms/platform/jpeg_decoder.h"
#include "resources/resource_ids.h"
#include "tests/test_resources.h"

#include <gtest/gtest.h>

#include <wincodec.h>

#include <cstdlib>
#include <vector>

namespace {

std::vector<std::uint8_t> splashJpeg() {
    const std::wstring exe = forms::applicationDirectory() + L"\\Trovane_Config.exe";
    HMODULE module =
        LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(IDR_SPLASH_PICTURE), MAKEINTRESOURCEW(10));
    const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(module, resource)));
    std::vector<std::uint8_t> jpeg(bytes, bytes + SizeofResource(module, resource));
    FreeLibrary(module);
    return jpeg;
}

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> bgrx;
};

// The JPEG as WIC decodes it, as 32-bit BGRX pixels; empty when WIC cannot.
Pixels decodeWithWic(std::vector<std::uint8_t>& jpeg) {
    Pixels image;
    IWICImagingFactory* factory = nullptr;
    IWICStream* stream = nullptr;
    IWICBitmapDecoder* decoder = nullptr;
    IWICBitmapFrameDecode* frame = nullptr;
    IWICFormatConverter* converter = nullptr;
    UINT width = 0, height = 0;
    if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_PPV_ARGS(&factory))) &&
        SUCCEEDED(factory->CreateStream(&stream)) &&
        SUCCEEDED(stream->InitializeFromMemory(jpeg.data(), static_cast<DWORD>(jpeg.size()))) &&
        SUCCEEDED(
            factory->CreateDecoderFromStream(stream, nullptr, WICDecodeMetadataCacheOnDemand, &decoder)) &&
        SUCCEEDED(decoder->GetFrame(0, &frame)) && SUCCEEDED(factory->CreateFormatConverter(&converter)) &&
        SUCCEEDED(converter->Initialize(frame, GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr,
                                        0.0, WICBitmapPaletteTypeCustom)) &&
        SUCCEEDED(converter->GetSize(&width, &height))) {
        image.bgrx.resize(std::size_t{width} * height);
        if (SUCCEEDED(converter->CopyPixels(nullptr, width * 4, width * height * 4,
                                            reinterpret_cast<BYTE*>(image.bgrx.data()))))
            image = {static_cast<int>(width), static_cast<int>(height), std::move(image.bgrx)};
    }
    for (IUnknown* object : std::initializer_list<IUnknown*>{converter, frame, decoder, stream, factory})
        if (object)
            object->Release();
    return image;
}

TEST(JpegDecoder, TheSplashPictureIsWhatWicDecodes) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::vector<std::uint8_t> jpeg = splashJpeg();
    const Pixels wic = decodeWithWic(jpeg);
    const std::optional<forms::DecodedJpeg> ours = forms::DecodedJpeg::decode(jpeg);
    CoUninitialize();
    ASSERT_TRUE(ours);
    ASSERT_EQ(wic.width, 469);
    ASSERT_EQ(wic.height, 254);
    ASSERT_EQ(ours->width(), wic.width);
    ASSERT_EQ(ours->height(), wic.height);
    std::vector<std::uint32_t> bgrx(wic.bgrx.size());
    ours->copyTo(bgrx.data());
    for (int shift : {0, 8, 16}) {
        double difference = 0;
        for (std::size_t i = 0; i < bgrx.size(); ++i)
            difference += std::abs(static_cast<int>(bgrx[i] >> shift & 0xFF) -
                                   static_cast<int>(wic.bgrx[i] >> shift & 0xFF));
        EXPECT_LE(difference / static_cast<double>(bgrx.size()), 2.0) << "channel at bit " << shift;
    }
}

TEST(Picture, AResourceThatIsNoPictureIsError481) {
    for (const int resource : {IDR_TEST_NOT_A_PICTURE, IDR_TEST_MISSING}) {
        try {
            forms::Picture::fromResource(resource);
            ADD_FAILURE() << "resource " << resource << " made a picture";
        } catch (const errors::Error& error) {
            EXPECT_EQ(error.number(), errors::number::InvalidPicture) << resource;
            EXPECT_EQ(error.description(), L"Invalid picture") << resource;
        }
    }
}

} // namespace
