#pragma once
// Text to and from the bytes of a named code page, with the platform's default
// replacement characters. Nothing when the code page cannot do it (not installed, say).

#include <windows.h>

#include <optional>
#include <string>

std::optional<std::string> encodeInCodePage(const std::wstring& text, UINT codePage);
std::optional<std::wstring> decodeFromCodePage(const std::string& bytes, UINT codePage);
