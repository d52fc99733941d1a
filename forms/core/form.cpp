#include "forms/core/form.h"

#include "forms/core/events.h"
#include "forms/core/reading_order.h"
#include "forms/platform/dpi.h"
#include "forms/platform/fonts.h"
#include "forms/platform/screen.h"
#include "forms/platform/window_class.h"

#include <map>
#include <utility>
#include <vector>

namespace forms {

namespace {

int loadedForms = 0;

POINT centredIn(const RECT& area, SIZE size) {
    return {area.left + (area.right - area.left - size.cx) / 2,
            area.top + (area.bottom - area.top - size.cy) / 2};
}

HMONITOR monitorOf(HWND window) {
    return MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
}

} // namespace

Form::Form(const FormSpec& spec, std::span<const ControlSpec> layout) : spec_(spec) {
    for (const ControlSpec& row : layout)
        controls_.push_back(row.kind(*this, row));
}

Form::~Form() {
    if (hwnd_)
        DestroyWindow(hwnd_);
}

void Form::load() {
    if (loadHandled_)
        return;
    create(); // nothing when it was made in advance
    loadHandled_ = true;
    countHandlerRun();
    Form_Load();
    if (isLoaded())
        fitFont();
}

void Form::create() {
    if (isLoaded())
        return;
    registerWindowClass(kFormClass, windowProc, faceBrush());
    createWindow();
    ++loadedForms;
    toolTips_ = std::make_unique<ToolTips>(hwnd_);
    applyDpi(windowDpi(hwnd_));
    createControls();
    if (FormControl* first = initialFocus())
        lastFocus_ = first->hwnd();
}

void Form::show() {
    load();
    ShowWindow(hwnd_, SW_SHOW);
    UpdateWindow(hwnd_);
    if (lastFocus_)
        SetFocus(lastFocus_);
}

void Form::unload() {
    if (!isLoaded() || unloading_)
        return;
    unloading_ = true;
    std::int16_t cancel = 0;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{unloading_};
    countHandlerRun();
    Form_Unload(cancel);
    if (cancel == 0)
        DestroyWindow(hwnd_);
}

Control& Form::controls(int index) const {
    if (index < 0 || index >= count())
        throw errors::Error(errors::number::SubscriptOutOfRange, L"Subscript out of range");
    return *controls_[static_cast<std::size_t>(index)];
}

std::wstring Form::captionOf(std::wstring_view name) const {
    const auto* captioned = dynamic_cast<const CaptionedControl*>(findControl(name, kNotAnArray));
    return captioned ? captioned->caption() : std::wstring();
}

bool Form::routeToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if ((message != WM_COMMAND && message != WM_HSCROLL) || lParam == 0)
        return false;
    FormControl* control = objectOf<FormControl>(reinterpret_cast<HWND>(lParam));
    if (!control)
        return false;
    const WORD code = message == WM_COMMAND ? HIWORD(wParam) : LOWORD(wParam);
    runEvent([&] { message == WM_COMMAND ? control->onCommand(code) : control->onScroll(code); });
    result = 0;
    return true;
}

