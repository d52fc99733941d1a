// The text services of code_pages.h for the native (Linux) build of the settings file's
// text engine, through iconv. wchar_t is UTF-32 here. Like Windows' conversions, bytes that
// do not decode become U+FFFD and characters that the code page lacks become '?'. The ANSI
// code page is GBK (936), the one of the game's players.

#include "locale/code_pages.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cwchar>
#include <cwctype>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

const char* iconvName(std::uint32_t codePage) {
    switch (codePage) {
    case kAnsiCodePage:
    case 936:
        return "GBK";
    case 950:
        return "BIG5";
    case 1252:
        return "CP1252";
    case kUtf8CodePage:
        return "UTF-8";
    default:
        return nullptr;
    }
}

// One converter per direction, opened once and kept: opening one costs more than most
// conversions. The names are the static ones of iconvName, so their addresses tell them apart.
iconv_t converterFor(const char* to, const char* from) {
    static struct Converters {
        std::map<std::pair<const char*, const char*>, iconv_t> open;
        ~Converters() {
            for (const auto& [directions, converter] : open)
                if (converter != reinterpret_cast<iconv_t>(-1))
                    iconv_close(converter);
        }
    } converters;
    const auto [at, added] = converters.open.try_emplace({to, from}, nullptr);
    if (added)
        at->second = iconv_open(to, from);
    if (at->second != reinterpret_cast<iconv_t>(-1))
        iconv(at->second, nullptr, nullptr, nullptr, nullptr); // back to the initial state
    return at->second;
}

// Converts as far as it can; at a unit it cannot convert, puts the replacement and goes on
// after that unit.
std::optional<std::string> convert(const char* to, const char* from, std::string_view input, std::size_t unit,
                                   std::string_view replacement) {
    iconv_t converter = converterFor(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    static std::vector<char> buffer(4096); // one for every conversion
    std::string output;
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    while (inLeft > 0) {
        char* out = buffer.data();
        std::size_t outLeft = buffer.size();
        const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
        output.append(buffer.data(), buffer.size() - outLeft);
        if (result == static_cast<std::size_t>(-1) && outLeft == buffer.size()) { // stuck at a unit
            output += replacement;
            const std::size_t skip = std::min(unit, inLeft);
            in += skip;
            inLeft -= skip;
            iconv(converter, nullptr, nullptr, nullptr, nullptr);
        }
    }
    return output;
}

// Every code page here keeps ASCII as it is, so plain ASCII needs no converter.
template <typename Text> bool isAscii(const Text& text) {
    return std::all_of(text.begin(), text.end(),
                       [](auto unit) { return static_cast<unsigned>(unit) < 0x80; });
}

constexpr wchar_t kReplacement = 0xFFFD;
constexpr wchar_t kNoCharacter = static_cast<wchar_t>(WEOF);

// What a code page of one- and two-byte characters reads each byte as, and each pair of
// bytes, as iconv reads them: made once from iconv and kept, since a lookup costs far
// less than a conversion. Decoding by it gives what convert gives.
class ByteTable {
  public:
    explicit ByteTable(const char* name) : pairs_(256 * 256, kNoCharacter) {
        for (unsigned lead = 0; lead < 256; ++lead) {
            singles_[lead] = characterOf(name, {static_cast<char>(lead)});
            for (unsigned trail = 0; singles_[lead] == kNoCharacter && trail < 256; ++trail)
                pairs_[lead << 8 | trail] =
                    characterOf(name, {static_cast<char>(lead), static_cast<char>(trail)});
        }
    }

    std::wstring decode(std::string_view bytes) const {
        std::wstring text(bytes.size(), L'\0'); // a byte gives at most one character
        std::size_t length = 0;
        for (std::size_t at = 0; at < bytes.size(); ++at) {
            const auto lead = static_cast<unsigned char>(bytes[at]);
            wchar_t c = singles_[lead];
            if (c == kNoCharacter && at + 1 < bytes.size()) {
                c = pairs_[std::size_t{lead} << 8 | static_cast<unsigned char>(bytes[at + 1])];
                at += c != kNoCharacter; // a pair that is no character: its lead alone is replaced
            }
            text[length++] = c == kNoCharacter ? kReplacement : c;
        }
        text.resize(length);
        return text;
    }

  private:
    // The one character that the bytes are, all of them, or none.
    static wchar_t characterOf(const char* name, std::string bytes) {
        iconv_t converter = converterFor("WCHAR_T", name);
        wchar_t c = kNoCharacter;
        char* in = bytes.data();
        char* out = reinterpret_cast<char*>(&c);
        std::size_t inLeft = bytes.size(), outLeft = sizeof c;
        const bool whole = iconv(converter, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1);
        return whole && inLeft == 0 && outLeft == 0 ? c : kNoCharacter;
    }

    std::array<wchar_t, 256> singles_{};
    std::vector<wchar_t> pairs_; // by lead byte and trail byte
};

// The table of a code page by its iconv name; none for UTF-8, whose characters are longer.
const ByteTable* byteTableFor(const char* name) {
    static const std::map<const char*, ByteTable> tables = [] {
        std::map<const char*, ByteTable> made;
        for (const std::uint32_t codePage : {936u, 950u, 1252u})
            made.try_emplace(iconvName(codePage), iconvName(codePage));
        return made;
    }();
    const auto table = tables.find(name);
    return table != tables.end() ? &table->second : nullptr;
}

} // namespace

std::optional<std::string> encodeInCodePage(std::wstring_view text, std::uint32_t codePage) {
    const char* name = iconvName(codePage);
    if (!name)
        return std::nullopt;
    if (isAscii(text))
        return std::string(text.begin(), text.end());
    const std::string_view units(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
    return convert(name, "WCHAR_T", units, sizeof(wchar_t), "?");
}

std::optional<std::wstring> decodeFromCodePage(std::string_view bytes, std::uint32_t codePage) {
    const char* name = iconvName(codePage);
    if (!name)
        return std::nullopt;
    if (isAscii(bytes))
        return std::wstring(bytes.begin(), bytes.end());
    if (const ByteTable* table = byteTableFor(name))
        return table->decode(bytes);
    const auto units =
        convert("WCHAR_T", name, bytes, 1,
                std::string_view(reinterpret_cast<const char*>(&kReplacement), sizeof kReplacement));
    if (!units)
        return std::nullopt;
    return std::wstring(reinterpret_cast<const wchar_t*>(units->data()), units->size() / sizeof(wchar_t));
}

bool equalIgnoringCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::towupper(static_cast<wint_t>(a[i])) != std::towupper(static_cast<wint_t>(b[i])))
            return false;
    return true;
}
