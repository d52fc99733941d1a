#include "forms/core/control.h"

#include "errors/error.h"
#include "forms/core/tooltips.h"
#include "forms/platform/dpi.h"
#include "forms/platform/window_class.h"

#include <utility>

namespace forms {

std::wstring Control::getProperty(std::wstring_view property) const {
    throw errors::propertyNotSupportedError(property);
}

void Control::setProperty(std::wstring_view property, const std::wstring&) {
    throw errors::propertyNotSupportedError(property);
}

void FormControl::create(HWND parent, int id, UINT dpi, HFONT font, ToolTips& toolTips) {
    toolTips_ = &toolTips;
    const DWORD visible = spec_.visible ? WS_VISIBLE : 0;
    hwnd_ = CreateWindowExW(0, windowClass(), L"", WS_CHILD | WS_CLIPSIBLINGS | visible | windowStyle(), 0, 0,
                            0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleW(nullptr), nullptr);
    if (!hwnd_)
        throw errors::Error(static_cast<std::int32_t>(GetLastError()),
                            L"Cannot create control " + std::wstring(name()));
    attachObject(hwnd_, this);
    initialise();
    relayout(dpi, font);
}

void FormControl::relayout(UINT dpi, HFONT font) {
    if (!hwnd_)
        return;
    const Twips& r = spec_.rect;
    SetWindowPos(hwnd_, nullptr, twipsToPixels(r.left, dpi), twipsToPixels(r.top, dpi),
                 twipsToPixels(r.width, dpi), twipsToPixels(r.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    shapeWindow(dpi);
}

void FormControl::leaveOverlaps(std::vector<Twips> others, UINT dpi) {
    overlapsLeft_ = std::move(others);
    shapeWindow(dpi);
}

// The window's region: all of it but what it leaves to others, placed as their windows are.
void FormControl::shapeWindow(UINT dpi) const {
    if (!hwnd_ || overlapsLeft_.empty())
        return;
    const Twips& r = spec_.rect;
    const int left = twipsToPixels(r.left, dpi), top = twipsToPixels(r.top, dpi);
    HRGN region = CreateRectRgn(0, 0, twipsToPixels(r.width, dpi), twipsToPixels(r.height, dpi));
    for (const Twips& other : overlapsLeft_) {
        const int otherLeft = twipsToPixels(other.left, dpi) - left,
                  otherTop = twipsToPixels(other.top, dpi) - top;
        HRGN cut = CreateRectRgn(otherLeft, otherTop, otherLeft + twipsToPixels(other.width, dpi),
                                 otherTop + twipsToPixels(other.height, dpi));
        CombineRgn(region, region, cut, RGN_DIFF);
        DeleteObject(cut);
    }
    SetWindowRgn(hwnd_, region, TRUE); // the window owns the region from here on
}

void FormControl::destroyed() {
    if (hwnd_)
        detachObject(hwnd_);
    hwnd_ = nullptr;
    toolTips_ = nullptr;
}

bool inSameGroup(const FormControl* a, const FormControl* b) {
    return a && b && a->inExclusiveGroup() && b->inExclusiveGroup() &&
           a->spec().container == b->spec().container;
}

void CaptionedControl::setCaption(const std::wstring& caption) {
    if (caption == caption_)
        return; // the window shows it already
    caption_ = caption;
    if (hwnd())
        SetWindowTextW(hwnd(), caption_.c_str());
}

void CaptionedControl::setToolTipText(const std::wstring& text) {
    toolTipText_ = text;
    if (hwnd() && toolTips())
        toolTips()->set(hwnd(), toolTipText_);
}

std::wstring CaptionedControl::getProperty(std::wstring_view property) const {
    if (property == L"Caption")
        return caption();
    if (property == L"ToolTipText")
        return toolTipText();
    return FormControl::getProperty(property);
}

void CaptionedControl::setProperty(std::wstring_view property, const std::wstring& value) {
    if (property == L"Caption")
        setCaption(value);
    else if (property == L"ToolTipText")
        setToolTipText(value);
    else
        FormControl::setProperty(property, value);
}

void CaptionedControl::initialise() {
    SetWindowTextW(hwnd(), caption_.c_str());
    toolTips()->set(hwnd(), toolTipText_);
}

} // namespace forms
