#include "tests/support/program_run.h"

#include "forms/core/application.h"
#include "locale/code_pages.h"
#include "tests/support/test_support.h"

#include <tlhelp32.h>

#include <stdexcept>
#include <string>

namespace test {

namespace {

// Wine now and then refuses to start a process with ERROR_INTERNAL_ERROR, about once in
// a few thousand starts when several threads start processes at once; a second try works.
bool startProcess(const std::wstring& program, std::wstring commandLine, const std::wstring& workingDirectory,
                  PROCESS_INFORMATION& info) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           workingDirectory.c_str(), &startup, &info))
            return true;
        if (GetLastError() != ERROR_INTERNAL_ERROR)
            return false;
    }
    return false;
}

} // namespace

ProgramRun::ProgramRun(const std::wstring& program, const std::wstring& arguments,
                       const std::wstring& workingDirectory) {
    const std::wstring commandLine = L"\"" + program + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    if (!startProcess(program, commandLine, workingDirectory, info_))
        throw std::runtime_error("cannot start the program: error " + std::to_string(GetLastError()));
}

ProgramRun::~ProgramRun() {
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

HWND ProgramRun::waitForWindow(std::wstring_view windowClass, std::wstring_view title,
                               DWORD timeoutMilliseconds) const {
    return test::waitForWindow(processId(), windowClass, title, timeoutMilliseconds);
}

std::optional<DWORD> ProgramRun::waitForExit(DWORD timeoutMilliseconds) const {
    if (WaitForSingleObject(info_.hProcess, timeoutMilliseconds) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

bool ProgramRun::hasLoaded(std::wstring_view dll) const {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, info_.dwProcessId);
    if (snapshot == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot list the modules of the program's process");
    MODULEENTRY32W module{};
    module.dwSize = sizeof module;
    bool found = false;
    for (BOOL more = Module32FirstW(snapshot, &module); more && !found;
         more = Module32NextW(snapshot, &module))
        found = equalIgnoringCase(module.szModule, dll);
    CloseHandle(snapshot);
    return found;
}

std::wstring installProgram(const std::wstring& folder, bool withGame) {
    const std::wstring program = folder + L"\\Trovane_Config.exe";
    copyFile(forms::applicationDirectory() + L"\\Trovane_Config.exe", program);
    if (withGame)
        copyFile(forms::applicationDirectory() + L"\\qir_trovane.exe", folder + L"\\qir_trovane.exe");
    return program;
}

int processesNamed(std::wstring_view exe) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot list the processes");
    PROCESSENTRY32W process{};
    process.dwSize = sizeof process;
    int count = 0;
    for (BOOL more = Process32FirstW(snapshot, &process); more; more = Process32NextW(snapshot, &process))
        count += equalIgnoringCase(process.szExeFile, exe) ? 1 : 0;
    CloseHandle(snapshot);
    return count;
}

int gameStartsIn(std::string_view log) {
    int starts = 0;
    for (auto at = log.find("---"); at != std::string_view::npos; at = log.find("---", at + 1))
        ++starts;
    return starts;
}

} // namespace test
