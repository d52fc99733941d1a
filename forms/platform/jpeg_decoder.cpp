#include "forms/platform/jpeg_decoder.h"

#include <climits>

// stb_image, for baseline and progressive JPEG only, from memory only.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_JPEG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_NO_FAILURE_STRINGS
#include <stb_image.h>

namespace forms {

std::optional<DecodedJpeg> DecodedJpeg::decode(std::span<const std::uint8_t> bytes) {
    if (bytes.size() > INT_MAX)
        return std::nullopt;
    DecodedJpeg image;
    int channels = 0;
    image.rgb_.reset(stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &image.width_,
                                           &image.height_, &channels, 3));
    if (!image.rgb_)
        return std::nullopt;
    return image;
}

void DecodedJpeg::copyTo(std::uint32_t* pixels) const {
    const std::size_t count = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
    const unsigned char* rgb = rgb_.get();
    for (std::size_t i = 0; i < count; ++i, rgb += 3)
        pixels[i] =
            static_cast<std::uint32_t>(rgb[0]) << 16 | static_cast<std::uint32_t>(rgb[1]) << 8 | rgb[2];
}

void DecodedJpeg::Free::operator()(unsigned char* rgb) const {
    stbi_image_free(rgb);
}

} // namespace forms
