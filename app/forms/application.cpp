#include "app/forms/application.h"

#include "app/forms/form.h"
#include "app/forms/message_box.h"

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

int runMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (Form::preTranslate(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

namespace {

int runningHandlers = 0;
std::function<void()> idleTask;

// A thread timer's tick is the last message the thread is given, after painting.
void CALLBACK runIdleTask(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (auto task = std::exchange(idleTask, nullptr))
        runEvent(task);
}

} // namespace

bool handlerRunning() {
    return runningHandlers > 0;
}

RunningHandler::RunningHandler() {
    ++runningHandlers;
}

RunningHandler::~RunningHandler() {
    --runningHandlers;
}

void whenIdle(std::function<void()> task) {
    idleTask = std::move(task);
    SetTimer(nullptr, 0, USER_TIMER_MINIMUM, runIdleTask);
}

void end() {
    ExitProcess(0);
}

std::wstring runtimeErrorText(const Error& error) {
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

void failWithRuntimeError(const Error& error) {
    msgBox(runtimeErrorText(error), kProgramTitle, MsgBoxButtons::OK);
    ExitProcess(kRuntimeErrorExitCode);
}

} // namespace forms
