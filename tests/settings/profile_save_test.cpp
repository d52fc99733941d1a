// Saving keys on real files: against the platform's own profile functions as the oracle,
// over many generated files, and what happens when a step of the save cannot be done.

#include "settings/profile_save.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>

namespace {

using settings::ProfileKey;

const wchar_t* const kOurKeys[][2] = {{L"set", L"simple"},           {L"set", L"fullscreen"},
                                      {L"set", L"effect"},           {L"set", L"BattleMode"},
                                      {L"constant", L"Game_Speed"},  {L"constant", L"SOUND_VOLUME"},
                                      {L"constant", L"MUSIC_VOLUME"}};

// A settings file of varied form, from the generator's choices.
class FileMaker {
  public:
    explicit FileMaker(unsigned seed) : random_(seed) {}

    struct File {
        std::string bytes;
        bool canonical; // only "[section]" and "key=value" lines, each ended by CR LF
        bool utf16;
    };

    File make() {
        canonical_ = chance(3);
        const bool utf16 = !canonical_ && chance(8);
        std::wstring text;
        if (!canonical_ && chance(5))
            text += line(L"simple=9"); // before any section: not a key of [set]
        for (int sections = pick(1, 5); sections > 0; --sections)
            text += section();
        if (!canonical_ && chance(4) && !text.empty())
            text.pop_back(); // no last line end
        return {utf16 ? utf16Bytes(text) : ansiBytes(text), canonical_, utf16};
    }

  private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    bool chance(int oneIn) { return pick(1, oneIn) == 1; }
    template <typename T, std::size_t N> T pickFrom(const T (&choices)[N]) {
        return choices[static_cast<std::size_t>(pick(0, static_cast<int>(N) - 1))];
    }

    std::wstring line(const std::wstring& text) {
        if (canonical_)
            return text + L"\r\n";
        return text + pickFrom({L"\r\n", L"\r\n", L"\n", L"\r"});
    }

    std::wstring name(const wchar_t* base) {
        std::wstring text = base;
        if (!canonical_ && chance(3))
            for (wchar_t& c : text)
                c = chance(2) ? static_cast<wchar_t>(towupper(c)) : static_cast<wchar_t>(towlower(c));
        return text;
    }

    std::wstring section() {
        const wchar_t* names[] = {L"set", L"constant", L"其他", L"game", L" set "};
        const wchar_t* title = canonical_ ? pickFrom({L"set", L"constant", L"其他"}) : pickFrom(names);
        std::wstring text = line(L"[" + name(title) + L"]");
        for (int keys = pick(0, 6); keys > 0; --keys)
            text += key(title);
        return text;
    }

    std::wstring key(std::wstring_view section) {
        if (!canonical_ && chance(6))
            return line(pickFrom({L"; 注释 comment", L"", L"  ", L"# note", L"=orphan", L"novalue"}));
        const std::wstring value = pickFrom({L"1", L"0", L"", L"127", L"\"2\"", L"中文 值", L"-65536"});
        if (chance(3) || (section != L"set" && section != L"constant"))
            return line(name(pickFrom({L"other", L"名字", L"Mode", L"path"})) + L"=" + value);
        const auto& ours = kOurKeys[pick(section == L"set" ? 0 : 4, section == L"set" ? 3 : 6)];
        const std::wstring equals = canonical_ ? L"=" : pickFrom({L"=", L"=", L" = ", L"\t=", L"= "});
        return line(name(ours[1]) + equals + value);
    }

    static std::string ansiBytes(const std::wstring& text) {
        std::string bytes(text.size() * 2, '\0');
        bytes.resize(static_cast<std::size_t>(
            WideCharToMultiByte(936, 0, text.data(), static_cast<int>(text.size()), bytes.data(),
                                static_cast<int>(bytes.size()), nullptr, nullptr)));
        return bytes;
    }

