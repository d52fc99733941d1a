#pragma once
// The platform's text services that the settings file's text engine needs: text to and
// from the bytes of a named code page, with the platform's default replacement characters
// (nothing when the code page cannot do it: not installed, say), and the ordinal
// comparison of names with letter case ignored. On Windows they are the system's; the
// native build for the fuzzer has its own (code_pages_native.cpp).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Code page numbers as Windows names them; 0 is the system's ANSI code page.
inline constexpr std::uint32_t kAnsiCodePage = 0;
inline constexpr std::uint32_t kUtf8CodePage = 65001;

std::optional<std::string> encodeInCodePage(std::wstring_view text, std::uint32_t codePage);
std::optional<std::wstring> decodeFromCodePage(std::string_view bytes, std::uint32_t codePage);

// Whether two texts are equal unit by unit once each is in upper case.
bool equalIgnoringCase(std::wstring_view a, std::wstring_view b);
