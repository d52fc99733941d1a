// The floor of the platform: a bare Win32 program that opens one empty window of the
// settings window's size and waits to be closed. For the benchmark's account of where
// the program's extra cost goes, it can add one of the program's parts:
//   bare_window.exe [controls | font | jpeg | pad | xinput]
// thirty standard controls as the settings window has; one label in the Chinese font; the
// splash picture decoded by the program's JPEG decoder and drawn scaled; the program's pad
// read once (which loads XInput only when a game controller is listed); the four slots
// read once through the system's XInput itself. Built a second time with the program's
// manifest (common controls 6) as bare_window_manifest.exe.

#include "bench/bench_resources.h"
#include "forms/controls/picture.h"
#include "forms/input/xinput_pad.h"
#include "forms/platform/system_dll.h"

#include <windows.h>

#include <optional>
#include <string_view>

namespace {

std::optional<forms::Picture> picture;

void paintPicture(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    picture->drawStretched(dc, {0, 0, 337, 182});
    EndPaint(window, &paint);
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT && picture) {
        paintPicture(window);
        return 0;
    }
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
}

void addChild(HWND window, const wchar_t* windowClass, DWORD style, int row, int column) {
    CreateWindowExW(0, windowClass, L"", WS_CHILD | WS_VISIBLE | style, 10 + column * 120, 10 + row * 30, 110,
                    24, window, nullptr, GetModuleHandleW(nullptr), nullptr);
}

// As many of each kind as the settings window has: frames, labels, options, buttons, scroll bars.
void addControls(HWND window) {
    struct Kind {
        const wchar_t* windowClass;
        DWORD style;
        int count;
    };
    const Kind kinds[] = {{L"STATIC", SS_ETCHEDFRAME, 6},
                          {L"STATIC", SS_LEFT, 10},
                          {L"BUTTON", BS_RADIOBUTTON, 9},
                          {L"BUTTON", BS_PUSHBUTTON, 2},
                          {L"SCROLLBAR", SBS_HORZ, 3}};
    int made = 0;
    for (const Kind& kind : kinds)
        for (int i = 0; i < kind.count; ++i, ++made)
            addChild(window, kind.windowClass, kind.style, made / 3, made % 3);
}

// One label in the system's message font, with Chinese text.
void addChineseLabel(HWND window) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    HWND label = CreateWindowExW(0, L"STATIC", L"运行游戏 保存所有配置", WS_CHILD | WS_VISIBLE, 10, 10, 300,
                                 24, window, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(CreateFontIndirectW(&metrics.lfMessageFont)),
                 FALSE);
}

void readXInputSlots() {
    const auto getState =
        forms::systemFunction<decltype(&XInputGetState)>(L"xinput1_4.dll", "XInputGetState");
    XINPUT_STATE state;
    for (DWORD slot = 0; getState && slot < XUSER_MAX_COUNT; ++slot)
        getState(slot, &state);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    const std::wstring_view part = commandLine;
    if (part == L"jpeg")
        picture = forms::Picture::fromResource(IDR_BENCH_PICTURE);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"BareWindow";
    RegisterClassW(&windowClass);
    HWND window =
        CreateWindowExW(0, L"BareWindow", L"Bare", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
                        CW_USEDEFAULT, 370, 430, nullptr, nullptr, instance, nullptr);
    if (part == L"controls")
        addControls(window);
    else if (part == L"font")
        addChineseLabel(window);
    ShowWindow(window, SW_SHOW);
    if (part == L"pad")
        forms::XInputPad().read(GetTickCount());
    else if (part == L"xinput")
        readXInputSlots();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}
