#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "ArithmeticGameFixture.h"
#include "app/Random.h"
#include "games/base/VerdictMark.h"
#include "games/numbers/KG_Datum_Game.h"

namespace {

Datum FixedToday() { return Datum::Of(31, 1, 2024); }

std::chrono::sys_days Days(const Datum& d) { return std::chrono::year{d.year} / d.month / d.day; }

class DatumGameTest : public ArithmeticGameFixture {
protected:
    // Each step text tells its direction, amount and unit: "-5 d", "+1 y";
    // a single day has texts of its own ("+1 D").
    DatumGameTest()
        : ArithmeticGameFixture(
              "<TEXT_START> 50 Grade %.2f|<TEXT_START> 188 Date?|<TEXT_START> 189 Weekday?|"
              "<TEXT_START> 172 \n+1 D|<TEXT_START> 173 \n+%d d|<TEXT_START> 174 \n-1 D|<TEXT_START> 175 \n-%d d|"
              "<TEXT_START> 176 \n-1 w|<TEXT_START> 177 \n-%d w|"
              "<TEXT_START> 178 \n+1 w|<TEXT_START> 179 \n+%d w|<TEXT_START> 180 \n-1 m|<TEXT_START> 181 \n-%d m|"
              "<TEXT_START> 182 \n+1 m|<TEXT_START> 183 \n+%d m|<TEXT_START> 184 \n-1 y|<TEXT_START> 185 \n-%d y|"
              "<TEXT_START> 186 \n+1 y|<TEXT_START> 187 \n+%d y|<TEXT_START> 190 Sunday|<TEXT_START> 191 Monday|"
              "<TEXT_START> 192 Tuesday|<TEXT_START> 193 Wednesday|<TEXT_START> 194 Thursday|"
              "<TEXT_START> 195 Friday|<TEXT_START> 196 Saturday|") {}
    // The right answer as the player types it, and as the game shows it.
    static std::string RightAnswer(const KG_Datum_Game& game, bool typed) {
        static const char* names[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
        const Datum& t = game.TargetDate();
        char date[32];
        std::snprintf(date, sizeof date, typed ? "%02d%02d%04d" : "%d.%d.%d", t.day, t.month, t.year);
        return game.AsksWeekday() ? names[t.weekday] : date;
    }
};

// The question's lines, read step by step from the start date, lead to the
// target: backwards first, then alternating, never twice the same unit. A
// single day is said in the singular.
TEST_F(DatumGameTest, TheLevelSetsTasksAndStepsAndTheQuestionLeadsFromTheStartToTheTarget) {
    const struct { int level, tasks, steps; } cases[] = {{0, 10, 2}, {1, 15, 2}, {2, 20, 3}};
    int singleDays = 0;
    for (const auto& c : cases) {
        int tasks = 0;
        SeedRandom(21);
        while (tasks < 400) {  // plays with every answer wrong
            KG_Datum_Game game(c.level, &FixedToday);
            EXPECT_EQ(game.Tally().tasks, c.tasks);
            game.StartGame();
            for (; game.GetState() == Knobel_Game::STATE_RUNNING; ++tasks) {
                std::istringstream lines(game.QuestionText());
                std::string line;
                std::getline(lines, line);
                EXPECT_EQ(line, game.AsksWeekday() ? " Weekday? " : " Date? ");
                Datum date = game.StartDate();
                char sign, unit, previousUnit = 0;
                int n, steps = 0;
                for (; lines >> sign >> n >> unit; ++steps, previousUnit = unit) {
                    EXPECT_EQ(sign, steps % 2 == 0 ? '-' : '+');
                    EXPECT_FALSE(unit == 'd' && n == 1) << "1 day in the plural";
                    if (unit == 'D') {
                        EXPECT_EQ(n, 1);
                        unit = 'd';
                        ++singleDays;
                    }
                    EXPECT_NE(unit, previousUnit);
                    n = sign == '-' ? -n : n;
                    unit == 'd' ? date.AddDays(n) : unit == 'w' ? date.AddDays(7 * n)
                                : unit == 'm' ? date.AddMonths(n) : date.AddYears(n);
                }
                EXPECT_EQ(steps, c.steps);
                EXPECT_TRUE(date.SameDay(game.TargetDate()) && date.weekday == game.TargetDate().weekday);
                EXPECT_EQ(game.HasHelp(), !game.AsksWeekday());
                EXPECT_LE(std::abs((Days(game.StartDate()) - Days(FixedToday())).count()), game.kLargestShift);
                Type(game, "x00");
                Press(game, 13);
                RunFrames(game, 1, KG_Datum_Game::kWrongSeconds);
            }
        }
    }
    EXPECT_GT(singleDays, 0);
}

TEST_F(DatumGameTest, TypedDatesTakeTodayForPartsNotTypedInFullAndWeekdayNamesIgnoreCaseAndBlanks) {
    const struct { const char* digits; int day, month, year; } dates[] = {
        {"05032026", 5, 3, 2026}, {"0503", 5, 3, 2024}, {"0503202", 5, 3, 2024},
        {"050", 5, 1, 2024}, {"0", 31, 1, 2024}, {"29021600", 29, 2, 1600}};
    for (const auto& c : dates) {
        const Datum read = KG_Datum_Game::ReadTypedDate(c.digits, FixedToday());
        EXPECT_TRUE(read.SameDay(Datum::Of(c.day, c.month, c.year))) << c.digits;
    }
    for (const auto& [typed, matches] : {std::pair{"monday", true}, {"MoNdAy", true}, {" mon day ", true},
                                         {"mondays", false}, {"sunday", false}}) {
        EXPECT_EQ(KG_Datum_Game::IsWeekdayName(typed, 1), matches) << typed;
    }
}

TEST_F(DatumGameTest, TypingVerdictsAndTheGradeOfAPlay) {
    SeedRandom(2);
    KG_Datum_Game game(2, &FixedToday);
    game.StartGame();
    RunFrames(game, 1, 120.0);
    for (int task = 0; task < 20; ++task) {
        const bool weekday = game.AsksWeekday();
        // Fifteen letters for weekdays, eight digits for dates; Shift types capitals.
        Type(game, "12ab3cdefghijk4567890lmnopq");
        EXPECT_EQ(game.Input(), weekday ? "abcdefghijklmno" : "12345678");
        for (int i = 0; i < 15; ++i) Press(game, 8);
        game.OnKeyDown(16);
        Type(game, "a1");
        game.OnKeyUp(16);
        EXPECT_EQ(game.Input(), weekday ? "A" : "1");
        Press(game, 8);
        const bool right = task % 5 != 0;
        Type(game, right ? RightAnswer(game, true) : (weekday ? "x" : "00"));
        Press(game, 13);
        EXPECT_EQ(game.FeedbackTimer(), right ? KG_Datum_Game::kRightSeconds : KG_Datum_Game::kWrongSeconds);
        Draw(game);  // the right answer comes last, in the solution's colour after a wrong one
        EXPECT_EQ(renderer->texts.back().text, right && weekday ? game.Input() : RightAnswer(game, false));
        EXPECT_EQ(renderer->texts.back().colour, right ? 0xFF000000u : verdict::kSolutionColour);
        RunFrames(game, 1, 2.0);
    }
    EXPECT_EQ(game.GetState(), Knobel_Game::STATE_FINISHED);
    game.ComputeGrade();
    EXPECT_DOUBLE_EQ(game.GetGrade(), 4.0 / 20.0 * 5.0 + 1.0 + 0.5);
}

}  // namespace