LRESULT CALLBACK Form::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        attachObject(window, form);
        form->hwnd_ = window;
    }
    Form* form = objectOf<Form>(window);
    return form ? form->handleMessage(message, wParam, lParam)
                : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Form::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (routeToControl(message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_CLOSE:
        runEvent([this] { unload(); });
        return 0;
    case WM_TIMER:
        onTimer(wParam);
        return 0;
    case WM_ACTIVATE:
        onActivate(LOWORD(wParam) != WA_INACTIVE);
        return 0;
    case WM_SETFOCUS:
        onFocus(reinterpret_cast<HWND>(wParam));
        return 0;
    case WM_GETDPISCALEDSIZE: { // the size to suggest, so that a dragged window stays under the cursor
        const auto dpi = static_cast<UINT>(wParam);
        *reinterpret_cast<SIZE*>(lParam) = outerSize(dpi, scaleAt(dpi, monitorOf(hwnd_)).layoutDpi);
        return TRUE;
    }
    case WM_DPICHANGED:
        applyDpi(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_SETTINGCHANGE:
        onSettingChange();
        return 0;
    case WM_DESTROY:
        onDestroyed();
        return 0;
    case WM_NCDESTROY:
        detachObject(hwnd_);
        hwnd_ = nullptr;
        destroyIcons();
        if (--loadedForms == 0)
            PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

DWORD Form::windowStyle() const {
    const DWORD frame =
        spec_.border == BorderStyle::None ? WS_POPUP : WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    return frame | WS_CLIPCHILDREN;
}

// The layout's scale at the DPI for the player's text size, within the monitor's work area.
FormScale Form::scaleAt(UINT dpi, HMONITOR monitor) const {
    const LONG fontHeight = messageFont(dpi).lfHeight;
    if (!spec_.growsWithText)
        return {dpi, fontHeight};
    const RECT work = workAreaOf(monitor);
    const RECT frame = outerRectForClient({0, 0}, windowStyle(), 0, dpi);
    const SIZE room{(work.right - work.left) - (frame.right - frame.left),
                    (work.bottom - work.top) - (frame.bottom - frame.top)};
    return scaleForTextSize(dpi, fontHeight, {spec_.clientWidth, spec_.clientHeight}, room);
}

// The window's outer size at the DPI, for its client area in twips laid out at layoutDpi.
SIZE Form::outerSize(UINT dpi, UINT layoutDpi) const {
    const SIZE client{twipsToPixels(spec_.clientWidth, layoutDpi),
                      twipsToPixels(spec_.clientHeight, layoutDpi)};
    const RECT outer = outerRectForClient(client, windowStyle(), 0, dpi);
    return {outer.right - outer.left, outer.bottom - outer.top};
}

// The window's rectangle at the size, where it is, moved within its monitor's work area.
RECT Form::keptOnScreen(SIZE size) const {
    RECT now;
    GetWindowRect(hwnd_, &now);
    return keptWithin({now.left, now.top, now.left + size.cx, now.top + size.cy},
                      workAreaOf(monitorOf(hwnd_)));
}

void Form::createWindow() {
    const UINT dpi = systemDpi();
    const SIZE size = outerSize(dpi, scaleAt(dpi, primaryMonitor()).layoutDpi);
    const POINT at = centredIn(workAreaOf(primaryMonitor()), size);
    const std::wstring caption(spec_.caption);
    CreateWindowExW(0, kFormClass, caption.c_str(), windowStyle(), at.x, at.y, size.cx, size.cy, nullptr,
                    nullptr, GetModuleHandleW(nullptr), this);
    if (!hwnd_)
        throw errors::Error(static_cast<std::int32_t>(GetLastError()),
                            L"Cannot create the window " + caption);
}

void Form::createControls() {
    int id = 0;
    for (const auto& control : controls_) {
        const std::wstring_view container = control->spec().container;
        HWND parent = container.empty() ? hwnd_ : findControl(container, kNotAnArray)->hwnd();
        control->create(parent, ++id, scale_.layoutDpi, font_, *toolTips_);
    }
    stackControlsInReadingOrder();
}

void Form::stackControlsInReadingOrder() {
    std::map<std::wstring_view, std::vector<const ControlSpec*>> containers;
    for (const auto& control : controls_)
        containers[control->spec().container].push_back(&control->spec());
    for (const auto& [container, rows] : containers) {
        HWND above = HWND_TOP;
        for (const ControlSpec* row : readingOrder(rows)) {
            FormControl& control = *findControl(row->name, row->index);
            SetWindowPos(control.hwnd(), above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            control.leaveOverlaps(overlapsLeftTo(*row, rows), scale_.layoutDpi);
            above = control.hwnd();
        }
    }
}

// The icon's images of the sizes that the window's DPI asks for (the icon holds them all).
void Form::setIcon() {
    if (!spec_.icon)
        return;
    for (const auto& [which, metric] :
         {std::pair<WPARAM, int>{ICON_BIG, SM_CXICON}, {ICON_SMALL, SM_CXSMICON}}) {
        const int size = systemMetric(metric, dpi_);
        const HICON previous =
            std::exchange(icons_[which], static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                                                       MAKEINTRESOURCEW(spec_.icon),
                                                                       IMAGE_ICON, size, size, 0)));
        SendMessageW(hwnd_, WM_SETICON, which, reinterpret_cast<LPARAM>(icons_[which]));
        if (previous)
            DestroyIcon(previous);
    }
}

void Form::destroyIcons() {
    for (HICON& icon : icons_)
        if (icon)
            DestroyIcon(std::exchange(icon, nullptr));
}

// Lays out the window and every control for the DPI and the player's text size, with the
// form's font at that size; in the rectangle given, as the system suggests it, in one step,
// or else where the window is, kept on screen. All of it is then drawn anew: Windows keeps
// the old pixels of what did not move.
void Form::applyDpi(UINT dpi, const RECT* placed) {
    HFONT oldFont = font_;
    dpi_ = dpi;
    scale_ = scaleAt(dpi_, placed ? MonitorFromRect(placed, MONITOR_DEFAULTTONEAREST) : monitorOf(hwnd_));
    font_ = createFormFont(dpi_, scale_.fontHeight, fontFace_);
    toolTips_->setFont(font_);
    setIcon();
    const RECT at = placed ? *placed : keptOnScreen(outerSize(dpi_, scale_.layoutDpi));
    SetWindowPos(hwnd_, nullptr, at.left, at.top, at.right - at.left, at.bottom - at.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    for (const auto& control : controls_)
        control->relayout(scale_.layoutDpi, font_);
    if (oldFont)
        DeleteObject(oldFont);
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

// The player may have changed the text size, or the work area may have changed: whichever
// setting it was, the window lays itself out again when its scale is no longer the same.
void Form::onSettingChange() {
    if (toolTips_ && scaleAt(dpi_, monitorOf(hwnd_)) != scale_)
        applyDpi(dpi_);
}

void Form::fitFont() {
    const std::wstring face = chooseFontFace(dpi_, shownText(), preferredFontFaces(), lastResortFont());
    if (face == fontFace_)
        return;
    fontFace_ = face;
    applyDpi(dpi_);
}

std::wstring Form::shownText() const {
    std::wstring text = L"0123456789-";
    for (const auto& control : controls_)
        if (const auto* captioned = dynamic_cast<const CaptionedControl*>(control.get()))
            text += captioned->caption() + captioned->toolTipText();
    return text;
}

void Form::onDestroyed() {
    loadHandled_ = false;
    for (const auto& control : controls_)
        control->destroyed();
    toolTips_.reset();
    if (font_)
        DeleteObject(font_);
    font_ = nullptr;
    fontFace_.clear();
    lastFocus_ = nullptr;
}

// Keeps the focused control across deactivation, as a dialog does.
void Form::onActivate(bool active) {
    HWND focus = GetFocus();
    if (!active && focus && IsChild(hwnd_, focus))
        lastFocus_ = focus;
    else if (active && lastFocus_ && IsWindow(lastFocus_))
        SetFocus(lastFocus_);
}

// The window itself takes no input: the control that had the focus last gets it.
void Form::onFocus(HWND previous) {
    if (previous && IsChild(hwnd_, previous))
        lastFocus_ = previous;
    if (lastFocus_ && IsWindow(lastFocus_))
        SetFocus(lastFocus_);
}

void Form::onTimer(UINT_PTR id) {
    for (const auto& control : controls_)
        control->onFormTimer(id);
}

FormControl* Form::findControl(std::wstring_view name, int index) const {
    for (const auto& control : controls_)
        if (control->name() == name && control->index() == index)
            return control.get();
    return nullptr;
}

} // namespace forms
