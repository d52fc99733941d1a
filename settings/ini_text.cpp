#include "settings/ini_text.h"

#include "locale/code_pages.h"

#include <algorithm>
#include <cwctype>
#include <initializer_list>
#include <string>

namespace settings {

namespace {

constexpr wchar_t kEndOfFileMark = 0x1A; // blank to the profile functions, as old editors left it

bool isBlank(wchar_t c) {
    return std::iswspace(static_cast<wint_t>(c)) || c == kEndOfFileMark;
}

template <typename Char> std::basic_string_view<Char> trimmed(std::basic_string_view<Char> text) {
    while (!text.empty() && isBlank(static_cast<wchar_t>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(static_cast<wchar_t>(text.back())))
        text.remove_suffix(1);
    return text;
}

bool isAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

bool sameName(std::wstring_view a, std::wstring_view b) {
    return equalIgnoringCase(a, b);
}

IniText::IniText(std::string_view bytes) : encoding_(detectEncoding(bytes)), kept_(bytes) {
    names_.reserve(bytes.size()); // a unit reads as one character at most
    mark_ = {0, encoding_.markLength};
    // A UTF-16 file's odd last byte, after its last unit, stays last.
    const std::size_t stray = (bytes.size() - mark_.size) % encoding_.unit;
    tail_ = {bytes.size() - stray, stray};
    split({mark_.size, tail_.at - mark_.size});
    const auto first =
        std::find_if(lines_.begin(), lines_.end(), [](const Line& line) { return line.end.size > 0; });
    lineEnd_ = first != lines_.end() ? first->end : keep(encode(L"\r\n"));
}

IniText::Encoding IniText::detectEncoding(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF"))
        return {.markLength = 3, .codePage = kUtf8CodePage};
    if (bytes.starts_with("\xFF\xFE"))
        return {.markLength = 2, .unit = 2};
    if (bytes.starts_with("\xFE\xFF"))
        return {.markLength = 2, .unit = 2, .bigEndian = true};
    return {};
}

wchar_t IniText::unitAt(std::string_view text, std::size_t offset) const {
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    if (encoding_.unit == 1)
        return byte(offset);
    return static_cast<wchar_t>(encoding_.bigEndian ? byte(offset) << 8 | byte(offset + 1)
                                                    : byte(offset + 1) << 8 | byte(offset));
}

// Lines end at a carriage return, a line feed, or the two together, as the profile
// functions read them.
void IniText::split(Span body) {
    const std::size_t unit = encoding_.unit;
    const std::string_view text = bytesOf(body);
    std::size_t ends = 0; // CR and LF bytes, counted by searching: less work than a look at each byte
    for (const char end : {'\r', '\n'})
        for (std::size_t at = text.find(end); at != text.npos; at = text.find(end, at + 1))
            ++ends;
    lines_.reserve(ends + 8); // at most a line per end, and the save's lines
    std::size_t start = 0;
    for (std::size_t at = 0; at + unit <= text.size(); at += unit) {
        const wchar_t c = unitAt(text, at);
        if (c != L'\r' && c != L'\n')
            continue;
        std::size_t end = at + unit;
        if (c == L'\r' && end + unit <= text.size() && unitAt(text, end) == L'\n')
            end += unit;
        lines_.push_back(parse({body.at + start, at - start}, {body.at + at, end - at}));
        start = end;
        at = end - unit;
    }
    if (start < text.size())
        lines_.push_back(parse({body.at + start, text.size() - start}, {body.at + text.size(), 0}));
}

std::wstring IniText::decode(std::string_view content) const {
    if (encoding_.unit == 2) {
        std::wstring text;
        for (std::size_t at = 0; at + 2 <= content.size(); at += 2)
            text += unitAt(content, at);
        return text;
    }
    return decodeFromCodePage(content, encoding_.codePage).value_or(L"");
}

std::string IniText::encode(std::wstring_view text) const {
    std::string bytes;
    if (encoding_.unit == 2) {
        for (const wchar_t c : text) {
            const char high = static_cast<char>(c >> 8), low = static_cast<char>(c & 0xFF);
            bytes += encoding_.bigEndian ? std::string{high, low} : std::string{low, high};
        }
        return bytes;
    }
    return encodeInCodePage(text, encoding_.codePage).value_or("");
}

IniText::Span IniText::keep(std::string_view bytes) {
    const Span span{kept_.size(), bytes.size()};
    kept_ += bytes;
    return span;
}

std::string_view IniText::bytesOf(Span span) const {
    return std::string_view(kept_).substr(span.at, span.size);
}

std::wstring_view IniText::nameOf(const Line& line) const {
    return std::wstring_view(names_).substr(line.name.at, line.name.size);
}

// A line's part in the profile: a section header "[ name ]" (up to its last "]"), a blank
// line, or else a key. Lines in plain ASCII, most of any file, are read without decoding.
IniText::Line IniText::parse(Span content, Span end) {
    Line line{content, end};
    const std::string_view bytes = bytesOf(content);
    if (encoding_.unit == 1 && isAscii(bytes))
        classify(bytes, line);
    else
        classify(std::wstring_view(decode(bytes)), line);
    return line;
}

// A section's name is what stands inside its brackets; a key's, what stands before its
// first "=", or the whole line without one; blanks around either are not part of it.
template <typename Char> void IniText::classify(std::basic_string_view<Char> text, Line& line) {
    const std::basic_string_view<Char> body = trimmed(text);
    if (body.empty())
        return;
    line.kind = Kind::Key;
    std::basic_string_view<Char> name = trimmed(body.substr(0, body.find(Char{'='})));
    if (const std::size_t close = body.front() == Char{'['} ? body.rfind(Char{']'}) : body.npos;
        close != body.npos) {
        line.kind = Kind::Section;
        name = trimmed(body.substr(1, close - 1));
    }
    line.name = {names_.size(), name.size()};
    names_.resize(names_.size() + name.size()); // widened in place: appending would copy first
    std::copy(name.begin(), name.end(), names_.end() - static_cast<std::ptrdiff_t>(name.size()));
}

// Where a key line's value starts: after its "=" and the blanks and tabs that follow it;
// npos for a key without "=".
std::size_t IniText::valueOffset(std::string_view content) const {
    const std::size_t unit = encoding_.unit;
    std::size_t at = 0;
    while (at + unit <= content.size() && unitAt(content, at) != L'=')
        at += unit;
    if (at + unit > content.size())
        return std::string::npos;
    for (at += unit; at + unit <= content.size(); at += unit)
        if (const wchar_t c = unitAt(content, at); c != L' ' && c != L'\t')
            break;
    return at;
}

void IniText::set(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
    const auto isSection = [&](const Line& line) {
        return line.kind == Kind::Section && sameName(nameOf(line), section);
    };
    const auto header = std::find_if(lines_.begin(), lines_.end(), isSection);
    if (header == lines_.end()) {
        insert(lines_.size(), L"[" + std::wstring(section) + L"]");
        insert(lines_.size(), std::wstring(key) + L"=" + std::wstring(value));
        return;
    }
    const auto end =
        std::find_if(header + 1, lines_.end(), [](const Line& line) { return line.kind == Kind::Section; });
    for (auto line = header + 1; line != end; ++line)
        if (line->kind == Kind::Key && sameName(nameOf(*line), key)) {
            const std::string_view content = bytesOf(line->content);
            const std::size_t offset = valueOffset(content);
            line->content =
                keep(offset == std::string::npos ? std::string(content) + encode(L"=" + std::wstring(value))
                                                 : std::string(content.substr(0, offset)) + encode(value));
            return;
        }
    auto last = end;
    while (last - 1 != header && (last - 1)->kind == Kind::Blank)
        --last;
    insert(static_cast<std::size_t>(last - lines_.begin()), std::wstring(key) + L"=" + std::wstring(value));
}

// A new line before the one at the index, ending as the line before it does: a lone CR
// before a line that starts with LF would make one line end of the two, and a blank line
// would be lost. At the end of a file whose last line has no line end, that line gets the
// file's first line end and the new last line goes without.
void IniText::insert(std::size_t at, std::wstring_view text) {
    const bool afterEndedLine = at > 0 && lines_[at - 1].end.size > 0;
    Line line = parse(keep(encode(text)), afterEndedLine ? lines_[at - 1].end : lineEnd_);
    if (at == lines_.size() && !lines_.empty() && lines_.back().end.size == 0) {
        lines_.back().end = lineEnd_;
        line.end = {};
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), line);
}

// Pieces that follow each other in the kept bytes, as the lines of an unedited stretch of
// the file do, are copied at once.
std::string IniText::bytes() const {
    std::size_t size = mark_.size + tail_.size;
    for (const Line& line : lines_)
        size += line.content.size + line.end.size;
    std::string bytes;
    bytes.reserve(size);
    Span run = mark_; // the pieces not yet copied, which follow each other
    const auto add = [&](Span piece) {
        if (piece.at == run.at + run.size) {
            run.size += piece.size;
        } else {
            bytes += bytesOf(run);
            run = piece;
        }
    };
    for (const Line& line : lines_) {
        add(line.content);
        add(line.end);
    }
    add(tail_);
    bytes += bytesOf(run);
    return bytes;
}

} // namespace settings
