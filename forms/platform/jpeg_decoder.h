#pragma once
// Decodes a JPEG with a small decoder compiled into the program, so that showing a
// picture needs neither COM nor the system's imaging codecs.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>

namespace forms {

class DecodedJpeg {
  public:
    // The image, or nothing when the bytes are not a JPEG it can decode.
    static std::optional<DecodedJpeg> decode(std::span<const std::uint8_t> bytes);

    int width() const { return width_; }
    int height() const { return height_; }
    // Writes the pixels, rows top to bottom, each as 0x00RRGGBB (a 32-bit DIB's BGRX).
    void copyTo(std::uint32_t* pixels) const;

  private:
    struct Free {
        void operator()(unsigned char* rgb) const;
    };
    int width_ = 0;
    int height_ = 0;
    std::unique_ptr<unsigned char, Free> rgb_; // as decoded, three bytes a pixel
};

} // namespace forms
