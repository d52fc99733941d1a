#include "forms/controls/frame.h"

#include "forms/accessibility/accessible.h"
#include "forms/controls/label.h"
#include "forms/controls/option_button.h"
#include "forms/core/form.h"
#include "forms/platform/window_class.h"

#include <oleacc.h>

namespace forms {

namespace {

constexpr wchar_t kFrameClass[] = L"TrovaneFrame";

void paintFrame(HWND frame) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(frame, &paint);
    RECT box;
    GetClientRect(frame, &box);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(frame, WM_GETFONT, 0, 0));
    const HGDIOBJ oldFont = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    // As a group box: the top line runs through the middle of the caption's line.
    box.top += metrics.tmHeight / 2;
    DrawEdge(dc, &box, EDGE_ETCHED, BF_RECT);
    wchar_t caption[256];
    const int length = GetWindowTextW(frame, caption, static_cast<int>(std::size(caption)));
    if (length > 0) {
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        RECT text{metrics.tmAveCharWidth, 0, box.right - metrics.tmAveCharWidth, metrics.tmHeight};
        DrawTextW(dc, caption, length, &text, DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    SelectObject(dc, oldFont);
    EndPaint(frame, &paint);
}

LRESULT CALLBACK frameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (Form::routeToControl(message, wParam, lParam, result))
        return result;
    auto* control = objectOf<Frame>(frame);
    switch (message) {
    case WM_SETFONT:
        if (control)
            control->setFont(reinterpret_cast<HFONT>(wParam));
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(control ? control->font() : nullptr);
    case WM_SETTEXT:
        result = DefWindowProcW(frame, message, wParam, lParam);
        InvalidateRect(frame, nullptr, TRUE);
        return result;
    case WM_PAINT:
        paintFrame(frame);
        return 0;
    }
    return DefWindowProcW(frame, message, wParam, lParam);
}

} // namespace

AccessibleFacts Frame::accessibleFacts() const {
    bool holdsOptions = false;
    for (int index = 0; index < form().count(); ++index)
        if (const auto* option = dynamic_cast<const OptionButton*>(&form().controls(index)))
            holdsOptions = holdsOptions || option->spec().container == name();
    return {.role = ROLE_SYSTEM_GROUPING, .name = holdsOptions ? labelCaptionIn(form(), name()) : L""};
}

void Frame::initialise() {
    CaptionedControl::initialise();
    answerAssistiveSoftware(hwnd());
}

const wchar_t* Frame::windowClass() const {
    registerWindowClass(kFrameClass, frameProc, faceBrush());
    return kFrameClass;
}

} // namespace forms
