#pragma once

#include <memory>
#include <string>

#include "games/base/AnswerTally.h"
#include "games/base/Knobel_Game.h"
#include "games/numbers/BalanceScale.h"

// The balance puzzle: a beam balance with some weights fixed on its pans and
// the others on the table below. The player drags every table weight onto a
// pan so that the balance comes level, within a time limit per task. A task
// is solved the moment the table is empty, nothing is held and both pans
// weigh the same; after two seconds of showing the outcome the next follows.
class KG_Waage_Game : public Knobel_Game {
public:
    static constexpr const char* kSaveFile = "waage.sav";
    // How long the outcome of a task stays on the screen.
    static constexpr double kFeedbackSeconds = 2.0;

    explicit KG_Waage_Game(int level);
    ~KG_Waage_Game() override;

    void OnMouseMove(int x, int y) override;
    void OnLeftButtonDown(int x, int y) override;
    void OnLeftButtonUp(int x, int y) override;
    void Update() override;
    void Render() override;

    const std::string& GetHelpText() override;
    const std::string& GetResultText() override;
    const std::string& GetTitle() override;
    void ComputeGrade() override;

    const BalanceScale& Balance() const { return *balance; }
    int TasksPerPlay() const { return tally.tasks; }
    int Right() const { return tally.right; }
    int Wrong() const { return tally.wrong; }
    double SolvedTime() const { return solvedTime; }
    double TaskTimeLeft() const { return taskTimeLeft; }
    double TaskTimeAllowed() const { return taskTimeAllowed; }
    double FeedbackTimer() const { return feedbackTimer; }

private:
    void BuildTask();
    // The balance takes the pointer only while a task is played.
    bool TaskInPlay() const;

    std::unique_ptr<BalanceScale> balance;
    AnswerTally tally;
    double solvedTime = 0.0;
    double taskTimeLeft = 0.0;
    double taskTimeAllowed = 0.0;
    double feedbackTimer = 0.0;
};
