#include "app/forms/message_box.h"

#include <windows.h>

namespace forms {

MsgBoxResult msgBox(const std::wstring& text, const std::wstring& title, MsgBoxButtons buttons) {
    const UINT type = buttons == MsgBoxButtons::YesNo ? MB_YESNO | MB_DEFBUTTON1 : MB_OK;
    switch (MessageBoxW(GetActiveWindow(), text.c_str(), title.c_str(), type)) {
    case IDYES:
        return MsgBoxResult::Yes;
    case IDNO:
        return MsgBoxResult::No;
    default:
        return MsgBoxResult::OK;
    }
}

} // namespace forms
