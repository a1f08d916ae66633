// The main menu's mouse and keyboard: clicks on the pages, the pause and help
// keys over a hosted game, and the name entry of the result pages.
#include <algorithm>

#include "app/AppState.h"
#include "games/base/GlobalStatistics.h"
#include "games/base/PlayHistory.h"
#include "gui/GUIElement.h"
#include "media/Sound.h"
#include "menu/GameTable.h"
#include "menu/MainMenu.h"
#include "menu/NameEntry.h"
#include "platform/KeyMap.h"
#include "settings/LanguageTexts.h"

namespace {

// Pointer events other than a left-button release.
constexpr int kPointerEvent = -1;
constexpr int kReleaseEvent = 1;
constexpr uint16_t kHelpKey = 'H';

}  // namespace

Knobel_Game* MainMenu::HostedGame() const { return app->runState == 1 ? game.get() : nullptr; }

void MainMenu::OnMouseMove(int x, int y) {
    if (!RouteEvent(kPointerEvent) && HostedGame()) {
        game->OnMouseMove(x, y);
    }
}

void MainMenu::OnLeftButtonDown(int x, int y) {
    buttonHeld = true;
    if (!RouteEvent(kPointerEvent) && HostedGame()) {
        game->OnLeftButtonDown(x, y);
    }
}

void MainMenu::OnLeftButtonUp(int x, int y) {
    buttonHeld = false;
    if (RouteEvent(kReleaseEvent)) {
        // The button let go over a page of the menu still ends a drag in the
        // game; the game is paused or ended then, so it takes it as no click.
        if (HostedGame()) {
            game->OnLeftButtonUp(x, y);
        }
        PlaySound(SOUND_KLICK_MENU, 1.0f);
        ClickAction(lastRouteResult->id);
        return;
    }
    if (HostedGame()) {
        PlaySound(SOUND_KLICK_GAME, 1.0f);
        game->OnLeftButtonUp(x, y);
    }
}

void MainMenu::OnLeftDoubleClick(int x, int y) {
    if (!RouteEvent(kPointerEvent) && HostedGame()) {
        game->OnLeftDoubleClick(x, y);
    }
}

void MainMenu::OnRightButtonDown(int x, int y) {
    if (!RouteEvent(kPointerEvent) && HostedGame()) {
        game->OnRightButtonDown(x, y);
    }
}

void MainMenu::OnRightButtonUp(int x, int y) {
    if (!RouteEvent(kPointerEvent) && HostedGame()) {
        game->OnRightButtonUp(x, y);
    }
}

void MainMenu::ClickAction(int id) {
    if (id >= kFirstGameButton && id < kFirstGameButton + kGameCount) {
        LaunchGame(id - kFirstGameButton);
        return;
    }
    switch (id) {
    case 2:
    case 15:
        ShowPage(PAGE_DIFFICULTY);
        break;
    case 3:
        app->runState = 2;
        break;
    case 4:
        ShowPage(PAGE_STATISTICS);
        break;
    case 5:
        ShowPage(PAGE_HELP);
        break;
    case 6:
        ShowPage(PAGE_PICTURE);
        break;
    case 7:
    case 8:
        LoadLanguage(*app, id - 7);
        break;
    case 10:
    case 19:
    case 46:
    case 48:
    case 51:
        ShowPage(PAGE_MAIN);
        break;
    case 11:
    case 12:
    case 13:
        level = id - 11;
        ShowPage(PAGE_MODE);
        break;
    case 16:
        StartTest();
        break;
    case 17:
        testMode = false;
        ShowPage(PAGE_GAME_LIST);
        break;
    case 20:
        listOffset = std::max(0, listOffset - 1);
        BuildGameList();
        break;
    case 21:
        listOffset = std::clamp(listOffset + 1, 0, kGameCount - 1 - listLastRow);
        BuildGameList();
        break;
    case 49:
        ShowPage(PAGE_RESET);
        break;
    case 67:
    case 74:
        ShowPage(PAGE_STATISTICS);
        break;
    case 68:
    case 69:
        progressPage.Step(id == 68 ? -1 : 1);
        break;
    case 70:
        progressPage.Open();
        ShowPage(PAGE_PROGRESS);
        break;
    case 72:
    case 73:
        ResetAllStatistics();
        if (id == 73) {
            history::ClearRecorded();
        }
        ShowPage(PAGE_STATISTICS);
        break;
    case 53:
        Resume();
        break;
    case 54:
        ShowPage(PAGE_GAME_HELP);
        break;
    case 55:
        ShowPage(PAGE_GAME_STATISTICS);
        break;
    case 56:
        if (game) {
            // The page stays until the next update ends the game.
            game->SetState(Knobel_Game::STATE_ABORTED);
        }
        app->paused = false;
        break;
    case 58:
    case 60:
        ShowPage(PAGE_PAUSE);
        break;
    case 61:
        if (game) {
            game->ResetRecords();
        }
        break;
    case 63:
        LeaveResultPage();
        break;
    case 65:
        LeaveTestResultPage();
        break;
    default:
        break;  // panels: the click sound is all
    }
}

