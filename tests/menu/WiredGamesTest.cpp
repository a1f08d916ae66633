// Every game wired into the menu's table, played as the menu hosts it: it is
// created at each level, counts down, runs and draws, and when it ends the
// result page shows its result text and grade.
#include <gtest/gtest.h>

#include "app/AppState.h"
#include "games/base/Knobel_Game.h"
#include "menu/GameTable.h"
#include "menu/MainMenu.h"
#include "support/RecordingRenderer.h"
#include "support/ScreenDriver.h"

namespace {

class WiredGamesTest : public ::testing::TestWithParam<int> {};

TEST_P(WiredGamesTest, PlaysFromTheListToItsResultPageAtEveryLevel) {
    const int index = GetParam();
    if (GameAt(index)->create == nullptr) {
        GTEST_SKIP() << "game " << index << " is not wired in yet";
    }
    for (int level = 0; level < 3; ++level) {
        ScreenDriver driver(ScreenDriver::Mode::Recording);
        ASSERT_TRUE(driver.Ready()) << driver.Problem();
        MainMenu& menu = driver.Menu();
        menu.level = level;
        menu.LaunchGame(index);
        ASSERT_NE(menu.game, nullptr);
        EXPECT_FALSE(menu.game->GetTitle().empty());
        EXPECT_FALSE(menu.game->GetHelpText().empty());

        driver.RunFor(MainMenu::kCountdownSeconds + 0.1);
        ASSERT_TRUE(menu.game->IsRunning()) << "level " << level;
        driver.RunFor(1.0);
        EXPECT_FALSE(driver.Recorder()->sprites.empty() && driver.Recorder()->texts.empty());

        menu.game->SetState(Knobel_Game::STATE_FINISHED);
        driver.RunFor(MainMenu::kEndDelaySeconds + 0.1);
        EXPECT_EQ(menu.currentPage, MainMenu::PAGE_RESULT) << "level " << level;
        EXPECT_FALSE(menu.game->GetResultText().empty());
        const double grade = menu.game->GetGrade();
        EXPECT_GE(grade, 0.5);
        EXPECT_LE(grade, Knobel_Game::kWorstGrade);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, WiredGamesTest, ::testing::Range(0, kGameCount));

}  // namespace
