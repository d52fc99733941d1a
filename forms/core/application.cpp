#include "forms/core/application.h"

#include "forms/platform/message_box.h"

#include <windows.h>

#include <cwchar>
#include <utility>
#include <vector>

namespace forms {

std::wstring applicationDirectory() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size()) {
            std::wstring path(buffer.data(), length);
            return path.substr(0, path.find_last_of(L'\\'));
        }
        buffer.resize(buffer.size() * 2);
    }
}

namespace {
std::wstring title;
} // namespace

void setApplicationTitle(std::wstring newTitle) {
    title = std::move(newTitle);
}

void end() {
    ExitProcess(0);
}

std::wstring runtimeErrorText(const errors::Error& error) {
    std::wstring number = std::to_wstring(error.number());
    if (error.number() < 0 || error.number() > 0xFFFF) {
        wchar_t hex[16];
        std::swprintf(hex, std::size(hex), L" (%08X)", static_cast<unsigned>(error.number()));
        number += hex;
    }
    std::wstring text = L"Run-time error '" + number + L"':\n\n" + error.description();
    if (!error.context().empty())
        text += L"\n\n" + error.context();
    return text;
}

void failWithRuntimeError(const errors::Error& error) {
    msgBox(runtimeErrorText(error), title, MsgBoxButtons::OK);
    ExitProcess(kRuntimeErrorExitCode);
}

} // namespace forms
