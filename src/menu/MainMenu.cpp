#include "menu/MainMenu.h"

#include "app/AppState.h"
#include "app/Random.h"
#include "app/TextRenderer.h"
#include "menu/GameTable.h"

namespace {

struct PagePlace {
    int pageId;
    int slot;
};

constexpr PagePlace kPageSlots[] = {
    {MainMenu::PAGE_MAIN, 0},         {MainMenu::PAGE_MODE, 1},           {MainMenu::PAGE_GAME_LIST, 2},
    {MainMenu::PAGE_PICTURE, 3},      {MainMenu::PAGE_STATISTICS, 4},     {MainMenu::PAGE_PAUSE, 5},
    {MainMenu::PAGE_GAME_HELP, 6},    {MainMenu::PAGE_GAME_STATISTICS, 7}, {MainMenu::PAGE_RESULT, 8},
    {MainMenu::PAGE_DIFFICULTY, 9},   {MainMenu::PAGE_TEST_RESULT, 10},   {MainMenu::PAGE_HELP, 11},
    {MainMenu::PAGE_PROGRESS, 12},    {MainMenu::PAGE_RESET, 13},
};

constexpr const char* kMenuFace = "Comic Sans MS";

}  // namespace

int MainMenu::PageSlot(int pageId) {
    for (const PagePlace& place : kPageSlots) {
        if (place.pageId == pageId) {
            return place.slot;
        }
    }
    return -1;
}

MainMenu::MainMenu() {
    textRenderer = GetTextRenderer();
    font30 = textRenderer->AddFont(kMenuFace, 30);
    font40 = textRenderer->AddFont(kMenuFace, 40);
    font80 = textRenderer->AddFont(kMenuFace, 80);
    font20 = textRenderer->AddFont(kMenuFace, 20);
    testMode = false;
    level = 0;
    SeedRandom(TimeSeed());
    ShowPage(PAGE_MAIN);
    BuildPages();
}

MainMenu::~MainMenu() {
    if (game) {
        // The play so far is what gets recorded, not the grade of an empty play.
        game->ComputeGrade();
        game.reset();
    }
}

void MainMenu::ShowPage(int pageId) {
    for (bool& enabled : guiEnabled) {
        enabled = false;
    }
    const int slot = PageSlot(pageId);
    if (slot >= 0) {
        guiEnabled[slot] = true;
    }
    currentPage = pageId;
}

void MainMenu::LaunchGame(int index) {
    game.reset();
    backgroundIndex = Random() % 7;
    game = CreateGameAt(index, level);
    if (!game) {
        return;
    }
    if (testMode) {
        game->SetTest(testStartTime);
    }
    countdown = kCountdownSeconds;
    gameIndex = index;
    ShowPage(PAGE_NONE);
    app->runState = 1;
    resultHandled = false;
}

void MainMenu::CloseGame() {
    const int state = game ? game->GetState() : Knobel_Game::STATE_FINISHED;
    if (game) {
        game->ComputeGrade();
        game.reset();
    }
    if (!testMode) {
        ShowPage(PAGE_MAIN);
        app->runState = 0;
        return;
    }
    gameIndex = NextGameIndex(gameIndex + 1);
    app->runState = 1;
    countdown = kCountdownSeconds;
    if (gameIndex < kGameCount && state != Knobel_Game::STATE_ABORTED) {
        LaunchGame(gameIndex);
        if (game) {
            return;
        }
    }
    // The test is over: a graded one adds its line after those of its games.
    if (testGraded) {
        RecordTestInHistory(state == Knobel_Game::STATE_ABORTED);
        testGraded = false;
    }
    ShowPage(PAGE_MAIN);
    app->runState = 0;
    countdown = -1.0;
}

void MainMenu::LeaveResult() {
    if (testMode) {
        CountTestGame();
    } else {
        CloseGame();
    }
}

int MainMenu::NextGameIndex(int index) {
    for (; index < kGameCount; ++index) {
        const GameTableEntry* entry = GameAt(index);
        if (entry != nullptr && entry->create != nullptr) {
            return index;
        }
    }
    return kGameCount;
}

std::unique_ptr<MainMenu> CreateMainMenu(AppState& app) {
    auto menu = std::make_unique<MainMenu>();
    MainMenu* screen = menu.get();
    app.currentScreen = screen;
    app.drawCursor = [screen] { screen->DrawCursor(); };
    return menu;
}
