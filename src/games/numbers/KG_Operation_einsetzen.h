#pragma once

#include <cstdint>
#include <string>

#include "games/base/TaskGame.h"

// The missing operator: two expressions and a result are shown, one above the
// other, with an empty place between the expressions; the player chooses the
// operator that makes the equation true (keys A, S, M, D or the keypad's
// + - * /) and confirms with Enter. A right verdict shows for one second, a
// wrong one for two, then the next task follows, 10, 15 or 20 of them by
// level. Save file "rechenop.sav".
class KG_Operation_einsetzen : public TaskGame {
public:
    static constexpr const char* kSaveFile = "rechenop.sav";
    // Results of a multiplication task stay at most this large.
    static constexpr int kLargestProduct = 100;
    static constexpr double kRightSeconds = 1.0;
    static constexpr double kWrongSeconds = 2.0;
    // The player's operator before a choice.
    static constexpr int kNoOperator = -1;

    explicit KG_Operation_einsetzen(int level);
    ~KG_Operation_einsetzen() override;

    void OnKeyDown(uint16_t key) override;
    void OnKeyUp(uint16_t key) override;
    void Render() override;

    const std::string& GetHelpText() override;
    const std::string& GetTitle() override;

    // The task: left op right = result (values a, b and c).
    const std::string& LeftText() const { return leftText; }
    const std::string& RightText() const { return rightText; }
    int LeftValue() const { return a; }
    int RightValue() const { return b; }
    int Result() const { return c; }
    // The operator (arithmetic::kAdd ...) that gives the result; after a right
    // answer, the one the player chose.
    int TaskOperator() const { return taskOperator; }
    int ChosenOperator() const { return chosenOperator; }

protected:
    void NextTask() override;

private:
    // The chosen operator turns a and b into c (a division without a remainder).
    bool ChosenGivesResult() const;
    void DrawOperatorPlace(float x, float y) const;
    void DrawBoxedText(const std::string& text, float x, float y) const;

    const int depth;
    int taskOperator = 0;
    std::string leftText;
    std::string rightText;
    std::string resultValueText;
    int a = 0;
    int b = 0;
    int c = -1;
    int chosenOperator = kNoOperator;
};
