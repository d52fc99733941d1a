// The settings window's handlers in this process, with real message boxes answered
// from another thread.

#include "settings/mod_ini_edit.h"
#include "tests/support/test_support.h"
#include "ui/game_launch.h"
#include "ui/trovane_config.h"

#include <gtest/gtest.h>

namespace {

constexpr char kStored[] = "[set]\r\nsimple=0\r\nfullscreen=1\r\neffect=0\r\nBattleMode=0\r\n"
                           "[constant]\r\nGame_Speed=10\r\nSOUND_VOLUME=20\r\nMUSIC_VOLUME=30\r\n";
constexpr char kChanged[] = "[set]\r\nsimple=1\r\nfullscreen=1\r\neffect=0\r\nBattleMode=2\r\n"
                            "[constant]\r\nGame_Speed=100\r\nSOUND_VOLUME=20\r\nMUSIC_VOLUME=30\r\n";

class Handlers : public testing::Test {
  protected:
    void SetUp() override {
        ModINIedit::INIFileName = folder.file(L"qirmod.ini");
        test::writeFile(ModINIedit::INIFileName, kStored);
        form.create();
        form.readINI();
        form.Option1[1].setValue(true);
        form.Option4[2].setValue(true);
        form.HScroll3.setValue(100);
    }
    std::string stored() { return test::readFile(ModINIedit::INIFileName); }

    test::TempFolder folder{L"设置"};
    Trovane_Config form;
};

TEST_F(Handlers, ScrollChangesShowTheNewValueInTheLabel) {
    EXPECT_EQ(form.Label9.caption(), L"100");
    form.HScroll1.setValue(127);
    form.HScroll2.setValue(0);
    EXPECT_EQ(form.Label7.caption(), L"127");
    EXPECT_EQ(form.Label8.caption(), L"0");
}

TEST_F(Handlers, SaveAnsweredNoWritesNothingAndShowsNoSecondBox) {
    test::MessageBoxAnswerer confirm(L"Confirm", IDNO);
    form.Command1.click();
    const test::MessageBoxSeen& seen = confirm.seen();
    EXPECT_EQ(seen.text, L"Are You Sure?");
    EXPECT_EQ(seen.buttons, (std::vector<int>{IDYES, IDNO}));
    EXPECT_EQ(seen.defaultButton, IDYES);
    EXPECT_FALSE(seen.hasIcon);
    EXPECT_EQ(stored(), kStored);
    test::MessageBoxAnswerer done(L"Trovane_config", IDOK, 500);
    EXPECT_FALSE(done.seen().window);
}

TEST_F(Handlers, SaveAnsweredYesWritesAllSevenAndReportsDone) {
    for (int press = 0; press < 2; ++press) {
        test::MessageBoxAnswerer confirm(L"Confirm", IDYES);
        test::MessageBoxAnswerer done(L"Trovane_config", IDOK);
        form.Command1.click();
        EXPECT_EQ(done.seen().text, L"Done");
        EXPECT_EQ(done.seen().buttons, std::vector<int>{IDOK});
        EXPECT_FALSE(done.seen().hasIcon);
        EXPECT_EQ(stored(), kChanged);
    }
}

TEST_F(Handlers, AFailedSaveIsReportedWithTheFileAndReasonInsteadOfDone) {
    HANDLE held =
        CreateFileW(ModINIedit::INIFileName.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    test::MessageBoxAnswerer confirm(L"Confirm", IDYES);
    test::MessageBoxAnswerer failed(L"Trovane_config", IDOK);
    form.Command1.click();
    CloseHandle(held);
    const std::wstring prefix = L"Could not save the settings to " + ModINIedit::INIFileName + L": ";
    EXPECT_EQ(failed.seen().text.substr(0, prefix.size()), prefix);
    EXPECT_GT(failed.seen().text.size(), prefix.size()) << "the system's reason follows";
    EXPECT_EQ(failed.seen().buttons, std::vector<int>{IDOK});
    EXPECT_FALSE(failed.seen().hasIcon);
    EXPECT_EQ(stored(), kStored);
}

TEST(GameLaunch, AResultOf32OrLessIsAFailure) {
    EXPECT_TRUE(launchFailed(32));
    EXPECT_TRUE(launchFailed(2));
    EXPECT_TRUE(launchFailed(0));
    EXPECT_TRUE(launchFailed(-1));
    EXPECT_FALSE(launchFailed(33));
}

} // namespace
