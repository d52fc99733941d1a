// Measures, on this machine and in one run: how soon Trovane_Config.exe shows its splash
// and its settings window, against a bare program's one window; the settings window's
// load; a save; the peak working set of both; the exe's size and imports; and what each
// part of the program costs when added alone to the bare window. Prints tables of
// medians.   startup_bench.exe [RUNS]

#include "forms/core/application.h"
#include "forms/core/form.h"
#include "locale/gb_big5_api.h"
#include "settings/mod_ini_edit.h"
#include "settings/profile_save.h"
#include "tests/support/pe_file.h"
#include "tests/support/program_run.h"
#include "tests/support/test_support.h"
#include "ui/localisation_step.h"
#include "ui/program_title.h"
#include "ui/trovane_config.h"
#include "ui/trovane_main.h"

#include <objbase.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

double now() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / ticksPerMs;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Sample {
    double splash = 0;   // ms from start to the splash being visible
    double settings = 0; // ms from start to the settings window being visible
    double peakMiB = 0;
};

// Starts a program and waits, polling every millisecond, for its windows to be visible.
Sample measure(const std::wstring& program, const std::wstring& folder, const wchar_t* firstTitle,
               const wchar_t* lastTitle, const wchar_t* windowClass, const std::wstring& arguments = L"") {
    Sample sample;
    const double start = now();
    test::ProgramRun run(program, arguments, folder);
    HWND last = nullptr;
    for (const double limit = start + 20000; !last && now() < limit; Sleep(1)) {
        if (!sample.splash && test::findWindow(run.processId(), windowClass, firstTitle))
            sample.splash = now() - start;
        if ((last = test::findWindow(run.processId(), windowClass, lastTitle)))
            sample.settings = now() - start;
    }
    Sleep(300);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(run.process(), &memory, sizeof memory);
    sample.peakMiB = static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0);
    PostMessageW(last, WM_CLOSE, 0, 0);
    run.waitForExit(5000);
    return sample;
}

struct LoadTimes {
    double whole = 0; // reading the file, the caption pass and the font choice
    double font = 0;  // the font choice alone
};

// The settings window's load in this process, as the program does it.
LoadTimes loadMilliseconds(const std::wstring& settingsFile) {
    ModINIedit::INIFileName = settingsFile;
    std::vector<double> whole, font;
    for (int i = 0; i < 25; ++i) {
        Trovane_Config form;
        form.create();
        const double start = now();
        form.readINI();
        localisationStep(form);
        const double captioned = now();
        form.fitFont();
        whole.push_back(now() - start);
        font.push_back(now() - captioned);
    }
    return {median(whole), median(font)};
}

// One save of the seven keys into a settings file of the given content.
double saveMilliseconds(const std::wstring& file, const std::string& content) {
    const std::vector<settings::ProfileKey> keys{
        {L"set", L"simple", L"0"},           {L"set", L"fullscreen", L"1"},
        {L"set", L"effect", L"0"},           {L"set", L"BattleMode", L"0"},
        {L"constant", L"Game_Speed", L"99"}, {L"constant", L"SOUND_VOLUME", L"1"},
        {L"constant", L"MUSIC_VOLUME", L"2"}};
    std::vector<double> times;
    for (int i = 0; i < 9; ++i) {
        test::writeFile(file, content);
        const double start = now();
        settings::saveProfileKeys(file, keys);
        times.push_back(now() - start);
    }
    return median(times);
}

const char* verdict(bool met) {
    return met ? "met" : "NOT met";
}

// One part of the program, added alone to the bare window.
struct Part {
    const char* what;
    const wchar_t* program;
    const wchar_t* arguments;
};

constexpr Part kParts[] = {{"the manifest (common controls 6)", L"bare_window_manifest.exe", L""},
                           {"the thirty controls", L"bare_window.exe", L"controls"},
                           {"the Chinese font (one label)", L"bare_window.exe", L"font"},
                           {"the JPEG decoder (the splash picture)", L"bare_window.exe", L"jpeg"},
                           {"the pad support, with no pad", L"bare_window.exe", L"pad"},
                           {"XInput itself, read with no pad", L"bare_window.exe", L"xinput"}};

