#include "ui/settings_binding.h"

#include "forms/core/conversions.h"
#include "forms/input/message_loop.h"
#include "settings/mod_ini_edit.h"

#include <array>
#include <vector>

namespace settings_binding {

namespace {

const std::wstring kSet = L"set";
const std::wstring kConstant = L"constant";

// Each option key of [set] holds the index of the selected member of its group.
struct OptionKey {
    const wchar_t* key;
    const OptionGroup& group;
};
std::array<OptionKey, 4> optionKeys(const SettingsControls& c) {
    return {{{L"simple", c.Option1},
             {L"fullscreen", c.Option3},
             {L"effect", c.Option2},
             {L"BattleMode", c.Option4}}};
}

// Each scroll key of [constant] holds its bar's value.
struct ScrollKey {
    const wchar_t* key;
    forms::HScrollBar& bar;
};
std::array<ScrollKey, 3> scrollKeys(const SettingsControls& c) {
    return {{{L"Game_Speed", c.HScroll3}, {L"SOUND_VOLUME", c.HScroll2}, {L"MUSIC_VOLUME", c.HScroll1}}};
}

std::wstring failureReason(std::int32_t number) {
    switch (number) {
    case errors::number::TypeMismatch:
        return L"is missing, empty or not a number";
    case errors::number::Overflow:
        return L"is too large a number";
    case errors::number::ControlArrayElementMissing:
        return L"is not one of its choices";
    case errors::number::InvalidPropertyValue:
        return L"is outside its range";
    case ModINIedit::kMissingKeyError:
        return L"is missing";
    default:
        return L"cannot be read";
    }
}

// Runs one step of the load; an error leaving it learns which key of which file failed.
template <typename Step> void readKey(const std::wstring& section, const std::wstring& key, Step step) {
    try {
        step();
    } catch (errors::Error& error) {
        error.setContext(L"[" + section + L"] " + key + L" " + failureReason(error.number()) + L" in " +
                         ModINIedit::INIFileName);
        throw;
    }
}

// The index of the selected member; a group with none selected counts as its last member.
int selectedIndex(const OptionGroup& group) {
    const int last = group.count() - 1;
    for (int index = 0; index < last; ++index)
        if (group[index].value())
            return index;
    return last;
}

} // namespace

void readINI(const SettingsControls& controls) {
    for (const OptionKey& option : optionKeys(controls))
        readKey(kSet, option.key, [&] {
            const std::int16_t index = forms::toInteger16(ModINIedit::readINIString(kSet, option.key));
            option.group[index].setValue(true);
        });
    for (const ScrollKey& scroll : scrollKeys(controls))
        readKey(kConstant, scroll.key,
                [&] { scroll.bar.setValue(forms::narrow16(ModINIedit::readINIInt(kConstant, scroll.key))); });
    controls.Label7.setCaption(forms::toText(controls.HScroll1.value()));
    controls.Label8.setCaption(forms::toText(controls.HScroll2.value()));
    controls.Label9.setCaption(forms::toText(controls.HScroll3.value()));
}

DWORD writeINI(const SettingsControls& controls) {
    std::vector<settings::ProfileKey> keys;
    for (const OptionKey& option : optionKeys(controls))
        keys.push_back({kSet, option.key, forms::toText(selectedIndex(option.group))});
    for (const ScrollKey& scroll : scrollKeys(controls))
        keys.push_back({kConstant, scroll.key, forms::toText(scroll.bar.value())});
    return ModINIedit::writeINIStrings(keys, forms::waitKeepingWindowsPainted);
}

} // namespace settings_binding
