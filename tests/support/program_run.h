#pragma once
// Runs a program as a separate process and watches it from the outside.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace test {

class ProgramRun {
  public:
    // Starts the program with the command line and working directory given.
    ProgramRun(const std::wstring& program, const std::wstring& arguments,
               const std::wstring& workingDirectory);
    ~ProgramRun(); // ends the process if it is still running
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    DWORD processId() const { return info_.dwProcessId; }
    HANDLE process() const { return info_.hProcess; }
    HWND waitForWindow(std::wstring_view windowClass, std::wstring_view title,
                       DWORD timeoutMilliseconds) const;
    // The exit code, or nothing when the process still runs after the time.
    std::optional<DWORD> waitForExit(DWORD timeoutMilliseconds) const;
    // Whether the process has a DLL of that file name loaded now.
    bool hasLoaded(std::wstring_view dll) const;

  private:
    PROCESS_INFORMATION info_{};
};

// Copies Trovane_Config.exe (and the stand-in game when asked) from the build into a folder.
std::wstring installProgram(const std::wstring& folder, bool withGame = false);
// How many times the stand-in game has started, by the records in the text of its log.
int gameStartsIn(std::string_view log);
// How many processes of that file name run now.
int processesNamed(std::wstring_view exe);

} // namespace test
