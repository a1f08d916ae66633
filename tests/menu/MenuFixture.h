#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "HostedGame.h"
#include "app/AppState.h"
#include "games/base/GlobalStatistics.h"
#include "menu/MainMenu.h"
#include "support/RecordingRenderer.h"
#include "support/ScreenDriver.h"

// The program with the recording renderer, a game table of hosted games only
// where a test puts them, and helpers that play through the menu as a player.
class MenuFixture : public ::testing::Test {
protected:
    void SetUp() override {
        driver = std::make_unique<ScreenDriver>(ScreenDriver::Mode::Recording);
        ASSERT_TRUE(driver->Ready()) << driver->Problem();
    }
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
    // Whether the last frame drew a text that contains wanted.
    bool Drew(const std::string& wanted) {
        const auto& texts = driver->Recorder()->texts;
        return std::any_of(texts.begin(), texts.end(),
                           [&](const auto& text) { return text.text.find(wanted) != std::string::npos; });
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
    std::unique_ptr<ScreenDriver> driver;
};
