#pragma once
// ModINIedit: the program's only access to files. Keys are read through the Windows
// profile functions and written in one transaction over the file. Nothing is kept
// between calls: each one goes to the file.

#include "settings/profile_save.h"

#include <windows.h>

#include <cstdint>
#include <string>

namespace ModINIedit {

// The full path of the settings file; set once when the settings window loads.
extern std::wstring INIFileName;

// Number of the error raised for a key that is absent (80040001 hexadecimal).
inline constexpr std::int32_t kMissingKeyError = static_cast<std::int32_t>(0x80040001u);

// The key's value as an integer. An absent file, section or key, and a stored value
// of -65536, raise the missing-key error.
std::int32_t readINIInt(const std::wstring& section, const std::wstring& key);

// The key's value as text, at most 255 characters; the empty text when the file, the
// section or the key is absent, or the value is empty.
std::wstring readINIString(const std::wstring& section, const std::wstring& key);

// Sets the key to the value. Returns ERROR_SUCCESS, or the system's error code when
// the file could not be written; then the file is as it was.
DWORD writeINIString(const std::wstring& section, const std::wstring& key, const std::wstring& value);

// Sets the keys, in order, in one save of the file: all of them, or none and the
// system's error code. While another program holds the file for a moment, it pauses.
DWORD writeINIStrings(std::span<const settings::ProfileKey> keys, settings::Pause pause = settings::sleepFor);

} // namespace ModINIedit