    static std::string utf16Bytes(const std::wstring& text) {
        std::string bytes = "\xFF\xFE";
        for (const wchar_t c : text)
            bytes += std::string{static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
        return bytes;
    }

    std::mt19937 random_;
    bool canonical_ = false;
};

// A line that sets one of the seven keys (by its name, in any letter case), or that opens
// one of their sections.
bool isOurs(std::wstring_view line) {
    line.remove_prefix(std::min(line.find_first_not_of(L" \t"), line.size()));
    line = line.substr(0, line.find_first_of(L"\r\n"));
    for (const auto& [section, key] : kOurKeys) {
        const std::size_t length = wcslen(key);
        const std::wstring_view rest = line.size() >= length ? line.substr(length) : L"-";
        if (line == L"[" + std::wstring(section) + L"]" ||
            (_wcsnicmp(line.data(), key, length) == 0 &&
             rest.substr(0, rest.find(L'=')).find_first_not_of(L" \t") == std::wstring_view::npos))
            return true;
    }
    return false;
}

// The lines that are not the seven keys' nor their sections' headers, in order, each
// with its line end, in code units (bytes, or UTF-16 units): what a save must keep.
std::vector<std::wstring> otherLines(const std::string& bytes, bool utf16) {
    std::wstring units;
    for (std::size_t at = utf16 ? 2 : 0; at < bytes.size(); at += utf16 ? 2 : 1)
        units += static_cast<wchar_t>(static_cast<unsigned char>(bytes[at]) |
                                      (utf16 ? static_cast<unsigned char>(bytes[at + 1]) << 8 : 0));
    std::vector<std::wstring> others;
    for (std::size_t start = 0, end = 0; start < units.size(); start = end) {
        end = std::min(units.find_first_of(L"\r\n", start), units.size());
        end += units.compare(end, 2, L"\r\n") == 0 ? 2u : std::size_t{end < units.size()};
        if (const std::wstring line = units.substr(start, end - start); !isOurs(line))
            others.push_back(line);
    }
    return others;
}

void expectOnlyOurLinesChanged(const std::string& before, const std::string& after, bool utf16) {
    std::vector<std::wstring> old = otherLines(before, utf16);
    const std::vector<std::wstring> now = otherLines(after, utf16);
    if (!old.empty() && old.size() == now.size() && now.back().starts_with(old.back()))
        old.back() = now.back(); // a last line without a line end may gain one
    EXPECT_EQ(old, now);
}

std::vector<ProfileKey> randomValues(std::mt19937& random) {
    std::vector<ProfileKey> keys;
    for (const auto& [section, key] : kOurKeys)
        keys.push_back({section, key, std::to_wstring(std::uniform_int_distribution<int>(0, 127)(random))});
    return keys;
}

std::wstring readBack(const std::wstring& file, const ProfileKey& key) {
    wchar_t value[256];
    const DWORD length =
        GetPrivateProfileStringW(key.section.c_str(), key.key.c_str(), L"<absent>", value, 256, file.c_str());
    return std::wstring(value, length);
}

TEST(ProfileSave, AgreesWithTheProfileFunctionsOnEveryGeneratedFile) {
    test::TempFolder folder;
    const std::wstring file = folder.file(L"qirmod.ini"), oracle = folder.file(L"oracle.ini");
    FileMaker maker(20261207);
    std::mt19937 random(7);
    int canonical = 0;
    constexpr int kFiles = 600;
    for (int n = 0; n < kFiles; ++n) {
        const FileMaker::File made = maker.make();
        test::writeFile(file, made.bytes);
        const std::vector<ProfileKey> keys = randomValues(random);
        ASSERT_EQ(settings::saveProfileKeys(file, keys), DWORD(ERROR_SUCCESS)) << "file " << n << ":\n"
                                                                               << made.bytes;
        const std::string saved = test::readFile(file);
        for (const ProfileKey& key : keys)
            EXPECT_EQ(readBack(file, key), key.value) << "file " << n << ": " << key.key;
        expectOnlyOurLinesChanged(made.bytes, saved, made.utf16);
        if (made.canonical) {
            ++canonical;
            test::writeFile(oracle, made.bytes);
            for (const ProfileKey& key : keys)
                WritePrivateProfileStringW(key.section.c_str(), key.key.c_str(), key.value.c_str(),
                                           oracle.c_str());
            EXPECT_EQ(saved, test::readFile(oracle)) << "file " << n;
        }
        if (HasFailure())
            return ADD_FAILURE() << "first failing file:\n" << made.bytes;
    }
    std::printf("%d files saved, %d of them compared with the profile functions' own writes\n", kFiles,
                canonical);
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
    EXPECT_EQ(settings::saveProfileKeys(file, keys, refuse), DWORD(ERROR_SUCCESS));
    EXPECT_EQ(test::readFile(file), "[set]\r\nsimple=1\r\n[constant]\r\nGame_Speed=9\r\n");
    EXPECT_FALSE(test::fileExists(file + L".saving"));
}

TEST_F(ProfileSaveFailure, AnyOtherFailedReplacementLeavesTheFileAsItWas) {
    const auto fail = [](const std::wstring&, const std::wstring&) -> DWORD { return ERROR_WRITE_PROTECT; };
    EXPECT_EQ(settings::saveProfileKeys(file, keys, fail), DWORD(ERROR_WRITE_PROTECT));
    EXPECT_EQ(test::readFile(file), kBefore);
    EXPECT_FALSE(test::fileExists(file + L".saving"));
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
