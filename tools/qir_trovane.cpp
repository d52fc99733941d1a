// A stand-in for the game, for the demo and the tests: it appends to qir_trovane.log
// beside itself what it found when it started (its working directory, its command
// line and arguments, and the qirmod.ini beside it), then ends.

#include "forms/core/application.h"
#include "locale/code_pages.h"

#include <windows.h>

#include <shellapi.h>

#include <string>

namespace {

std::string utf8(const std::wstring& text) {
    return encodeInCodePage(text, CP_UTF8).value_or("");
}

std::string fileBytes(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "<none>\r\n";
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    return bytes;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const std::wstring folder = forms::applicationDirectory();
    wchar_t directory[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, directory);
    int argumentCount = 0;
    LocalFree(CommandLineToArgvW(GetCommandLineW(), &argumentCount));
    const std::string record = "cwd=" + utf8(directory) + "\r\ncommandline=" + utf8(GetCommandLineW()) +
                               "\r\narguments=" + std::to_string(argumentCount - 1) + "\r\n[qirmod.ini]\r\n" +
                               fileBytes(folder + L"\\qirmod.ini") + "---\r\n";
    HANDLE log = CreateFileW((folder + L"\\qir_trovane.log").c_str(), FILE_APPEND_DATA, FILE_SHARE_READ,
                             nullptr, OPEN_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(log, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
    CloseHandle(log);
    return 0;
}
