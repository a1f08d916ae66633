#pragma once

#include <string>

#include "games/reaction/DigitReactionGame.h"

// The two-back reaction test: one red digit at a time on a card in the middle,
// each within 2 of the one before and never the same. The player reacts
// whenever the digit shown equals the digit shown two steps before.
class KG_ReaktionII : public DigitReactionGame {
public:
    static constexpr const char* kSaveFile = "reaktion2.sav";

    explicit KG_ReaktionII(int level);

    void RenderPlay() override;
    const std::string& GetHelpText() override;
    const std::string& GetTitle() override;

    // The digits shown one and two steps before; -1 before there were any.
    int PreviousDigit() const { return previousDigit; }
    int DigitTwoBack() const { return digitTwoBack; }
    // A step of at most 2 that never stays lands back on the digit two steps
    // before in about 31 % of the digits.
    double TargetShare() const override { return 0.3; }

protected:
    bool ShowsTarget() const override { return shownDigit == digitTwoBack; }
    void ShowNextDigit() override;
    // The digit that follows the shown one.
    virtual int DrawNextDigit();

private:
    int previousDigit = -1;
    int digitTwoBack = -1;
};
