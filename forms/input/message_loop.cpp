#include "forms/input/message_loop.h"

#include "forms/input/keyboard.h"

#include <windows.h>

namespace forms {

int runMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (navigateByKey(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace forms
