#pragma once
// Helpers for tests that run under Windows or Wine: temporary folders, files, the
// message loop, message boxes and the program's own executable.

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace test {

// The system's window class of message boxes.
inline constexpr wchar_t kMessageBoxClass[] = L"#32770";

// The settings file of the worked example: simplified, window, effects off, semi-real-time
// battles, game speed 50, sound 127, music 0.
inline constexpr char kWorkedExample[] =
    "[set]\r\nsimple=1\r\nfullscreen=0\r\neffect=1\r\nBattleMode=2\r\n"
    "[constant]\r\nGame_Speed=50\r\nSOUND_VOLUME=127\r\nMUSIC_VOLUME=0\r\n";

// A fresh folder under the temporary folder, removed with its contents at the end.
class TempFolder {
  public:
    explicit TempFolder(std::wstring_view nameHint = L"trovane");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& path() const { return path_; }
    std::wstring file(std::wstring_view name) const { return path_ + L"\\" + std::wstring(name); }

  private:
    std::wstring path_;
};

// A settings file of exactly the size, the seven keys last after other game data; the
// bare seven keys for a size of 0.
std::string settingsFileOfSize(std::size_t size);

std::string readFile(const std::wstring& path);
void writeFile(const std::wstring& path, std::string_view bytes);
bool fileExists(const std::wstring& path);
void copyFile(const std::wstring& from, const std::wstring& to);

// Runs this thread's messages, through the forms layer's keyboard handling, for a while.
void pumpMessages(DWORD milliseconds);

// A visible top-level window of a process (0 for any) with the class and title, or nullptr.
HWND findWindow(DWORD processId, std::wstring_view windowClass, std::wstring_view title);
// All such windows.
std::vector<HWND> findWindows(DWORD processId, std::wstring_view windowClass, std::wstring_view title);
// Waits, pumping this thread's messages, until the window is there or the time is up.
HWND waitForWindow(DWORD processId, std::wstring_view windowClass, std::wstring_view title,
                   DWORD timeoutMilliseconds);

std::wstring windowText(HWND window);

// What a message box showed.
struct MessageBoxSeen {
    std::wstring text;
    std::vector<int> buttons; // control ids: IDOK, IDYES, IDNO ...
    int defaultButton = 0;
    bool hasIcon = false;
};

MessageBoxSeen readMessageBox(HWND box);
void pressButton(HWND box, int id);

} // namespace test
