// A stand-in for the system's XInput DLL, installed into a test prefix: pad 0 plays back
// the states of the script file that TROVANE_PAD_SCRIPT names, each state for a number of
// readings of that pad, so that a test does not depend on how fast the program polls.
// Without the variable no pad is connected. One state per line, '#' starts a comment:
//   READINGS [a b x y start back lb rb up down left right] [lx=N] [ly=N] [close-box]
// close-box plays someone else who answers a press before the program reads it, as
// Proton's gamepad layer does: when the state begins, the first button of the message box
// that the reading thread shows gets a click, posted, and the state lasts until the box has
// gone, so that the next state is read only after it. After the last line pad 0 stays
// connected with nothing pressed, and the file SCRIPT.played tells a test so.

#include <windows.h>

#include <xinput.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Step {
    XINPUT_GAMEPAD pad{};
    int readings = 0;
    bool closesBox = false;
};

const std::map<std::string, WORD> kButtons{{"a", XINPUT_GAMEPAD_A},
                                           {"b", XINPUT_GAMEPAD_B},
                                           {"x", XINPUT_GAMEPAD_X},
                                           {"y", XINPUT_GAMEPAD_Y},
                                           {"start", XINPUT_GAMEPAD_START},
                                           {"back", XINPUT_GAMEPAD_BACK},
                                           {"lb", XINPUT_GAMEPAD_LEFT_SHOULDER},
                                           {"rb", XINPUT_GAMEPAD_RIGHT_SHOULDER},
                                           {"up", XINPUT_GAMEPAD_DPAD_UP},
                                           {"down", XINPUT_GAMEPAD_DPAD_DOWN},
                                           {"left", XINPUT_GAMEPAD_DPAD_LEFT},
                                           {"right", XINPUT_GAMEPAD_DPAD_RIGHT}};

Step parseStep(const std::string& line) {
    std::istringstream words(line.substr(0, line.find('#')));
    Step step;
    words >> step.readings;
    for (std::string word; words >> word;) {
        if (word.starts_with("lx="))
            step.pad.sThumbLX = static_cast<SHORT>(std::stoi(word.substr(3)));
        else if (word.starts_with("ly="))
            step.pad.sThumbLY = static_cast<SHORT>(std::stoi(word.substr(3)));
        else if (word == "close-box")
            step.closesBox = true;
        else
            step.pad.wButtons |= kButtons.at(word);
    }
    return step;
}

BOOL CALLBACK takeMessageBox(HWND window, LPARAM found) {
    wchar_t name[8];
    if (!IsWindowVisible(window) || !GetClassNameW(window, name, 8) || std::wstring(name) != L"#32770")
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

HWND shownMessageBox() {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), takeMessageBox, reinterpret_cast<LPARAM>(&box));
    return box;
}

void clickMessageBoxButton() {
    HWND box = shownMessageBox();
    if (HWND button = box ? FindWindowExW(box, nullptr, L"Button", nullptr) : nullptr)
        PostMessageW(button, BM_CLICK, 0, 0);
}

struct Script {
    bool connected = false;
    std::wstring scriptPath;
    std::vector<Step> steps;
    std::size_t at = 0;
    int readingsLeft = 0;

    Script() {
        wchar_t path[MAX_PATH];
        const DWORD length = GetEnvironmentVariableW(L"TROVANE_PAD_SCRIPT", path, MAX_PATH);
        if (length == 0 || length >= MAX_PATH)
            return;
        connected = true;
        scriptPath = path;
        std::ifstream file{std::filesystem::path(path)};
        for (std::string line; std::getline(file, line);)
            if (Step step = parseStep(line); step.readings > 0)
                steps.push_back(step);
        readingsLeft = steps.empty() ? 0 : steps.front().readings;
    }

    XINPUT_GAMEPAD next() {
        while (at < steps.size() && readingsLeft == 0 && !waitsForTheBox() && ++at < steps.size())
            readingsLeft = steps[at].readings;
        if (at >= steps.size()) {
            markPlayed();
            return {};
        }
        if (readingsLeft > 0 && readingsLeft-- == steps[at].readings && steps[at].closesBox)
            clickMessageBoxButton();
        return steps[at].pad;
    }

    bool waitsForTheBox() const { return steps[at].closesBox && shownMessageBox(); }

    void markPlayed() {
        if (std::exchange(played, true))
            return;
        std::ofstream{std::filesystem::path(scriptPath + L".played")};
    }
    bool played = false;
};

} // namespace

extern "C" __declspec(dllexport) DWORD WINAPI XInputGetState(DWORD slot, XINPUT_STATE* state) {
    static Script script;
    static DWORD packet = 0;
    if (slot != 0 || !script.connected)
        return ERROR_DEVICE_NOT_CONNECTED;
    state->dwPacketNumber = ++packet;
    state->Gamepad = script.next();
    return ERROR_SUCCESS;
}
