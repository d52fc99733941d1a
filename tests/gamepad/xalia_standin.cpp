// Proton's gamepad layer as the program can see it: a process named xalia.exe running
// beside it. It does nothing until it is ended.

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    Sleep(INFINITE);
    return 0;
}
