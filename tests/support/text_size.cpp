#include "tests/support/text_size.h"

#include "tests/support/test_support.h"

#include <commctrl.h>

#include <stdexcept>

namespace test {

namespace {

NONCLIENTMETRICSW currentMetrics() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        throw std::runtime_error("cannot read the system's metrics");
    return metrics;
}

// Sets the metrics for the session alone: the system sends WM_SETTINGCHANGE only with an
// update of the user's profile, so that is sent here, as the Settings app has it sent.
bool setMetrics(NONCLIENTMETRICSW metrics, bool announce) {
    if (!SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return false;
    if (announce)
        SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS,
                            reinterpret_cast<LPARAM>(L"WindowMetrics"), SMTO_ABORTIFHUNG, 2000, nullptr);
    return true;
}

SIZE sizeOf(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

// What a label's text needs on one line, in the label's font.
SIZE textNeeds(HWND label) {
    HDC dc = GetDC(label);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
    const std::wstring text = windowText(label);
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    return {extent.cx, metrics.tmHeight};
}

SIZE captionNeeds(HWND control) {
    wchar_t className[32] = L"";
    GetClassNameW(control, className, 32);
    if (lstrcmpiW(className, WC_BUTTONW) != 0)
        return textNeeds(control);
    SIZE ideal{}; // the whole button: its caption, and its edges or its option's circle
    SendMessageW(control, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal));
    return ideal;
}

BOOL CALLBACK noteClipped(HWND control, LPARAM found) {
    const bool shown = GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE; // in a window maybe not shown yet
    if (!shown || GetWindowTextLengthW(control) == 0)
        return TRUE;
    const SIZE needs = captionNeeds(control), has = sizeOf(control);
    if (needs.cx > has.cx || needs.cy > has.cy)
        reinterpret_cast<std::vector<CaptionClipped>*>(found)->push_back({GetDlgCtrlID(control), needs, has});
    return TRUE;
}

} // namespace

LONG messageFontHeightAt(int percent, UINT dpi) {
    return -MulDiv(9 * percent, static_cast<int>(dpi), 72 * 100);
}

TextSize::TextSize(int percent, bool announce) : saved_(currentMetrics()), announce_(announce) {
    NONCLIENTMETRICSW metrics = saved_;
    metrics.lfMessageFont.lfHeight = messageFontHeightAt(percent);
    if (!setMetrics(metrics, announce_))
        throw std::runtime_error("cannot set the system's metrics");
}

TextSize::~TextSize() {
    setMetrics(saved_, announce_);
}

std::vector<CaptionClipped> clippedCaptions(HWND window) {
    std::vector<CaptionClipped> found;
    EnumChildWindows(window, noteClipped, reinterpret_cast<LPARAM>(&found));
    return found;
}

} // namespace test
