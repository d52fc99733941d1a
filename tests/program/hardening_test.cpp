// DLLs dropped into the game folder are never loaded, through a whole run that shows
// both windows and starts the game.

#include "forms/core/application.h"
#include "forms/core/form.h"
#include "tests/support/program_run.h"
#include "tests/support/settings_window.h"
#include "tests/support/test_support.h"
#include "ui/program_title.h"

#include <gtest/gtest.h>

namespace {

// Names of system DLLs that the program, or what it uses, loads while it runs.
constexpr const wchar_t* kPlanted[] = {L"windowscodecs.dll", L"shell32.dll", L"comctl32.dll", L"uxtheme.dll",
                                       L"msimg32.dll",       L"version.dll", L"shlwapi.dll",  L"imm32.dll"};

// Under Wine its own DLLs win over any file; asking it to prefer native DLLs for these
// names lets the search order decide, as on Windows (where the variable means nothing).
// Wine has loaded several of these names into every process before the program starts,
// so there the test guards the names it has not (WIC, common controls and theirs); on
// Windows it guards them all.
std::wstring preferNativeDlls() {
    std::wstring overrides;
    for (std::wstring_view name : kPlanted)
        overrides += std::wstring(name.substr(0, name.size() - 4)) + L",";
    overrides.back() = L'=';
    return overrides + L"n,b;mscoree,mshtml=";
}

TEST(Hardening, DllsInTheGameFolderAreNeverLoaded) {
    test::TempFolder game(L"planted");
    test::writeFile(game.file(L"qirmod.ini"), test::kWorkedExample);
    for (const wchar_t* name : kPlanted)
        test::copyFile(forms::applicationDirectory() + L"\\planted_dll.dll", game.file(name));
    SetEnvironmentVariableW(L"WINEDLLOVERRIDES", preferNativeDlls().c_str());
    test::ProgramRun run(test::installProgram(game.path(), true), L"", game.path());
    SetEnvironmentVariableW(L"WINEDLLOVERRIDES", L"mscoree,mshtml=");
    HWND window = run.waitForWindow(forms::kFormClass, kProgramTitle, 15000);
    ASSERT_TRUE(window);
    test::SettingsWindow(window).click(L"Command2");
    for (DWORD waited = 0; waited < 10000 && !test::fileExists(game.file(L"qir_trovane.log")); waited += 50)
        test::pumpMessages(50);
    EXPECT_TRUE(test::fileExists(game.file(L"qir_trovane.log"))) << "the game started";
    for (const wchar_t* name : kPlanted)
        EXPECT_FALSE(test::fileExists(game.file(name) + L".loaded")) << name;
}

} // namespace
