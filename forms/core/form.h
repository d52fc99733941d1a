#pragma once
// A window of the program, built from its layout rows. Each concrete form binds its
// controls by name and overrides the event handlers it has.

#include "forms/core/control.h"
#include "forms/core/control_array.h"
#include "forms/core/control_collection.h"
#include "forms/core/layout.h"
#include "forms/core/navigation.h"
#include "forms/core/text_size.h"
#include "forms/core/tooltips.h"
#include "forms/platform/fonts.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace forms {

// The window class of every form.
inline constexpr wchar_t kFormClass[] = L"TrovaneForm";

class Form : public ControlCollection, public WindowObject {
  public:
    Form(const FormSpec& spec, std::span<const ControlSpec> layout);
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Creates the window and its controls unless they were made in advance, runs Form_Load,
    // then fits the font to the captions it left; nothing when loaded already.
    void load();
    // Creates the window and its controls, hidden, without running Form_Load: in advance
    // of a load, or for measuring.
    void create();
    // Shows the window modeless with no owner, loading it first.
    void show();
    // Raises Form_Unload; unless it sets Cancel, destroys the window and its controls.
    void unload();

    bool isLoaded() const { return hwnd_ != nullptr; }
    HWND hwnd() const { return hwnd_; }
    UINT dpi() const { return dpi_; }
    // The pixels per inch that the layout's twips are laid out at: the DPI, grown with the
    // player's text size (forms/core/text_size.h).
    UINT layoutDpi() const { return scale_.layoutDpi; }

    int count() const override { return static_cast<int>(controls_.size()); }
    Control& controls(int index) const override;

    // Gives the controls one font that has every character of their captions and tool
    // tips, and the digits and minus sign that a number caption can show.
    void fitFont();
    // The face of the controls' font; empty for the system's message font.
    const std::wstring& fontFace() const { return fontFace_; }

    // The caption of a control by name, or empty.
    std::wstring captionOf(std::wstring_view name) const;
    ToolTips& toolTips() { return *toolTips_; }

    // Takes a navigation action, from whatever device; true when the form took it. A form
    // takes none while a handler runs: the only input taken then is its message box's.
    bool navigate(Navigation action);

    // Hands a control's notification (WM_COMMAND, WM_HSCROLL) to the control; true when handled.
    static bool routeToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  protected:
    virtual void Form_Load() {}
    virtual void Form_Unload(std::int16_t& /*Cancel*/) {}
    // Faces to try, in order, when the message font lacks a character the form shows.
    virtual std::span<const wchar_t* const> preferredFontFaces() const { return {}; }
    // The font compiled into the program for systems where no installed face has them all.
    virtual CompiledInFont lastResortFont() const { return {}; }

    template <typename ControlType> ControlType& control(std::wstring_view name) const;
    template <typename ControlType> ControlArray<ControlType> controlArray(std::wstring_view name) const;

  private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    DWORD windowStyle() const;
    FormScale scaleAt(UINT dpi, HMONITOR monitor) const;
    SIZE outerSize(UINT dpi, UINT layoutDpi) const;
    RECT keptOnScreen(SIZE size) const;
    void createWindow();
    void createControls();
    void stackControlsInReadingOrder();
    void setIcon();
    void destroyIcons();
    void applyDpi(UINT dpi, const RECT* placed = nullptr);
    void onSettingChange();
    std::wstring shownText() const;
    void onDestroyed();
    void onActivate(bool active);
    void onFocus(HWND previous);
    void onTimer(UINT_PTR id);
    FormControl* findControl(std::wstring_view name, int index) const;

    // Navigation (form_navigation.cpp, and the moves by place on screen in form_moves.cpp).
    bool takeNavigation(Navigation action);
    FormControl* focusedControl() const;
    std::vector<FormControl*> tabStops() const;
    std::vector<FormControl*> groupOf(const FormControl& member) const;
    FormControl* focusTarget(FormControl* stop) const;
    FormControl* initialFocus() const;
    void moveFocusByTab(bool backward);
    bool moveWithinGroup(FormControl* from, int step);
    void showFocusCue();
    void move(FormControl* focused, Navigation direction);
    FormControl* nearestStop(const FormControl& from, Navigation direction) const;

    const FormSpec& spec_;
    std::vector<std::unique_ptr<FormControl>> controls_; // in layout order
    HWND hwnd_ = nullptr;
    HFONT font_ = nullptr;
    std::array<HICON, 2> icons_{}; // by ICON_SMALL and ICON_BIG, destroyed with the window
    std::wstring fontFace_;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    FormScale scale_;
    std::unique_ptr<ToolTips> toolTips_;
    HWND lastFocus_ = nullptr;
    bool unloading_ = false;
    bool loadHandled_ = false; // Form_Load has run for this window
};

// The one default instance of a form class, created on first use and kept for the
// rest of the run.
template <typename FormType> FormType& defaultInstance() {
    static FormType* const instance = new FormType();
    return *instance;
}

template <typename ControlType> ControlType& Form::control(std::wstring_view name) const {
    auto* found = dynamic_cast<ControlType*>(findControl(name, kNotAnArray));
    if (!found)
        throw errors::Error(errors::number::ObjectRequired, L"Object required: " + std::wstring(name));
    return *found;
}

template <typename ControlType> ControlArray<ControlType> Form::controlArray(std::wstring_view name) const {
    std::vector<ControlType*> elements;
    for (const auto& candidate : controls_)
        if (candidate->name() == name && candidate->index() >= 0) {
            const auto index = static_cast<std::size_t>(candidate->index());
            elements.resize(std::max(elements.size(), index + 1));
            elements[index] = dynamic_cast<ControlType*>(candidate.get());
        }
    return ControlArray<ControlType>(std::move(elements));
}

} // namespace forms
