// The real program with real game folders: loading, saving, starting the game, and
// failing to load, all seen from outside.

#include "forms/core/application.h"
#include "forms/core/form.h"
#include "locale/code_pages.h"
#include "tests/support/program_run.h"
#include "tests/support/settings_window.h"
#include "tests/support/test_support.h"
#include "ui/game_launch.h"
#include "ui/program_title.h"
#include "ui/trovane_config.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kStored = test::kWorkedExample;
constexpr char kAfterChoosingTraditional[] =
    "[set]\r\nsimple=0\r\nfullscreen=0\r\neffect=1\r\nBattleMode=2\r\n"
    "[constant]\r\nGame_Speed=50\r\nSOUND_VOLUME=127\r\nMUSIC_VOLUME=0\r\n";

// What the stand-in game recorded at its last start.
struct GameStart {
    std::string workingDirectory;
    std::string arguments;
    std::string settings;
    int starts = 0;
};

std::string between(const std::string& text, const std::string& from, const std::string& to) {
    const auto start = text.rfind(from) + from.size();
    return text.substr(start, text.find(to, start) - start);
}

class SettingsFile : public testing::Test {
  protected:
    void install(std::string_view settings, bool withGame) {
        if (!settings.empty())
            test::writeFile(iniFile(), settings);
        program = test::installProgram(game->path(), withGame);
        run = std::make_unique<test::ProgramRun>(program, L"", elsewhere.path());
    }
    test::SettingsWindow settingsWindow() {
        HWND window = run->waitForWindow(forms::kFormClass, kProgramTitle, 15000);
        EXPECT_TRUE(window);
        return test::SettingsWindow(window);
    }
    std::wstring iniFile() const { return game->file(L"qirmod.ini"); }
    GameStart waitForGameStart(int starts) {
        const std::wstring log = game->file(L"qir_trovane.log");
        for (int waited = 0; waited < 10000; waited += 50) {
            test::pumpMessages(50);
            if (!test::fileExists(log))
                continue;
            const std::string text = test::readFile(log);
            GameStart start{between(text, "cwd=", "\r\n"), between(text, "arguments=", "\r\n"),
                            between(text, "[qirmod.ini]\r\n", "---\r\n"), test::gameStartsIn(text)};
            if (start.starts >= starts)
                return start;
        }
        return {};
    }

    std::unique_ptr<test::TempFolder> game = std::make_unique<test::TempFolder>(L"游戏 目录");
    test::TempFolder elsewhere{L"elsewhere"};
    std::wstring program;
    std::unique_ptr<test::ProgramRun> run;
};

TEST_F(SettingsFile, RunSavesWithoutAskingAndStartsTheGameInItsFolderEveryPress) {
    install(kStored, true);
    const test::SettingsWindow window = settingsWindow();
    window.click(L"Option1", 0);
    window.click(L"Command2");
    GameStart start = waitForGameStart(1);
    EXPECT_EQ(start.workingDirectory, *encodeInCodePage(game->path(), CP_UTF8));
    EXPECT_EQ(start.arguments, "0");
    EXPECT_EQ(start.settings, kAfterChoosingTraditional) << "the game sees the fresh settings";
    EXPECT_FALSE(test::findWindow(run->processId(), test::kMessageBoxClass, kConfirmTitle));
    window.click(L"Command2");
    EXPECT_EQ(waitForGameStart(2).starts, 2);
    EXPECT_TRUE(IsWindowVisible(window.window()));
}

TEST_F(SettingsFile, RunWithoutTheGameSavesThenWarnsAndTheWindowStaysUsable) {
    install(kStored, false);
    const test::SettingsWindow window = settingsWindow();
    window.click(L"Option1", 0);
    window.click(L"Command2");
    HWND box = run->waitForWindow(test::kMessageBoxClass, kWarningTitle, 10000);
    ASSERT_TRUE(box);
    const test::MessageBoxSeen seen = test::readMessageBox(box);
    EXPECT_EQ(seen.text, L"file missed!");
    EXPECT_EQ(seen.buttons, std::vector<int>{IDOK});
    EXPECT_FALSE(seen.hasIcon);
    EXPECT_EQ(test::readFile(iniFile()), kAfterChoosingTraditional);
    test::pressButton(box, IDOK);
    window.click(L"Command1");
    HWND confirm = run->waitForWindow(test::kMessageBoxClass, kConfirmTitle, 10000);
    ASSERT_TRUE(confirm) << "the window still answers";
    test::pressButton(confirm, IDNO);
}

TEST_F(SettingsFile, ClosingWritesNothingAndEndsTheProgram) {
    install(kStored, false);
    const test::SettingsWindow window = settingsWindow();
    window.click(L"Option1", 0);
    test::pumpMessages(200);
    PostMessageW(window.window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(run->waitForExit(5000), 0u);
    EXPECT_EQ(test::readFile(iniFile()), kStored);
}

// The box as the player sees it; every class of broken file is in the load's own table
// and in the corpus.
TEST_F(SettingsFile, WithoutTheFileTheErrorBoxNamesItAndTheProgramEndsWithoutMakingIt) {
    install("", false);
    HWND box = run->waitForWindow(test::kMessageBoxClass, kProgramTitle, 15000);
    ASSERT_TRUE(box);
    const std::wstring text = test::readMessageBox(box).text;
    EXPECT_EQ(text,
              L"Run-time error '13':\n\nType mismatch\n\n[set] simple is missing, empty or not a number in " +
                  iniFile());
    EXPECT_FALSE(test::findWindow(run->processId(), forms::kFormClass, kProgramTitle));
    test::pressButton(box, IDOK);
    EXPECT_EQ(run->waitForExit(5000), 1u);
    EXPECT_FALSE(test::fileExists(iniFile()));
}

} // namespace
