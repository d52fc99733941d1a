#pragma once
// Controls of a form. `Control` is what the window's control collection hands out:
// a type name and properties by name. `FormControl` is a control built from a layout row.

#include "forms/core/accessible_facts.h"
#include "forms/core/layout.h"
#include "forms/platform/window_class.h"

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

class Form;
class ToolTips;

class Control {
  public:
    virtual ~Control() = default;

    // The toolkit's type name: "Label", "CommandButton", "OptionButton", ...
    virtual std::wstring_view typeName() const = 0;
    bool isType(std::wstring_view type) const { return typeName() == type; }

    // Properties by name, as text; a property the type lacks raises error 438.
    virtual std::wstring getProperty(std::wstring_view property) const;
    virtual void setProperty(std::wstring_view property, const std::wstring& value);
};

class FormControl : public Control, public WindowObject {
  public:
    FormControl(Form& form, const ControlSpec& spec) : form_(form), spec_(spec) {}

    const ControlSpec& spec() const { return spec_; }
    std::wstring_view name() const { return spec_.name; }
    int index() const { return spec_.index; }
    HWND hwnd() const { return hwnd_; }
    Form& form() const { return form_; }

    // Creates the control's window inside its container, from the layout row, with the tool
    // tips of its form. The id is the control's place in its form's collection plus one, for
    // automation and tests.
    virtual void create(HWND parent, int id, UINT dpi, HFONT font, ToolTips& toolTips);
    // Places the control for a new DPI and gives it the form's font.
    virtual void relayout(UINT dpi, HFONT font);
    // Leaves the screen where it overlaps these rectangles of its container (in twips) to the
    // controls there, for clicks and painting (forms/core/reading_order.h).
    void leaveOverlaps(std::vector<Twips> others, UINT dpi);
    // The window is going (destroyed with its form).
    void destroyed();

    virtual bool canTakeFocus() const { return false; }
    // A member of an exclusive group: the option buttons of one container are one group.
    virtual bool inExclusiveGroup() const { return false; }
    virtual bool selected() const { return false; }
    // Does what a click does (presses a button, selects an option); false where a click does
    // nothing.
    virtual bool press() { return false; }
    // Moves the control's value by an amount, within its range (a scroll bar); false for a
    // control without one.
    virtual bool stepBy(int /*amount*/) { return false; }
    // What assistive software reads of the control; by default the standard object's.
    virtual AccessibleFacts accessibleFacts() const { return {}; }
    virtual void onCommand(WORD /*notification*/) {}
    virtual void onScroll(WORD /*request*/) {}
    // A WM_TIMER of the form.
    virtual void onFormTimer(UINT_PTR /*id*/) {}

  protected:
    virtual const wchar_t* windowClass() const = 0;
    virtual DWORD windowStyle() const = 0;
    // Puts the control's state into its new window.
    virtual void initialise() {}
    // The tool tips of its form's window, while it has one.
    ToolTips* toolTips() const { return toolTips_; }

  private:
    void shapeWindow(UINT dpi) const;

    Form& form_;
    const ControlSpec& spec_;
    HWND hwnd_ = nullptr;
    std::vector<Twips> overlapsLeft_;
    ToolTips* toolTips_ = nullptr;
};

// A control with a caption and a tool tip.
class CaptionedControl : public FormControl {
  public:
    using FormControl::FormControl;

    const std::wstring& caption() const { return caption_; }
    void setCaption(const std::wstring& caption);
    const std::wstring& toolTipText() const { return toolTipText_; }
    void setToolTipText(const std::wstring& text);

    std::wstring getProperty(std::wstring_view property) const override;
    void setProperty(std::wstring_view property, const std::wstring& value) override;

  protected:
    void initialise() override;

  private:
    std::wstring caption_{spec().caption};
    std::wstring toolTipText_;
};

// The maker of a kind of control, which a layout row names as its kind.
template <typename Kind> std::unique_ptr<FormControl> makeControl(Form& form, const ControlSpec& spec) {
    return std::make_unique<Kind>(form, spec);
}

// Whether two controls are members of one exclusive group.
bool inSameGroup(const FormControl* a, const FormControl* b);

} // namespace forms
