#pragma once
// An independent reader of a saved settings file, for the tests and the fuzzer alike: it
// knows nothing of the program's text engine. A save of the seven keys into a file is
// right when each key then reads back with its new value where the profile functions look
// (first section of its name, first key of its name, letter case ignored); when every line
// that no edit touched is still there, byte for byte and in order, with nothing between
// them but the save's own lines; and when the byte-order mark, the line-end style and the
// unit size are kept.

#include <string>
#include <string_view>
#include <vector>

namespace save_oracle {

struct SavedKey {
    const wchar_t* section;
    const wchar_t* name;
    int low;
    int high;
};

// The seven keys of a save and their ranges.
inline constexpr SavedKey kSavedKeys[] = {{L"set", L"simple", 0, 1},
                                          {L"set", L"fullscreen", 0, 1},
                                          {L"set", L"effect", 0, 1},
                                          {L"set", L"BattleMode", 0, 2},
                                          {L"constant", L"Game_Speed", 1, 100},
                                          {L"constant", L"SOUND_VOLUME", 0, 127},
                                          {L"constant", L"MUSIC_VOLUME", 0, 127}};

// What is wrong with the output of a save of the values (one for each key, in order) into
// the input, or empty when nothing is.
std::string faultOfSave(std::string_view input, std::string_view output,
                        const std::vector<std::wstring>& values);

} // namespace save_oracle
