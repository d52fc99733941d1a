// The real program worked with a pad only: the prefix's stand-in XInput DLL plays back a
// script of pad states, one state for a number of the program's readings, and says when it
// has played them all. Proton's gamepad layer is played by a process named xalia.exe.

#include "forms/core/application.h"
#include "forms/core/form.h"
#include "forms/input/xinput_pad.h"
#include "tests/support/player.h"
#include "tests/support/program_run.h"
#include "tests/support/settings_window.h"
#include "tests/support/test_support.h"
#include "ui/program_title.h"
#include "ui/trovane_config.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A press: held for 3 readings, then released for 3. The script begins with the pad at
// rest while the window appears and the test looks at it.
constexpr char kAtRest[] = "40\n";
constexpr char kUp[] = "3 up\n3\n";
constexpr char kStickUp[] = "3 ly=30000\n3\n";
constexpr char kDown[] = "3 down\n3\n";
constexpr char kStickDown[] = "3 ly=-30000\n3\n";
constexpr char kRight[] = "3 right\n3\n";
constexpr char kLeft[] = "3 left\n3\n";

// The worked example, full screen: the settings file as changed on disk once the window has
// read it, so that a save of the window's settings shows.
constexpr char kChangedOnDisk[] = "[set]\r\nsimple=1\r\nfullscreen=1\r\neffect=1\r\nBattleMode=2\r\n"
                                  "[constant]\r\nGame_Speed=50\r\nSOUND_VOLUME=127\r\nMUSIC_VOLUME=0\r\n";

std::string repeated(const char* press, int times) {
    std::string script;
    for (int i = 0; i < times; ++i)
        script += press;
    return script;
}

class Gamepad : public testing::Test {
  protected:
    // Starts the program with the pad playing the script, and waits for the settings window.
    // The stand-in pad is no HID device, so the program reads it only when told to.
    // PROTON_USE_XALIA is Proton's switch of its gamepad layer.
    test::SettingsWindow start(const std::string& script, const wchar_t* readXInput = L"always",
                               const wchar_t* protonUseXalia = nullptr) {
        run.reset(); // a run before it ends first
        test::writeFile(iniFile(), test::kWorkedExample);
        test::writeFile(scriptFile(), script);
        DeleteFileW((scriptFile() + L".played").c_str());
        SetEnvironmentVariableW(L"TROVANE_PAD_SCRIPT", scriptFile().c_str());
        SetEnvironmentVariableW(L"TROVANE_GAMEPAD", readXInput);
        SetEnvironmentVariableW(L"PROTON_USE_XALIA", protonUseXalia);
        run = std::make_unique<test::ProgramRun>(test::installProgram(game.path(), true), L"", game.path());
        for (const wchar_t* name : {L"TROVANE_PAD_SCRIPT", L"TROVANE_GAMEPAD", L"PROTON_USE_XALIA"})
            SetEnvironmentVariableW(name, nullptr);
        HWND window = run->waitForWindow(forms::kFormClass, kProgramTitle, 15000);
        EXPECT_TRUE(window);
        return test::SettingsWindow(window);
    }
    std::wstring iniFile() const { return game.file(L"qirmod.ini"); }
    std::wstring scriptFile() const { return scripts.file(L"pad.txt"); }
    // Waits until the program has read every state of the script.
    bool played() const {
        return test::waitUntil([&] { return test::fileExists(scriptFile() + L".played"); }, 15000);
    }
    HWND box(const wchar_t* title) const {
        return test::findWindow(run->processId(), test::kMessageBoxClass, title);
    }
    int gameStarts() const {
        const std::wstring log = game.file(L"qir_trovane.log");
        if (!test::fileExists(log))
            return 0;
        return test::gameStartsIn(test::readFile(log));
    }

    test::TempFolder game{L"游戏"};
    test::TempFolder scripts{L"pad"};
    std::unique_ptr<test::ProgramRun> run;
};

// From the save button: up to the music volume, 3 to the right; up by the battle mode and
// the effects to full screen, switched; down to the game speed, RB; then Start.
TEST_F(Gamepad, NavigatesChangesSavesAndStartsTheGame) {
    const std::string script = kAtRest + repeated(kUp, 2) + kStickUp + repeated(kRight, 3) +
                               repeated(kUp, 2) + kStickUp + kRight + repeated(kDown, 4) + kStickDown +
                               "3 rb\n3\n3 start\n";
    const test::SettingsWindow window = start(script);
    ASSERT_TRUE(test::waitUntil([&] { return gameStarts() == 1; }, 15000));
    EXPECT_EQ(test::readFile(iniFile()),
              "[set]\r\nsimple=1\r\nfullscreen=1\r\neffect=1\r\nBattleMode=2\r\n"
              "[constant]\r\nGame_Speed=60\r\nSOUND_VOLUME=127\r\nMUSIC_VOLUME=3\r\n");
    EXPECT_EQ(window.text(L"Label7"), L"3");
    EXPECT_EQ(window.text(L"Label9"), L"60");
    EXPECT_EQ(test::focusOf(window.window()), window.control(L"HScroll3"));
    ASSERT_TRUE(played());
    EXPECT_EQ(gameStarts(), 1);
    EXPECT_TRUE(IsWindowVisible(window.window()));
}

