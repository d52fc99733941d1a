#include "forms/platform/screen.h"

#include <algorithm>

namespace forms {

namespace {

// The start of a span of that length moved within [low, high), or to low where it is longer.
LONG keptStart(LONG start, LONG length, LONG low, LONG high) {
    return std::max(low, std::min(start, high - length));
}

} // namespace

RECT workAreaOf(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info))
        return info.rcWork;
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

HMONITOR primaryMonitor() {
    return MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
}

RECT keptWithin(RECT rect, const RECT& area) {
    const LONG width = rect.right - rect.left, height = rect.bottom - rect.top;
    const LONG left = keptStart(rect.left, width, area.left, area.right);
    const LONG top = keptStart(rect.top, height, area.top, area.bottom);
    return {left, top, left + width, top + height};
}

} // namespace forms
