// The real program worked only as a player works it: mouse and keys sent as input,
// message boxes answered by clicking their buttons, results read from the screen and
// from the files on disk.

#include "forms/core/application.h"
#include "forms/core/form.h"
#include "tests/support/player.h"
#include "tests/support/program_run.h"
#include "tests/support/settings_window.h"
#include "tests/support/test_support.h"
#include "tests/support/text_size.h"
#include "ui/program_title.h"
#include "ui/trovane_config.h"
#include "ui/trovane_main.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>

namespace {

constexpr char kAtTheEnds[] = "[set]\r\nsimple=1\r\nfullscreen=0\r\neffect=1\r\nBattleMode=2\r\n"
                              "[constant]\r\nGame_Speed=100\r\nSOUND_VOLUME=127\r\nMUSIC_VOLUME=0\r\n";

// Input is handled by another process: expectations wait for it, up to a few seconds.
template <typename Read, typename Value> bool becomes(Read read, const Value& expected) {
    return test::waitUntil([&] { return read() == expected; }, 3000);
}

class Player : public testing::Test {
  protected:
    test::SettingsWindow start(std::string_view settings = kAtTheEnds, bool withGame = false) {
        test::writeFile(iniFile(), settings);
        run =
            std::make_unique<test::ProgramRun>(test::installProgram(game.path(), withGame), L"", game.path());
        HWND window = run->waitForWindow(forms::kFormClass, kProgramTitle, 15000);
        EXPECT_TRUE(window);
        test::bringToFront(window);
        const test::SettingsWindow shown(window);
        EXPECT_TRUE(test::waitUntil([&] { return test::focusOf(window) == shown.control(L"Command1"); }));
        return shown;
    }
    std::wstring iniFile() const { return game.file(L"qirmod.ini"); }
    int gameStarts() const {
        const std::wstring log = game.file(L"qir_trovane.log");
        return test::fileExists(log) ? test::gameStartsIn(test::readFile(log)) : 0;
    }
    // The game's starts once the program has taken all input sent so far (shown by a Tab sent
    // after it, which moves the focus) and every game that it started has ended.
    int gameStartsWhenSettled(const test::SettingsWindow& window) {
        HWND focused = test::focusOf(window.window());
        test::pressKey(VK_TAB);
        EXPECT_TRUE(test::waitUntil([&] { return test::focusOf(window.window()) != focused; }));
        EXPECT_TRUE(test::waitUntil([] { return test::processesNamed(L"qir_trovane.exe") == 0; }, 10000));
        return gameStarts();
    }

    // Waits for a message box of the program, reads it, and clicks one of its buttons.
    test::MessageBoxSeen answer(const wchar_t* title, int button) {
        HWND box = run->waitForWindow(test::kMessageBoxClass, title, 10000);
        if (!box)
            return {};
        const test::MessageBoxSeen seen = test::readMessageBox(box);
        test::click(GetDlgItem(box, button));
        EXPECT_TRUE(test::waitUntil([&] { return !IsWindow(box); })) << "the box took no click";
        return seen;
    }

    // Points of a scroll bar: its left and right arrows, its track left of the thumb, its
    // thumb. The arrows and the thumb are squares as high as the bar; the value places the thumb.
    enum Part { kLeftArrow, kRightArrow, kTrackLeft, kThumb };
    std::array<POINT, 4> partsOf(HWND bar) {
        RECT client;
        GetClientRect(bar, &client);
        SCROLLINFO info{sizeof info, SIF_RANGE | SIF_POS, 0, 0, 0, 0, 0};
        GetScrollInfo(bar, SB_CTL, &info);
        const int square = client.bottom, middle = client.bottom / 2;
        const int thumbLeft =
            square + MulDiv(client.right - 3 * square, info.nPos - info.nMin, info.nMax - info.nMin);
        return {{{square / 2, middle},
                 {client.right - square / 2, middle},
                 {(square + thumbLeft) / 2, middle},
                 {thumbLeft + square / 2, middle}}};
    }

