#pragma once
// gb_big5_api: the system's charset and the conversion of the window's texts between
// simplified Chinese (GBK, code page 936) and traditional Chinese (Big5, code page 950).

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gb_big5_api {

// "GBK" on a Simplified-Chinese system, "BIG5" on any other; set once by the charset rule.
extern std::wstring SystemCharset;

// The charset for a system default language: "GBK" for 2052 (Chinese, PRC), else "BIG5".
std::wstring charsetFor(LANGID language);
// The charset rule: SystemCharset from the system's default language.
void applyCharsetRule();

// Mode 1: a text whose 936 bytes are Big5 bytes, to the simplified text they spell.
// Mode 2: a text, to the text whose 936 bytes are the Big5 bytes of its traditional form.
// Any other mode gives the empty text. A step that fails is skipped: what it would have
// produced keeps its earlier value. Never raises.
std::wstring convertScript(const std::wstring& text, std::int16_t mode);

// Bytes in the system's ANSI code page to text, then through mode 2 on a "BIG5" system.
std::wstring ansiBytesToText(const std::string& bytes);

// A window text as this system should show it: unchanged on "GBK"; otherwise its
// traditional form.
std::wstring localiseText(const std::wstring& text);

// The conversions convertScript is built on; a test replaces them to make a step fail.
struct ScriptConversions {
    std::optional<std::string> (*encode)(std::wstring_view text, UINT codePage);
    std::optional<std::wstring> (*decode)(std::string_view bytes, UINT codePage);
    int (*map)(LCID locale, DWORD flags, const wchar_t* source, int sourceLength, wchar_t* destination,
               int destinationLength);
};
const ScriptConversions& systemConversions();
std::wstring convertScript(const ScriptConversions& conversions, const std::wstring& text, std::int16_t mode);

} // namespace gb_big5_api
