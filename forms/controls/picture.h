#pragma once
// A picture decoded from a JPEG that the program carries in its resources.

#include <windows.h>

namespace forms {

class Picture {
  public:
    Picture() = default;
    // Decodes the JPEG in the RCDATA resource `id` of the running program.
    static Picture fromResource(int id);

    Picture(Picture&& other) noexcept : bitmap_(other.bitmap_), size_(other.size_) {
        other.bitmap_ = nullptr;
    }
    Picture& operator=(Picture&& other) noexcept;
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
    ~Picture();

    SIZE size() const { return size_; }
    // Draws the whole picture scaled into the rectangle.
    void drawStretched(HDC dc, const RECT& target) const;

  private:
    HBITMAP bitmap_ = nullptr;
    SIZE size_{};
};

} // namespace forms
