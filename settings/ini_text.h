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
    struct Line {
        std::string content; // in the file's encoding, without the line end
        std::string end;     // "\r\n", "\n", "\r", or "" for a last line without one
        Kind kind = Kind::Blank;
        std::wstring name; // of a section or a key
    };
    struct Encoding {
        std::size_t markLength = 0; // of the byte-order mark
        std::size_t unit = 1;       // bytes per code unit
        bool bigEndian = false;
        std::uint32_t codePage = kAnsiCodePage; // for one-byte units, or UTF-8
    };

    static Encoding detectEncoding(std::string_view bytes);
    void split(std::string_view text);
    wchar_t unitAt(std::string_view text, std::size_t offset) const;
    std::wstring decode(std::string_view content) const;
    std::string encode(std::wstring_view text) const;
    Line parse(std::string content, std::string end) const;
    template <typename Char> static void classify(std::basic_string_view<Char> text, Line& line);
    std::size_t valueOffset(const Line& line) const;
    void insert(std::size_t at, std::wstring_view text);

    Encoding encoding_;
    std::string mark_;
    std::string tail_;    // a UTF-16 file's odd last byte, which belongs to no unit
    std::string lineEnd_; // for a last line that had none: the file's first line end, else CR LF
    std::vector<Line> lines_;
};

} // namespace settings
