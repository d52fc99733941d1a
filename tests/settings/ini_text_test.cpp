// Where an edit puts a key, and that every other byte of the file stays as it was.

#include "settings/ini_text.h"

#include <gtest/gtest.h>

namespace {

struct Edit {
    const wchar_t* section;
    const wchar_t* key;
    const wchar_t* value;
};

struct Case {
    const char* what;
    std::string before;
    std::vector<Edit> edits;
    std::string after;
};

std::string edited(const std::string& before, const std::vector<Edit>& edits) {
    settings::IniText text(before);
    for (const Edit& edit : edits)
        text.set(edit.section, edit.key, edit.value);
    return text.bytes();
}

std::string utf16le(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (const char16_t c : text)
        bytes += std::string{static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    return bytes;
}

const std::vector<Edit> kSimple1{{L"set", L"simple", L"1"}};

TEST(IniText, PlacesEachKeyWhereTheProfileFunctionsFindItAndKeepsEveryOtherByte) {
    const std::vector<Case> cases{
        {"a new file: [set] with its four keys, then [constant] with its three",
         "",
         {{L"set", L"simple", L"1"},
          {L"set", L"fullscreen", L"0"},
          {L"set", L"effect", L"1"},
          {L"set", L"BattleMode", L"2"},
          {L"constant", L"Game_Speed", L"50"},
          {L"constant", L"SOUND_VOLUME", L"127"},
          {L"constant", L"MUSIC_VOLUME", L"0"}},
         "[set]\r\nsimple=1\r\nfullscreen=0\r\neffect=1\r\nBattleMode=2\r\n"
         "[constant]\r\nGame_Speed=50\r\nSOUND_VOLUME=127\r\nMUSIC_VOLUME=0\r\n"},
        {"in place, letter case ignored, spacing kept", "[Set]\r\n  Simple \t= 5 \r\nx=1\r\n", kSimple1,
         "[Set]\r\n  Simple \t= 1\r\nx=1\r\n"},
        {"the first key of a repeated name", "[set]\r\nsimple=0\r\nsimple=5\r\n", kSimple1,
         "[set]\r\nsimple=1\r\nsimple=5\r\n"},
        {"only the first section of a repeated name", "[set]\r\na=1\r\n[set]\r\nsimple=2\r\n", kSimple1,
         "[set]\r\na=1\r\nsimple=1\r\n[set]\r\nsimple=2\r\n"},
        {"a missing key after its section's last line, before blank lines", "[set]\r\nx=1\r\n\r\n[other]\r\n",
         kSimple1, "[set]\r\nx=1\r\nsimple=1\r\n\r\n[other]\r\n"},
        {"a missing section at the end", "; note\r\n[other]\r\nk=v\r\n", kSimple1,
         "; note\r\n[other]\r\nk=v\r\n[set]\r\nsimple=1\r\n"},
        {"the file's own line ends", "[other]\nk=v\n", kSimple1, "[other]\nk=v\n[set]\nsimple=1\n"},
        {"mixed line ends kept, new lines take the first", "[set]\nx=1\r\ny=2\r", kSimple1,
         "[set]\nx=1\r\ny=2\rsimple=1\n"},
        {"no last line end, before or after", "[set]\r\nx=1", kSimple1, "[set]\r\nx=1\r\nsimple=1"},
        {"a key without =", "[set]\r\nsimple\r\n", kSimple1, "[set]\r\nsimple=1\r\n"},
        {"an empty value", "[set]\r\nsimple=\r\n", kSimple1, "[set]\r\nsimple=1\r\n"},
        {"keys before the first section, comments and an unclosed header are other keys",
         "simple=0\r\n[set\r\n[set]\r\n;simple=0\r\n", kSimple1, "simple=0\r\n[set\r\n[set]\r\n;simple=0\r\nsimple=1\r\n"},
        {"blanks inside the brackets are not part of the name", "[ set ]\r\nsimple=0\r\n", kSimple1,
         "[ set ]\r\nsimple=1\r\n"},
        {"text in the ANSI code page", "[\xC6\xE4\xCB\xFB]\r\n\xC3\xFB=\xD6\xB5\r\n[set]\r\nsimple=0\r\n", kSimple1,
         "[\xC6\xE4\xCB\xFB]\r\n\xC3\xFB=\xD6\xB5\r\n[set]\r\nsimple=1\r\n"},
        {"UTF-8 after its byte-order mark", "\xEF\xBB\xBF[set]\r\nsimple=0\r\n", kSimple1,
         "\xEF\xBB\xBF[set]\r\nsimple=1\r\n"},
        {"UTF-16LE after its byte-order mark", utf16le(u"[其他]\r\n名=值\r\n[set]\r\nsimple=0"), kSimple1,
         utf16le(u"[其他]\r\n名=值\r\n[set]\r\nsimple=1")},
        {"UTF-16LE, a new section", utf16le(u"[其他]\n"), kSimple1, utf16le(u"[其他]\n[set]\nsimple=1\n")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(edited(c.before, c.edits), c.after) << c.what;
}

} // namespace
