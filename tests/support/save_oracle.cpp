#include "tests/support/save_oracle.h"

#include "locale/code_pages.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cwctype>
#include <initializer_list>
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

wchar_t unitAt(const Layout& layout, std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    if (layout.unit == 1)
        return byte(at);
    return static_cast<wchar_t>(layout.bigEndian ? byte(at) << 8 | byte(at + 1)
                                                 : byte(at + 1) << 8 | byte(at));
}

// Appends a line's text. Plain ASCII reads the same in every code page here, without a
// conversion.
void appendDecoded(const Layout& layout, std::string_view content, std::wstring& text) {
    if (layout.unit == 2) {
        for (std::size_t at = 0; at + 2 <= content.size(); at += 2)
            text += unitAt(layout, content, at);
    } else if (std::all_of(content.begin(), content.end(),
                           [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        // Widened in place: appending a range of another type would copy it first.
        const std::size_t start = text.size();
        text.resize(start + content.size());
        std::copy(content.begin(), content.end(), text.begin() + static_cast<std::ptrdiff_t>(start));
    } else {
        text += decodeFromCodePage(content, layout.codePage).value_or(L"");
    }
}

// Where the end of the line from the offset starts and where it stops: at CR, LF or CR LF,
// counted in the file's units; a last line without an end ends where the body does.
std::pair<std::size_t, std::size_t> lineEnd(const Layout& layout, std::string_view body, std::size_t from) {
    const std::size_t unit = layout.unit;
    for (std::size_t at = from; at + unit <= body.size(); at += unit) {
        const wchar_t c = unitAt(layout, body, at);
        if (c != L'\r' && c != L'\n')
            continue;
        const bool pair =
            c == L'\r' && at + 2 * unit <= body.size() && unitAt(layout, body, at + unit) == L'\n';
        return {at, at + (pair ? 2 : 1) * unit};
    }
    return {body.size(), body.size()};
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

// A line: its bytes, its end's bytes, its text, and its part in the profile.
struct Line {
    std::string_view content;
    std::string_view end;
    std::wstring_view text;
    bool section = false;
    std::wstring_view name; // of the section, or of the key (empty for a blank line)
};

void classify(Line& line) {
    const std::wstring_view body = trimmed(line.text);
    const std::size_t close = !body.empty() && body.front() == L'[' ? body.rfind(L']') : body.npos;
    line.section = close != body.npos;
    line.name = line.section ? trimmed(body.substr(1, close - 1)) : trimmed(body.substr(0, body.find(L'=')));
}

// How many bytes are CR or LF: each line end holds at least one. Found by searching, which
// costs less than looking at every byte.
std::size_t lineEndBytes(std::string_view body) {
    std::size_t count = 0;
    for (const char end : {'\r', '\n'})
        for (std::size_t at = body.find(end); at != body.npos; at = body.find(end, at + 1))
            ++count;
    return count;
}

// A file's lines as this reader sees them, each decoded on its own. The lines view the
// file's bytes and one text that holds them all. A unit gives at most one character, so that
// text, made as large as the file's units, never moves.
class FileLines {
  public:
    // A line's text and part depend on its bytes alone, so a line with the bytes of a line of
    // the known file (of the same layout, and kept while these lines are) takes them from there.
    FileLines(const Layout& layout, std::string_view body, const FileLines* known = nullptr) {
        text_.reserve(body.size() / layout.unit);
        lines_.reserve(lineEndBytes(body) + 1); // at most a line per end, and a last without one
        std::size_t knownNext = 0;
        for (std::size_t start = 0; start < body.size();) {
            const auto [end, next] = lineEnd(layout, body, start);
            Line line{body.substr(start, end - start), body.substr(end, next - end)};
            if (const Line* same = known ? known->withBytes(line.content, knownNext) : nullptr)
                line = {line.content, line.end, same->text, same->section, same->name};
            else
                read(layout, line);
            lines_.push_back(line);
            start = next;
        }
    }
    FileLines(const FileLines&) = delete;
    FileLines& operator=(const FileLines&) = delete;

    const std::vector<Line>& lines() const { return lines_; }

  private:
    void read(const Layout& layout, Line& line) {
        const std::size_t textStart = text_.size();
        appendDecoded(layout, line.content, text_);
        line.text = std::wstring_view(text_).substr(textStart);
        classify(line);
    }

    // The line at the index, or the one after it (past a line that was rewritten), when it has
    // these bytes; the index then moves past it. Other lines are not looked for: they are read.
    const Line* withBytes(std::string_view content, std::size_t& index) const {
        for (std::size_t at = index; at < std::min(index + 2, lines_.size()); ++at)
            if (lines_[at].content == content) {
                index = at + 1;
                return &lines_[at];
            }
        return nullptr;
    }

    std::wstring text_;
    std::vector<Line> lines_;
};

// A key's value where the profile functions look, or nothing.
std::optional<std::wstring_view> valueOf(const std::vector<Line>& file, const SavedKey& key) {
    auto line = std::find_if(file.begin(), file.end(), [&](const Line& header) {
        return header.section && equalIgnoringCase(header.name, key.section);
    });
    if (line == file.end())
        return std::nullopt;
    for (++line; line != file.end() && !line->section; ++line) {
        if (line->name.empty() || !equalIgnoringCase(line->name, key.name))
            continue;
        const std::size_t equals = line->text.find(L'=');
        if (equals == std::wstring_view::npos)
            return std::wstring_view();
        std::wstring_view value = line->text.substr(equals + 1);
        while (!value.empty() && (value.front() == L' ' || value.front() == L'\t'))
            value.remove_prefix(1);
        return value;
    }
    return std::nullopt;
}

// Whether the text is the parts, one after another.
bool spells(std::wstring_view text, std::initializer_list<std::wstring_view> parts) {
    for (const std::wstring_view part : parts) {
        if (!text.starts_with(part))
            return false;
        text.remove_prefix(part.size());
    }
    return text.empty();
}

// A line that a save may add: a key line of its own, or one of its two sections.
bool isAddedLine(std::wstring_view text, const std::vector<std::wstring>& values) {
    for (std::size_t k = 0; k < std::size(kSavedKeys); ++k)
        if (spells(text, {kSavedKeys[k].name, L"=", values[k]}) ||
            spells(text, {L"[", kSavedKeys[k].section, L"]"}))
            return true;
    return false;
}

// A line of the input that a save rewrote in place: one of its keys, with the new value.
bool isRewritten(const Line& before, std::wstring_view after, const std::vector<std::wstring>& values) {
    for (std::size_t k = 0; k < std::size(kSavedKeys); ++k) {
        if (before.section || !equalIgnoringCase(before.name, kSavedKeys[k].name))
            continue;
        const std::wstring_view text = before.text;
        const std::size_t equals = text.find(L'=');
        if (equals == std::wstring_view::npos && spells(after, {text, L"=", values[k]}))
            return true;
        std::size_t valueAt = equals + 1;
        while (equals != std::wstring_view::npos && valueAt < text.size() &&
               (text[valueAt] == L' ' || text[valueAt] == L'\t'))
            ++valueAt;
        if (equals != std::wstring_view::npos && spells(after, {text.substr(0, valueAt), values[k]}))
            return true;
    }
    return false;
}

// A line's bytes in hexadecimal, its end after a bar, for a finding's report.
std::string hex(const Line& line) {
    std::string text;
    char digits[4];
    for (const char c : std::string(line.content) + "|" + std::string(line.end)) {
        std::snprintf(digits, sizeof digits, "%02x ", static_cast<unsigned char>(c));
        text += digits;
    }
    return text;
}

std::string_view encodedLineEnd(const Layout& layout) {
    if (layout.unit == 1)
        return "\r\n";
    return layout.bigEndian ? std::string_view("\0\r\0\n", 4) : std::string_view("\r\0\n\0", 4);
}

// The untouched lines of the input, in order and byte for byte, with nothing between
// them but the save's own lines; line ends as they were, a new line's as the line's before.
std::string faultOfLines(const Layout& layout, const std::vector<Line>& before,
                         const std::vector<Line>& after, const std::vector<std::wstring>& values) {
    const auto firstEnd =
        std::find_if(before.begin(), before.end(), [](const Line& line) { return !line.end.empty(); });
    const std::string_view newEnd = firstEnd != before.end() ? firstEnd->end : encodedLineEnd(layout);
    std::size_t i = 0, j = 0;
    while (j < after.size()) {
        const bool lastBefore = i + 1 == before.size();
        const bool endKept =
            i < before.size() && (after[j].end == before[i].end ||
                                  (lastBefore && before[i].end.empty() && after[j].end == newEnd));
        if (i < before.size() && after[j].content == before[i].content && endKept) {
            ++i, ++j;
        } else if (i < before.size() && endKept && isRewritten(before[i], after[j].text, values)) {
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
    const FileLines before(layout, layout.body(input));
    const FileLines after(layout, layout.body(output), &before);
    for (std::size_t k = 0; k < std::size(kSavedKeys); ++k)
        if (valueOf(after.lines(), kSavedKeys[k]) != values[k])
            return "a key does not read back with its new value";
    return faultOfLines(layout, before.lines(), after.lines(), values);
}

} // namespace save_oracle
