// The real program from the outside: the splash, the hand-over, the end, and the
// run-time error box.

#include "forms/core/application.h"
#include "forms/core/form.h"
#include "tests/support/program_run.h"
#include "tests/support/test_support.h"
#include "ui/program_title.h"
#include "ui/trovane_main.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kSettings = test::kWorkedExample;

class Startup : public testing::Test {
  protected:
    void SetUp() override {
        test::writeFile(game.file(L"qirmod.ini"), kSettings);
        program = test::installProgram(game.path());
    }
    std::unique_ptr<test::ProgramRun> start() {
        // Started from another folder: the program must find its files by its own location.
        return std::make_unique<test::ProgramRun>(program, L"", elsewhere.path());
    }
    test::TempFolder game{L"game"};
    test::TempFolder elsewhere{L"elsewhere"};
    std::wstring program;
};

TEST_F(Startup, SplashShowsForAboutOneSecondThenExactlyOneSettingsWindow) {
    auto run = start();
    HWND splash = run->waitForWindow(forms::kFormClass, kSplashTitle, 15000);
    ASSERT_TRUE(splash);
    const DWORD shown = GetTickCount();
    RECT rect, work;
    GetWindowRect(splash, &rect);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(rect.right - rect.left, MulDiv(5085, static_cast<int>(GetDpiForWindow(splash)), 1440));
    EXPECT_NEAR(rect.left - work.left, work.right - rect.right, 1);
    ASSERT_TRUE(run->waitForWindow(forms::kFormClass, kProgramTitle, 5000));
    const DWORD waited = GetTickCount() - shown;
    EXPECT_GE(waited, 800u);
    EXPECT_LE(waited, 1600u);
    test::pumpMessages(1500);
    EXPECT_FALSE(IsWindow(splash));
    EXPECT_EQ(test::findWindows(run->processId(), forms::kFormClass, kProgramTitle).size(), 1u);
}

TEST_F(Startup, ClosingTheSplashHandsOverAtOnceAndOnlyOnce) {
    auto run = start();
    HWND splash = run->waitForWindow(forms::kFormClass, kSplashTitle, 15000);
    ASSERT_TRUE(splash);
    const DWORD closed = GetTickCount();
    PostMessageW(splash, WM_CLOSE, 0, 0);
    PostMessageW(splash, WM_CLOSE, 0, 0);
    ASSERT_TRUE(run->waitForWindow(forms::kFormClass, kProgramTitle, 5000));
    EXPECT_LT(GetTickCount() - closed, 600u);
    test::pumpMessages(1500); // past the timer's second: it died with the splash
    EXPECT_EQ(test::findWindows(run->processId(), forms::kFormClass, kProgramTitle).size(), 1u);
}

TEST(Startup_Error, AnErrorEscapingAHandlerShowsTheBoxAndEndsTheProcess) {
    test::TempFolder here;
    test::ProgramRun run(forms::applicationDirectory() + L"\\trovane_tests.exe", L"--throw-in-handler",
                         here.path());
    HWND box = run.waitForWindow(test::kMessageBoxClass, kProgramTitle, 15000);
    ASSERT_TRUE(box);
    const test::MessageBoxSeen seen = test::readMessageBox(box);
    EXPECT_EQ(seen.text, L"Run-time error '380':\n\nInvalid property value");
    EXPECT_EQ(seen.buttons, std::vector<int>{IDOK});
    EXPECT_FALSE(seen.hasIcon);
    EXPECT_EQ(run.waitForExit(300), std::nullopt) << "the process waits for the box";
    test::pressButton(box, IDOK);
    EXPECT_EQ(run.waitForExit(5000), 1u);
}

} // namespace
