#include <string>

#include "MenuFixture.h"
#include "games/base/GlobalStatistics.h"
#include "games/base/PlayHistory.h"
#include "platform/KeyMap.h"
#include "settings/TextFormat.h"

namespace {

class TestRun : public MenuFixture {
protected:
    // From the main page to the mode page's test button at the level.
    void StartTest(int level = 0) {
        Click(2);
        Click(11 + level);
        Click(16);
    }
    // Plays the hosted game to its result page and leaves it, naming its
    // best-list entry when there is one.
    void PlayAndLeave() {
        ASSERT_NE(HostedGame::current, nullptr);
        SkipCountdown();
        FinishGame();
        ASSERT_EQ(Menu().currentPage, MainMenu::PAGE_RESULT);
        if (Menu().pendingRecord) {
            driver->Type("Ida");
        }
        Click(63);
    }
    void AbortHostedGame() {
        SkipCountdown();
        driver->PressKey(platform::vk::Escape);
        Click(56);
        driver->Frame();
        if (Menu().pendingRecord) {
            driver->Type("Ida");
            Click(63);
        }
    }
};

TEST_F(TestRun, ATestOfGamesAllGradedTwoEndsWithTwoAndItsEntry) {
    table.HostAll();
    StartTest(1);
    for (int index = 0; index < kGameCount; ++index) {
        ASSERT_EQ(Menu().gameIndex, index);
        ASSERT_TRUE(Menu().testMode);
        PlayAndLeave();
    }
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_TEST_RESULT);
    EXPECT_EQ(Menu().testGames, 23);
    EXPECT_DOUBLE_EQ(Menu().testBest, 2.0);
    EXPECT_DOUBLE_EQ(Menu().testWorst, 2.0);
    ASSERT_NE(Menu().pendingTest, nullptr);
    EXPECT_DOUBLE_EQ(Menu().pendingTest->grade, 2.0);
    EXPECT_EQ(Menu().pendingTest->difficulty, 1);
    // The page lists best, worst and the overall grade.
    driver->Frame();
    EXPECT_TRUE(Drew(FormatText(45, 2.0)));
    EXPECT_TRUE(Drew(FormatText(46, 2.0)));
    EXPECT_TRUE(Drew("\n\n" + FormatText(50, 2.0)));
    driver->PressKey(platform::vk::Return);  // no name yet: nothing
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_TEST_RESULT);
    driver->Type("Max");
    driver->PressKey(platform::vk::Return);
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_MAIN);
    EXPECT_EQ(App().runState, 0);
    EXPECT_EQ(Menu().game, nullptr);
    ASSERT_EQ(App().statistics->bestList.Count(), 1);
    EXPECT_EQ(App().statistics->bestList.GetAt(0)->name, "Max");
    EXPECT_EQ(App().statistics->gamesPlayed, 23);
    // The history holds every play of the test under its start time, then the test.
    const history::Contents history = history::Read(driver->Folder().Path(history::kFileName));
    ASSERT_EQ(history.plays.size(), 24u);
    for (const history::Play& play : history.plays) {
        EXPECT_TRUE(play.inTest && play.test == history.plays.front().test && play.level == 1);
        EXPECT_DOUBLE_EQ(play.grade, 2.0);
    }
    EXPECT_EQ(history.plays.front().game, HostedGameSaveFile(0));
    EXPECT_EQ(history.plays.back().game, history::kTestGame);
    EXPECT_EQ(history.plays.back().end, "finished");
    // The statistics page shows the test in its list with its difficulty, and
    // the time played in hours past a day, minutes and seconds.
    App().statistics->totalTime = 61 * 3600.0 + 62.0;
    Click(4);
    driver->Frame();
    EXPECT_TRUE(Drew(FormatText(62, 1, "Max", 2.0, 2.0, 2.0) + GetTextOrEmpty(60)));
    EXPECT_TRUE(Drew(FormatText(43, 61, 1, 2)));
}

