#pragma once

#include <string>

#include "games/reaction/DigitReactionGame.h"

// The reaction test: a green target digit stands on the left card, the red
// digits change on the right card, each the target or a neighbour of it and
// never the same twice in a row. The player reacts whenever the red digit
// equals the green one. Every few digits a new target is drawn.
class KG_Reaktion : public DigitReactionGame {
public:
    static constexpr const char* kSaveFile = "reaktion.sav";

    explicit KG_Reaktion(int level);

    void RenderPlay() override;
    const std::string& GetHelpText() override;
    const std::string& GetTitle() override;

    int TargetDigit() const { return targetDigit; }
    // The shown digit is the target or one of its neighbours, never the same
    // twice in a row: about 37 % of the digits are targets.
    double TargetShare() const override { return 0.35; }

protected:
    bool ShowsTarget() const override { return shownDigit == targetDigit; }
    void ShowNextDigit() override;

    int targetDigit = 0;

private:
    // Digit changes until the next target is drawn.
    int digitsUntilNewTarget = 3;
};
