#include "tests/support/save_oracle.h"

#include "locale/code_pages.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cwctype>
#include <optional>

namespace save_oracle {

namespace {

// The file's layout as this reader sees it, independently of IniText.
struct Layout {
    std::string mark;
    std::size_t unit = 1;
    bool bigEndian = false;
    std::uint32_t codePage = kAnsiCodePage;

    // The lines' bytes: after the mark, without an odd last byte of UTF-16.
    std::string_view body(std::string_view bytes) const {
        bytes.remove_prefix(mark.size());
        return bytes.substr(0, bytes.size() - bytes.size() % unit);
    }
};

Layout layoutOf(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF"))
        return {"\xEF\xBB\xBF", 1, false, kUtf8CodePage};
    if (bytes.starts_with("\xFF\xFE"))
        return {"\xFF\xFE", 2, false, 0};
    if (bytes.starts_with("\xFE\xFF"))
        return {"\xFE\xFF", 2, true, 0};
    return {};
}

// A line's bytes, its end's bytes, and its text, decoded once.
struct RawLine {
    std::string content;
    std::string end;
    std::wstring text;
};

wchar_t unitAt(const Layout& layout, std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    if (layout.unit == 1)
        return byte(at);
    return static_cast<wchar_t>(layout.bigEndian ? byte(at) << 8 | byte(at + 1)
                                                 : byte(at + 1) << 8 | byte(at));
}

// Plain ASCII reads the same in every code page here, without a conversion.
std::wstring decoded(const Layout& layout, std::string_view content) {
    std::wstring text;
    if (layout.unit == 2) {
        text.reserve(content.size() / 2);
        for (std::size_t at = 0; at + 2 <= content.size(); at += 2)
            text += unitAt(layout, content, at);
    } else if (std::all_of(content.begin(), content.end(),
                           [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        text.assign(content.begin(), content.end());
    } else {
        text = decodeFromCodePage(std::string(content), layout.codePage).value_or(L"");
    }
    return text;
}

// Lines end at CR, LF or CR LF, counted in the file's units.
std::vector<RawLine> linesOf(const Layout& layout, std::string_view body) {
    std::vector<RawLine> lines;
    const std::size_t unit = layout.unit;
    std::size_t start = 0, at = 0;
    while (at + unit <= body.size()) {
        const wchar_t c = unitAt(layout, body, at);
        if (c != L'\r' && c != L'\n') {
            at += unit;
            continue;
        }
        std::size_t end = at + unit;
        if (c == L'\r' && end + unit <= body.size() && unitAt(layout, body, end) == L'\n')
            end += unit;
        const std::string_view content = body.substr(start, at - start);
        lines.push_back(
            {std::string(content), std::string(body.substr(at, end - at)), decoded(layout, content)});
        start = at = end;
    }
    if (start < body.size())
        lines.push_back({std::string(body.substr(start)), "", decoded(layout, body.substr(start))});
    return lines;
}

bool blank(wchar_t c) {
    return std::iswspace(static_cast<wint_t>(c)) || c == 0x1A;
}

std::wstring_view trimmed(std::wstring_view text) {
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool isSection(std::wstring_view text, std::wstring& name) {
    const std::wstring_view body = trimmed(text);
    const std::size_t close = body.rfind(L']');
    if (body.empty() || body.front() != L'[' || close == body.npos)
        return false;
    name = trimmed(body.substr(1, close - 1));
    return true;
}

std::wstring keyName(std::wstring_view text) {
    const std::wstring_view body = trimmed(text);
    return std::wstring(trimmed(body.substr(0, body.find(L'='))));
}

// A key's value where the profile functions look, or nothing.
std::optional<std::wstring> valueOf(const std::vector<RawLine>& file, const SavedKey& key) {
    std::size_t at = 0;
    std::wstring name;
    while (at < file.size() && !(isSection(file[at].text, name) && equalIgnoringCase(name, key.section)))
        ++at;
    for (++at; at < file.size() && !isSection(file[at].text, name); ++at) {
        if (trimmed(file[at].text).empty() || !equalIgnoringCase(keyName(file[at].text), key.name))
            continue;
        const std::size_t equals = file[at].text.find(L'=');
        if (equals == std::wstring::npos)
            return std::wstring();
        std::wstring_view value = std::wstring_view(file[at].text).substr(equals + 1);
        while (!value.empty() && (value.front() == L' ' || value.front() == L'\t'))
            value.remove_prefix(1);
        return std::wstring(value);
    }
    return std::nullopt;
}

// A line that a save may add: a key line of its own, or one of its two sections.
bool isAddedLine(const std::wstring& text, const std::vector<std::wstring>& values) {
    for (std::size_t k = 0; k < std::size(kSavedKeys); ++k)
        if (text == std::wstring(kSavedKeys[k].name) + L"=" + values[k] ||
            text == L"[" + std::wstring(kSavedKeys[k].section) + L"]")
            return true;
    return false;
}

// A line of the input that a save rewrote in place: one of its keys, with the new value.
bool isRewritten(const std::wstring& before, const std::wstring& after,
                 const std::vector<std::wstring>& values) {
    for (std::size_t k = 0; k < std::size(kSavedKeys); ++k) {
        if (!equalIgnoringCase(keyName(before), kSavedKeys[k].name))
            continue;
        const std::size_t equals = before.find(L'=');
        if (equals == std::wstring::npos && after == before + L"=" + values[k])
            return true;
        std::size_t valueAt = equals + 1;
        while (equals != std::wstring::npos && valueAt < before.size() &&
               (before[valueAt] == L' ' || before[valueAt] == L'\t'))
            ++valueAt;
        if (equals != std::wstring::npos && after == before.substr(0, valueAt) + values[k])
            return true;
    }
    return false;
}

// A line's bytes in hexadecimal, its end after a bar, for a finding's report.
std::string hex(const RawLine& line) {
    std::string text;
    char digits[4];
    for (const char c : line.content + "|" + line.end) {
        std::snprintf(digits, sizeof digits, "%02x ", static_cast<unsigned char>(c));
        text += digits;
    }
    return text;
}

std::string encodedLineEnd(const Layout& layout) {
    if (layout.unit == 1)
        return "\r\n";
    return layout.bigEndian ? std::string("\0\r\0\n", 4) : std::string("\r\0\n\0", 4);
}

// The untouched lines of the input, in order and byte for byte, with nothing between
// them but the save's own lines; line ends as they were, a new line's as the line's before.
std::string faultOfLines(const Layout& layout, const std::vector<RawLine>& before,
                         const std::vector<RawLine>& after, const std::vector<std::wstring>& values) {
    const auto firstEnd =
        std::find_if(before.begin(), before.end(), [](const RawLine& line) { return !line.end.empty(); });
    const std::string newEnd = firstEnd != before.end() ? firstEnd->end : encodedLineEnd(layout);
    std::size_t i = 0, j = 0;
    while (j < after.size()) {
        const bool lastBefore = i + 1 == before.size();
        const bool endKept =
            i < before.size() && (after[j].end == before[i].end ||
                                  (lastBefore && before[i].end.empty() && after[j].end == newEnd));
        if (i < before.size() && after[j].content == before[i].content && endKept) {
            ++i, ++j;
        } else if (i < before.size() && endKept && isRewritten(before[i].text, after[j].text, values)) {
            ++i, ++j;
        } else if (isAddedLine(after[j].text, values) &&
                   (after[j].end == (j > 0 ? after[j - 1].end : newEnd) ||
                    (j + 1 == after.size() && after[j].end.empty()))) {
            ++j;
        } else {
            return "a line was lost, changed, moved or added: input line " + std::to_string(i) + ": " +
                   (i < before.size() ? hex(before[i]) : "(none)") + ", output line " + std::to_string(j) +
                   ": " + hex(after[j]);
        }
    }
    return i == before.size() ? "" : "a line at the end was lost";
}

} // namespace

std::string faultOfSave(std::string_view input, std::string_view output,
                        const std::vector<std::wstring>& values) {
    const Layout layout = layoutOf(input);
    if (!output.starts_with(layout.mark))
        return "the byte-order mark was lost";
    if ((output.size() - input.size()) % layout.unit != 0)
        return "the unit size was not kept";
    if (output.substr(layout.mark.size() + layout.body(output).size()) !=
        input.substr(layout.mark.size() + layout.body(input).size()))
        return "an odd last byte of UTF-16 was not kept last";
    const std::vector<RawLine> before = linesOf(layout, layout.body(input));
    const std::vector<RawLine> after = linesOf(layout, layout.body(output));
    for (std::size_t k = 0; k < std::size(kSavedKeys); ++k)
        if (valueOf(after, kSavedKeys[k]) != values[k])
            return "a key does not read back with its new value";
    return faultOfLines(layout, before, after, values);
}

} // namespace save_oracle
