#pragma once
// DPI helpers. The newer per-monitor functions are looked up at run time so that the
// program still starts on systems that lack them; there it falls back to the system DPI.

#include <windows.h>

namespace forms {

inline constexpr int kTwipsPerInch = 1440;

UINT systemDpi();
UINT windowDpi(HWND window);
int twipsToPixels(int twips, UINT dpi);

// Outer window rectangle (at 0,0) whose client area is the given size at the given DPI.
RECT outerRectForClient(SIZE client, DWORD style, DWORD exStyle, UINT dpi);

// A system metric (GetSystemMetrics) at the given DPI.
int systemMetric(int index, UINT dpi);

// The system's message font at the given DPI.
LOGFONTW messageFont(UINT dpi);

} // namespace forms
