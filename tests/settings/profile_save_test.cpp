// Saving keys on real files: against the platform's own profile functions as the oracle,
// over the corpus of settings files, and what happens when a step of the save cannot be done.

#include "locale/code_pages.h"
#include "settings/profile_save.h"
#include "tests/support/save_oracle.h"
#include "tests/support/test_support.h"
#include "tools/corpus/settings_corpus.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

namespace {

using settings::ProfileKey;

// As the profile functions trim names and values.
bool isBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// A "[section]" or "key=value" line without blanks at its ends or around the "=".
bool isCanonicalLine(const std::string& line) {
    if (line.empty() || line.find_first_of(std::string("\r\n\0", 3)) != std::string::npos ||
        isBlank(line.front()) || isBlank(line.back()))
        return false;
    if (line.front() == '[')
        return line.back() == ']';
    const std::size_t equals = line.find('=');
    return equals != 0 && equals != std::string::npos && line.front() != ';' && !isBlank(line[equals - 1]) &&
           (equals + 1 == line.size() || !isBlank(line[equals + 1]));
}

// A file that the profile functions rewrite exactly as a save does: canonical lines, each
// ended by CR LF, in bytes that the ANSI code page reads and writes back unchanged.
bool isCanonical(const std::string& bytes) {
    if (!bytes.ends_with("\r\n") ||
        encodeInCodePage(decodeFromCodePage(bytes, CP_ACP).value_or(L""), CP_ACP) != bytes)
        return false;
    for (std::size_t start = 0, end = 0; start < bytes.size(); start = end + 2) {
        end = bytes.find("\r\n", start);
        if (!isCanonicalLine(bytes.substr(start, end - start)))
            return false;
    }
    return true;
}

// The seven keys of a save, each with a value of its range.
std::vector<ProfileKey> randomValues(std::mt19937& random) {
    std::vector<ProfileKey> keys;
    for (const save_oracle::SavedKey& key : save_oracle::kSavedKeys)
        keys.push_back({key.section, key.name,
                        std::to_wstring(std::uniform_int_distribution<int>(key.low, key.high)(random))});
    return keys;
}

std::vector<std::wstring> valuesOf(const std::vector<ProfileKey>& keys) {
    std::vector<std::wstring> values;
    for (const ProfileKey& key : keys)
        values.push_back(key.value);
    return values;
}

std::wstring readBack(const std::wstring& file, const ProfileKey& key) {
    wchar_t value[256];
    const DWORD length =
        GetPrivateProfileStringW(key.section.c_str(), key.key.c_str(), L"<absent>", value, 256, file.c_str());
    return std::wstring(value, length);
}

// Every file of the corpus saved with new values: each key then reads back as saved
// through the profile functions, every other line stays (by the independent reader of saved
// files), and a canonical file ends exactly as the profile functions would have left it. Only random bytes
// may make the save refuse, and then the file stays as it was.
TEST(ProfileSave, AgreesWithTheProfileFunctionsOnEveryCorpusFile) {
    test::TempFolder folder;
    const std::wstring file = folder.file(L"qirmod.ini"), oracle = folder.file(L"oracle.ini");
    std::mt19937 random(7);
    int saves = 0, refused = 0, canonical = 0;
    for (const corpus::Case& made : corpus::generate(20261207u)) {
        if (made.folder)
            continue;
        test::writeFile(file, made.bytes);
        const std::vector<ProfileKey> keys = randomValues(random);
        const DWORD result = settings::saveProfileKeys(file, keys);
        const std::string saved = test::readFile(file);
        if (result != ERROR_SUCCESS) { // the check after writing may not read random bytes back
            ++refused;
            EXPECT_EQ(made.name, "random bytes");
            EXPECT_EQ(saved, made.bytes);
        } else {
            ++saves;
            for (const ProfileKey& key : keys)
                EXPECT_EQ(readBack(file, key), key.value) << key.key;
            EXPECT_EQ(save_oracle::faultOfSave(made.bytes, saved, valuesOf(keys)), "");
        }
        if (result == ERROR_SUCCESS && isCanonical(made.bytes)) {
            ++canonical;
            test::writeFile(oracle, made.bytes);
            for (const ProfileKey& key : keys)
                WritePrivateProfileStringW(key.section.c_str(), key.key.c_str(), key.value.c_str(),
                                           oracle.c_str());
            EXPECT_EQ(saved, test::readFile(oracle));
        }
        if (HasFailure())
            return ADD_FAILURE() << "first failing file (" << made.name << "):\n" << made.bytes;
    }
    std::printf("%d files saved, %d compared with the profile functions' own writes, %d refused\n", saves,
                canonical, refused);
}

class ProfileSaveFailure : public testing::Test {
  protected:
    void SetUp() override { test::writeFile(file, kBefore); }
    static constexpr char kBefore[] = "[set]\r\nsimple=0\r\n";
    const std::vector<ProfileKey> keys{{L"set", L"simple", L"1"}, {L"constant", L"Game_Speed", L"9"}};
    test::TempFolder folder;
    const std::wstring file = folder.file(L"qirmod.ini");
};

TEST_F(ProfileSaveFailure, AReplacementRefusedWithAccessDeniedFallsBackToTheProfileFunctions) {
    const auto refuse = [](const std::wstring&, const std::wstring&) -> DWORD { return ERROR_ACCESS_DENIED; };
    EXPECT_EQ(settings::saveProfileKeys(file, keys, settings::sleepFor, refuse), DWORD(ERROR_SUCCESS));
    EXPECT_EQ(test::readFile(file), "[set]\r\nsimple=1\r\n[constant]\r\nGame_Speed=9\r\n");
    EXPECT_FALSE(test::fileExists(file + L".saving"));
}

TEST_F(ProfileSaveFailure, AnyOtherFailedReplacementLeavesTheFileAsItWas) {
    const auto fail = [](const std::wstring&, const std::wstring&) -> DWORD { return ERROR_WRITE_PROTECT; };
    EXPECT_EQ(settings::saveProfileKeys(file, keys, settings::sleepFor, fail), DWORD(ERROR_WRITE_PROTECT));
    EXPECT_EQ(test::readFile(file), kBefore);
    EXPECT_FALSE(test::fileExists(file + L".saving"));
}

// The waits that a save made, in milliseconds, in place of sleeping them; and a replacement
// that another program keeps from happening for so many tries.
std::vector<DWORD> waits;
int busyTries = 0;
void recordWait(DWORD milliseconds) {
    waits.push_back(milliseconds);
}
DWORD replaceWhenFree(const std::wstring& file, const std::wstring& replacement) {
    return busyTries-- > 0 ? DWORD(ERROR_SHARING_VIOLATION) : settings::replaceFile(file, replacement);
}

// A file that another program holds for a moment: the save tries again after waits that
// grow, two seconds of them in all, and then either succeeds or fails with the reason.
TEST_F(ProfileSaveFailure, AHeldFileIsTriedAgainAfterWaitsThatGrow) {
    waits.clear();
    busyTries = 3;
    EXPECT_EQ(settings::saveProfileKeys(file, keys, recordWait, replaceWhenFree), DWORD(ERROR_SUCCESS));
    EXPECT_EQ(waits, (std::vector<DWORD>{50, 100, 200}));
    EXPECT_EQ(test::readFile(file), "[set]\r\nsimple=1\r\n[constant]\r\nGame_Speed=9\r\n");

    waits.clear();
    busyTries = 1000;
    EXPECT_EQ(settings::saveProfileKeys(file, keys, recordWait, replaceWhenFree),
              DWORD(ERROR_SHARING_VIOLATION));
    EXPECT_EQ(waits, (std::vector<DWORD>{50, 100, 200, 400, 500, 500, 250}));
    EXPECT_FALSE(test::fileExists(file + L".saving"));
}

// Access denied while another program has the file open means busy, as Windows says when a
// file that is open elsewhere cannot be replaced: the save waits, and never rewrites the file
// in place through the profile functions, which would succeed here.
TEST_F(ProfileSaveFailure, AccessDeniedWhileTheFileIsOpenElsewhereIsBusyNotRefused) {
    const auto deny = [](const std::wstring&, const std::wstring&) -> DWORD { return ERROR_ACCESS_DENIED; };
    HANDLE held = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    waits.clear();
    EXPECT_EQ(settings::saveProfileKeys(file, keys, recordWait, deny), DWORD(ERROR_ACCESS_DENIED));
    CloseHandle(held);
    EXPECT_EQ(waits.size(), 7u);
    EXPECT_EQ(test::readFile(file), kBefore);
}

TEST_F(ProfileSaveFailure, ASaveRemovesWhatAnInterruptedSaveLeftAndKeepsTheAttributes) {
    test::writeFile(file + L".saving", "[set]\r\nsimple=");
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(settings::saveProfileKeys(file, keys), DWORD(ERROR_SUCCESS));
    EXPECT_FALSE(test::fileExists(file + L".saving"));
    EXPECT_EQ(GetFileAttributesW(file.c_str()) & FILE_ATTRIBUTE_HIDDEN, DWORD(FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(test::readFile(file), "[set]\r\nsimple=1\r\n[constant]\r\nGame_Speed=9\r\n");
}

} // namespace
