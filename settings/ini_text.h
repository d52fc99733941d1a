#pragma once
// A profile (INI) file as the bytes it holds, edited key by key where the Windows profile
// functions place keys. Every byte that no edit touches stays as it was: other lines,
// comments, spacing, line ends, a missing last line end, and the file's encoding (the
// ANSI code page, or UTF-8, UTF-16LE or UTF-16BE after a byte-order mark).

#include "locale/code_pages.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace settings {

// Whether two section or key names are one to the profile functions: letter case ignored.
bool sameName(std::wstring_view a, std::wstring_view b);

class IniText {
  public:
    // The file's bytes; a file that does not exist is empty.
    explicit IniText(std::string_view bytes);

    // Sets the key to the value: in place where the key is, otherwise as a new last line
    // of its section, otherwise in a new section at the end of the file. As the profile
    // functions find them, the key is the first of its name in the first section of its
    // name, letter case ignored.
    void set(std::wstring_view section, std::wstring_view key, std::wstring_view value);

    std::string bytes() const;

  private:
    enum class Kind { Blank, Section, Key };
    // A piece of kept_ or names_, by where it starts and its length, which stay right as
    // these grow (a view would not).
    struct Span {
        std::size_t at = 0, size = 0;
    };
    struct Line {
        Span content; // of kept_, in the file's encoding, without the line end
        Span end;     // of kept_: "\r\n", "\n", "\r", or none for a last line without one
        Kind kind = Kind::Blank;
        Span name; // of names_: of a section or a key
    };
    struct Encoding {
        std::size_t markLength = 0; // of the byte-order mark
        std::size_t unit = 1;       // bytes per code unit
        bool bigEndian = false;
        std::uint32_t codePage = kAnsiCodePage; // for one-byte units, or UTF-8
    };

    static Encoding detectEncoding(std::string_view bytes);
    void split(Span body);
    wchar_t unitAt(std::string_view text, std::size_t offset) const;
    std::wstring decode(std::string_view content) const;
    std::string encode(std::wstring_view text) const;
    Span keep(std::string_view bytes);
    std::string_view bytesOf(Span span) const;
    std::wstring_view nameOf(const Line& line) const;
    Line parse(Span content, Span end);
    template <typename Char> void classify(std::basic_string_view<Char> text, Line& line);
    std::size_t valueOffset(std::string_view content) const;
    void insert(std::size_t at, std::wstring_view text);

    Encoding encoding_;
    // The file's bytes, then those of each line that an edit writes. Lines are pieces of
    // these and of names_, not strings of their own: there is no string to make for each
    // line, and a new line moves the lines after it in one copy.
    std::string kept_;
    std::wstring names_; // the sections' and keys' names, one after another
    Span mark_;
    Span tail_;    // a UTF-16 file's odd last byte, which belongs to no unit
    Span lineEnd_; // for a last line that had none: the file's first line end, else CR LF
    std::vector<Line> lines_;
};

} // namespace settings
