#include "ui/localisation_step.h"

#include "locale/gb_big5_api.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace {

struct TypeRow {
    std::wstring_view type;
    std::array<std::wstring_view, 2> properties; // an empty name ends the list
};

// The control types whose texts are converted, and which of their texts, in order.
constexpr TypeRow kTypeTable[] = {
    {L"Menu", {L"Caption"}},
    {L"CommandButton", {L"Caption", L"ToolTipText"}},
    {L"Label", {L"Caption", L"ToolTipText"}},
    {L"CheckBox", {L"Caption"}},
    {L"OptionButton", {L"Caption"}},
    {L"Frame", {L"Caption"}},
    {L"PictureBox", {L"ToolTipText"}},
    {L"ListBox", {L"ToolTipText"}},
};

} // namespace

void localiseControl(forms::Control& control) {
    for (const TypeRow& row : kTypeTable) {
        if (!control.isType(row.type))
            continue;
        for (std::wstring_view property : row.properties)
            if (!property.empty())
                control.setProperty(property, gb_big5_api::localiseText(control.getProperty(property)));
    }
}

void localisationStep(const forms::ControlCollection& collection) {
    gb_big5_api::applyCharsetRule();
    const std::int32_t last = collection.count() - 1;
    for (std::int32_t index = 0; index <= last; ++index)
        localiseControl(collection.controls(index));
}