// What each part costs over the bare window, runs alternating with it.
void printPartCosts(const std::wstring& folder, int runs) {
    std::printf("\nWhat each part costs over the bare window, medians of %d runs:\n\n", runs);
    std::printf(
        "| part | window visible | over bare | peak working set | over bare |\n|---|---|---|---|---|\n");
    const std::wstring bare = forms::applicationDirectory() + L"\\bare_window.exe";
    for (const Part& part : kParts) {
        const std::wstring program = forms::applicationDirectory() + L"\\" + part.program;
        std::vector<double> shown, bareShown, peak, barePeak;
        for (int i = 0; i < runs; ++i) {
            const Sample with = measure(program, folder, L"Bare", L"Bare", L"BareWindow", part.arguments);
            const Sample without = measure(bare, folder, L"Bare", L"Bare", L"BareWindow");
            shown.push_back(with.settings);
            bareShown.push_back(without.settings);
            peak.push_back(with.peakMiB);
            barePeak.push_back(without.peakMiB);
        }
        std::printf("| %s | %.0f ms | %+.0f ms | %.1f MiB | %+.1f MiB |\n", part.what, median(shown),
                    median(shown) - median(bareShown), median(peak), median(peak) - median(barePeak));
    }
}

} // namespace

int main(int argc, char** argv) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    test::TempFolder game(L"bench");
    test::writeFile(game.file(L"qirmod.ini"),
                    "[set]\r\nsimple=1\r\nfullscreen=0\r\neffect=1\r\nBattleMode=2\r\n"
                    "[constant]\r\nGame_Speed=50\r\nSOUND_VOLUME=100\r\nMUSIC_VOLUME=80\r\n");
    const std::wstring program = test::installProgram(game.path());
    const std::wstring bare = forms::applicationDirectory() + L"\\bare_window.exe";
    measure(program, game.path(), kSplashTitle, kProgramTitle, forms::kFormClass); // warm the caches
    measure(bare, game.path(), L"Bare", L"Bare", L"BareWindow");
    std::vector<double> splash, handOver, bareWindow, configPeak, barePeak;
    for (int i = 0; i < runs; ++i) {
        const Sample config = measure(program, game.path(), kSplashTitle, kProgramTitle, forms::kFormClass);
        const Sample floor = measure(bare, game.path(), L"Bare", L"Bare", L"BareWindow");
        splash.push_back(config.splash);
        handOver.push_back(config.settings - config.splash);
        configPeak.push_back(config.peakMiB);
        bareWindow.push_back(floor.settings);
        barePeak.push_back(floor.peakMiB);
    }
    const LoadTimes load = loadMilliseconds(game.file(L"qirmod.ini"));
    const double save = saveMilliseconds(game.file(L"saved.ini"), test::kWorkedExample);
    const double saveLarge = saveMilliseconds(game.file(L"saved.ini"), test::settingsFileOfSize(1 << 20));
    WIN32_FILE_ATTRIBUTE_DATA attributes{};
    GetFileAttributesExW(program.c_str(), GetFileExInfoStandard, &attributes);
    const double sizeKiB = attributes.nFileSizeLow / 1024.0;
    std::string imports;
    for (const std::string& dll : test::PeFile(program).importedDlls())
        imports += (imports.empty() ? "" : ", ") + dll;

    const double splashRatio = median(splash) / median(bareWindow);
    const double peakRatio = median(configPeak) / median(barePeak);
    const double handOverLimit = 1000 + median(bareWindow) / 2;
    std::printf("Medians of %d runs (charset %ls):\n\n", runs, gb_big5_api::SystemCharset.c_str());
    std::printf("| figure | Trovane_Config | bare window | ratio | target |\n|---|---|---|---|---|\n");
    std::printf("| start to first window visible | %.0f ms (splash) | %.0f ms | %.2f | <= 1.12: %s |\n",
                median(splash), median(bareWindow), splashRatio, verdict(splashRatio <= 1.12));
    std::printf("| splash visible to settings window visible | %.0f ms | | | 1000-%.0f ms: %s |\n",
                median(handOver), handOverLimit,
                verdict(median(handOver) >= 1000 && median(handOver) <= handOverLimit));
    std::printf("| settings window's load (file, captions, font) | %.2f ms | | | < 20 ms: %s |\n", load.whole,
                verdict(load.whole < 20));
    std::printf("| of which the font choice | %.2f ms | | | |\n", load.font);
    std::printf("| save of the seven keys | %.2f ms | | | < 10 ms: %s |\n", save, verdict(save < 10));
    std::printf("| save into a 1 MB file | %.1f ms | | | < 100 ms: %s |\n", saveLarge,
                verdict(saveLarge < 100));
    std::printf("| peak working set | %.1f MiB | %.1f MiB | %.2f | <= 1.3: %s |\n", median(configPeak),
                median(barePeak), peakRatio, verdict(peakRatio <= 1.3));
    std::printf("| exe size | %.0f KiB | | | < 1024 KiB: %s |\n", sizeKiB, verdict(sizeKiB < 1024));
    std::printf("| imports | %s | | | Windows' own DLLs |\n", imports.c_str());
    printPartCosts(game.path(), runs);
    return 0;
}
