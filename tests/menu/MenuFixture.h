#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "HostedGame.h"
#include "app/AppState.h"
#include "games/base/GlobalStatistics.h"
#include "menu/MainMenu.h"
#include "support/ScreenDriver.h"

// The program with the recording renderer, a game table of hosted games only
// where a test puts them, and helpers that play through the menu as a player.
class MenuFixture : public ::testing::Test {
protected:
    void SetUp() override {
        driver = std::make_unique<ScreenDriver>(ScreenDriver::Mode::Recording, language);
        ASSERT_TRUE(driver->Ready()) << driver->Problem();
    }
    void TearDown() override { driver.reset(); }
    MainMenu& Menu() { return driver->Menu(); }
    AppState& App() { return driver->App(); }
    // Clicks the element of the page shown, failing the test when it is not there.
    void Click(int id) { ASSERT_TRUE(driver->ClickElement(id)) << "no element " << id << " on page " << Menu().currentPage; }
    // From the main page to the game list at the level.
    void OpenGameList(int level = 0) {
        Click(2);
        Click(11 + level);
        Click(17);
    }
    // Past the countdown into play.
    void SkipCountdown() { driver->RunFor(MainMenu::kCountdownSeconds + 0.05); }
    // Answers every task and waits out the end delay: the result page shows.
    void FinishGame() {
        for (int i = 0; i < HostedGame::tasks; ++i) {
            driver->PressKey(HostedGame::kAnswerKey);
        }
        driver->RunFor(MainMenu::kEndDelaySeconds + 0.05);
    }
    // The test's hosted games: the table and the settings of the games.
    GameTableScope table;
    int language = 0;
    std::unique_ptr<ScreenDriver> driver;
};
