#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "games/base/Knobel_Game.h"
#include "menu/MainMenu.h"
#include "support/ScreenDriver.h"

// Shots through the whole program, once per language (the test parameter: 0
// German, 1 English): a pixel driver made for each shot, skipped when it
// cannot start.
class DriverShots : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        driver = std::make_unique<ScreenDriver>(ScreenDriver::Mode::Pixels, GetParam());
        if (!driver->Ready()) {
            GTEST_SKIP() << driver->Problem();
        }
    }

    // Starts the game of the menu's list at the level and lets its countdown
    // run out, with `settle` seconds more.
    Knobel_Game& Launch(int index, int level, double settle = 0.1) {
        MainMenu& menu = driver->Menu();
        menu.level = level;
        menu.LaunchGame(index);
        driver->RunFor(MainMenu::kCountdownSeconds + settle);
        return *menu.game;
    }

    // "de" or "en", for the shot's file name.
    const char* Language() const { return GetParam() == 0 ? "de" : "en"; }

    std::unique_ptr<ScreenDriver> driver;
};
