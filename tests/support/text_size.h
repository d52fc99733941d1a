#pragma once
// The player's text size, as Windows' Accessibility settings make it: the system's message
// font at a percentage of its default 9 points, for as long as a TextSize lives.

#include <windows.h>

#include <vector>

namespace test {

// The message font's height (lfHeight) at the percentage of the default text size.
LONG messageFontHeightAt(int percent, UINT dpi = GetDpiForSystem());

class TextSize {
  public:
    // Sets the text size for this session of the system, not in the user's profile (under
    // Wine, new processes of the prefix see it too); with announce, every window is told, as
    // by the Settings app (WM_SETTINGCHANGE). Puts the size back as it was at the end, the same way.
    explicit TextSize(int percent, bool announce = false);
    ~TextSize();
    TextSize(const TextSize&) = delete;
    TextSize& operator=(const TextSize&) = delete;

  private:
    NONCLIENTMETRICSW saved_{};
    bool announce_;
};

// A caption that does not fit its control at the control's font: the control's id, the size
// that it needs and the size that it has.
struct CaptionClipped {
    int id;
    SIZE needs;
    SIZE has;
};

// The visible controls of a window and its frames whose caption, in the control's own font,
// does not fit in it: a label's text on one line, a button's or an option's as the control
// measures itself (BCM_GETIDEALSIZE).
std::vector<CaptionClipped> clippedCaptions(HWND window);

} // namespace test
