// The change-giving and the balance scales games in play and on their result
// pages, in German and English.
#include <gtest/gtest.h>

#include <string>

#include "app/Random.h"
#include "games/numbers/KG_Waage_Game.h"
#include "games/numbers/KG_Wechselgeld_Game.h"
#include "menu/MainMenu.h"
#include "DriverShots.h"

namespace {

constexpr int kWaageIndex = 19;
constexpr int kWechselgeldIndex = 20;

class ChangeAndScalesShots : public DriverShots {
protected:
    Knobel_Game& Launch(int index, int level) {
        SeedRandom(2024);
        return DriverShots::Launch(index, level);
    }

    std::string Name(const std::string& what) const { return "screens/" + what + "_" + Language() + ".png"; }
};

TEST_P(ChangeAndScalesShots, GivingChange) {
    for (int level : {0, 2}) {
        auto& game = dynamic_cast<KG_Wechselgeld_Game&>(Launch(kWechselgeldIndex, level));
        // Part of the change laid, one more piece on its way.
        const auto pieces = KG_Wechselgeld_Game::FewestPieces(game.Paid() - game.Price(), game.DenominationsUsed());
        // Laid side by side on the felt, as a player lays them out to count,
        // as many as fit in a line.
        const ScreenBox felt = game.ChangeTray().PieceArea();
        float left = felt.left + 6;
        for (size_t i = 0; i + 1 < pieces.size(); ++i) {
            for (const MoneyStack& stack : game.Stacks()) {
                if (stack.Cents() == pieces[i] && left + stack.Bounds().Width() <= felt.right) {
                    const float width = stack.Bounds().Width();
                    const int x = static_cast<int>(left + width / 2);
                    const int y = static_cast<int>(felt.CentreY() + (i % 2) * 20 - 10);
                    left += width + 8;
                    game.OnLeftButtonDown(static_cast<int>(stack.X()), static_cast<int>(stack.Y()));
                    game.OnMouseMove(x, y);
                    game.OnLeftButtonUp(x, y);
                }
            }
        }
        driver->RunFor(1.0);
        const MoneyStack& last = game.Stacks()[game.Stacks().size() / 2];
        game.OnLeftButtonDown(static_cast<int>(last.X()), static_cast<int>(last.Y()));
        driver->MoveMouse(600, 560);
        driver->RunFor(0.1);
        driver->Screenshot(Name("change_play_level" + std::to_string(level)));
        game.OnLeftButtonUp(600, 560);

        // Checking every task at once ends the play.
        while (game.GetState() == Knobel_Game::STATE_RUNNING) {
            driver->RunFor(4.0, 0.5);
            game.OnLeftButtonUp(512, 384);
        }
        driver->RunFor(MainMenu::kEndDelaySeconds + 0.2);
        driver->Screenshot(Name("change_result_level" + std::to_string(level)));
        driver->Menu().CloseGame();
    }
}

TEST_P(ChangeAndScalesShots, BalanceScales) {
    for (int level : {0, 2}) {
        auto& game = dynamic_cast<KG_Waage_Game&>(Launch(kWaageIndex, level));
        driver->RunFor(1.0);
        // Two weights onto the pans, a third in hand.
        const BalanceScale& balance = game.Balance();
        const int targets[] = {320, 700, 600};
        for (int i = 0; i < 3 && !balance.Table().empty(); ++i) {
            const BalanceWeight& weight = *balance.Table().front();
            const int x = static_cast<int>(weight.X());
            const int y = static_cast<int>(weight.Y()) - 20;
            driver->MoveMouse(x, y);
            game.OnLeftButtonDown(x, y);
            driver->MoveMouse(targets[i], i == 2 ? 420 : 300);
            driver->RunFor(1.0);
            if (i < 2) {
                game.OnLeftButtonUp(targets[i], 300);
                driver->RunFor(1.0);
            }
        }
        driver->Screenshot(Name("scales_play_level" + std::to_string(level)));
        game.OnLeftButtonUp(600, 420);

        // The tasks run out one after the other.
        while (game.GetState() == Knobel_Game::STATE_RUNNING) {
            driver->RunFor(5.0, 0.5);
        }
        driver->RunFor(MainMenu::kEndDelaySeconds + 0.2);
        driver->Screenshot(Name("scales_result_level" + std::to_string(level)));
        driver->Menu().CloseGame();
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, ChangeAndScalesShots, ::testing::Values(0, 1));

}  // namespace
