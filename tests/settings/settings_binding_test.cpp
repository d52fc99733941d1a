// readINI and writeINI on the settings window, with real files.

#include "settings/mod_ini_edit.h"
#include "tests/support/test_support.h"
#include "ui/trovane_config.h"

#include "app/forms/error.h"

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
    std::optional<forms::Error> load() {
        try {
            form.readINI();
        } catch (const forms::Error& error) {
            return error;
        }
        return std::nullopt;
    }
    std::string saved() {
        EXPECT_EQ(form.writeINI(), DWORD(ERROR_SUCCESS));
        return test::readFile(ModINIedit::INIFileName);
    }
    bool anySelected(const settings::OptionGroup& group) {
        for (int i = 0; i < group.count(); ++i)
            if (group[i].value())
                return true;
        return false;
    }

    test::TempFolder folder{L"游戏"};
    Trovane_Config form;
};

TEST_F(SettingsBinding, WorkedExampleSelectsTheOptionsAndSetsBarsAndLabels) {
    store(kExample);
    ASSERT_FALSE(load());
    EXPECT_EQ(form.Option1[1].caption(), L"简体");
    EXPECT_TRUE(form.Option1[1].value());
    EXPECT_TRUE(form.Option3[0].value());
    EXPECT_TRUE(form.Option2[1].value());
    EXPECT_TRUE(form.Option4[2].value());
    EXPECT_FALSE(form.Option1[0].value() || form.Option3[1].value() || form.Option2[0].value() ||
                 form.Option4[0].value() || form.Option4[1].value());
    EXPECT_EQ(form.HScroll3.value(), 50);
    EXPECT_EQ(form.HScroll2.value(), 127);
    EXPECT_EQ(form.HScroll1.value(), 0);
    EXPECT_EQ(form.Label9.caption(), L"50");
    EXPECT_EQ(form.Label8.caption(), L"127");
    EXPECT_EQ(form.Label7.caption(), L"0");
}

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
    int optionsSelected; // option groups set before the failing step
    int barsSet;         // scroll bars set before the failing step
};

class SettingsBindingFailure : public SettingsBinding, public testing::WithParamInterface<Failure> {};

TEST_P(SettingsBindingFailure, StopsAtTheFailingKeyWithItsErrorAndLeavesLaterControls) {
    const Failure& failure = GetParam();
    store(exampleWith(failure.key, failure.line));
    const auto error = load();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), failure.number);
    EXPECT_NE(error->context().find(std::wstring(failure.key, failure.key + std::strlen(failure.key))),
              std::wstring::npos);
    EXPECT_NE(error->context().find(ModINIedit::INIFileName), std::wstring::npos);
    const bool selected[] = {anySelected(form.Option1), anySelected(form.Option3), anySelected(form.Option2),
                             anySelected(form.Option4)};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(selected[i], i < failure.optionsSelected) << "option step " << i + 1;
    const int bars[] = {form.HScroll3.value(), form.HScroll2.value(), form.HScroll1.value()};
    const int stored[] = {50, 127, 0}, design[] = {1, 0, 0};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(bars[i], i < failure.barsSet ? stored[i] : design[i]) << "scroll step " << i + 5;
    EXPECT_EQ(form.Label7.caption(), L"Label7") << "labels are set only after every key";
}

constexpr std::int32_t kMissingKey = ModINIedit::kMissingKeyError;

INSTANTIATE_TEST_SUITE_P(Classes, SettingsBindingFailure,
                         testing::Values(Failure{"simple", "", 13, 0, 0},
                                         Failure{"simple", "simple=", 13, 0, 0},
                                         Failure{"simple", "simple=yes", 13, 0, 0},
                                         Failure{"simple", "simple=1.0", 13, 0, 0},
                                         Failure{"simple", "simple=2", 340, 0, 0},
                                         Failure{"fullscreen", "fullscreen=-1", 340, 1, 0},
                                         Failure{"effect", "effect=40000", 6, 2, 0},
                                         Failure{"BattleMode", "BattleMode=3", 340, 3, 0},
                                         Failure{"Game_Speed", "", kMissingKey, 4, 0},
                                         Failure{"Game_Speed", "Game_Speed=0", 380, 4, 0},
                                         Failure{"Game_Speed", "Game_Speed=-65536", kMissingKey, 4, 0},
                                         Failure{"SOUND_VOLUME", "SOUND_VOLUME=128", 380, 4, 1},
                                         Failure{"SOUND_VOLUME", "SOUND_VOLUME=70000", 6, 4, 1},
                                         Failure{"MUSIC_VOLUME", "MUSIC_VOLUME=-1", 380, 4, 2},
                                         Failure{"MUSIC_VOLUME", "", kMissingKey, 4, 2}));

TEST_F(SettingsBinding, WithNoFileTheLoadFailsOnSimpleWithATypeMismatch) {
    const auto error = load();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), 13);
    EXPECT_EQ(error->context(),
              L"[set] simple is missing, empty or not a number in " + ModINIedit::INIFileName);
    EXPECT_FALSE(test::fileExists(ModINIedit::INIFileName));
}

TEST_F(SettingsBinding, MissingConstantKeyKeepsTheExactDescription) {
    store(exampleWith("Game_Speed", ""));
    const auto error = load();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->description(), L"INI Section constant Key Game_Speed Not found");
}

} // namespace
