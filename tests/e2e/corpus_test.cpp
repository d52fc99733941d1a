// The program against the bad-input corpus: every case either loads and shows exactly
// what the file holds, or shows the error box with the expected number, naming the file,
// and ends; no case crashes, hangs or changes the file. What the file holds is read from
// outside, through the platform's profile functions, with the settings rules applied here.

#include "forms/core/application.h"
#include "forms/core/form.h"
#include "tests/support/program_run.h"
#include "tests/support/settings_window.h"
#include "tests/support/test_support.h"
#include "tools/corpus/settings_corpus.h"
#include "ui/program_title.h"
#include "ui/trovane_main.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <cstdio>
#include <optional>
#include <thread>

namespace {

constexpr std::int32_t kMissingKey = static_cast<std::int32_t>(0x80040001u);

struct Expected {
    std::int32_t error = 0; // 0: the window loads
    std::array<int, 4> options{};
    std::array<int, 3> bars{};
};

struct OptionKey {
    const wchar_t* key;
    const wchar_t* group;
    int members;
};
constexpr OptionKey kOptions[] = {{L"simple", L"Option1", 2},
                                  {L"fullscreen", L"Option3", 2},
                                  {L"effect", L"Option2", 2},
                                  {L"BattleMode", L"Option4", 3}};

struct ScrollKey {
    const wchar_t* key;
    const wchar_t* bar;
    const wchar_t* label;
    int min;
    int max;
};
constexpr ScrollKey kScrolls[] = {{L"Game_Speed", L"HScroll3", L"Label9", 1, 100},
                                  {L"SOUND_VOLUME", L"HScroll2", L"Label8", 0, 127},
                                  {L"MUSIC_VOLUME", L"HScroll1", L"Label7", 0, 127}};

// A stored option text as a 16-bit number in `value`; the error number when it is none.
std::int32_t optionNumber(std::wstring text, int& value) {
    while (!text.empty() && (text.back() == L' ' || text.back() == L'\t'))
        text.pop_back();
    std::size_t at = text.find_first_not_of(L" \t");
    if (at == std::wstring::npos)
        return 13;
    const bool negative = text[at] == L'-';
    if (text[at] == L'-' || text[at] == L'+')
        ++at;
    if (at == text.size())
        return 13;
    long long magnitude = 0;
    for (; at < text.size(); ++at) {
        if (text[at] < L'0' || text[at] > L'9')
            return 13;
        magnitude = std::min(magnitude * 10 + (text[at] - L'0'), 1LL << 40);
    }
    const long long number = negative ? -magnitude : magnitude;
    if (number < -32768 || number > 32767)
        return 6;
    value = static_cast<int>(number);
    return 0;
}

Expected whatTheFileHolds(const std::wstring& file) {
    Expected expected;
    for (std::size_t i = 0; i < 4; ++i) {
        wchar_t text[256];
        const DWORD length = GetPrivateProfileStringW(L"set", kOptions[i].key, L"", text, 256, file.c_str());
        int index = 0;
        if (const std::int32_t error = optionNumber(std::wstring(text, length), index))
            return {error, {}, {}};
        if (index < 0 || index >= kOptions[i].members)
            return {340, {}, {}};
        expected.options[i] = index;
    }
    for (std::size_t i = 0; i < 3; ++i) {
        const auto value = static_cast<std::int32_t>(
            GetPrivateProfileIntW(L"constant", kScrolls[i].key, -65536, file.c_str()));
        if (value == -65536)
            return {kMissingKey, {}, {}};
        if (value < -32768 || value > 32767)
            return {6, {}, {}};
        if (value < kScrolls[i].min || value > kScrolls[i].max)
            return {380, {}, {}};
        expected.bars[i] = value;
    }
    return expected;
}

std::wstring errorLine(std::int32_t number) {
    wchar_t text[64];
    if (number == kMissingKey)
        std::swprintf(text, 64, L"Run-time error '%d (%08X)':", number, static_cast<unsigned>(number));
    else
        std::swprintf(text, 64, L"Run-time error '%d':", number);
    return text;
}

// What is wrong with the window's state, or the empty text.
std::wstring compareWindow(const test::SettingsWindow& window, const Expected& expected) {
    for (std::size_t i = 0; i < 4; ++i)
        for (int member = 0; member < kOptions[i].members; ++member)
            if (window.checked(kOptions[i].group, member) != (member == expected.options[i]))
                return std::wstring(kOptions[i].group) + L" shows the wrong choice";
    for (std::size_t i = 0; i < 3; ++i)
        if (window.scrollPosition(kScrolls[i].bar) != expected.bars[i] ||
            window.text(kScrolls[i].label) != std::to_wstring(expected.bars[i]))
            return std::wstring(kScrolls[i].bar) + L" shows the wrong value";
    return L"";
}

enum class Outcome { Loaded, FailedAsExpected, WentWrong };

struct Result {
    Outcome outcome = Outcome::WentWrong;
    std::wstring detail;
};

std::string snapshot(const std::wstring& path, bool folder) {
    if (folder)
        return GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY ? "<folder>" : "<not a folder>";
    return test::readFile(path);
}

Result runCase(const corpus::Case& testCase) {
    test::TempFolder game(L"corpus");
    const std::wstring file = game.file(L"qirmod.ini");
    if (testCase.folder)
        CreateDirectoryW(file.c_str(), nullptr);
    else
        test::writeFile(file, testCase.bytes);
    const std::string before = snapshot(file, testCase.folder);
    const Expected expected = whatTheFileHolds(file);
    test::ProgramRun run(test::installProgram(game.path()), L"", game.path());
    Result result;
    bool splashClosed = false;
    for (const DWORD start = GetTickCount(); GetTickCount() - start < 10000; Sleep(20)) {
        if (HWND splash = test::findWindow(run.processId(), forms::kFormClass, kSplashTitle);
            splash && !splashClosed) {
            PostMessageW(splash, WM_CLOSE, 0, 0); // hand over at once: the second's wait is tested elsewhere
            splashClosed = true;
        }
        if (HWND box = test::findWindow(run.processId(), test::kMessageBoxClass, kProgramTitle)) {
            Sleep(30);
            const std::wstring text = test::readMessageBox(box).text;
            test::pressButton(box, IDOK);
            const bool expectedError = expected.error && text.rfind(errorLine(expected.error), 0) == 0 &&
                                       text.find(file) != std::wstring::npos;
            result = {expectedError ? Outcome::FailedAsExpected : Outcome::WentWrong, text};
            if (run.waitForExit(5000) != 1u)
                result = {Outcome::WentWrong, L"no exit code 1 after the error box"};
            break;
        }
        if (HWND window = test::findWindow(run.processId(), forms::kFormClass, kProgramTitle)) {
            Sleep(30);
            const std::wstring wrong = expected.error
                                           ? L"loaded, expected error " + std::to_wstring(expected.error)
                                           : compareWindow(test::SettingsWindow(window), expected);
            PostMessageW(window, WM_CLOSE, 0, 0);
            result = {wrong.empty() ? Outcome::Loaded : Outcome::WentWrong, wrong};
            if (run.waitForExit(5000) != 0u)
                result = {Outcome::WentWrong, L"no exit code 0 after closing"};
            break;
        }
        if (const auto code = run.waitForExit(0)) {
            result = {Outcome::WentWrong, L"ended by itself with code " + std::to_wstring(*code)};
            break;
        }
    }
    if (result.detail.empty() && result.outcome == Outcome::WentWrong)
        result.detail = L"no window within 10 seconds";
    if (snapshot(file, testCase.folder) != before)
        result = {Outcome::WentWrong, L"the file changed"};
    return result;
}

// A case whose test cannot be run goes wrong; a worker thread must not end the test.
Result runCaseCatching(const corpus::Case& testCase) {
    try {
        return runCase(testCase);
    } catch (const std::exception& error) {
        const std::string what = error.what();
        return {Outcome::WentWrong, std::wstring(what.begin(), what.end())};
    }
}

TEST(Corpus, EveryCaseLoadsOrFailsAsExpectedAndNoneGoesWrong) {
    const std::vector<corpus::Case> cases = corpus::generate(20261207u);
    ASSERT_GE(cases.size(), 500u);
    std::vector<Result> results(cases.size());
    std::atomic<std::size_t> next{0};
    std::vector<std::thread> workers;
    for (int worker = 0; worker < 3; ++worker)
        workers.emplace_back([&] {
            for (std::size_t i = next++; i < cases.size(); i = next++)
                results[i] = runCaseCatching(cases[i]);
        });
    for (std::thread& worker : workers)
        worker.join();
    int counts[3] = {0, 0, 0};
    for (std::size_t i = 0; i < cases.size(); ++i) {
        ++counts[static_cast<int>(results[i].outcome)];
        if (results[i].outcome == Outcome::WentWrong)
            ADD_FAILURE() << "case " << i + 1 << " (" << cases[i].name
                          << "): " << testing::PrintToString(results[i].detail);
    }
    std::printf("corpus: %zu cases, %d loaded, %d failed as expected, %d went wrong\n", cases.size(),
                counts[0], counts[1], counts[2]);
    EXPECT_EQ(counts[2], 0);
}

} // namespace
