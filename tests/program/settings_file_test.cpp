// The real program with real game folders: loading, saving, starting the game, and
// failing to load, all seen from outside.

#include "tests/support/program_run.h"
#include "tests/support/settings_window.h"
#include "tests/support/test_support.h"

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

std::string utf8(const std::wstring& text) {
    std::string bytes(static_cast<std::size_t>(text.size() * 4), '\0');
    bytes.resize(static_cast<std::size_t>(
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(),
                            static_cast<int>(bytes.size()), nullptr, nullptr)));
    return bytes;
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
        HWND window = run->waitForWindow(L"TrovaneForm", L"Trovane_Config", 15000);
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
                            between(text, "[qirmod.ini]\r\n", "---\r\n"), 0};
            for (auto at = text.find("---"); at != std::string::npos; at = text.find("---", at + 1))
                ++start.starts;
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

TEST_F(SettingsFile, TheWindowShowsTheStoredSettingsBeforeItAppears) {
    install(kStored, false);
    const test::SettingsWindow window = settingsWindow();
    EXPECT_TRUE(window.checked(L"Option1", 1));
    EXPECT_TRUE(window.checked(L"Option3", 0));
    EXPECT_TRUE(window.checked(L"Option2", 1));
    EXPECT_TRUE(window.checked(L"Option4", 2));
    EXPECT_EQ(window.scrollPosition(L"HScroll3"), 50);
    EXPECT_EQ(window.scrollPosition(L"HScroll2"), 127);
    EXPECT_EQ(window.text(L"Label9"), L"50");
    EXPECT_EQ(window.text(L"Label8"), L"127");
    EXPECT_EQ(window.text(L"Label7"), L"0");
}

TEST_F(SettingsFile, RunSavesWithoutAskingAndStartsTheGameInItsFolderEveryPress) {
    install(kStored, true);
    const test::SettingsWindow window = settingsWindow();
    window.click(L"Option1", 0);
    window.click(L"Command2");
    GameStart start = waitForGameStart(1);
    EXPECT_EQ(start.workingDirectory, utf8(game->path()));
    EXPECT_EQ(start.arguments, "0");
    EXPECT_EQ(start.settings, kAfterChoosingTraditional) << "the game sees the fresh settings";
    EXPECT_FALSE(test::findWindow(run->processId(), L"#32770", L"Confirm"));
    window.click(L"Command2");
    EXPECT_EQ(waitForGameStart(2).starts, 2);
    EXPECT_TRUE(IsWindowVisible(window.window()));
}

TEST_F(SettingsFile, RunWithoutTheGameSavesThenWarnsAndTheWindowStaysUsable) {
    install(kStored, false);
    const test::SettingsWindow window = settingsWindow();
    window.click(L"Option1", 0);
    window.click(L"Command2");
    HWND box = run->waitForWindow(L"#32770", L"Warning", 10000);
    ASSERT_TRUE(box);
    const test::MessageBoxSeen seen = test::readMessageBox(box);
    EXPECT_EQ(seen.text, L"file missed!");
    EXPECT_EQ(seen.buttons, std::vector<int>{IDOK});
    EXPECT_FALSE(seen.hasIcon);
    EXPECT_EQ(test::readFile(iniFile()), kAfterChoosingTraditional);
    test::pressButton(box, IDOK);
    window.click(L"Command1");
    HWND confirm = run->waitForWindow(L"#32770", L"Confirm", 10000);
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

struct BadFile {
    const char* name;
    std::string contents; // empty: no file at all
    std::wstring firstLine;
    std::wstring key;
};

class SettingsFileBroken : public SettingsFile, public testing::WithParamInterface<BadFile> {};

TEST_P(SettingsFileBroken, ShowsTheErrorBoxEndsAndLeavesTheFileAlone) {
    const BadFile& bad = GetParam();
    install(bad.contents, false);
    HWND box = run->waitForWindow(L"#32770", L"Trovane_Config", 15000);
    ASSERT_TRUE(box);
    const test::MessageBoxSeen seen = test::readMessageBox(box);
    EXPECT_EQ(seen.text.substr(0, bad.firstLine.size()), bad.firstLine);
    EXPECT_NE(seen.text.find(bad.key), std::wstring::npos) << "names the key";
    EXPECT_NE(seen.text.find(iniFile()), std::wstring::npos) << "names the file";
    EXPECT_FALSE(test::findWindow(run->processId(), L"TrovaneForm", L"Trovane_Config"));
    test::pressButton(box, IDOK);
    EXPECT_EQ(run->waitForExit(5000), 1u);
    if (bad.contents.empty())
        EXPECT_FALSE(test::fileExists(iniFile()));
    else
        EXPECT_EQ(test::readFile(iniFile()), bad.contents);
}

std::string storedWith(const std::string& from, const std::string& to) {
    std::string text = kStored;
    return text.replace(text.find(from), from.size(), to);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsFileBroken,
    testing::Values(
        BadFile{"NoFile", "", L"Run-time error '13':\n\nType mismatch", L"[set] simple"},
        BadFile{"NotANumber", storedWith("effect=1", "effect=on"), L"Run-time error '13':", L"[set] effect"},
        BadFile{"NoSuchButton", storedWith("BattleMode=2", "BattleMode=5"), L"Run-time error '340':",
                L"[set] BattleMode"},
        BadFile{"MissingConstant", storedWith("Game_Speed=50\r\n", ""),
                L"Run-time error '-2147221503 (80040001)':\n\nINI Section constant Key Game_Speed "
                L"Not found",
                L"[constant] Game_Speed"},
        BadFile{"MissingSetKey", storedWith("fullscreen=0\r\n", ""), L"Run-time error '13':",
                L"[set] fullscreen"},
        BadFile{"Overflow", storedWith("SOUND_VOLUME=127", "SOUND_VOLUME=40000"),
                L"Run-time error '6':\n\nOverflow", L"[constant] SOUND_VOLUME"},
        BadFile{"OutOfRange", storedWith("MUSIC_VOLUME=0", "MUSIC_VOLUME=128"), L"Run-time error '380':",
                L"[constant] MUSIC_VOLUME"}),
    [](const testing::TestParamInfo<BadFile>& param) { return std::string(param.param.name); });

} // namespace
