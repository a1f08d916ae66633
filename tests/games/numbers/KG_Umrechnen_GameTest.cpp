#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

#include "ArithmeticGameFixture.h"
#include "app/Random.h"
#include "games/numbers/KG_Umrechnen_Game.h"
#include "games/numbers/UnitTask.h"

namespace {

constexpr uint16_t kEnter = 13;
constexpr uint16_t kComma = 188;
constexpr uint16_t kPeriod = 190;

// The game's texts, and every unit named "u" with its text's index.
std::string UnitGameTexts() {
    std::string texts =
        "<TEXT_START> 160 Units|<TEXT_START> 161 Convert.|"
        "<TEXT_START> 162 Largest %d %%|<TEXT_START> 163 Average %d %%|";
    for (int index = 300; index <= 355; ++index) {
        texts += "<TEXT_START> " + std::to_string(index) + " u" + std::to_string(index) + "|";
    }
    return texts;
}

class UmrechnenTest : public ArithmeticGameFixture {
protected:
    UmrechnenTest() : ArithmeticGameFixture(UnitGameTexts()) {}

    // What the answer's box reads with the value.
    static std::string AnswerText(const KG_Umrechnen_Game& game, const std::string& value) {
        return value + "  u" + std::to_string(units::NameText(game.Task().family, game.Task().targetUnit));
    }

    // Types digits and decimal points ('.' with the full-stop key).
    static void Type(Knobel_Game& game, const std::string& text) {
        for (const char c : text) {
            Press(game, c == '.' ? kPeriod : static_cast<uint16_t>(c));
        }
    }