void MainMenu::LeaveResultPage() {
    if (pendingRecord && pendingRecord->name.empty()) {
        return;  // the entry needs a name first
    }
    if (pendingRecord && game) {
        game->AddRecordEntry(std::move(pendingRecord));
    }
    pendingRecord.reset();
    LeaveResult();
}

void MainMenu::LeaveTestResultPage() {
    if (pendingTest && pendingTest->name.empty()) {
        return;
    }
    if (pendingTest && app->statistics) {
        app->statistics->Insert(std::move(pendingTest));
    }
    pendingTest.reset();
    CloseGame();
}

bool MainMenu::NamingEntry() const {
    return (currentPage == PAGE_RESULT && pendingRecord) || (currentPage == PAGE_TEST_RESULT && pendingTest);
}

void MainMenu::OnKeyDown(uint16_t key) {
    if (NamingEntry()) {
        NameEntryKeyDown(key);
        return;
    }
    if (HostedGame()) {
        game->OnKeyDown(key);
    } else {
        StatisticsKeyDown(key);
    }
}

void MainMenu::StatisticsKeyDown(uint16_t key) {
    if (currentPage == PAGE_PROGRESS && (key == platform::vk::Left || key == platform::vk::Right)) {
        progressPage.Step(key == platform::vk::Left ? -1 : 1);
    } else if ((currentPage == PAGE_PROGRESS || currentPage == PAGE_RESET) && key == platform::vk::Escape) {
        ShowPage(PAGE_STATISTICS);
    }
}

void MainMenu::NameEntryKeyDown(uint16_t key) {
    std::string& name = currentPage == PAGE_RESULT ? pendingRecord->name : pendingTest->name;
    if (key == platform::vk::Return) {
        if (!name.empty()) {
            if (currentPage == PAGE_RESULT) {
                LeaveResultPage();
            } else {
                LeaveTestResultPage();
            }
        }
    } else if (key == platform::vk::Shift) {
        shiftHeld = true;
    } else {
        TypeNameKey(name, key, shiftHeld, kMaxNameLength);
    }
}

void MainMenu::OnKeyUp(uint16_t key) {
    if (NamingEntry()) {
        // Only Shift counts while a name is typed; every other release is dropped.
        if (key == platform::vk::Shift) {
            shiftHeld = false;
        }
        return;
    }
    if (HostedGame() && !PauseKeyUp(key)) {
        game->OnKeyUp(key);
    }
}

bool MainMenu::PauseKeyUp(uint16_t key) {
    const int state = game->GetState();
    // A game that has ended (or whose result page shows) cannot be paused or resumed.
    const bool pausable = (state == Knobel_Game::STATE_RUNNING || state == Knobel_Game::STATE_PAUSED) &&
                          currentPage != PAGE_RESULT && currentPage != PAGE_TEST_RESULT;
    if (!pausable) {
        // Escape and H stay the menu's keys while no pause can open: the game never sees them.
        return key == platform::vk::Escape || key == kHelpKey;
    }
    if (key == platform::vk::Escape) {
        if (state == Knobel_Game::STATE_PAUSED) {
            Resume();
        } else {
            Pause(PAGE_PAUSE);
        }
        return true;
    }
    if (key == kHelpKey && game->HasHelp()) {
        if (currentPage == PAGE_GAME_HELP) {
            Resume();
        } else {
            Pause(PAGE_GAME_HELP);
        }
        return true;
    }
    return false;
}

void MainMenu::Pause(int pageId) {
    game->SetState(Knobel_Game::STATE_PAUSED);
    app->paused = true;
    ShowPage(pageId);
}

void MainMenu::Resume() {
    if (game) {
        game->SetState(Knobel_Game::STATE_RUNNING);
    }
    app->paused = false;
    ShowPage(PAGE_NONE);
}
