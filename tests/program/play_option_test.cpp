// `/play` starts the game as the run button does, without any window of the program, and
// ends; it saves nothing, and a missing game is reported with "file missed!".

#include "app/command_line.h"
#include "forms/core/application.h"
#include "forms/core/form.h"
#include "tests/support/player.h"
#include "tests/support/program_run.h"
#include "tests/support/test_support.h"
#include "ui/game_launch.h"
#include "ui/program_title.h"
#include "ui/trovane_main.h"

#include <gtest/gtest.h>

namespace {

TEST(PlayCommandLine, OnlyTheOptionAloneAsksToPlay) {
    for (const wchar_t* line : {L"Trovane_Config.exe /play", L"\"C:\\游戏 目录\\Trovane_Config.exe\" -PLAY ",
                                L"x.exe\t/Play", L"\"x.exe\"/play"})
        EXPECT_TRUE(asksToPlay(line)) << line;
    for (const wchar_t* line :
         {L"Trovane_Config.exe", L"\"C:\\a /play\\Trovane_Config.exe\"", L"x.exe /play now", L"x.exe play",
          L"x.exe /playing", L"x.exe --play", L"/play"})
        EXPECT_FALSE(asksToPlay(line)) << line;
}

class PlayOption : public testing::Test {
  protected:
    // Runs the program with /play until it ends, watching that no form of it appears;
    // answers a message box with OK.
    void play(bool withGame) {
        const test::ProgramRun run(test::installProgram(game.path(), withGame), L"/play", elsewhere.path());
        for (DWORD waited = 0; !run.waitForExit(0) && waited < 15000; waited += 20) {
            formSeen |= test::findWindow(run.processId(), forms::kFormClass, kSplashTitle) ||
                        test::findWindow(run.processId(), forms::kFormClass, kProgramTitle);
            if (HWND box = test::findWindow(run.processId(), test::kMessageBoxClass, kWarningTitle)) {
                boxText = test::readMessageBox(box).text;
                test::pressButton(box, IDOK);
            }
            test::pumpMessages(20);
        }
        exitCode = run.waitForExit(5000);
    }

    test::TempFolder game{L"游戏 目录"};
    test::TempFolder elsewhere{L"elsewhere"};
    bool formSeen = false;
    std::wstring boxText;
    std::optional<DWORD> exitCode;
};

TEST_F(PlayOption, StartsTheGameInItsFolderWithoutAWindowAndSavesNothing) {
    play(true);
    EXPECT_EQ(exitCode, std::optional<DWORD>(0));
    EXPECT_FALSE(formSeen);
    EXPECT_TRUE(boxText.empty());
    const std::wstring logFile = game.file(L"qir_trovane.log");
    ASSERT_TRUE(test::waitUntil([&] { return test::fileExists(logFile); }, 10000));
    test::pumpMessages(200); // the game writes its record and ends
    const std::string log = test::readFile(logFile);
    EXPECT_NE(log.find("arguments=0\r\n"), std::string::npos) << log;
    EXPECT_EQ(test::gameStartsIn(log), 1) << "started once";
    EXPECT_FALSE(test::fileExists(game.file(L"qirmod.ini"))) << "no settings file was made";
}

TEST_F(PlayOption, WithoutTheGameSaysFileMissed) {
    play(false);
    EXPECT_EQ(exitCode, std::optional<DWORD>(0));
    EXPECT_FALSE(formSeen);
    EXPECT_EQ(boxText, L"file missed!");
}

} // namespace