    // Answers the task with its exact value (or with 0) and lets the verdict run out.
    void Answer(KG_Umrechnen_Game& game, bool right) {
        Type(game, right ? game.TargetText() : "0");
        Press(game, kEnter);
        RunFrames(game, 1, KG_Umrechnen_Game::kWrongSeconds);
    }
};

TEST_F(UmrechnenTest, EveryFamilyConvertsByTheFactorsOfItsUnits) {
    const int counts[] = {9, 5, 6, 5, 4, 6};
    for (int family = 0; family < units::kFamilies; ++family) {
        EXPECT_EQ(units::UnitCount(family), counts[family]);
    }
    struct Case {
        int family, from, to;
        double value, expected;
    };
    const Case cases[] = {
        // Length: m, km, nautical miles, miles, dm, cm, mm, inches, feet.
        {0, 1, 0, 1, 1000}, {0, 2, 0, 1, 1850}, {0, 3, 0, 1, 1600}, {0, 0, 4, 1, 10}, {0, 0, 5, 1, 100},
        {0, 0, 6, 1, 1000}, {0, 5, 7, 2.54, 1}, {0, 5, 8, 30.5, 1},
        // Mass: g, t, kg, mg, pounds.
        {1, 1, 0, 1, 1e6}, {1, 2, 0, 1, 1000}, {1, 3, 0, 1000, 1}, {1, 4, 0, 1, 500},
        // Area: m², km², cm², mm², hectares, ares.
        {2, 1, 0, 1, 1e6}, {2, 0, 2, 1, 1e4}, {2, 0, 3, 1, 1e6}, {2, 4, 0, 1, 1e4}, {2, 5, 0, 1, 100},
        // Volume: m³, cm³, mm³, litres, ml.
        {3, 0, 1, 1, 1e6}, {3, 0, 2, 1, 1e9}, {3, 0, 3, 1, 1000}, {3, 3, 4, 1, 1000}, {3, 3, 1, 1, 1000},
        // Energy: kJ, kWh, J, Wh.
        {4, 1, 0, 1, 3600}, {4, 0, 2, 1, 1000}, {4, 3, 2, 1, 3600},
        // Time: hours, years, days, minutes, seconds, milliseconds.
        {5, 1, 2, 1, 365}, {5, 2, 0, 1, 24}, {5, 0, 3, 1, 60}, {5, 3, 4, 1, 60}, {5, 4, 5, 1, 1000}};
    for (const Case& c : cases) {
        EXPECT_NEAR(units::Convert(c.family, c.value, c.from, c.to), c.expected, c.expected * 1e-9)
            << "family " << c.family << ", unit " << c.from << " to " << c.to;
    }
    EXPECT_EQ(units::NameText(0, 8), 308);
    EXPECT_EQ(units::NameText(5, 5), 355);
}

TEST_F(UmrechnenTest, AnAnswerWithinFivePercentIsRight) {
    UnitTask task;
    task.family = 0;
    task.sourceUnit = 1;
    task.targetUnit = 0;
    task.sourceValue = 2.0;
    task.targetValue = 2000.0;
    const struct {
        double answer;
        bool right;
    } cases[] = {{2000, true},  {2080, true},  {1920, true},  {2098, true},  {1902, true},
                 {2102, false}, {1898, false}, {2120, false}, {1880, false}, {0, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(task.IsRight(c.answer), c.right) << c.answer;
    }
    EXPECT_NEAR(task.RelativeError(2120), 0.06, 1e-12);
}

TEST_F(UmrechnenTest, TheQuantitiesFollowTheLevel) {
    const struct {
        double ratioLimit;
        int lowest, highest;
        std::set<int> exponents;
    } levels[] = {{2000, -1, 1, {-1, 1}}, {200000, -2, 2, {-2, -1, 1}}, {20000000, -3, 3, {-3, -2, -1, 1, 2}}};
    SeedRandom(17);
    for (const auto& level : levels) {
        std::set<int> exponents;
        std::set<int> families;
        for (int i = 0; i < 3000; ++i) {
            const UnitTask task = UnitTask::Draw(level.ratioLimit, level.lowest, level.highest);
            ASSERT_NE(task.sourceUnit, task.targetUnit);
            const double a = units::Factor(task.family, task.sourceUnit);
            const double b = units::Factor(task.family, task.targetUnit);
            ASSERT_LE(std::max(a, b) / std::min(a, b), level.ratioLimit);
            ASSERT_GE(task.digit, 1);
            ASSERT_LE(task.digit, 9);
            ASSERT_NEAR(task.sourceValue / std::pow(10.0, task.exponent), task.digit, 1e-9);
            exponents.insert(task.exponent);
            families.insert(task.family);
        }
        EXPECT_EQ(exponents, level.exponents);
        EXPECT_EQ(families.size(), 6u);
    }
}

TEST_F(UmrechnenTest, ValuesAreShownAsPlainDecimalsWithThreeSignificantDigitsAtLeast) {
    const struct {
        double value;
        const char* text;
    } cases[] = {{0.3, "0.3"},           {50, "50"},          {0.001, "0.001"},
                 {1850, "1850"},         {39.37007874015748, "39.370079"},
                 {5e-11, "0.00000000005"}, {2.7777777777777776e-10, "0.000000000278"},
                 {0.000123456, "0.000123"}, {3240000000.0, "3240000000"}};
    for (const auto& c : cases) {
        EXPECT_EQ(units::DecimalText(c.value), c.text);
    }
}

TEST_F(UmrechnenTest, TypingTakesTwentyCharactersWithCommaOrStopAsThePoint) {
    KG_Umrechnen_Game game(1);
    game.StartGame();
    Type(game, "12");
    Press(game, kComma);
    Type(game, "5");
    Press(game, kPeriod);
    Press(game, 'A');
    EXPECT_EQ(game.Input(), "12.5.");
    Type(game, "1234567890123456789");
    EXPECT_EQ(game.Input().size(), KG_Umrechnen_Game::kMaxInput);
    Press(game, 8);
    EXPECT_EQ(game.Input(), "12.5.12345678901234");
}

TEST_F(UmrechnenTest, VerdictsTheirTimesAndTheErrorsOfTheAnswers) {
    SeedRandom(5);
    KG_Umrechnen_Game game(0);
    game.StartGame();
    Type(game, units::DecimalText(game.Task().targetValue * 1.04));
    Press(game, kEnter);
    EXPECT_EQ(game.Tally().right, 1);
    EXPECT_DOUBLE_EQ(game.FeedbackTimer(), KG_Umrechnen_Game::kRightSeconds);
    RunFrames(game, 1, 1.0);
    EXPECT_EQ(game.Input(), "");

    Type(game, units::DecimalText(game.Task().targetValue * 1.06));
    Press(game, kEnter);
    EXPECT_EQ(game.Tally().wrong, 1);
    EXPECT_DOUBLE_EQ(game.FeedbackTimer(), KG_Umrechnen_Game::kWrongSeconds);
    // Typed with three significant digits at least, the answers are off by
    // about 4 and 6 %.
    EXPECT_NEAR(game.LargestError(), 0.06, 0.006);
    EXPECT_NEAR(game.ErrorSum(), 0.10, 0.01);
}

TEST_F(UmrechnenTest, GradeAndResultOfAWholePlayAndOfOneEndedEarly) {
    KG_Umrechnen_Game game(0);
    game.StartGame();
    for (int task = 0; task < 10; ++task) {
        RunFrames(game, 1, 9.0);
        Answer(game, task >= 2);
    }
    EXPECT_EQ(game.GetState(), Knobel_Game::STATE_FINISHED);
    game.ComputeGrade();
    // 2 of 10 wrong in a minute and a half: 3 minutes cost a grade point.
    EXPECT_DOUBLE_EQ(game.GetGrade(), 2.5);
    EXPECT_EQ(game.GetResultText(),
              " Time 1:30\n Right 8\n Wrong 2\n Rate 80 %\n Largest 100 %\n Average 20 %\n\n Grade 2.50");
    EXPECT_EQ(game.GetTitle(), " Units");
    EXPECT_EQ(game.GetHelpText(), " Convert.");

    // Ended early, the wrong share counts 10 and 2 minutes cost a grade point.
    KG_Umrechnen_Game later(2);
    later.StartGame();
    RunFrames(later, 1, 60.0);
    for (int i = 0; i < 9; ++i) {
        Answer(later, i > 0);
    }
    later.SetState(Knobel_Game::STATE_ABORTED);
    later.ComputeGrade();
    EXPECT_NEAR(later.GetGrade(), 10.0 / 9.0 + 1.5, 1e-12);
}

TEST_F(UmrechnenTest, TheAnswerShowsTheValueWithATickOrBlinksItInRed) {
    KG_Umrechnen_Game game(0);
    game.StartGame();
    Type(game, "42");
    Draw(game);
    EXPECT_EQ(TextsReading(AnswerText(game, "42")).size(), 1u);
    EXPECT_TRUE(SpritesFrom(TEX_MISC1, 0, 450).empty());

    Press(game, 8);
    Press(game, 8);
    Type(game, game.TargetText());
    Press(game, kEnter);
    Draw(game);
    const std::string shown = AnswerText(game, game.TargetText());
    ASSERT_EQ(TextsReading(shown).size(), 1u);
    EXPECT_EQ(TextsReading(shown)[0].colour, 0xFF000000u);
    ASSERT_EQ(SpritesFrom(TEX_MISC1, 0, 450).size(), 1u);
    // The tick stands right of the answer's text.
    const auto& text = TextsReading(shown)[0];
    EXPECT_GT(SpritesFrom(TEX_MISC1, 0, 450)[0].transform.dx, (text.rect.left + text.rect.right) / 2);
    RunFrames(game, 1, 1.0);

    Type(game, "0");
    Press(game, kEnter);
    Draw(game);
    const std::string correction = AnswerText(game, game.TargetText());
    ASSERT_EQ(TextsReading(correction).size(), 1u);
    EXPECT_EQ(TextsReading(correction)[0].colour, 0xFFFF7F7Fu);
    EXPECT_TRUE(SpritesFrom(TEX_MISC1, 0, 450).empty());
    RunFrames(game, 1, 0.55);
    Draw(game);
    EXPECT_TRUE(TextsReading(correction).empty());
}

}  // namespace
