// Tests (every game in a row for one overall grade), the statistics page and
// the reset of all statistics.
#include <algorithm>
#include <utility>

#include "app/AppState.h"
#include "games/base/GlobalStatistics.h"
#include "games/base/PlayHistory.h"
#include "games/base/RecordsSummary.h"
#include "games/base/TimePanel.h"
#include "menu/GameTable.h"
#include "menu/MainMenu.h"
#include "settings/LanguageTexts.h"
#include "settings/TextFormat.h"

namespace {

// The heading of the best list of tests.
constexpr int kBestTestsText = 370;

// A test broken off before this many games is graded up to 4 points worse.
constexpr double kFullTestGames = 11.0;
constexpr double kAbortPenalty = 4.0;

// The word for a test's difficulty after its best-list line.
int DifficultyText(int difficulty) {
    if (difficulty == 2) {
        return 61;
    }
    return difficulty == 1 ? 60 : 59;
}

}  // namespace

void MainMenu::StartTest() {
    testMode = true;
    testStartTime = history::LocalTimeNow();
    testGraded = false;
    testBest = Knobel_Game::kWorstGrade;
    testWorst = 1.0;
    testGradeSum = 0.0;
    testGames = 0;
    LaunchGame(NextGameIndex(0));
    testSeconds = 0.0;
}

void MainMenu::CountTestGame() {
    if (!game) {
        CloseGame();
        return;
    }
    const double grade = game->GetGrade();
    testWorst = std::max(testWorst, grade);
    testBest = std::min(testBest, grade);
    testSeconds += game->GetPlaySeconds();
    testGradeSum += grade;
    testGames += 1;

    const int state = game->GetState();
    if (state != Knobel_Game::STATE_ABORTED && NextGameIndex(gameIndex + 1) < kGameCount) {
        CloseGame();  // on to the next game
        return;
    }

    ShowPage(PAGE_TEST_RESULT);
    double overall = testGradeSum / testGames;
    if (state == Knobel_Game::STATE_ABORTED) {
        // Breaking off early costs up to 4 points; breaking off late never pays.
        overall += std::max(0.0, 1.0 - testGames / kFullTestGames) * kAbortPenalty;
    }
    overall = Knobel_Game::ClampGrade(overall);
    testFinal = overall;
    testGraded = true;
    if (app->statistics && app->statistics->Qualifies(overall)) {
        pendingTest = std::make_unique<TestEntry>();
        pendingTest->grade = overall;
        pendingTest->difficulty = level;
        pendingTest->best = testBest;
        pendingTest->worst = testWorst;
    } else {
        CloseGame();  // ends the test; its result page is not seen
    }
}

void MainMenu::RecordTestInHistory(bool endedEarly) const {
    history::Play play;
    play.game = history::kTestGame;
    play.level = level;
    play.inTest = true;
    play.test = testStartTime;
    play.grade = testFinal;
    play.seconds = testSeconds;
    play.end = endedEarly ? "ended" : "finished";
    history::Record(std::move(play));
}

void MainMenu::ResetAllStatistics() {
    const int page = currentPage;
    // Each game is created once with its records reset; destroying it (by the
    // next launch) rewrites its save file without counting a play.
    for (int index = 0; index < kGameCount; ++index) {
        LaunchGame(index);
        if (game) {
            game->ResetRecords();
            game->DisableRecording();
        }
    }
    game.reset();
    if (app->statistics) {
        app->statistics->Reset();
    }
    ShowPage(page);
    app->runState = 0;
}

std::string MainMenu::BestTestsText() const {
    GlobalStatistics* statistics = app->statistics.get();
    if (statistics == nullptr || statistics->bestList.Count() == 0) {
        return std::string();
    }
    std::string text = GetTextOrEmpty(kBestTestsText);
    for (int place = 0; place < GlobalStatistics::kListedEntries; ++place) {
        if (const TestEntry* entry = statistics->bestList.GetAt(place)) {
            text += "\n" + FormatText(62, place + 1, entry->name, entry->grade, entry->best, entry->worst);
            text += GetTextOrEmpty(DifficultyText(entry->difficulty));
        }
    }
    return text;
}

std::string MainMenu::TotalsText() const {
    return app->statistics ? RecordsSummary(*app->statistics) : std::string();
}

std::string MainMenu::TestResultText() const {
    std::string text = FormatMinutesSeconds(22, testSeconds) + "\n";
    text += FormatText(45, testBest) + "\n";
    text += FormatText(46, testWorst) + "\n";
    text += "\n";
    text += FormatText(50, testFinal) + "\n";
    return text;
}