TEST_F(TestRun, BreakingOffCostsFortyEleventhsInTheFirstGameAndNeverImprovesTheGrade) {
    table.HostAll();
    HostedGame::grade = 3.0;
    StartTest();
    for (int played = 0; played < 14; ++played) {
        PlayAndLeave();
    }
    AbortHostedGame();
    EXPECT_EQ(Menu().testGames, 15);
    ASSERT_NE(Menu().pendingTest, nullptr);
    EXPECT_DOUBLE_EQ(Menu().pendingTest->grade, 3.0);
    driver->Type("Tom");
    Click(65);
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_MAIN);
    HostedGame::grade = 2.0;
    StartTest();
    AbortHostedGame();
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_TEST_RESULT);
    EXPECT_EQ(Menu().testGames, 1);
    ASSERT_NE(Menu().pendingTest, nullptr);
    EXPECT_NEAR(Menu().pendingTest->grade, 2.0 + 40.0 / 11.0, 1e-12);
    // The page shows the grade that is stored, not the plain average.
    driver->Frame();
    EXPECT_TRUE(Drew("\n\n" + FormatText(50, 2.0 + 40.0 / 11.0)));
    EXPECT_FALSE(Drew("\n\n" + FormatText(50, 2.0)));
}

TEST_F(TestRun, MissingGamesAreSkippedAndAFinalSixNeverEntersTheList) {
    table.Host(3);
    table.Host(14);
    HostedGame::grade = 6.0;
    StartTest();
    EXPECT_EQ(Menu().gameIndex, 3);
    PlayAndLeave();
    EXPECT_EQ(Menu().gameIndex, 14);
    PlayAndLeave();
    // The last game there is ends the test; its result page is not seen.
    EXPECT_EQ(Menu().testGames, 2);
    EXPECT_EQ(Menu().game, nullptr);
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_MAIN);
    EXPECT_EQ(App().runState, 0);
    EXPECT_EQ(Menu().pendingTest, nullptr);
    EXPECT_EQ(App().statistics->bestList.Count(), 0);
    EXPECT_EQ(Menu().countdown, -1.0);
    // The mode page's free training ends test mode.
    EXPECT_TRUE(Menu().testMode);
    OpenGameList();
    EXPECT_FALSE(Menu().testMode);
}

TEST_F(TestRun, AStatisticsResetAsksFirstThenRewritesEverySaveFileAndClearsTheHistoryOnlyWhenAsked) {
    table.HostAll();
    for (int index = 0; index < kGameCount; ++index) {
        driver->Folder().Write(HostedGameSaveFile(index),
                               "ANZ_SPIELE:\t4\nERGS:\t9\nEINTRAG_START\tNAME:\tOld\tERG:\t2\tEINTRAG_ENDE\n");
    }
    const std::string history = std::string(history::kHeader) +
                                "\n2026-12-01T10:00:00,rechnen.sav,0,training,,2.00,60.0,finished\n";
    driver->Folder().Write(history::kFileName, history);
    App().statistics->gamesPlayed = 40;
    App().statistics->totalTime = 500.0;
    Click(4);
    // Going back from the question keeps everything.
    Click(49);
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_RESET);
    Click(74);
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_STATISTICS);
    EXPECT_EQ(App().statistics->gamesPlayed, 40);
    EXPECT_NE(driver->Folder().Read(HostedGameSaveFile(0)).find("Old"), std::string::npos);

    Click(49);
    Click(72);  // keep the history
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_STATISTICS);
    EXPECT_EQ(App().runState, 0);
    EXPECT_EQ(Menu().game, nullptr);
    for (int index = 0; index < kGameCount; ++index) {
        const std::string saved = driver->Folder().Read(HostedGameSaveFile(index));
        EXPECT_NE(saved.find("ANZ_SPIELE:\t0\n"), std::string::npos) << index;
        EXPECT_EQ(saved.find("Old"), std::string::npos) << index;
    }
    EXPECT_EQ(App().statistics->gamesPlayed, 0);
    EXPECT_EQ(App().statistics->totalTime, 0.0);
    EXPECT_EQ(driver->Folder().Read(history::kFileName), history);

    Click(49);
    Click(73);  // clear it too
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_STATISTICS);
    EXPECT_EQ(driver->Folder().Read(history::kFileName), std::string(history::kHeader) + "\n");
}

}  // namespace
