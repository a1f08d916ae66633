#include "games/base/Knobel_Game.h"
#include "games/base/TimePanel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <limits>
#include <memory>
#include <string>

#include "QuizGame.h"
#include "games/base/PlayHistory.h"
#include "support/GameFixture.h"

namespace {

class KnobelGameTest : public GameFixture {
protected:
    KnobelGameTest()
        : GameFixture("ANZ_TEXTE: 80 <TEXT_START> 22 Time %d:%02d|<TEXT_START> 23 Wrong %d|"
                      "<TEXT_START> 43 Total %d:%02d:%02d|<TEXT_START> 44 Solved %d|<TEXT_START> 45 Best %.2f|"
                      "<TEXT_START> 46 Worst %.2f|<TEXT_START> 47 Average %.2f|<TEXT_START> 48 Games %d|"
                      "<TEXT_START> 49 %d. %s %d.%d.%d %.2f|<TEXT_START> 50 Grade %.2f|"
                      "<TEXT_START> 63 Time: %d:%02d|") {}
    std::unique_ptr<GameRecords> SavedRecords() {
        auto saved = std::make_unique<GameRecords>();
        saved->Read(folder.Read(QuizGame::kSaveFile));
        return saved;
    }
    // One play of one task answered right in the given seconds, graded by the quiz's formula.
    void PlayAllRight(double seconds) {
        QuizGame game(0, 1);
        game.StartGame();
        game.Play(seconds);
        game.OnKeyDown(QuizGame::kRightKey);
        game.ComputeGrade();
    }
};

TEST_F(KnobelGameTest, ConstructionReadsTheSaveFileAndTakesTheNearestLevel) {
    folder.Write(QuizGame::kSaveFile, "LEVEL_ZEIT:\t10\nANZ_SPIELE:\t2\nERGS:\t7\n"
                                      "EINTRAG_START\tNAME:\tAnna\tDATUM:\t1\t2\t2007\tERG:\t2.5\tEINTRAG_ENDE\n");
    QuizGame game(1);
    EXPECT_EQ(game.Level(), 1);
    EXPECT_EQ(game.Records().gamesPlayed, 2);
    EXPECT_EQ(game.Records().totalTime, 10.0);
    ASSERT_EQ(game.Records().bestList.Count(), 1);
    EXPECT_EQ(game.Records().bestList.GetAt(0)->name, "Anna");
    EXPECT_EQ(QuizGame(7).Level(), 2);
    EXPECT_EQ(QuizGame(-1).Level(), 0);
}

TEST_F(KnobelGameTest, APlayIsRecordedInTheSaveFileAndTheGlobalStatisticsOnDestruction) {
    {
        QuizGame game(0);
        game.StartGame();
        RunFrames(game, 100, 0.5, 0.5);
        for (int i = 0; i < 3; ++i) game.OnKeyDown(QuizGame::kRightKey);
        EXPECT_EQ(game.GetState(), Knobel_Game::STATE_FINISHED);
        RunFrames(game, 2, 0.5, 0.5);  // the end delay: time in the game, not play time
        EXPECT_EQ(game.GetPlaySeconds(), 50.0);
        game.ComputeGrade();
        EXPECT_EQ(game.GetResultText(), " Time 0:50\n Wrong 0\n\n Grade 1.50");
        ASSERT_TRUE(game.QualifiesForRecords());
        std::unique_ptr<RecordEntry> entry = game.CreateRecordEntry();
        EXPECT_EQ(entry->grade, 1.5);
        entry->name = "Anna Lena";
        game.AddRecordEntry(std::move(entry));
        EXPECT_FALSE(folder.Exists(QuizGame::kSaveFile));  // written only at the end
    }
    const std::unique_ptr<GameRecords> saved = SavedRecords();
    EXPECT_EQ(saved->gamesPlayed, 1);
    EXPECT_EQ(saved->totalTime, 51.0);
    ASSERT_EQ(saved->bestList.Count(), 1);
    EXPECT_EQ(saved->bestList.GetAt(0)->name, "Anna Lena");
    EXPECT_EQ(app->statistics->gamesPlayed, 1);
    EXPECT_EQ(app->statistics->solvedCount, 1);
    {  // the next play starts from the saved records and adds to them
        QuizGame game(0);
        EXPECT_EQ(game.Records().gamesPlayed, 1);
        game.Grade(3.0);
    }
    EXPECT_EQ(SavedRecords()->gamesPlayed, 2);
    EXPECT_EQ(app->statistics->gamesPlayed, 2);
    // And each play is a line of the history.
    const history::Contents history = history::Read(folder.Path(history::kFileName));
    ASSERT_EQ(history.plays.size(), 2u);
    EXPECT_TRUE(history.plays[0].game == QuizGame::kSaveFile && !history.plays[0].inTest);
    EXPECT_EQ(history.plays[0].end, "finished");
    EXPECT_DOUBLE_EQ(history.plays[0].seconds, 50.0);
    EXPECT_DOUBLE_EQ(history.plays[1].grade, 3.0);
}

TEST_F(KnobelGameTest, ASaveThatFailsIsReportedOnceAndLosesNothingElse) {
    {
        QuizGame game(0);
        game.Grade(2.0);
    }
    const std::string before = folder.Read(QuizGame::kSaveFile);
    // The file cannot be replaced: its temporary file's name is taken by a folder.
    std::filesystem::create_directory(folder.Path(std::string(QuizGame::kSaveFile) + ".tmp"));
    testing::internal::CaptureStderr();
    for (int play = 0; play < 2; ++play) {
        QuizGame game(0);
        game.Grade(3.0);
    }
    const std::string reported = testing::internal::GetCapturedStderr();
    EXPECT_EQ(folder.Read(QuizGame::kSaveFile), before);
    // Told once with the file's place, then only noted.
    EXPECT_EQ(reported.find("Fehler!"), reported.rfind("Fehler!")) << reported;
    EXPECT_NE(reported.find(QuizGame::kSaveFile, reported.find(QuizGame::kSaveFile) + 1), std::string::npos);
    EXPECT_EQ(app->statistics->gamesPlayed, 3);
}

TEST_F(KnobelGameTest, GradesStayWithinOneToSixAndOneAndAHalfCountsAsSolved) {
    {
        QuizGame game(0);
        game.StartGame();
        game.ComputeGrade();  // nothing answered: the formula is undefined
        EXPECT_EQ(game.GetGrade(), 6.0);
        for (const double grade : {7.5, std::numeric_limits<double>::infinity(), 0.925,
                                   -std::numeric_limits<double>::infinity(),
                                   std::numeric_limits<double>::quiet_NaN()}) {
            game.Grade(grade);
            EXPECT_EQ(game.GetGrade(), grade == 0.925 ? 1.0 : 6.0) << grade;
        }
        EXPECT_FALSE(game.QualifiesForRecords());  // 6.0 never enters the best list, not even an empty one
    }
    EXPECT_EQ(SavedRecords()->gradeSum, 6.0);  // but it is a play like any other
    EXPECT_EQ(app->statistics->gradeSum, 6.0);
    PlayAllRight(50.0);  // grade 1.5
    EXPECT_EQ(SavedRecords()->solvedCount, 1);
    PlayAllRight(51.0);  // grade 1.51
    EXPECT_EQ(SavedRecords()->solvedCount, 1);
    EXPECT_EQ(SavedRecords()->gamesPlayed, 3);
    EXPECT_EQ(app->statistics->solvedCount, 1);
}

TEST_F(KnobelGameTest, EndStatesStaySoAndAPauseStopsOnlyThePlayTime) {
    for (int end : {Knobel_Game::STATE_FINISHED, Knobel_Game::STATE_FAILED, Knobel_Game::STATE_ABORTED}) {
        QuizGame game(0);
        game.SetState(end);  // ended during the countdown: its end does not revive it
        game.StartGame();
        game.SetState(Knobel_Game::STATE_PAUSED);
        EXPECT_EQ(game.GetState(), end);
        EXPECT_TRUE(game.IsStarted());
        game.DisableRecording();
    }
    QuizGame paused(0);
    const double timeInGame = paused.Records().totalTime;
    paused.StartGame();
    paused.SetState(Knobel_Game::STATE_PAUSED);
    RunFrames(paused, 4, 0.25, 0.25);
    EXPECT_EQ(paused.GetPlaySeconds(), 0.0);
    EXPECT_EQ(paused.Records().totalTime, timeInGame + 1.0);  // the time in the game counts in every state
    paused.SetState(Knobel_Game::STATE_RUNNING);
    paused.OnKeyDown(QuizGame::kRightKey);
    RunFrames(paused, 4, 0.25, 0.25);
    EXPECT_EQ(paused.answered, 1);
    EXPECT_EQ(paused.GetPlaySeconds(), 1.0);
}

TEST_F(KnobelGameTest, StatisticsTextHasTenListLinesAndBestAndWorstOnlyAfterAPlay) {
    const std::string tenEmptyLines(10, '\n');
    {
        QuizGame game(0);
        EXPECT_EQ(game.GetStatisticsText(), tenEmptyLines + " Total 0:00:00\n Solved 0\n Average 0.00\n Games 0");
        game.Grade(2.5);
    }
    // The file now holds that play; add a named result.
    folder.Write(QuizGame::kSaveFile, folder.Read(QuizGame::kSaveFile) +
                 "EINTRAG_START\tNAME:\tAnna_Lena\tDATUM:\t3\t4\t2007\tERG:\t1.25\tEINTRAG_ENDE\n");
    QuizGame game(0);
    EXPECT_EQ(game.GetStatisticsText(), " 1. Anna Lena 3.4.2007 1.25\n" + std::string(9, '\n') +
                 " Total 0:00:00\n Solved 0\n Best 2.50\n Worst 2.50\n Average 2.50\n Games 1");
    // Only ten entries are listed, however many the list holds.
    game.Grade(3.0);
    for (int i = 0; i < 10; ++i) game.AddRecordEntry(game.CreateRecordEntry());
    const std::string text = game.GetStatisticsText();
    EXPECT_EQ(text.find(" 11. "), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(text.find(" Total")), '\n'), 10);
    game.DisableRecording();
}

