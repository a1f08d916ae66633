#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ArithmeticGameFixture.h"
#include "app/Random.h"
#include "app/TextRenderer.h"
#include "games/base/VerdictMark.h"
#include "games/numbers/KG_Uhr_lesen.h"

namespace {

class UhrLesenTest : public ArithmeticGameFixture {
protected:
    UhrLesenTest() : ArithmeticGameFixture("<TEXT_START> 50 Grade %.2f|<TEXT_START> 198 am|<TEXT_START> 199 pm|") {}
};

TEST_F(UhrLesenTest, TypedDigitsAreMinutesUpTo99AndHoursAndMinutesFrom100) {
    // The hour 0 shows as a blank.
    const struct { const char* digits; int minutes; const char* shown; } cases[] = {
        {"", 0, " :00"}, {"99", 99, " :99"}, {"100", 60, "1:00"}, {"130", 90, "1:30"}, {"0030", 30, " :30"},
        {"2359", 1439, "23:59"}};
    for (const auto& c : cases) {
        EXPECT_EQ(KG_Uhr_lesen::TypedMinutes(c.digits), c.minutes) << c.digits;
        EXPECT_EQ(KG_Uhr_lesen::TypedTimeText(c.digits), c.shown) << c.digits;
    }
}

TEST_F(UhrLesenTest, ARowAddsAndSubtractsItsClocksModulo24Hours) {
    const struct { std::vector<std::pair<int, int>> times; std::vector<bool> minus; int expected; } cases[] = {
        {{{23, 10}, {2, 20}}, {true}, 1250}, {{{1, 0}, {23, 30}}, {false}, 30},
        {{{0, 10}, {0, 20}, {23, 59}}, {true, true}, 1431}, {{{22, 45}, {3, 30}, {1, 15}}, {false, true}, 60}};
    for (const auto& c : cases) {
        std::vector<ClockFace> clocks;
        std::vector<KG_Uhr_lesen::Sign> signs;
        for (const auto& [hours, minutes] : c.times) clocks.emplace_back(Vec2{0, 0}, hours, minutes, true);
        for (const bool minus : c.minus) signs.push_back({{0, 0}, minus});
        EXPECT_EQ(KG_Uhr_lesen::RowTime(clocks, signs), c.expected);
    }
}

TEST_F(UhrLesenTest, DialHandsPointAtTheTimeAndADisplayShowsItInDigits) {
    // Where the hour and the minute hand point: +1 right or down, -1 left or up.
    const struct { int hours, minutes; const char* noon; int directions[4]; } cases[] = {
        {15, 0, "pm", {1, 0, 0, -1}}, {9, 30, "am", {-1, -1, 0, 1}}, {0, 45, "am", {1, -1, -1, 0}}};
    Font* font = GetTextRenderer()->AddFont("Arial", 40);
    for (const auto& c : cases) {
        renderer->sprites.clear();
        ClockFace(Vec2{300, 300}, c.hours, c.minutes, true).Draw(font);
        ClockFace(Vec2{300, 300}, c.hours, c.minutes, false).Draw(font);
        ASSERT_EQ(renderer->sprites.size(), 4u);
        for (int i = 0; i < 4; ++i) {  // the hand's tip (100, 10) seen from its centre (100, 100)
            float tip[2], centre[2];
            renderer->sprites[1 + i / 2].transform.Apply(100, 10, tip[0], tip[1]);
            renderer->sprites[1 + i / 2].transform.Apply(100, 100, centre[0], centre[1]);
            const float d = tip[i % 2] - centre[i % 2];
            EXPECT_EQ((d > 1) - (d < -1), c.directions[i]) << c.hours << ":" << c.minutes << " " << i;
        }
        EXPECT_EQ(TextsReading(c.noon).size() + TextsReading(ClockFace::TimeText(c.hours, c.minutes)).size(), 2u);
        renderer->texts.clear();
    }
}

TEST_F(UhrLesenTest, TheLevelSetsRowsAndClocksAndEveryRowIsAnsweredOnceWithEnter) {
    const struct { int level, rows; std::size_t clocks; } cases[] = {{0, 5, 2}, {1, 10, 2}, {2, 15, 3}};
    for (const auto& c : cases) {
        SeedRandom(5);
        KG_Uhr_lesen game(c.level);
        game.StartGame();
        RunFrames(game, 1, 60.0);
        for (int row = 0; row < c.rows; ++row) {
            ASSERT_EQ(game.Clocks().size(), c.clocks);
            Type(game, "12345");
            EXPECT_EQ(game.Input(), "1234");
            for (int i = 0; i < 4; ++i) Press(game, 8);
            const bool right = row % 5 != 0;
            const int answer = KG_Uhr_lesen::RowTime(game.Clocks(), game.Signs());
            Type(game, right ? std::to_string(answer / 60 * 100 + answer % 60) : "2400");
            Press(game, 13);
            Press(game, 13);
            EXPECT_EQ(game.Tally().Answered(), row + 1);
            if (!right) {  // the row's time shows as the solution
                Draw(game);
                EXPECT_EQ(TextsReading(ClockFace::TimeText(answer / 60, answer % 60, " : ")).at(0).colour,
                          verdict::kSolutionColour);
            }
            RunFrames(game, 1, KG_Uhr_lesen::kFeedbackSeconds);
        }
        EXPECT_EQ(game.GetState(), Knobel_Game::STATE_FINISHED);
        game.ComputeGrade();
        // A fifth wrong and a minute played.
        EXPECT_DOUBLE_EQ(game.GetGrade(), 0.2 * 5.0 + 1.0 + 0.5);
    }
}

}  // namespace