    test::TempFolder game{L"游戏"};
    std::unique_ptr<test::ProgramRun> run;
};

TEST_F(Player, FocusStartsOnTheSaveButtonAndTabFollowsTheTabOrder) {
    const test::SettingsWindow window = start();
    RECT work, outer;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(window.window(), &outer);
    EXPECT_NEAR(outer.left - work.left, work.right - outer.right, 1) << "centred";
    EXPECT_NEAR(outer.top - work.top, work.bottom - outer.bottom, 1) << "centred";
    const std::vector<HWND> order{
        window.control(L"HScroll3"),   window.control(L"HScroll2"),   window.control(L"HScroll1"),
        window.control(L"Option2", 1), window.control(L"Option3", 0), window.control(L"Option1", 1),
        window.control(L"Option4", 2), window.control(L"Command2"),   window.control(L"Command1")};
    for (std::size_t step = 0; step < order.size(); ++step) {
        test::pressKey(VK_TAB);
        EXPECT_TRUE(becomes([&] { return test::focusOf(window.window()); }, order[step]))
            << "Tab " << step + 1;
    }
}

TEST_F(Player, KeysChooseOptionsAndPressButtons) {
    const test::SettingsWindow window = start(kAtTheEnds, true);
    for (int tab = 0; tab < 6; ++tab)
        test::pressKey(VK_TAB); // to the script group, on its selected button
    ASSERT_TRUE(becomes([&] { return test::focusOf(window.window()); }, window.control(L"Option1", 1)));
    test::pressKey(VK_LEFT);
    EXPECT_TRUE(becomes([&] { return window.checked(L"Option1", 0); }, true));
    EXPECT_FALSE(window.checked(L"Option1", 1));
    test::pressKey(VK_TAB);
    test::pressKey(VK_RIGHT);
    EXPECT_TRUE(becomes([&] { return window.checked(L"Option4", 0); }, true))
        << "past the covered button, round to the first";
    test::pressKey(VK_TAB, true);
    test::pressKey(VK_SPACE);
    EXPECT_TRUE(becomes([&] { return window.checked(L"Option1", 0); }, true));
    for (int tab = 0; tab < 3; ++tab)
        test::pressKey(VK_TAB, true); // by Option3 and Option2 to HScroll1
    test::pressKey(VK_RIGHT);
    EXPECT_TRUE(becomes([&] { return window.text(L"Label7"); }, std::wstring(L"1")));
    for (int tab = 0; tab < 4; ++tab)
        test::pressKey(VK_TAB, true); // round to Command2
    ASSERT_TRUE(becomes([&] { return test::focusOf(window.window()); }, window.control(L"Command2")));
    test::pressKey(VK_SPACE);
    ASSERT_TRUE(test::waitUntil([&] { return test::fileExists(game.file(L"qir_trovane.log")); }, 10000));
    test::pressKey(VK_TAB);
    test::pressKey(VK_RETURN);
    EXPECT_EQ(answer(kConfirmTitle, IDNO).text, L"Are You Sure?");
    EXPECT_EQ(test::readFile(iniFile()),
              "[set]\r\nsimple=0\r\nfullscreen=0\r\neffect=1\r\nBattleMode=0\r\n"
              "[constant]\r\nGame_Speed=100\r\nSOUND_VOLUME=127\r\nMUSIC_VOLUME=1\r\n");
}

TEST_F(Player, ScrollBarsMoveByArrowTrackAndThumbAndStopAtTheirEnds) {
    const test::SettingsWindow window = start();
    HWND speed = window.control(L"HScroll3");
    test::clickAt(speed, partsOf(speed)[kRightArrow]);
    EXPECT_TRUE(becomes([&] { return window.text(L"Label9"); }, std::wstring(L"100")))
        << "already at the maximum";
    test::clickAt(speed, partsOf(speed)[kLeftArrow]);
    EXPECT_TRUE(becomes([&] { return window.text(L"Label9"); }, std::wstring(L"99")));
    test::clickAt(speed, partsOf(speed)[kTrackLeft]);
    EXPECT_TRUE(becomes([&] { return window.text(L"Label9"); }, std::wstring(L"98")))
        << "a click in the track steps by one";
    test::clickAt(speed, partsOf(speed)[kTrackLeft]);
    EXPECT_TRUE(becomes([&] { return window.text(L"Label9"); }, std::wstring(L"97")));
    HWND music = window.control(L"HScroll1");
    test::clickAt(music, partsOf(music)[kLeftArrow]);
    EXPECT_TRUE(becomes([&] { return window.text(L"Label7"); }, std::wstring(L"0")))
        << "already at the minimum";
    const POINT thumb = partsOf(music)[kThumb];
    test::mouseDown(music, thumb);
    test::mouseMove(music, {thumb.x + 60, thumb.y});
    test::mouseMove(music, {thumb.x + 90, thumb.y});
    EXPECT_TRUE(becomes([&] { return window.text(L"Label7"); }, std::wstring(L"0")))
        << "the label waits for the release";
    test::mouseUp(music, {thumb.x + 90, thumb.y});
    EXPECT_TRUE(test::waitUntil([&] { return window.text(L"Label7") != L"0"; }));
    EXPECT_EQ(window.text(L"Label7"), std::to_wstring(window.scrollPosition(L"HScroll1")));
}

TEST_F(Player, SaveAskedTwiceAnsweredNoThenYesTwice) {
    const test::SettingsWindow window = start();
    test::click(window.control(L"Option3", 1));
    test::click(window.control(L"Command1"));
    const test::MessageBoxSeen confirm = answer(kConfirmTitle, IDNO);
    EXPECT_EQ(confirm.defaultButton, IDYES);
    EXPECT_FALSE(confirm.hasIcon);
    EXPECT_EQ(test::readFile(iniFile()), kAtTheEnds);
    EXPECT_FALSE(test::findWindow(run->processId(), test::kMessageBoxClass, kSaveTitle));
    for (int press = 0; press < 2; ++press) {
        test::click(window.control(L"Command1"));
        answer(kConfirmTitle, IDYES);
        const test::MessageBoxSeen done = answer(kSaveTitle, IDOK);
        EXPECT_EQ(done.text, L"Done");
        EXPECT_FALSE(done.hasIcon);
        EXPECT_EQ(test::readFile(iniFile()),
                  "[set]\r\nsimple=1\r\nfullscreen=1\r\neffect=1\r\nBattleMode=2\r\n"
                  "[constant]\r\nGame_Speed=100\r\nSOUND_VOLUME=127\r\nMUSIC_VOLUME=0\r\n");
    }
}

// One press, one action: the second click of a double-click is part of the first, on either
// button; a click later than the double-click time is a press of its own.
TEST_F(Player, ADoubleClickPressesAButtonOnce) {
    const test::SettingsWindow window = start(kAtTheEnds, true);
    test::doubleClick(window.control(L"Command2"));
    EXPECT_EQ(gameStartsWhenSettled(window), 1);
    test::pumpMessages(GetDoubleClickTime() + 100);
    test::click(window.control(L"Command2"));
    EXPECT_EQ(gameStartsWhenSettled(window), 2) << "a later click";
    test::doubleClick(window.control(L"Command1"));
    answer(kConfirmTitle, IDNO);
    HWND save = window.control(L"Command1");
    test::pressKey(VK_TAB);
    EXPECT_TRUE(becomes([&] { return test::focusOf(window.window()) != save; }, true));
    EXPECT_FALSE(test::findWindow(run->processId(), test::kMessageBoxClass, kConfirmTitle)) << "asked again";
}

// Enter or Space held down presses once, however often the keyboard repeats it: the repeats
// neither answer the box that the press opened nor press the button again.
TEST_F(Player, AKeyHeldDownPressesAButtonOnce) {
    const test::SettingsWindow window = start(kAtTheEnds, true);
    test::holdKey(window.window(), VK_RETURN, 30);
    HWND confirm = run->waitForWindow(test::kMessageBoxClass, kConfirmTitle, 10000);
    ASSERT_TRUE(confirm);
    test::pressKey(VK_TAB); // after the repeats, to the box's No
    EXPECT_TRUE(becomes([&] { return test::focusOf(confirm); }, GetDlgItem(confirm, IDNO)));
    EXPECT_TRUE(IsWindow(confirm)) << "the repeats answered it";
    EXPECT_FALSE(test::findWindow(run->processId(), test::kMessageBoxClass, kSaveTitle));
    answer(kConfirmTitle, IDNO);
    EXPECT_EQ(test::readFile(iniFile()), kAtTheEnds);
    test::pressKey(VK_TAB, true);
    ASSERT_TRUE(becomes([&] { return test::focusOf(window.window()); }, window.control(L"Command2")));
    test::holdKey(window.window(), VK_RETURN, 30);
    EXPECT_EQ(gameStartsWhenSettled(window), 1);
    test::pressKey(VK_TAB, true);
    ASSERT_TRUE(becomes([&] { return test::focusOf(window.window()); }, window.control(L"Command2")));
    test::holdKey(window.window(), VK_SPACE, 30);
    EXPECT_EQ(gameStartsWhenSettled(window), 2);
}

// The scroll bars keep their standard behaviour: each click of a double-click on an arrow
// steps, and a held arrow key keeps stepping.
TEST_F(Player, ScrollBarsStepOnEveryClickAndEveryRepeat) {
    const test::SettingsWindow window = start();
    HWND music = window.control(L"HScroll1");
    for (int tab = 0; tab < 3; ++tab)
        test::pressKey(VK_TAB); // to HScroll1
    ASSERT_TRUE(becomes([&] { return test::focusOf(window.window()); }, music));
    test::holdKey(window.window(), VK_RIGHT, 9);
    EXPECT_TRUE(becomes([&] { return window.text(L"Label7"); }, std::wstring(L"10")));
    test::doubleClickAt(music, partsOf(music)[kRightArrow]);
    EXPECT_TRUE(becomes([&] { return window.text(L"Label7"); }, std::wstring(L"12")));
}

// The question's label is read before its answers but lies under them where it reaches
// into them: a click on an option's circle there selects the option.
TEST_F(Player, AClickOnAnOptionWhereItsQuestionsLabelReachesSelectsIt) {
    const test::SettingsWindow window = start();
    for (const auto& [group, label] : {std::pair{L"Option1", L"Label3"}, std::pair{L"Option4", L"Label10"}}) {
        HWND option = window.control(group, 0);
        RECT optionRect, labelRect, overlap;
        GetWindowRect(option, &optionRect);
        GetWindowRect(window.control(label), &labelRect);
        ASSERT_TRUE(IntersectRect(&overlap, &optionRect, &labelRect)) << "the layout has the label reach in";
        RECT client;
        GetClientRect(option, &client);
        test::clickAt(option, {4, client.bottom / 2});
        EXPECT_TRUE(becomes([&] { return window.checked(group, 0); }, true)) << group;
    }
}

// A player who made text twice as big gets the window laid out twice as big, and clicks
// land where the controls show.
TEST_F(Player, AtTwiceTheTextSizeTheWindowGrowsWithTheTextAndTakesClicks) {
    const test::TextSize twice(200);
    const test::SettingsWindow window = start();
    RECT client;
    GetClientRect(window.window(), &client);
    const int layoutDpi = 2 * static_cast<int>(GetDpiForSystem());
    EXPECT_EQ(client.right, MulDiv(5460, layoutDpi, 1440));
    EXPECT_EQ(client.bottom, MulDiv(5985, layoutDpi, 1440));
    test::click(window.control(L"Option1", 0));
    EXPECT_TRUE(becomes([&] { return window.checked(L"Option1", 0); }, true));
    test::click(window.control(L"Option4", 0));
    EXPECT_TRUE(becomes([&] { return window.checked(L"Option4", 0); }, true));
}

// The boxes belong to the settings window even when a press arrives while the window is
// not the active one, as when the window manager has just moved the focus: the window is
// disabled behind the box and cannot cover it.
TEST_F(Player, ABoxIsModalToTheWindowEvenWhenTheWindowIsNotActive) {
    const test::SettingsWindow window = start();
    HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                 nullptr, nullptr, nullptr, nullptr);
    test::bringToFront(other);
    HWND save = window.control(L"Command1");
    PostMessageW(save, WM_KEYDOWN, VK_SPACE, 0); // a press that does not activate the window
    PostMessageW(save, WM_KEYUP, VK_SPACE, 0);
    HWND box = run->waitForWindow(test::kMessageBoxClass, kConfirmTitle, 10000);
    ASSERT_TRUE(box);
    EXPECT_EQ(GetWindow(box, GW_OWNER), window.window());
    EXPECT_FALSE(IsWindowEnabled(window.window()));
    test::pressButton(box, IDNO);
    DestroyWindow(other);
}

TEST_F(Player, ClicksOnTheSplashChangeNothing) {
    test::writeFile(iniFile(), kAtTheEnds);
    run = std::make_unique<test::ProgramRun>(test::installProgram(game.path()), L"", game.path());
    HWND splash = run->waitForWindow(forms::kFormClass, kSplashTitle, 15000);
    ASSERT_TRUE(splash);
    const DWORD shown = GetTickCount();
    test::clickAt(splash, {100, 100});
    test::pressKey(VK_ESCAPE);
    test::pressKey(VK_RETURN);
    ASSERT_TRUE(run->waitForWindow(forms::kFormClass, kProgramTitle, 5000));
    EXPECT_GE(GetTickCount() - shown, 800u);
}

} // namespace
