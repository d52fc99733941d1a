#include "settings/mod_ini_edit.h"

#include "errors/error.h"

namespace ModINIedit {

std::wstring INIFileName;

namespace {

// Far outside any stored setting, so that it cannot be mistaken for one.
constexpr INT kAbsent = -65536;
constexpr DWORD kBufferSize = 256;

} // namespace

std::int32_t readINIInt(const std::wstring& section, const std::wstring& key) {
    const auto value = static_cast<std::int32_t>(
        GetPrivateProfileIntW(section.c_str(), key.c_str(), kAbsent, INIFileName.c_str()));
    if (value != kAbsent)
        return value;
    throw errors::Error(kMissingKeyError, L"INI Section " + section + L" Key " + key + L" Not found");
}

std::wstring readINIString(const std::wstring& section, const std::wstring& key) {
    wchar_t buffer[kBufferSize];
    const DWORD length =
        GetPrivateProfileStringW(section.c_str(), key.c_str(), L"", buffer, kBufferSize, INIFileName.c_str());
    return std::wstring(buffer, length);
}

DWORD writeINIString(const std::wstring& section, const std::wstring& key, const std::wstring& value) {
    const settings::ProfileKey one{section, key, value};
    return writeINIStrings({&one, 1});
}

DWORD writeINIStrings(std::span<const settings::ProfileKey> keys, settings::Pause pause) {
    return settings::saveProfileKeys(INIFileName, keys, pause);
}

} // namespace ModINIedit
