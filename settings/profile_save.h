#pragma once
// Saving keys to a profile file as one transaction: either every key is written and reads
// back as written, or the file stays exactly as it was and the failure is reported.

#include <windows.h>

#include <span>
#include <string>

namespace settings {

struct ProfileKey {
    std::wstring section;
    std::wstring key;
    std::wstring value;
};

// Puts the new content (a file beside it) in place of the file, which may not exist yet;
// ERROR_SUCCESS or the system's error code.
using ReplaceStep = DWORD (*)(const std::wstring& file, const std::wstring& replacement);
DWORD replaceFile(const std::wstring& file, const std::wstring& replacement);

// Waits while another program has the file open; the caller may keep its windows painted.
using Pause = void (*)(DWORD milliseconds);
void sleepFor(DWORD milliseconds);

// Writes the keys into the file, in order: the whole new content goes to a file beside it,
// flushed to disk and checked through the profile functions, then replaces the file in
// one step. While another program has the file open for a moment (on Windows a scanner, the
// search indexer or a cloud-sync client does, right after a write), the save tries again
// after waits that grow, for about two seconds in all. Where the replacement is refused
// for good (access denied, as in a protected folder that Windows virtualizes for old
// programs), the keys go through the profile functions instead and are checked the same
// way. ERROR_SUCCESS, or the system's error code of the failure.
DWORD saveProfileKeys(const std::wstring& file, std::span<const ProfileKey> keys, Pause pause = sleepFor,
                      ReplaceStep replace = replaceFile);

} // namespace settings