TEST_F(KnobelGameTest, TheTimePanelShowsThePlayTimeCentred) {
    QuizGame game(0);
    game.StartGame();
    game.Play(65.9);
    game.Render();
    ASSERT_EQ(renderer->texts.size(), 1u);
    EXPECT_EQ(renderer->texts[0].text, " Time: 1:05");
    EXPECT_EQ(renderer->texts[0].rect.left + renderer->texts[0].rect.right, app->screenWidth);
    const int timeHeight = renderer->texts[0].height;
    game.DisableRecording();

    // A status shows on a plate of its own below, as every game shows it;
    // the time keeps its size.
    renderer->texts.clear();
    renderer->sprites.clear();
    DrawTimePanel(5.0, "Shapes in place: 2 of 10");
    ASSERT_EQ(renderer->texts.size(), 2u);
    EXPECT_EQ(renderer->texts[0].height, timeHeight);
    EXPECT_EQ(renderer->texts[1].text, "Shapes in place: 2 of 10");
    EXPECT_GE(renderer->texts[1].rect.top, renderer->texts[0].rect.bottom);
    EXPECT_EQ(renderer->texts[1].rect.left + renderer->texts[1].rect.right, app->screenWidth);
    ASSERT_GE(renderer->sprites.size(), 2u);
    for (const auto& sprite : renderer->sprites) {
        EXPECT_EQ(sprite.name, renderer->sprites[0].name);
    }

    // A long status widens its plate to hold it, within the screen.
    renderer->texts.clear();
    const std::string longer(60, 'x');
    DrawTimePanel(5.0, longer);
    ASSERT_EQ(renderer->texts.size(), 2u);
    const auto& rect = renderer->texts[1].rect;
    EXPECT_GE(rect.right - rect.left, 60 * 10);
    EXPECT_GE(rect.left, 0);
    EXPECT_LE(rect.right, app->screenWidth);
}

}  // namespace
