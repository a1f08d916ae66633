#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "games/numbers/ArithmeticTerm.h"
#include "games/base/TaskGame.h"

// Mental arithmetic: a random expression is shown, the player types its value
// and confirms with Enter; the verdict shows for two seconds, then the next
// expression follows, 10, 15 or 20 of them by level. Save file "rechnen.sav".
class KG_Rechenspiel : public TaskGame {
public:
    static constexpr const char* kSaveFile = "rechnen.sav";
    // Digits the answer can hold.
    static constexpr std::size_t kMaxInput = 9;
    // Seconds a verdict is shown.
    static constexpr double kFeedbackSeconds = 2.0;

    explicit KG_Rechenspiel(int level);
    ~KG_Rechenspiel() override;

    void OnKeyDown(uint16_t key) override;
    void OnKeyUp(uint16_t key) override;
    void Render() override;

    const std::string& GetHelpText() override;
    const std::string& GetTitle() override;

    // The expression asked and the digits typed so far.
    const ArithmeticTerm& CurrentTerm() const { return *term; }
    const std::string& Input() const { return input; }

protected:
    void NextTask() override;

private:
    // The typed input, read as a whole number, is the value of the expression.
    bool InputIsRight() const;

    const int maxDepth;
    std::unique_ptr<ArithmeticTerm> term;
    std::string input;
};
