// DLLs dropped into the game folder are never loaded: through a whole run that shows both
// windows and starts the game, and where Windows lacks SetDefaultDllDirectories.

#include "forms/core/application.h"
#include "forms/core/form.h"
#include "forms/platform/system_dll.h"
#include "tests/support/program_run.h"
#include "tests/support/settings_window.h"
#include "tests/support/test_support.h"
#include "ui/program_title.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

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

// Windows 7 without update KB2533623 has no SetDefaultDllDirectories. A system DLL that the
// program loads by its full path must still take its own dependencies from the system
// folder, not from the program's: here the dependencies of the video file library, which
// nothing has loaded yet, are planted beside a copy of this test program, which runs this
// test again in a process of its own with the function hidden. Only Windows can make this
// fail: Wine's loader takes a system DLL's dependencies from the system folder by itself.
TEST(Hardening, WithoutSetDefaultDllDirectoriesASystemDllTakesNoDependencyFromTheProgramsFolder) {
    constexpr const wchar_t* kDependencies[] = {L"msacm32.dll", L"msvfw32.dll"};
    if (GetEnvironmentVariableW(L"TROVANE_HIDE_DEFAULT_DLL_DIRECTORIES", nullptr, 0)) {
        forms::restrictDllSearchToSystem([]() -> FARPROC { return nullptr; });
        EXPECT_TRUE(forms::systemProcedure(L"avifil32.dll", "AVIFileInit"));
        return;
    }
    test::TempFolder folder(L"no default dll directories");
    const std::wstring copy = folder.file(L"trovane_tests.exe");
    test::copyFile(forms::applicationDirectory() + L"\\trovane_tests.exe", copy);
    for (const wchar_t* name : kDependencies)
        test::copyFile(forms::applicationDirectory() + L"\\planted_dll.dll", folder.file(name));
    SetEnvironmentVariableW(L"WINEDLLOVERRIDES", L"msacm32,msvfw32=n,b;mscoree,mshtml=");
    SetEnvironmentVariableW(L"TROVANE_HIDE_DEFAULT_DLL_DIRECTORIES", L"1");
    const testing::TestInfo& self = *testing::UnitTest::GetInstance()->current_test_info();
    const std::string filter = std::string(self.test_suite_name()) + "." + self.name();
    const test::ProgramRun run(copy, L"--gtest_filter=" + std::wstring(filter.begin(), filter.end()),
                               folder.path());
    SetEnvironmentVariableW(L"TROVANE_HIDE_DEFAULT_DLL_DIRECTORIES", nullptr);
    SetEnvironmentVariableW(L"WINEDLLOVERRIDES", L"mscoree,mshtml=");
    EXPECT_EQ(run.waitForExit(60000), std::optional<DWORD>(0)) << "the system DLL did not load";
    for (const wchar_t* name : kDependencies)
        EXPECT_FALSE(test::fileExists(folder.file(name) + L".loaded")) << name;
}

} // namespace
