#pragma once
// Windows are described as data: a form row and one row per control, as in the layout
// tables. Positions and sizes are twips, relative to the control's container. Where two
// rows overlap, the later one lies in front (otherwise controls stack in reading order,
// forms/core/reading_order.h); a container's row comes before its controls' rows.

#include <cstdint>
#include <memory>
#include <string_view>

namespace forms {

class Form;
class FormControl;
struct ControlSpec;

// Makes the control of a layout row; forms::makeControl<Kind> (forms/core/control.h) makes
// each kind of control.
using ControlMaker = std::unique_ptr<FormControl> (*)(Form& form, const ControlSpec& spec);

inline constexpr int kNotAnArray = -1;

struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct ScrollRange {
    std::int16_t min = 0;
    std::int16_t max = 32767;
    std::int16_t value = 0;
};

struct ControlSpec {
    ControlMaker kind = nullptr;
    std::wstring_view name;
    int index = kNotAnArray;     // element of a control array
    std::wstring_view container; // a frame's name; empty for the window itself
    Twips rect;
    std::wstring_view caption;
    int tabIndex = 0;
    ScrollRange scroll; // scroll bars
    bool visible = true;
    int picture = 0;  // images: resource id of the JPEG
    int interval = 0; // timers: milliseconds
    // For assistive software: the label that names the control, and the label that shows
    // its value (scroll bars).
    std::wstring_view labelledBy;
    std::wstring_view valueLabel;
};

enum class BorderStyle { None, FixedSingle };

struct FormSpec {
    std::wstring_view caption;
    BorderStyle border = BorderStyle::FixedSingle;
    int clientWidth = 0; // twips
    int clientHeight = 0;
    int icon = 0; // resource id; 0 for none
    // The command button that the Start action presses; none for a form without one.
    std::wstring_view startButton;
    // Whether the form takes navigation actions from the keys and the pad; the splash does not.
    bool navigable = true;
    // Whether the layout grows with the player's text size (forms/core/text_size.h); a form
    // that shows no text, only pictures, keeps its size.
    bool growsWithText = true;
};

} // namespace forms