// To the save button's confirm box: B answers No. Then No by moving to it, then Yes, and
// B closes "Done". The game speed went down by 10 on the way, with LB.
TEST_F(Gamepad, AnswersTheBoxesWithTheirButtonsAndB) {
    const std::string lowered = std::string(kAtRest) + kUp + "3 lb\n3\n" + kDown + kRight;
    const test::SettingsWindow window = start(lowered + "3 a\n10\n3 b\n10\n");
    ASSERT_TRUE(played());
    EXPECT_EQ(window.text(L"Label9"), L"40");
    EXPECT_FALSE(box(kConfirmTitle));
    EXPECT_FALSE(box(kSaveTitle));
    EXPECT_EQ(test::readFile(iniFile()), test::kWorkedExample) << "B said No";

    const test::SettingsWindow again =
        start(lowered + "3 a\n10\n" + kRight + "3 a\n10\n" + "3 a\n10\n" + kRight + kLeft + "3 a\n10\n3 b\n");
    ASSERT_TRUE(test::waitUntil([&] { return test::readFile(iniFile()) != test::kWorkedExample; }, 15000));
    EXPECT_EQ(test::readFile(iniFile()),
              "[set]\r\nsimple=1\r\nfullscreen=0\r\neffect=1\r\nBattleMode=2\r\n"
              "[constant]\r\nGame_Speed=40\r\nSOUND_VOLUME=127\r\nMUSIC_VOLUME=0\r\n");
    EXPECT_TRUE(test::waitUntil([&] { return !box(kSaveTitle); }, 5000)) << "B closed Done";
    EXPECT_TRUE(IsWindowVisible(again.window()));
}

// A held for a second and a half on the save button opens its box once, and the press that
// opened it, still held, does not answer it.
TEST_F(Gamepad, AButtonHeldDownPressesOnce) {
    start(std::string(kAtRest) + "90 a\n3\n");
    ASSERT_TRUE(played());
    HWND confirm = box(kConfirmTitle);
    ASSERT_TRUE(confirm);
    EXPECT_FALSE(box(kSaveTitle));
    test::pressButton(confirm, IDNO);
    EXPECT_TRUE(test::waitUntil([&] { return !box(kConfirmTitle); }));
    EXPECT_EQ(test::readFile(iniFile()), test::kWorkedExample);
}

// The save button's A, Yes, and "Done" answered by someone else (Proton's gamepad layer) on a
// press that the program reads only once the box has gone: the press was the box's, so it
// does not press the save button again. The file changed on disk since it was read, so the
// save shows in it.
TEST_F(Gamepad, APressThatSomeoneElseAnsweredFirstDoesNotLandOnTheWindow) {
    start(std::string(kAtRest) + "3 a\n10\n3 a\n10\n1 close-box\n3 a\n10\n");
    test::writeFile(iniFile(), kChangedOnDisk);
    ASSERT_TRUE(played());
    EXPECT_FALSE(box(kSaveTitle)) << "Done was answered";
    EXPECT_FALSE(box(kConfirmTitle)) << "the save button was pressed again";
    EXPECT_EQ(test::readFile(iniFile()), test::kWorkedExample) << "Yes saved the window's settings";
}

// A and Start in one reading: A opens the save button's confirm box, answered No; Start,
// read before the box came, does not press the run button after it has gone. The file
// changes on disk meanwhile, so a save would show.
TEST_F(Gamepad, ThePressesOfOneReadingEndWhereAHandlerOpensABox) {
    const test::SettingsWindow window = start(std::string(kAtRest) + "3 a start\n10\n");
    test::writeFile(iniFile(), kChangedOnDisk);
    HWND confirm = run->waitForWindow(test::kMessageBoxClass, kConfirmTitle, 10000);
    ASSERT_TRUE(confirm);
    test::pressButton(confirm, IDNO);
    ASSERT_TRUE(test::waitUntil([&] { return !box(kConfirmTitle); }));
    SendMessageTimeoutW(window.window(), WM_NULL, 0, 0, SMTO_NORMAL, 10000,
                        nullptr); // the program has gone on
    EXPECT_EQ(test::readFile(iniFile()), kChangedOnDisk) << "the run button saved";
}

