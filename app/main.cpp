// Program entry: the splash window is the start-up window; the settings window that it
// hands over to keeps the program running until it is closed. `/play` starts the game
// instead, as the run button does after saving, and ends.

#include "app/command_line.h"
#include "forms/core/events.h"
#include "forms/core/form.h"
#include "forms/input/message_loop.h"
#include "forms/platform/system_dll.h"
#include "ui/game_launch.h"
#include "ui/program_title.h"
#include "ui/trovane_config.h"
#include "ui/trovane_main.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    forms::restrictDllSearchToSystem();
    forms::setApplicationTitle(kProgramTitle);
    if (asksToPlay(GetCommandLineW())) {
        forms::runEvent(launchGame);
        return 0;
    }
    forms::runEvent([] {
        forms::defaultInstance<Trovane_Main>().show();
        // While the splash waits, the settings window and its controls are made, hidden; at
        // the hand-over only its load handler still runs before it shows.
        forms::whenIdle([] { forms::defaultInstance<Trovane_Config>().create(); });
    });
    return forms::runMessageLoop();
}
