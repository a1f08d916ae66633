#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "app/Random.h"
#include "games/reaction/KG_Zahlen_klicken.h"
#include "support/GameFixture.h"

namespace {

class ZahlenKlickenTest : public GameFixture {
public:
    ZahlenKlickenTest()
        : GameFixture("ANZ_TEXTE: 130 <TEXT_START> 32 share %d%%|<TEXT_START> 41 per round %.1f|") {}

protected:
    static void ClickNumber(KG_Zahlen_klicken& game, int number) {
        for (const NumberTile& tile : game.Tiles()) {
            if (tile.Number() == number) {
                game.OnLeftButtonDown(static_cast<int>(tile.X()), static_cast<int>(tile.Y()));
                return;
            }
        }
    }
    static std::vector<int> Numbers(const KG_Zahlen_klicken& game) {
        std::vector<int> numbers;
        for (const NumberTile& tile : game.Tiles()) numbers.push_back(tile.Number());
        return numbers;
    }
    // A round played in secondsToThink (one click out of turn first unless
    // clean), then the rest after it.
    void PlayRound(KG_Zahlen_klicken& game, double secondsToThink, bool clean) {
        RunFrames(game, 1, secondsToThink, secondsToThink);
        if (!clean) ClickNumber(game, game.Tiles().back().Number());
        for (const int number : Numbers(game)) ClickNumber(game, number);
        RunFrames(game, 1, 1.0, 1.0);
    }
};

TEST_F(ZahlenKlickenTest, EachRoundLaysOutDifferentNumbersListedInTheOrderToClick) {
    // orders: the rounds seen ascending (true) and descending (false)
    struct Case { int level, gridSize; std::set<bool> orders; };
    SeedRandom(7);
    for (const Case& c : {Case{0, 2, {true}}, Case{1, 3, {false}}, Case{2, 4, {false, true}}}) {
        SCOPED_TRACE("level " + std::to_string(c.level));
        KG_Zahlen_klicken game(c.level);
        game.StartGame();
        std::set<bool> orders;
        while (game.GetState() == Knobel_Game::STATE_RUNNING) {
            std::vector<int> numbers = Numbers(game);
            ASSERT_EQ(numbers.size(), static_cast<size_t>(c.gridSize * c.gridSize));
            EXPECT_EQ(std::set<int>(numbers.begin(), numbers.end()).size(), numbers.size());
            const auto [low, high] = std::minmax_element(numbers.begin(), numbers.end());
            EXPECT_TRUE(*low >= 0 && *high < KG_Zahlen_klicken::kNumberRange);
            EXPECT_TRUE(game.Ascending() ? std::is_sorted(numbers.begin(), numbers.end())
                                         : std::is_sorted(numbers.rbegin(), numbers.rend()));
            orders.insert(game.Ascending());
            PlayRound(game, 1.0, true);
        }
        EXPECT_EQ(orders, c.orders);
        EXPECT_EQ(game.PerfectRounds(), KG_Zahlen_klicken::kRounds);
    }
}

TEST_F(ZahlenKlickenTest, ATileClickedOutOfTurnTurnsRedAndStaysUntilItsTurn) {
    // clicks: places in the order to click; -1 beside every tile
    struct Case { const char* name; std::vector<int> clicks; int wrongClicks, tilesLeft, redTiles, perfect, failed; };
    const Case cases[] = {
        {"all in turn", {0, 1, 2, 3, 4, 5, 6, 7, 8}, 0, 0, 0, 1, 0},
        {"one out of turn", {2}, 1, 9, 1, 0, 0},
        {"beside the tiles", {-1, 0}, 0, 8, 0, 0, 0},
        {"twice out of turn, then in turn", {2, 2, 0, 1, 2}, 2, 6, 0, 0, 0},
        {"two red at once", {3, 5, 0}, 2, 8, 2, 0, 0},
        {"a round with a wrong click", {1, 0, 1, 2, 3, 4, 5, 6, 7, 8}, 1, 0, 0, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        KG_Zahlen_klicken game(1);
        game.StartGame();
        const std::vector<int> order = Numbers(game);
        for (const int place : c.clicks) {
            if (place < 0) {
                game.OnLeftButtonDown(5, 5);
            } else {
                ClickNumber(game, order[static_cast<size_t>(place)]);
            }
        }
        EXPECT_EQ(game.WrongClicks(), c.wrongClicks);
        EXPECT_EQ(game.Tiles().size(), static_cast<size_t>(c.tilesLeft));
        EXPECT_EQ(game.PerfectRounds(), c.perfect);
        EXPECT_EQ(game.FailedRounds(), c.failed);
        renderer->texts.clear();
        game.Render();
        EXPECT_EQ(std::count_if(renderer->texts.begin(), renderer->texts.end(),
                                [](const RecordingRenderer::Text& t) { return t.colour == 0xFFFF0000u; }),
                  c.redTiles);
    }
}

// The rest after each round adds no play time: a round of 10 s counts 10 s.
TEST_F(ZahlenKlickenTest, TheGradeCountsFailedRoundsAndTime) {
    struct Case { const char* name; int rounds, failed; double secondsEach, grade; const char *share, *average; };
    const Case cases[] = {
        {"10 perfect rounds in 100 s", 10, 0, 10.0, 2.6667, "share 100%", "per round 10.0"},
        {"3 of 10 failed in 60 s", 10, 3, 6.0, 3.5, "share 70%", "per round 6.0"},
        {"all failed", 10, 10, 6.0, 6.0, "share 0%", "per round 6.0"},
        // Never better than the 7 rounds left failed: 8 of 10 failed in 24 s.
        {"ended after 3 rounds, 1 failed, 24 s", 3, 1, 8.0, 5.4, "share 66%", "per round 8.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        KG_Zahlen_klicken game(0);
        game.StartGame();
        for (int round = 0; round < c.rounds; ++round) PlayRound(game, c.secondsEach, round >= c.failed);
        game.SetState(Knobel_Game::STATE_ABORTED);  // stays finished after the tenth round
        game.ComputeGrade();
        EXPECT_NEAR(game.GetGrade(), c.grade, 1e-4);
        const std::string text = game.GetResultText();
        EXPECT_NE(text.find(c.share), std::string::npos) << text;
        EXPECT_NE(text.find(c.average), std::string::npos) << text;
    }
}

}  // namespace