// A press that runs no handler does not end its reading: A on the game speed's scroll bar
// presses nothing, and Start, read with it, presses the run button.
TEST_F(Gamepad, APressThatRanNoHandlerLeavesTheReadingsLaterPresses) {
    start(std::string(kAtRest) + kUp + "3 a start\n10\n");
    ASSERT_TRUE(played());
    EXPECT_TRUE(test::waitUntil([&] { return gameStarts() == 1; }, 10000)) << "Start was dropped";
}

// Proton's gamepad layer running beside the program in its usual mode drives the message
// boxes, so the program leaves them to it; it does not drive the settings window, which the
// program's pad still does.
TEST_F(Gamepad, LeavesMessageBoxesToProtonsGamepadLayer) {
    const test::ProgramRun layer(forms::applicationDirectory() + L"\\xalia.exe", L"", scripts.path());
    start(std::string(kAtRest) + "3 a\n10\n3 a\n10\n3 b\n10\n");
    ASSERT_TRUE(played());
    HWND confirm = box(kConfirmTitle);
    ASSERT_TRUE(confirm) << "the pad pressed the save button, and left its box alone";
    test::pressButton(confirm, IDNO);
    EXPECT_TRUE(test::waitUntil([&] { return !box(kConfirmTitle); }));
    EXPECT_EQ(test::readFile(iniFile()), test::kWorkedExample);
}

// Told to drive every window, Proton's gamepad layer drives the settings window too: the
// program's pad stands down, even when told to read XInput always; its Back, read a quarter
// second after the window shows, would have closed it while the keys move the focus.
TEST_F(Gamepad, StandsDownWhereProtonsGamepadLayerDrivesEveryWindow) {
    const test::SettingsWindow window = start("1\n3 back\n", L"always", L"1");
    test::bringToFront(window.window());
    HWND focus = test::focusOf(window.window());
    for (int press = 0; press < 3; ++press) {
        test::pressKey(VK_TAB);
        ASSERT_TRUE(test::waitUntil([&] { return test::focusOf(window.window()) != focus; })) << "Tab moves";
        focus = test::focusOf(window.window());
    }
    // Without the stand-down the Back is read within a second: the window's exit is awaited.
    EXPECT_FALSE(run->waitForExit(3000)) << "the pad's Back closed the window";
    EXPECT_FALSE(run->hasLoaded(L"xinput1_4.dll"));
}

// Back closes the window without saving, but only once the window is in front again.
TEST_F(Gamepad, DoesNothingBehindAnotherWindowAndBackClosesWithoutSaving) {
    const test::SettingsWindow window = start("150\n3 back\n");
    HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                 nullptr, nullptr, nullptr, nullptr);
    test::bringToFront(other);
    ASSERT_EQ(GetForegroundWindow(), other);
    for (int waited = 0; waited < 4000; waited += 100) { // 250 readings' time, were the pad read
        test::pumpMessages(100);
        if (GetForegroundWindow() != other) // a window manager may hand the focus back after a while
            test::bringToFront(other);
    }
    EXPECT_FALSE(run->waitForExit(0)) << "the pad acted while another window was in front";
    test::bringToFront(window.window());
    EXPECT_EQ(run->waitForExit(10000), std::optional<DWORD>(0));
    EXPECT_EQ(test::readFile(iniFile()), test::kWorkedExample);
    DestroyWindow(other);
}

// No game controller is listed here, so the program does not load XInput, whose first use
// costs working set under Wine: the stand-in's Back, after 1.6 s of readings, is never read.
TEST_F(Gamepad, LeavesXInputUnloadedWhileNoGameControllerIsListed) {
    constexpr char kBackLater[] = "100\n3 back\n";
    const test::SettingsWindow window = start(kBackLater, nullptr);
    test::bringToFront(window.window());
    test::pumpMessages(static_cast<DWORD>(forms::XInputPad::kProbeInterval) + 1500);
    EXPECT_FALSE(run->waitForExit(0)) << "the pad was read";
    EXPECT_FALSE(run->hasLoaded(L"xinput1_4.dll"));
    EXPECT_FALSE(run->hasLoaded(L"xinput9_1_0.dll"));

    start(kBackLater);
    EXPECT_TRUE(test::waitUntil([&] { return run->hasLoaded(L"xinput1_4.dll"); }, 5000))
        << "told to read XInput always";
    EXPECT_EQ(run->waitForExit(10000), std::optional<DWORD>(0));
}

} // namespace
