#pragma once
// The tool tips of one form's controls.

#include <windows.h>

#include <string>

namespace forms {

class ToolTips {
  public:
    explicit ToolTips(HWND owner) : owner_(owner) {}
    ToolTips(const ToolTips&) = delete;
    ToolTips& operator=(const ToolTips&) = delete;

    // Shows the text when the mouse rests on the control; an empty text shows none.
    void set(HWND control, const std::wstring& text);
    // The font the tips are drawn with: the form's, which has every character they show.
    void setFont(HFONT font);

  private:
    HWND owner_;
    HWND window_ = nullptr;
    HFONT font_ = nullptr;
};

} // namespace forms
