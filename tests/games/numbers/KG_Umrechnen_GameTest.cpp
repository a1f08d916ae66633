#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <set>
#include <string>
#include <utility>

#include "ArithmeticGameFixture.h"
#include "app/Random.h"
#include "games/numbers/KG_Umrechnen_Game.h"
#include "games/numbers/UnitTask.h"

namespace {

constexpr uint16_t kComma = 188;

class UmrechnenTest : public ArithmeticGameFixture {
protected:
    UmrechnenTest()
        : ArithmeticGameFixture(
              "<TEXT_START> 162 Largest %d %%|<TEXT_START> 163 Average %d %%|") {}
    // Answers the task with its exact value (or with 0) and lets the verdict run out.
    void Answer(KG_Umrechnen_Game& game, bool right) {
        Type(game, right ? game.TargetText() : "0");
        Press(game, platform::vk::Return);
        RunFrames(game, 1, KG_Umrechnen_Game::kWrongSeconds);
    }
};

// Every unit, by its English name, against the first unit of its family in
// the round values the help text gives.
TEST_F(UmrechnenTest, EveryUnitConvertsToTheFirstOfItsFamilyByItsValue) {
    const struct { int family, unit; const char* name; double inFirst; } cases[] = {
        {0, 0, "m", 1},           {0, 1, "km", 1000},         {0, 2, "naut. miles", 1850}, {0, 3, "miles", 1600},
        {0, 4, "dm", 0.1},        {0, 5, "cm", 0.01},         {0, 6, "mm", 0.001},        {0, 7, "inches", 0.0254},
        {0, 8, "feet", 0.305},    {1, 0, "g", 1},             {1, 1, "t", 1e6},           {1, 2, "kg", 1000},
        {1, 3, "mg", 0.001},      {1, 4, "metric pounds", 500}, {2, 0, "m\xB2", 1},      {2, 1, "km\xB2", 1e6},
        {2, 2, "cm\xB2", 1e-4},  {2, 3, "mm\xB2", 1e-6},    {2, 4, "hectares", 1e4},    {2, 5, "ares", 100},
        {3, 0, "m\xB3", 1},      {3, 1, "cm\xB3", 1e-6},    {3, 2, "mm\xB3", 1e-9},    {3, 3, "litres", 1e-3},
        {3, 4, "ml", 1e-6},       {4, 0, "kJ", 1},            {4, 1, "kWh", 3600},        {4, 2, "J", 0.001},
        {4, 3, "Wh", 3.6},        {5, 0, "hours", 1},         {5, 1, "years", 8760},      {5, 2, "days", 24},
        {5, 3, "minutes", 1.0 / 60}, {5, 4, "seconds", 1.0 / 3600}, {5, 5, "milliseconds", 1.0 / 3.6e6}};
    LoadLanguage(1);
    int units = 0;
    for (int family = 0; family < units::kFamilies; ++family) units += units::UnitCount(family);
    EXPECT_EQ(units, static_cast<int>(std::size(cases)));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(GetTextOrEmpty(units::NameText(c.family, c.unit)), std::string(" ") + c.name);
        EXPECT_NEAR(units::Convert(c.family, 1.0, c.unit, 0), c.inFirst, c.inFirst * 1e-9);
        EXPECT_NEAR(units::Convert(c.family, c.inFirst, 0, c.unit), 1.0, 1e-9);
    }
}

TEST_F(UmrechnenTest, AnAnswerWithinFivePercentIsRight) {
    const UnitTask task{.family = 0, .sourceUnit = 1, .targetUnit = 0, .sourceValue = 2.0, .targetValue = 2000.0};
    for (const auto& [answer, right] : {std::pair{2000.0, true}, {2098.0, true}, {1902.0, true}, {2102.0, false},
                                        {1898.0, false}, {0.0, false}}) {
        EXPECT_EQ(task.IsRight(answer), right) << answer;
    }
}

TEST_F(UmrechnenTest, TheQuantitiesFollowTheLevel) {
    const struct { double ratioLimit; int lowest, highest; std::set<int> exponents; } levels[] = {
        {2000, -1, 1, {-1, 1}}, {200000, -2, 2, {-2, -1, 1}}, {20000000, -3, 3, {-3, -2, -1, 1, 2}}};
    SeedRandom(17);
    for (const auto& level : levels) {
        std::set<int> exponents, families;
        for (int i = 0; i < 3000; ++i) {
            const UnitTask task = UnitTask::Draw(level.ratioLimit, level.lowest, level.highest);
            const double a = units::Factor(task.family, task.sourceUnit);
            const double b = units::Factor(task.family, task.targetUnit);
            ASSERT_NE(task.sourceUnit, task.targetUnit);
            ASSERT_LE(std::max(a, b) / std::min(a, b), level.ratioLimit);
            ASSERT_TRUE(task.digit >= 1 && task.digit <= 9);
            ASSERT_NEAR(task.sourceValue / std::pow(10.0, task.exponent), task.digit, 1e-9);
            exponents.insert(task.exponent);
            families.insert(task.family);
        }
        EXPECT_EQ(exponents, level.exponents);
        EXPECT_EQ(families.size(), 6u);
    }
}

TEST_F(UmrechnenTest, ValuesAreShownAsPlainDecimalsWithThreeSignificantDigitsAtLeast) {
    const struct { double value; const char* text; } cases[] = {
        {0.3, "0.3"}, {50, "50"}, {39.37007874015748, "39.370079"}, {5e-11, "0.00000000005"},
        {2.7777777777777776e-10, "0.000000000278"}, {3240000000.0, "3240000000"}};
    for (const auto& c : cases) EXPECT_EQ(units::DecimalText(c.value), c.text);
    EXPECT_EQ(units::DecimalText(0.3, ','), "0,3");
    EXPECT_EQ(units::DecimalText(3240000000.0, ','), "3240000000");
    // Shown with their digits in threes once a side is long.
    EXPECT_EQ(units::Grouped("3240000000", ','), "3 240 000 000");
    EXPECT_EQ(units::Grouped("0,0000000486", ','), "0,000 000 048 6");
    EXPECT_EQ(units::Grouped("1500.25", '.'), "1500.25");
    EXPECT_EQ(units::Grouped("12500.5", '.'), "12 500.5");
}

TEST_F(UmrechnenTest, TwentyCharactersWithCommaOrStopAsThePoint) {
    KG_Umrechnen_Game game(1);
    game.StartGame();
    Type(game, "12");
    Press(game, kComma);
    Type(game, "5.");
    Press(game, 'A');
    EXPECT_EQ(game.Input(), "12.5.");
    Type(game, "1234567890123456789");
    Press(game, 8);
    EXPECT_EQ(game.Input(), "12.5.12345678901234");
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
    // Ended early, the wrong share counts 10 and 2 minutes cost a grade
    // point; but with 11 of 20 tasks left the finished formula, with them
    // wrong, grades worse.
    for (const int answered : {9, 19}) {
        KG_Umrechnen_Game early(2);
        early.StartGame();
        RunFrames(early, 1, 60.0);
        for (int i = 0; i < answered; ++i) Answer(early, i > 0);
        early.SetState(Knobel_Game::STATE_ABORTED);
        early.ComputeGrade();
        EXPECT_NEAR(early.GetGrade(), answered == 9 ? 12.0 / 20.0 * 5.0 + 1.0 + 60.0 / 180.0 : 10.0 / 19.0 + 1.5, 1e-12);
    }
}

}  // namespace
