#include "games/numbers/KG_Waage_Game.h"

#include "app/AppState.h"
#include "app/Colours.h"
#include "app/TextRenderer.h"
#include "games/base/TimePanel.h"
#include "settings/LanguageTexts.h"
#include "settings/TextFormat.h"

namespace {

constexpr int kTitleText = 115;
constexpr int kHelpText = 116;
constexpr int kTimeLeftText = 117;
constexpr int kPlayTimeText = 37;
constexpr int kAverageText = 41;

struct LevelSetup {
    int tasks;
    double secondsPerTask;
    int tableWeights;
    double fixedChance;
    double splitChance;
};

constexpr LevelSetup kLevels[] = {
    {5, 60.0, 5, 0.25, 0.5},
    {7, 50.0, 7, 0.3, 0.6},
    {10, 40.0, 10, 0.35, 0.7},
};

// Grade: as the tally weighs the tasks that ran out, and the play time a
// point per 90 s (60 s in a play ended early).
constexpr double kSecondsPerPointFinished = 90.0;
constexpr double kSecondsPerPointEnded = 60.0;

// The line with the time left for the task, under the time panel.

}  // namespace

KG_Waage_Game::KG_Waage_Game(int level)
    : Knobel_Game(level, kSaveFile), tally(kLevels[this->level].tasks) {
    BuildTask();
}

KG_Waage_Game::~KG_Waage_Game() = default;

void KG_Waage_Game::BuildTask() {
    const LevelSetup& setup = kLevels[level];
    feedbackTimer = 0.0;
    balance.reset();
    balance = std::make_unique<BalanceScale>(setup.tableWeights, setup.fixedChance, setup.splitChance);
    taskTimeLeft = taskTimeAllowed = setup.secondsPerTask;
}

bool KG_Waage_Game::TaskInPlay() const { return IsStarted() && balance != nullptr && feedbackTimer == 0.0; }

void KG_Waage_Game::OnMouseMove(int x, int y) {
    if (TaskInPlay()) {
        balance->OnMouseMove(x, y);
    }
}

void KG_Waage_Game::OnLeftButtonDown(int x, int y) {
    if (TaskInPlay() && IsRunning()) {
        balance->OnLeftButtonDown(x, y);
    }
}

// Ending a drag is honoured in every state.
void KG_Waage_Game::OnLeftButtonUp(int /*x*/, int /*y*/) {
    if (TaskInPlay()) {
        balance->OnLeftButtonUp();
    }
}

void KG_Waage_Game::Update() {
    const double seconds = app->frameTime;
    AddRecordsTime(seconds);
    if (!IsRunning()) {
        return;
    }
    balance->Update(seconds);
    if (feedbackTimer > 0.0) {
        feedbackTimer -= seconds;
        if (feedbackTimer <= 0.0) {
            if (tally.AllAnswered()) {
                SetState(STATE_FINISHED);
            } else {
                BuildTask();
            }
        }
        return;
    }
    taskTimeLeft -= seconds;
    AddPlayTime(seconds);
    if (taskTimeLeft <= 0.0) {
        // The time is up: a weight still held is put down before the task is judged.
        balance->PutDownHeld();
        feedbackTimer = kFeedbackSeconds;
        if (balance->IsBalanced()) {
            ++tally.right;
            solvedTime += taskTimeAllowed;
        } else {
            ++tally.wrong;
        }
    } else if (balance->IsBalanced()) {
        solvedTime += taskTimeAllowed - taskTimeLeft;
        ++tally.right;
        feedbackTimer = kFeedbackSeconds;
    }
}

void KG_Waage_Game::Render() {
    if (!IsStarted()) {
        return;
    }
    if (GetState() == STATE_RUNNING) {
        DrawTimePanel(FormatMinutesSeconds(kTimeLeftText, taskTimeLeft));
    }
    balance->Draw();
}

const std::string& KG_Waage_Game::GetHelpText() { return GetTextOrEmpty(kHelpText); }

const std::string& KG_Waage_Game::GetTitle() { return GetTextOrEmpty(kTitleText); }

const std::string& KG_Waage_Game::GetResultText() {
    ComputeGrade();
    resultText = PlayTimeText(kPlayTimeText) + "\n" + tally.RightWrongLines() + "\n" +
                 FormatAverage(kAverageText, solvedTime, tally.right) + "\n\n" + GradeText();
    return resultText;
}

void KG_Waage_Game::ComputeGrade() {
    // A play without a judged task has the worst grade, however it ended.
    if (tally.Answered() == 0) {
        SetGrade(kWorstGrade);
        return;
    }
    SetGrade(tally.Grade(GetState() == STATE_FINISHED, GetPlaySeconds(), kSecondsPerPointFinished,
                         kSecondsPerPointEnded));
}
