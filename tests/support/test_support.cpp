#include "tests/support/test_support.h"

#include "forms/input/keyboard.h"

#include <windows.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace test {

namespace {

std::wstring uniqueName(std::wstring_view hint) {
    static LONG counter = 0;
    return std::wstring(hint) + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(InterlockedIncrement(&counter)) + L"-" + std::to_wstring(GetTickCount());
}

struct WindowQuery {
    DWORD processId;
    std::wstring_view windowClass;
    std::wstring_view title;
    std::vector<HWND> found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM parameter) {
    auto& query = *reinterpret_cast<WindowQuery*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[64];
    GetClassNameW(window, className, 64);
    if (IsWindowVisible(window) && (query.processId == 0 || owner == query.processId) &&
        query.windowClass == className && windowText(window) == query.title)
        query.found.push_back(window);
    return TRUE;
}

bool isIcon(HWND child) {
    wchar_t className[16];
    GetClassNameW(child, className, 16);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
    return std::wstring_view(className) == L"Static" && (style & SS_TYPEMASK) == SS_ICON &&
           IsWindowVisible(child) && SendMessageW(child, STM_GETICON, 0, 0) != 0;
}

} // namespace

TempFolder::TempFolder(std::wstring_view nameHint)
    : path_((std::filesystem::temp_directory_path() / uniqueName(nameHint)).wstring()) {
    if (!std::filesystem::create_directory(path_))
        throw std::runtime_error("a temporary folder of that name exists");
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

// Shares the file in every way, so that a test that reads it while the program saves it
// neither stops the program's rename nor is stopped by it.
std::string readFile(const std::wstring& path) {
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot read a file: error " + std::to_string(GetLastError()));
    std::string bytes;
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0)
        bytes.append(chunk, read);
    CloseHandle(file);
    return bytes;
}

void writeFile(const std::wstring& path, std::string_view bytes) {
    std::ofstream file(std::filesystem::path(path), std::ios::binary);
    if (!file.write(bytes.data(), static_cast<std::streamsize>(bytes.size())).flush())
        throw std::runtime_error("cannot write a file");
}

std::string settingsFileOfSize(std::size_t size) {
    if (size == 0)
        return kWorkedExample;
    const std::size_t room = size - std::strlen(kWorkedExample) - 3; // for ";" and a line end
    std::string text = "[game]\r\n";
    for (int n = 0; text.size() + 40 < room; ++n)
        text += "item" + std::to_string(n) + "=\xCE\xEF\xC6\xB7 " + std::to_string(n * 7919) + "\r\n";
    return text + ";" + std::string(room - text.size(), '-') + "\r\n" + kWorkedExample;
}

bool fileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void copyFile(const std::wstring& from, const std::wstring& to) {
    if (!CopyFileW(from.c_str(), to.c_str(), FALSE))
        throw std::runtime_error("cannot copy a file");
}

void pumpMessages(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (forms::navigateByKey(message))
                continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    } while (GetTickCount() - start < milliseconds);
}

std::vector<HWND> findWindows(DWORD processId, std::wstring_view windowClass, std::wstring_view title) {
    WindowQuery query{processId, windowClass, title, {}};
    EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

HWND findWindow(DWORD processId, std::wstring_view windowClass, std::wstring_view title) {
    const std::vector<HWND> found = findWindows(processId, windowClass, title);
    return found.empty() ? nullptr : found.front();
}

HWND waitForWindow(DWORD processId, std::wstring_view windowClass, std::wstring_view title,
                   DWORD timeoutMilliseconds) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND found = findWindow(processId, windowClass, title))
            return found;
        if (GetTickCount() - start > timeoutMilliseconds)
            return nullptr;
        pumpMessages(10);
    }
}

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

MessageBoxSeen readMessageBox(HWND box) {
    MessageBoxSeen seen;
    if (HWND text = GetDlgItem(box, 0xFFFF))
        seen.text = windowText(text);
    for (int id : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO}) {
        HWND button = GetDlgItem(box, id);
        if (!button || !IsWindowVisible(button))
            continue;
        seen.buttons.push_back(id);
        if ((GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            seen.defaultButton = id;
    }
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        seen.hasIcon = seen.hasIcon || isIcon(child);
    return seen;
}

void pressButton(HWND box, int id) {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
}

} // namespace test
