#include "settings/profile_save.h"

#include "settings/ini_text.h"

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace settings {

namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using FileHandle = std::unique_ptr<void, HandleCloser>;

FileHandle openFile(const std::wstring& path, DWORD access, DWORD share, DWORD disposition) {
    HANDLE handle =
        CreateFileW(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    return FileHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

// The file's bytes; empty when it does not exist. Another program may be reading it.
DWORD readWholeFile(const std::wstring& path, std::string& bytes) {
    const FileHandle file = openFile(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
    if (!file)
        return GetLastError() == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : GetLastError();
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size))
        return GetLastError();
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        return GetLastError();
    return read == bytes.size() ? ERROR_SUCCESS : ERROR_READ_FAULT;
}

// A new file with the bytes, on the disk when this returns successfully.
DWORD writeNewFile(const std::wstring& path, const std::string& bytes) {
    const FileHandle file = openFile(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
    if (!file)
        return GetLastError();
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        !FlushFileBuffers(file.get()))
        return GetLastError();
    return written == bytes.size() ? ERROR_SUCCESS : ERROR_HANDLE_DISK_FULL; // a short write
}

// The "key=value" entries of a section as the profile functions read it: one call for a
// whole section, as each call reads the whole file.
std::vector<std::wstring> sectionEntries(const std::wstring& file, const std::wstring& section) {
    std::vector<wchar_t> buffer(4096);
    DWORD length = 0;
    while ((length = GetPrivateProfileSectionW(section.c_str(), buffer.data(),
                                               static_cast<DWORD>(buffer.size()), file.c_str())) ==
           buffer.size() - 2)
        buffer.resize(buffer.size() * 2); // the section was cut short
    std::vector<std::wstring> entries;
    for (const wchar_t* entry = buffer.data(); *entry; entry += wcslen(entry) + 1)
        entries.emplace_back(entry);
    return entries;
}

// The value of the first entry of the key, letter case ignored, as a key is found.
std::optional<std::wstring> valueOf(const std::vector<std::wstring>& entries, const std::wstring& key) {
    for (const std::wstring& entry : entries)
        if (const std::size_t equals = entry.find(L'=');
            equals != std::wstring::npos && sameName(std::wstring_view(entry).substr(0, equals), key))
            return entry.substr(equals + 1);
    return std::nullopt;
}

// Every key reads back through the profile functions as it was written.
DWORD verifyKeys(const std::wstring& file, std::span<const ProfileKey> keys) {
    std::map<std::wstring, std::vector<std::wstring>> sections;
    for (const ProfileKey& key : keys) {
        auto [section, added] = sections.try_emplace(key.section);
        if (added)
            section->second = sectionEntries(file, key.section);
        if (valueOf(section->second, key.key) != key.value)
            return ERROR_WRITE_FAULT;
    }
    return ERROR_SUCCESS;
}

DWORD writeThroughProfile(const std::wstring& file, std::span<const ProfileKey> keys) {
    for (const ProfileKey& key : keys)
        if (!WritePrivateProfileStringW(key.section.c_str(), key.key.c_str(), key.value.c_str(),
                                        file.c_str()))
            return GetLastError();
    return verifyKeys(file, keys);
}

// Also a file left read-only.
void removeFile(const std::wstring& path) {
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(path.c_str());
}

bool refused(DWORD error) {
    return error == ERROR_ACCESS_DENIED || error == ERROR_UNABLE_TO_REMOVE_REPLACED;
}

// Whether another program has the file open in a way that keeps it from being replaced.
bool openElsewhere(const std::wstring& path) {
    const FileHandle probe =
        openFile(path, DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING);
    return !probe && GetLastError() == ERROR_SHARING_VIOLATION;
}

// A failure that lasts only while another program has the file, or the new file, open.
bool busy(DWORD error, const std::wstring& file, const std::wstring& replacement) {
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION)
        return true;
    return error == ERROR_ACCESS_DENIED && (openElsewhere(file) || openElsewhere(replacement));
}

// The waits between tries: each twice the last, at most half a second, two seconds in all.
constexpr DWORD kFirstWait = 50, kLongestWait = 500, kAllWaits = 2000;

// One try of the save: the new content beside the file, checked, then in its place.
DWORD trySave(const std::wstring& file, const std::wstring& replacement, std::span<const ProfileKey> keys,
              ReplaceStep replace) {
    removeFile(replacement); // left behind by a save that was interrupted
    std::string bytes;
    DWORD error = readWholeFile(file, bytes);
    if (error != ERROR_SUCCESS)
        return error;
    IniText text(bytes);
    for (const ProfileKey& key : keys)
        text.set(key.section, key.key, key.value);
    error = writeNewFile(replacement, text.bytes());
    if (error == ERROR_SUCCESS)
        error = verifyKeys(replacement, keys);
    if (error == ERROR_SUCCESS)
        error = replace(file, replacement);
    if (error != ERROR_SUCCESS)
        removeFile(replacement);
    return error;
}

} // namespace

void sleepFor(DWORD milliseconds) {
    Sleep(milliseconds);
}

// A rename over the old file: one step on NTFS and on the file systems Wine runs on, so
// the file is always whole. (Wine's ReplaceFile is not one step: it leaves a moment
// without the file.) The new file first takes the old one's attributes.
DWORD replaceFile(const std::wstring& file, const std::wstring& replacement) {
    if (const DWORD attributes = GetFileAttributesW(file.c_str()); attributes != INVALID_FILE_ATTRIBUTES)
        SetFileAttributesW(replacement.c_str(), attributes);
    if (MoveFileExW(replacement.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return ERROR_SUCCESS;
    return GetLastError();
}

DWORD saveProfileKeys(const std::wstring& file, std::span<const ProfileKey> keys, Pause pause,
                      ReplaceStep replace) {
    const std::wstring replacement = file + L".saving";
    DWORD error = trySave(file, replacement, keys, replace);
    bool waitingForAnother = busy(error, file, replacement);
    for (DWORD wait = kFirstWait, waited = 0; waitingForAnother && waited < kAllWaits;
         waited += wait, wait = std::min({wait * 2, kLongestWait, kAllWaits - waited})) {
        pause(wait);
        error = trySave(file, replacement, keys, replace);
        waitingForAnother = busy(error, file, replacement);
    }
    return refused(error) && !waitingForAnother ? writeThroughProfile(file, keys) : error;
}

} // namespace settings
