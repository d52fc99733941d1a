#include "forms/core/text_size.h"

#include "forms/platform/dpi.h"

#include <cstdlib>

namespace forms {

namespace {

constexpr int kDefaultTextPoints = 9;
constexpr int kPointsPerInch = 72;

bool fits(SIZE clientTwips, UINT layoutDpi, SIZE room) {
    return twipsToPixels(clientTwips.cx, layoutDpi) <= room.cx &&
           twipsToPixels(clientTwips.cy, layoutDpi) <= room.cy;
}

} // namespace

FormScale scaleForTextSize(UINT dpi, LONG messageFontHeight, SIZE clientTwips, SIZE room) {
    // A positive height is the cell's, a little more than the characters': near enough here.
    const int height = std::abs(static_cast<int>(messageFontHeight));
    const int defaultHeight = MulDiv(kDefaultTextPoints, static_cast<int>(dpi), kPointsPerInch);
    if (height <= defaultHeight)
        return {dpi, messageFontHeight};
    const auto grown = static_cast<UINT>(MulDiv(static_cast<int>(dpi), height, defaultHeight));
    UINT layoutDpi = grown;
    while (layoutDpi > dpi && !fits(clientTwips, layoutDpi, room))
        --layoutDpi;
    if (layoutDpi == grown)
        return {grown, messageFontHeight};
    return {layoutDpi, MulDiv(messageFontHeight, static_cast<int>(layoutDpi), static_cast<int>(grown))};
}

} // namespace forms
