#include "app/forms/control.h"

#include "app/forms/dpi.h"
#include "app/forms/error.h"
#include "app/forms/form.h"
#include "app/forms/window_class.h"

namespace forms {

namespace {
constexpr wchar_t kReplacedProcedure[] = L"TrovaneReplacedProcedure";
} // namespace

std::wstring Control::getProperty(std::wstring_view property) const {
    throw propertyNotSupportedError(property);
}

void Control::setProperty(std::wstring_view property, const std::wstring&) {
    throw propertyNotSupportedError(property);
}

FormControl* FormControl::fromWindow(HWND window) {
    return static_cast<FormControl*>(attachedObject(window));
}

void FormControl::create(HWND parent, int id, UINT dpi, HFONT font) {
    const DWORD visible = spec_.visible ? WS_VISIBLE : 0;
    hwnd_ = CreateWindowExW(0, windowClass(), L"", WS_CHILD | WS_CLIPSIBLINGS | visible | windowStyle(), 0, 0,
                            0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleW(nullptr), nullptr);
    if (!hwnd_)
        throw Error(static_cast<std::int32_t>(GetLastError()),
                    L"Cannot create control " + std::wstring(name()));
    attachObject(hwnd_, this);
    const LONG_PTR replaced = SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(windowProc));
    SetPropW(hwnd_, kReplacedProcedure, reinterpret_cast<HANDLE>(replaced));
    initialise();
    relayout(dpi, font);
}

// The procedure that the control's window had before ours does everything but answer
// assistive software: the class's, or another subclass's (a hook may subclass a window as
// it is created). It is kept with the window until the window's last message.
LRESULT CALLBACK FormControl::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT)
        if (const LRESULT object = accessibleObjectResult(window, wParam))
            return object;
    const auto replaced = reinterpret_cast<WNDPROC>(GetPropW(window, kReplacedProcedure));
    if (message == WM_NCDESTROY)
        RemovePropW(window, kReplacedProcedure);
    return CallWindowProcW(replaced, window, message, wParam, lParam);
}

void FormControl::relayout(UINT dpi, HFONT font) {
    if (!hwnd_)
        return;
    const Twips& r = spec_.rect;
    SetWindowPos(hwnd_, HWND_TOP, twipsToPixels(r.left, dpi), twipsToPixels(r.top, dpi),
                 twipsToPixels(r.width, dpi), twipsToPixels(r.height, dpi), SWP_NOACTIVATE);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void FormControl::destroyed() {
    if (hwnd_)
        detachObject(hwnd_);
    hwnd_ = nullptr;
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
    if (hwnd())
        form().toolTips().set(hwnd(), toolTipText_);
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
    form().toolTips().set(hwnd(), toolTipText_);
}

} // namespace forms
