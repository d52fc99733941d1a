// readINI and writeINI on the settings window, with real files.

#include "settings/mod_ini_edit.h"
#include "tests/support/test_support.h"
#include "ui/trovane_config.h"

#include "errors/error.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>

namespace {

constexpr const char* kExample = test::kWorkedExample;

// The example with one key's line replaced (or removed, for an empty replacement).
std::string exampleWith(const std::string& key, const std::string& line) {
    std::string text = kExample;
    const auto at = text.find(key + "=");
    const auto end = text.find("\r\n", at) + 2;
    return text.replace(at, end - at, line.empty() ? "" : line + "\r\n");
}

class SettingsBinding : public testing::Test {
  protected:
    void SetUp() override {
        ModINIedit::INIFileName = folder.file(L"qirmod.ini");
        form.create();
    }
    void store(const std::string& text) { test::writeFile(ModINIedit::INIFileName, text); }
    std::optional<errors::Error> load() {
        try {
            form.readINI();
        } catch (const errors::Error& error) {
            return error;
        }
        return std::nullopt;
    }
    std::string saved() {
        EXPECT_EQ(form.writeINI(), DWORD(ERROR_SUCCESS));
        return test::readFile(ModINIedit::INIFileName);
    }

    test::TempFolder folder{L"游戏"};
    Trovane_Config form;
};

TEST_F(SettingsBinding, WritingBackAfterALoadGivesTheSameValuesInCanonicalForm) {
    store(exampleWith("simple", "simple=01"));
    ASSERT_FALSE(load());
    EXPECT_EQ(saved(), kExample);
}

TEST_F(SettingsBinding, ANewFileHoldsBothSectionsWithTheirKeysInOrder) {
    store(kExample);
    ASSERT_FALSE(load());
    DeleteFileW(ModINIedit::INIFileName.c_str());
    EXPECT_EQ(saved(), kExample);
}

TEST_F(SettingsBinding, CoveredBattleModeIsSelectedAndWrittenBack) {
    store(exampleWith("BattleMode", "BattleMode=1"));
    ASSERT_FALSE(load());
    EXPECT_TRUE(form.Option4[1].value());
    EXPECT_FALSE(form.Option4[0].value() || form.Option4[2].value());
    EXPECT_EQ(saved(), exampleWith("BattleMode", "BattleMode=1"));
}

TEST_F(SettingsBinding, ChangeHandlerRunsOnlyForAValueThatDiffers) {
    int speedChanges = 0, musicChanges = 0;
    form.HScroll3.onChange([&] { ++speedChanges; });
    form.HScroll1.onChange([&] { ++musicChanges; });
    store(exampleWith("Game_Speed", "Game_Speed=1"));
    ASSERT_FALSE(load());
    EXPECT_EQ(speedChanges, 0);
    EXPECT_EQ(musicChanges, 0) << "MUSIC_VOLUME=0 is the bar's design value too";
    EXPECT_EQ(form.Label9.caption(), L"1");
}

struct Failure {
    const char* key;
    const char* line;
    std::int32_t number;
};

class SettingsBindingFailure : public SettingsBinding, public testing::WithParamInterface<Failure> {};

TEST_P(SettingsBindingFailure, StopsWithTheErrorOfTheFailingKeyNamingKeyAndFile) {
    const Failure& failure = GetParam();
    store(exampleWith(failure.key, failure.line));
    const auto error = load();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), failure.number);
    EXPECT_NE(error->context().find(std::wstring(failure.key, failure.key + std::strlen(failure.key))),
              std::wstring::npos);
    EXPECT_NE(error->context().find(ModINIedit::INIFileName), std::wstring::npos);
}

constexpr std::int32_t kMissingKey = ModINIedit::kMissingKeyError;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Classes, SettingsBindingFailure, testing::Values(
    Failure{"simple", "", 13},
    Failure{"simple", "simple=", 13},
    Failure{"simple", "simple=2", 340},
    Failure{"fullscreen", "fullscreen=-1", 340},
    Failure{"effect", "effect=40000", 6},
    Failure{"BattleMode", "BattleMode=3", 340},
    Failure{"Game_Speed", "", kMissingKey},
    Failure{"Game_Speed", "Game_Speed=0", 380},
    Failure{"Game_Speed", "Game_Speed=-65536", kMissingKey},
    Failure{"SOUND_VOLUME", "SOUND_VOLUME=128", 380},
    Failure{"SOUND_VOLUME", "SOUND_VOLUME=70000", 6},
    Failure{"MUSIC_VOLUME", "MUSIC_VOLUME=-1", 380},
    Failure{"MUSIC_VOLUME", "", kMissingKey}));
// clang-format on

} // namespace
