// A player for the kill test: the program's menu, game and save code in a
// process of its own, which plays one arithmetic game to its end and saves
// as a play's end and the program's exit do. The program itself takes no
// scripted input, so this is how a test can kill a process while it saves a
// play.
//
// Usage: save_player START_FOLDER
//   Copies the files of START_FOLDER into a fresh working folder under
//   $TMPDIR, prints that folder's path on a line of its own and waits for a
//   line on its standard input. Then it plays: it opens the arithmetic game,
//   ends it from the pause page and waits for the result (the game's records
//   and the history are saved), closes the menu and saves the settings and
//   statistics, prints "saved" and waits for another line (so that a kill
//   after the saves still finds it running). It leaves the working folder
//   behind for the caller to look at and remove, and exits with 0; 1 when
//   the start-up failed, 2 when the game could not be ended.
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <string>

#include "games/base/StartupFiles.h"
#include "menu/MainMenu.h"
#include "platform/KeyMap.h"
#include "support/ScreenDriver.h"

namespace {

constexpr int kArithmetic = 14;  // the arithmetic game's slot in the game table
constexpr int kEndFromPause = 56;

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: save_player START_FOLDER\n");
        return 1;
    }
    // The driver's destructor removes the working folder; the player ends
    // with _exit instead, after the saves the destructor would make.
    auto* driver = new ScreenDriver(ScreenDriver::Mode::Recording, 0, argv[1]);
    if (!driver->Ready()) {
        std::fprintf(stderr, "save_player: %s\n", driver->Problem().c_str());
        return 1;
    }
    std::cout << driver->Folder().Path() << std::endl;
    std::string go;
    std::getline(std::cin, go);

    driver->Menu().LaunchGame(kArithmetic);
    driver->RunFor(MainMenu::kCountdownSeconds + 0.05);
    driver->PressKey(platform::vk::Escape);
    if (!driver->ClickElement(kEndFromPause)) {
        std::fprintf(stderr, "save_player: no end button on the pause page\n");
        _exit(2);
    }
    driver->RunFor(MainMenu::kEndDelaySeconds + 0.1);
    driver->CloseMenu();
    SaveExitFiles(driver->App());
    std::cout << "saved" << std::endl;
    std::getline(std::cin, go);
    _exit(0);
}
