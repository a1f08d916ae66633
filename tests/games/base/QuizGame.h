#pragma once

#include <cstdint>
#include <string>

#include "games/base/Knobel_Game.h"

// A small mini-game for the tests: a number of tasks, each answered right
// with the key R or wrong with the key W while the game runs. It counts the
// time as real games do, draws the time panel while running and grades
// 1 + 5 x wrong / answered + playSeconds / 100 (nothing to grade before the
// first answer, which leaves the formula undefined).
class QuizGame : public Knobel_Game {
public:
    static constexpr const char* kSaveFile = "quiz.sav";
    static constexpr uint16_t kRightKey = 'R';
    static constexpr uint16_t kWrongKey = 'W';
    explicit QuizGame(int level, int tasks = 3);
    void OnKeyDown(uint16_t key) override;
    void Update() override;
    void Render() override;
    const std::string& GetTitle() override;
    const std::string& GetHelpText() override;
    const std::string& GetResultText() override;
    void ComputeGrade() override;
    // Test access to what the base keeps for its games.
    int Level() const { return level; }
    GameRecords& Records() { return records; }
    void Grade(double value) { SetGrade(value); }
    void Play(double seconds) { AddPlayTime(seconds); }
    int answered = 0;
    int wrong = 0;
    const int tasks;
};
