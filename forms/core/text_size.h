#pragma once
// How big a form is laid out for the player's text size. A dialog laid out in dialog units
// grows with its font; a form's layout, in twips, grows the same way: at the default text
// size (a message font of 9 points or less) it is laid out at the DPI, and where the player
// made text bigger, at a DPI larger in proportion to the message font. Where the grown
// window would not fit the screen's work area, layout and font shrink together to the
// largest size that fits, so that every caption still fits its control, but never below
// the default text size's.

#include <windows.h>

namespace forms {

struct FormScale {
    UINT layoutDpi = USER_DEFAULT_SCREEN_DPI; // the pixels per inch that the twips are laid out at
    LONG fontHeight = 0;                      // the controls' font, as LOGFONTW's lfHeight
    bool operator==(const FormScale&) const = default;
};

// The scale at the DPI for a message font of that height (lfHeight) and a client area of
// those twips, in room pixels at most (the work area less the window's frame).
FormScale scaleForTextSize(UINT dpi, LONG messageFontHeight, SIZE clientTwips, SIZE room);

} // namespace forms
