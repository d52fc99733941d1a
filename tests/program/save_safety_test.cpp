// The real program saving where saving goes wrong: on a full disk, with the file held open
// by another program, and killed at random moments during saves. The settings file is never
// cut, mixed or lost.

#include "forms/core/application.h"
#include "forms/core/form.h"
#include "tests/support/program_run.h"
#include "tests/support/settings_window.h"
#include "tests/support/test_support.h"
#include "ui/program_title.h"
#include "ui/trovane_config.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

namespace {

// The worked example with every option group changed, as the tests below change it.
constexpr char kChanged[] = "[set]\r\nsimple=0\r\nfullscreen=1\r\neffect=0\r\nBattleMode=0\r\n"
                            "[constant]\r\nGame_Speed=50\r\nSOUND_VOLUME=127\r\nMUSIC_VOLUME=0\r\n";

void changeEveryOption(const test::SettingsWindow& window) {
    window.click(L"Option1", 0);
    window.click(L"Option3", 1);
    window.click(L"Option2", 0);
    window.click(L"Option4", 0);
}

// A folder on a small file system that a fixture mounted for these tests, or empty.
std::wstring fullDiskFolder() {
    const char* folder = std::getenv("TROVANE_SMALL_DISK");
    if (!folder)
        return {};
    std::wstring path = L"Z:" + std::wstring(folder, folder + std::strlen(folder));
    for (wchar_t& c : path)
        c = c == L'/' ? L'\\' : c;
    return test::fileExists(path + L"\\mounted") ? path : std::wstring{};
}

// Takes every byte that is left on the disk of the folder.
void fillDisk(const std::wstring& folder) {
    HANDLE filler =
        CreateFileW((folder + L"\\filler").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    const std::string block(65536, 'x');
    for (DWORD size = 65536; size > 0; size /= 2) {
        DWORD written = 0;
        while (WriteFile(filler, block.data(), size, &written, nullptr) && written == size)
            ;
    }
    CloseHandle(filler);
}

struct FullDiskCase {
    const char* name;
    bool saveButton; // else the run button
    std::size_t fileSize;
};

class FullDisk : public testing::TestWithParam<FullDiskCase> {
  protected:
    void TearDown() override { DeleteFileW((folder + L"\\filler").c_str()); }
    const std::wstring folder = fullDiskFolder();
};

TEST_P(FullDisk, TheSaveIsReportedAsFailedAndTheFileIsUnchanged) {
    if (folder.empty())
        GTEST_SKIP() << "no small file system was mounted (mounting a tmpfs needs root)";
    const std::wstring ini = folder + L"\\qirmod.ini";
    const std::string before = test::settingsFileOfSize(GetParam().fileSize);
    test::writeFile(ini, before);
    test::ProgramRun run(test::installProgram(folder, true), L"", folder);
    const test::SettingsWindow window(run.waitForWindow(forms::kFormClass, kProgramTitle, 15000));
    ASSERT_TRUE(window.window());
    fillDisk(folder);
    changeEveryOption(window);
    if (GetParam().saveButton) {
        window.click(L"Command1");
        HWND confirm = run.waitForWindow(test::kMessageBoxClass, kConfirmTitle, 10000);
        ASSERT_TRUE(confirm);
        test::pressButton(confirm, IDYES);
    } else {
        window.click(L"Command2");
    }
    HWND box = run.waitForWindow(test::kMessageBoxClass, kSaveTitle, 10000);
    ASSERT_TRUE(box);
    EXPECT_EQ(test::readMessageBox(box).text.rfind(L"Could not save the settings to " + ini + L": ", 0), 0u);
    test::pressButton(box, IDOK);
    EXPECT_EQ(test::readFile(ini), before);
    EXPECT_FALSE(test::fileExists(ini + L".saving"));
}

INSTANTIATE_TEST_SUITE_P(Buttons, FullDisk,
                         testing::Values(FullDiskCase{"SaveOf4096Bytes", true, 4096},
                                         FullDiskCase{"RunOf4096Bytes", false, 4096},
                                         FullDiskCase{"SaveOfTheBareKeys", true, 0}),
                         [](const auto& row) { return std::string(row.param.name); });

struct BusyFileCase {
    const char* name;
    DWORD share; // what the other program lets others do with the file meanwhile
    DWORD hold;  // milliseconds from the answer Yes
};

// Another program (this test) holds the file open from before Yes is answered: with read
// sharing, the save can read it but not replace it; with none, not even read it. On
// Windows a scanner does so for a moment right after a write; Wine has none.
class BusyFile : public testing::TestWithParam<BusyFileCase> {
  protected:
    // Changes the options, answers Yes to the save with the file held, and lets it go after
    // the hold; returns the box that the save showed then.
    test::MessageBoxSeen saveWhileHeld(const test::ProgramRun& run, const test::SettingsWindow& window) {
        changeEveryOption(window);
        window.click(L"Command1");
        HWND confirm = run.waitForWindow(test::kMessageBoxClass, kConfirmTitle, 10000);
        EXPECT_TRUE(confirm);
        HANDLE held =
            CreateFileW(ini.c_str(), GENERIC_READ, GetParam().share, nullptr, OPEN_EXISTING, 0, nullptr);
        EXPECT_NE(held, INVALID_HANDLE_VALUE);
        test::pressButton(confirm, IDYES);
        Sleep(GetParam().hold);
        CloseHandle(held);
        HWND box = run.waitForWindow(test::kMessageBoxClass, kSaveTitle, 10000);
        EXPECT_TRUE(box);
        const test::MessageBoxSeen seen = test::readMessageBox(box);
        test::pressButton(box, IDOK);
        return seen;
    }

    test::TempFolder game{L"busy"};
    const std::wstring ini = game.file(L"qirmod.ini");
    const std::string before = test::settingsFileOfSize(4096);
    const std::string after = before.substr(0, before.size() - std::strlen(test::kWorkedExample)) + kChanged;
};

// Half a second: the save waits it out, and keeps every other line. Ten seconds: the save
// gives up loudly after its two seconds of waits, with the file as it was; the next save
// after the hold succeeds.
TEST_P(BusyFile, ASaveWaitsOutABriefHoldAndReportsALongOne) {
    test::writeFile(ini, before);
    test::ProgramRun run(test::installProgram(game.path()), L"", game.path());
    const test::SettingsWindow window(run.waitForWindow(forms::kFormClass, kProgramTitle, 15000));
    ASSERT_TRUE(window.window());
    const test::MessageBoxSeen seen = saveWhileHeld(run, window);
    if (GetParam().hold < 2000) {
        EXPECT_EQ(seen.text, L"Done");
        EXPECT_EQ(test::readFile(ini), after);
        return;
    }
    EXPECT_EQ(seen.text.rfind(L"Could not save the settings to " + ini + L": ", 0), 0u) << seen.text;
    EXPECT_EQ(test::readFile(ini), before);
    EXPECT_FALSE(test::fileExists(ini + L".saving"));
    window.click(L"Command1");
    HWND confirm = run.waitForWindow(test::kMessageBoxClass, kConfirmTitle, 10000);
    ASSERT_TRUE(confirm);
    test::pressButton(confirm, IDYES);
    HWND done = run.waitForWindow(test::kMessageBoxClass, kSaveTitle, 10000);
    ASSERT_TRUE(done);
    EXPECT_EQ(test::readMessageBox(done).text, L"Done");
    EXPECT_EQ(test::readFile(ini), after);
}

INSTANTIATE_TEST_SUITE_P(Holds, BusyFile,
                         testing::Values(BusyFileCase{"ReadSharingForHalfASecond", FILE_SHARE_READ, 500},
                                         BusyFileCase{"NoSharingForHalfASecond", 0, 500},
                                         BusyFileCase{"ReadSharingForTenSeconds", FILE_SHARE_READ, 10000},
                                         BusyFileCase{"NoSharingForTenSeconds", 0, 10000}),
                         [](const auto& row) { return std::string(row.param.name); });

// Saves with the save button, answering its boxes, until the moment comes.
void saveUntil(const test::ProgramRun& run, const test::SettingsWindow& window, DWORD moment) {
    window.click(L"Command1");
    while (GetTickCount() < moment) {
        if (HWND confirm = test::findWindow(run.processId(), test::kMessageBoxClass, kConfirmTitle))
            test::pressButton(confirm, IDYES);
        if (HWND done = test::findWindow(run.processId(), test::kMessageBoxClass, kSaveTitle)) {
            test::pressButton(done, IDOK);
            window.click(L"Command1");
        }
        Sleep(1);
    }
}

// Each try starts the program, changes every option, saves again and again and kills
// the program at a random moment; the file must then be the old one or the new one, whole.
TEST(KilledMidSave, TheFileIsAlwaysTheOldOrTheNewOneWhole) {
    test::TempFolder game(L"killed");
    const std::wstring ini = game.file(L"qirmod.ini");
    const std::string before = test::settingsFileOfSize(1 << 20);
    const std::string after = before.substr(0, before.size() - std::strlen(test::kWorkedExample)) + kChanged;
    const std::wstring program = test::installProgram(game.path());
    std::mt19937 random(20261207);
    int old = 0, changed = 0;
    for (int attempt = 0; attempt < 50; ++attempt) {
        test::writeFile(ini, before);
        test::ProgramRun run(program, L"", game.path());
        const test::SettingsWindow window(run.waitForWindow(forms::kFormClass, kProgramTitle, 15000));
        ASSERT_TRUE(window.window());
        changeEveryOption(window);
        saveUntil(run, window, GetTickCount() + std::uniform_int_distribution<DWORD>(0, 300)(random));
        TerminateProcess(run.process(), 9);
        run.waitForExit(5000);
        const std::string now = test::readFile(ini);
        ASSERT_TRUE(now == before || now == after) << "try " << attempt << ": " << now.size() << " bytes";
        ++(now == before ? old : changed);
    }
    std::printf("50 kills: %d left the old file, %d the new one\n", old, changed);
}

} // namespace
