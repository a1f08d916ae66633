#include "games/memory/KG_Quadrat_addieren.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Random.h"
#include "support/GameFixture.h"

namespace {

const char* const kTexts =
    "ANZ_TEXTE: 110 <TEXT_START> 22 Time %d:%02d|<TEXT_START> 30 Right %d|<TEXT_START> 31 Wrong %d|"
    "<TEXT_START> 32 Rate %d%%|<TEXT_START> 41 Average %.1f s|<TEXT_START> 50 Grade %.2f|"
    "<TEXT_START> 63 Time: %d:%02d|<TEXT_START> 101 beats|";

class QuadratAddierenTest : public GameFixture {
public:
    QuadratAddierenTest() : GameFixture(kTexts) {}
    // Clicks inside the first square of answer j.
    static void Choose(KG_Quadrat_addieren& game, int j) {
        const Vec2 p = game.Answer(j).Square(0).Position();
        game.OnLeftButtonDown(static_cast<int>(p.x) + 1, static_cast<int>(p.y) + 1);
    }
    static int AWrongAnswer(const KG_Quadrat_addieren& game) { return (game.SumIndex() + 1) % 4; }
};

// The wrong answers light as many squares as the right one, so that clicking
// the fullest answer is no better than a guess among the fullest.
TEST_F(QuadratAddierenTest, OneAnswerIsTheUnionOfThePatternsAndTheOthersLightAsManySquaresElsewhere) {
    for (int level = 0; level < 3; ++level) {
        SCOPED_TRACE("level " + std::to_string(level));
        double fullestRight = 0.0;
        constexpr int kTasks = 200;
        for (uint32_t seed = 0; seed < kTasks; ++seed) {
            SeedRandom(seed);
            KG_Quadrat_addieren game(level);
            ASSERT_EQ(game.PlusPositions().size(), static_cast<size_t>(game.AddendCount() - 1));
            const SquareGrid& sum = game.Answer(game.SumIndex());
            EXPECT_LT(sum.LitCount(), sum.Count());
            for (int i = 0; i < sum.Count(); ++i) {
                bool inAny = false;
                for (int a = 0; a < game.AddendCount(); ++a) inAny = inAny || game.Addend(a).Square(i).IsLit();
                ASSERT_EQ(sum.Square(i).IsLit(), inAny) << "seed " << seed << " square " << i;
            }
            int most = 0;
            int fullest = 0;
            for (int j = 0; j < 4; ++j) {
                const SquareGrid& answer = game.Answer(j);
                for (int k = 0; k < j; ++k) EXPECT_FALSE(answer.Equals(game.Answer(k))) << "seed " << seed;
                EXPECT_EQ(answer.LitCount(), sum.LitCount());
                if (answer.LitCount() > most) {
                    most = answer.LitCount();
                    fullest = 0;
                }
                fullest += answer.LitCount() == most ? 1 : 0;
            }
            if (sum.LitCount() == most) fullestRight += 1.0 / fullest;
        }
        EXPECT_LE(fullestRight / kTasks, 0.4);
    }
}

TEST_F(QuadratAddierenTest, AnAnswerIsJudgedOnceThenTheNextTaskComesAfterASecond) {
    SeedRandom(9);
    KG_Quadrat_addieren game(0);
    game.StartGame();
    Choose(game, game.SumIndex());
    EXPECT_EQ(game.Right(), 1);
    EXPECT_TRUE(game.LastAnswerRight());
    Choose(game, AWrongAnswer(game));
    EXPECT_EQ(game.Wrong(), 0) << "no second answer while the result shows";
    RunFrames(game, 1, 0.6, 0.6);
    EXPECT_EQ(game.GetPlaySeconds(), 0.0) << "the clock stops while the result shows";
    const SquareGrid first = game.Addend(0);
    const SquareGrid second = game.Addend(1);
    RunFrames(game, 1, 0.5, 0.5);
    EXPECT_LE(game.ResultTimer(), 0.0);
    EXPECT_FALSE(game.Addend(0).Equals(first) && game.Addend(1).Equals(second)) << "a new task";
    Choose(game, AWrongAnswer(game));
    EXPECT_EQ(game.Wrong(), 1);
    EXPECT_FALSE(game.LastAnswerRight());
}

TEST_F(QuadratAddierenTest, TenAnswersEndThePlayAndTheGradeWeighsMistakesAndTime) {
    // After 10 answers: wrong / 10 * 5 + 1 + seconds / 120; ended early:
    // wrong / answered * 10 + 1 + seconds / 120, or 6 without an answer, but
    // never better than with the answers left wrong.
    const struct { int wrong, answered; double seconds, grade; const char *rate, *average; } cases[] = {
        {0, 10, 60.0, 1.5, " Rate 100%", " Average 6.0 s"},
        {4, 10, 120.0, 4.0, " Rate 60%", " Average 12.0 s"},
        {1, 3, 60.0, 8.0 / 10.0 * 5.0 + 1.5, " Rate 66%", " Average 20.0 s"},
        {2, 9, 60.0, 2.0 / 9.0 * 10.0 + 1.5, " Rate 77%", " Average 6.7 s"},
        {0, 0, 60.0, 6.0, " Rate 0%", " Average \x96 s"}};
    for (const auto& c : cases) {
        SeedRandom(17);
        KG_Quadrat_addieren game(1);
        game.StartGame();
        RunFrames(game, 1, c.seconds, c.seconds);
        for (int i = 0; i < c.answered; ++i) {
            Choose(game, i < c.wrong ? AWrongAnswer(game) : game.SumIndex());
            ASSERT_GT(game.ResultTimer(), 0.0);
            RunFrames(game, 1, 1.0, 1.0);
        }
        EXPECT_EQ(game.Wrong(), c.wrong);
        if (c.answered < KG_Quadrat_addieren::kRounds) {
            EXPECT_EQ(game.GetState(), Knobel_Game::STATE_RUNNING);
            game.SetState(Knobel_Game::STATE_ABORTED);
        }
        EXPECT_NE(game.GetState(), Knobel_Game::STATE_RUNNING);
        game.ComputeGrade();
        EXPECT_NEAR(game.GetGrade(), c.grade, 1e-9) << c.answered << " answered";
        const std::string text = game.GetResultText();
        EXPECT_NE(text.find(c.rate), std::string::npos) << text;
        EXPECT_NE(text.find(c.average), std::string::npos) << text;
    }
}

}  // namespace
