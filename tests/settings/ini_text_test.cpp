// Where an edit puts a key, and that every other byte of the file stays as it was: the
// cases that the generated files of the save's oracle test do not reach.

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
        {"a missing key after its section's last line, before blank lines", "[set]\r\nx=1\r\n\r\n[other]\r\n",
         kSimple1, "[set]\r\nx=1\r\nsimple=1\r\n\r\n[other]\r\n"},
        {"mixed line ends kept, a new line ends as the line before it", "[set]\nx=1\r\ny=2\r", kSimple1,
         "[set]\nx=1\r\ny=2\rsimple=1\r"},
        {"a new line before a blank line does not join the blank line's end", "\r[set]\nx=1\n\n", kSimple1,
         "\r[set]\nx=1\nsimple=1\n\n"},
        {"no last line end, before or after", "[set]\r\nx=1", kSimple1, "[set]\r\nx=1\r\nsimple=1"},
        {"a key without =", "[set]\r\nsimple\r\n", kSimple1, "[set]\r\nsimple=1\r\n"},
        {"a key keeps its place, spelling and blanks", "[set]\r\n Simple = 0\r\nx=1\r\n", kSimple1,
         "[set]\r\n Simple = 1\r\nx=1\r\n"},
        {"keys before the first section, comments and an unclosed header are other keys",
         "simple=0\r\n[set\r\n[set]\r\n;simple=0\r\n", kSimple1,
         "simple=0\r\n[set\r\n[set]\r\n;simple=0\r\nsimple=1\r\n"},
        {"UTF-8 after its byte-order mark", "\xEF\xBB\xBF[set]\r\nsimple=0\r\n", kSimple1,
         "\xEF\xBB\xBF[set]\r\nsimple=1\r\n"},
        {"UTF-16LE, a new section", utf16le(u"[其他]\n"), kSimple1, utf16le(u"[其他]\n[set]\nsimple=1\n")},
        {"an odd last byte of UTF-16 stays last, after the new lines", utf16le(u"[set]\r\n") + "\x01",
         kSimple1, utf16le(u"[set]\r\nsimple=1\r\n") + "\x01"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(edited(c.before, c.edits), c.after) << c.what;
}

} // namespace
