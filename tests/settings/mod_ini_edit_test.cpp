// Key access on real files in fresh folders, some with Chinese names.

#include "settings/mod_ini_edit.h"
#include "tests/support/test_support.h"

#include "errors/error.h"

#include <gtest/gtest.h>

namespace {

using ModINIedit::INIFileName;

class ModIniEdit : public testing::TestWithParam<const wchar_t*> {
  protected:
    void SetUp() override { INIFileName = folder.file(L"qirmod.ini"); }
    void write(std::string_view bytes) { test::writeFile(INIFileName, bytes); }
    std::string contents() { return test::readFile(INIFileName); }

    test::TempFolder folder{GetParam()};
};

INSTANTIATE_TEST_SUITE_P(Folders, ModIniEdit, testing::Values(L"plain", L"游戏 目录", L"遊戲"));

std::wstring missingKeyDescription(const std::wstring& section, const std::wstring& key) {
    try {
        ModINIedit::readINIInt(section, key);
    } catch (const errors::Error& error) {
        EXPECT_EQ(error.number(), -2147221503);
        return error.description();
    }
    return L"<no error>";
}

TEST_P(ModIniEdit, IntegerReadRaisesTheMissingKeyErrorForEveryKindOfAbsence) {
    EXPECT_EQ(missingKeyDescription(L"constant", L"Game_Speed"),
              L"INI Section constant Key Game_Speed Not found");
    write("[set]\r\nsimple=1\r\n[constant]\r\nGame_Speed=-65536\r\nSOUND_VOLUME=-65535\r\n");
    EXPECT_EQ(missingKeyDescription(L"other", L"simple"), L"INI Section other Key simple Not found");
    EXPECT_EQ(missingKeyDescription(L"constant", L"MUSIC_VOLUME"),
              L"INI Section constant Key MUSIC_VOLUME Not found");
    EXPECT_EQ(missingKeyDescription(L"constant", L"Game_Speed"),
              L"INI Section constant Key Game_Speed Not found");
    EXPECT_EQ(ModINIedit::readINIInt(L"constant", L"SOUND_VOLUME"), -65535);
    EXPECT_EQ(ModINIedit::readINIInt(L"set", L"simple"), 1);
}

TEST_P(ModIniEdit, TextReadCutsAt255AndGivesEmptyTextForEmptyOrAbsent) {
    EXPECT_EQ(ModINIedit::readINIString(L"set", L"simple"), L"") << "no file";
    write("[set]\r\nlong=" + std::string(300, 'x') + "\r\nempty=\r\n");
    EXPECT_EQ(ModINIedit::readINIString(L"set", L"long"), std::wstring(255, L'x'));
    EXPECT_EQ(ModINIedit::readINIString(L"set", L"empty"), L"");
    EXPECT_EQ(ModINIedit::readINIString(L"set", L"absent"), L"");
    EXPECT_EQ(ModINIedit::readINIString(L"absent", L"long"), L"");
}

TEST_P(ModIniEdit, AWriteReportsTheSystemsErrorAndChangesNothingUntilItCanBeDone) {
    INIFileName = folder.file(L"missing folder\\qirmod.ini");
    EXPECT_NE(ModINIedit::writeINIString(L"set", L"simple", L"1"), DWORD(ERROR_SUCCESS));
    INIFileName = folder.file(L"qirmod.ini");
    write("[set]\r\nsimple=0\r\n");
    HANDLE held = CreateFileW(INIFileName.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ModINIedit::writeINIString(L"set", L"simple", L"1"), DWORD(ERROR_SHARING_VIOLATION));
    CloseHandle(held);
    EXPECT_EQ(contents(), "[set]\r\nsimple=0\r\n");
    EXPECT_EQ(ModINIedit::writeINIString(L"set", L"simple", L"1"), DWORD(ERROR_SUCCESS));
    EXPECT_EQ(contents(), "[set]\r\nsimple=1\r\n");
}

} // namespace
