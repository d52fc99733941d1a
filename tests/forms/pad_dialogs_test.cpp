// The pad answers only the program's own message boxes. Another dialog in the program's
// thread, such as the shell's warning before it starts a downloaded file ("Run", "Cancel"),
// is left to the mouse and the keyboard: B means back, and must never mean Run. The test's
// own process reads the prefix's stand-in pad, so this group runs alone in its process.

#include "forms/input/gamepad.h"
#include "tests/support/player.h"
#include "tests/support/test_support.h"

#include <gtest/gtest.h>

namespace {

constexpr wchar_t kTitle[] = L"Open File - Security Warning";
std::wstring playedMarker;

// Brings the dialog to the front for the pad, and once every state of the script has been
// read, closes it with Cancel as a player would.
void CALLBACK watchDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = FindWindowW(L"#32770", kTitle);
    if (!dialog)
        return;
    if (GetForegroundWindow() != dialog)
        SetForegroundWindow(dialog);
    if (!test::fileExists(playedMarker))
        return;
    KillTimer(nullptr, timer);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

TEST(PadAndOtherDialogs, LeavesADialogThatIsNotTheProgramsAlone) {
    const test::TempFolder folder(L"pad");
    playedMarker = test::padScriptForThisProcess(folder.path(), "20\n3 b\n3\n3 a\n3\n3 b\n3\n") + L".played";
    forms::gamepad::start();
    SetTimer(nullptr, 0, 50, watchDialog);
    EXPECT_EQ(MessageBoxW(nullptr, L"Do you want to run this file?", kTitle, MB_OKCANCEL), IDCANCEL)
        << "the pad pressed the dialog's OK";
    EXPECT_TRUE(test::fileExists(playedMarker));
}

} // namespace
