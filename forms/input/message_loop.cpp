#include "forms/input/message_loop.h"

#include "forms/input/keyboard.h"
#include "forms/input/one_press.h"

#include <windows.h>

namespace forms {

int runMessageLoop() {
    const OnePressRule onePress;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (navigateByKey(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

void waitKeepingWindowsPainted(DWORD milliseconds) {
    const HCURSOR before = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    const DWORD start = GetTickCount();
    for (DWORD waited = 0; waited < milliseconds; waited = GetTickCount() - start) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - waited, QS_PAINT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT))
            DispatchMessageW(&message);
    }
    SetCursor(before);
}

} // namespace forms
