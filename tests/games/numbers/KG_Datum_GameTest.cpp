#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <chrono>
#include <set>
#include <string>

#include "ArithmeticGameFixture.h"
#include "app/Random.h"
#include "games/numbers/KG_Datum_Game.h"

namespace {

namespace chr = std::chrono;

constexpr uint16_t kEnter = 13;
constexpr uint16_t kBackspace = 8;
constexpr uint16_t kShift = 16;

Datum FixedToday() { return Datum::Of(31, 1, 2024); }

chr::sys_days Days(const Datum& date) {
    return chr::sys_days(chr::year{date.year} / chr::month{static_cast<unsigned>(date.month)} /
                         chr::day{static_cast<unsigned>(date.day)});
}

class DatumGameTest : public ArithmeticGameFixture {
protected:
    // Each step text says its direction, amount and unit: "-5 d", "+1 y".
    DatumGameTest()
        : ArithmeticGameFixture(
              "ANZ_TEXTE: 200 "
              "<TEXT_START> 22 Time %d:%02d|<TEXT_START> 30 Right %d|<TEXT_START> 31 Wrong %d|"
              "<TEXT_START> 32 Rate %d %%|<TEXT_START> 50 Grade %.2f|<TEXT_START> 63 Clock %d:%02d|"
              "<TEXT_START> 170 Dates|<TEXT_START> 171 Count the days.|"
              "<TEXT_START> 173 \n+%d d|<TEXT_START> 175 \n-%d d|<TEXT_START> 176 \n-1 w|"
              "<TEXT_START> 177 \n-%d w|<TEXT_START> 178 \n+1 w|<TEXT_START> 179 \n+%d w|"
              "<TEXT_START> 180 \n-1 m|<TEXT_START> 181 \n-%d m|<TEXT_START> 182 \n+1 m|"
              "<TEXT_START> 183 \n+%d m|<TEXT_START> 184 \n-1 y|<TEXT_START> 185 \n-%d y|"
              "<TEXT_START> 186 \n+1 y|<TEXT_START> 187 \n+%d y|"
              "<TEXT_START> 188 Date?|<TEXT_START> 189 Weekday?|"
              "<TEXT_START> 190 Sunday|<TEXT_START> 191 Monday|<TEXT_START> 192 Tuesday|"
              "<TEXT_START> 193 Wednesday|<TEXT_START> 194 Thursday|<TEXT_START> 195 Friday|"
              "<TEXT_START> 196 Saturday|<TEXT_START> 197 Start:%s, %d.%d.%d|") {}

    // Presses the key of each letter or digit (letters by their capital's key code).
    static void Type(Knobel_Game& game, const std::string& keys) {
        for (const char key : keys) {
            Press(game, static_cast<uint16_t>(std::toupper(static_cast<unsigned char>(key))));
        }
    }

    // The target as the player types it, DDMMYYYY.
    static std::string TargetDigits(const KG_Datum_Game& game) {
        char digits[16];
        const Datum& t = game.TargetDate();
        std::snprintf(digits, sizeof digits, "%02d%02d%04d", t.day, t.month, t.year);
        return digits;
    }

    static const char* kWeekdays[7];

    // A game at the level whose first task asks for the weekday (or not).
    static std::unique_ptr<KG_Datum_Game> GameAsking(int level, bool weekday) {
        for (uint32_t seed = 1;; ++seed) {
            SeedRandom(seed * 2654435761u);
            auto game = std::make_unique<KG_Datum_Game>(level, &FixedToday);
            if (game->AsksWeekday() == weekday) {
                return game;
            }
        }
    }
};

const char* DatumGameTest::kWeekdays[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                           "Thursday", "Friday", "Saturday"};

TEST_F(DatumGameTest, EachStepMovesTheDateAsItsTextSays) {
    struct Case {
        int code;
        char sign;
        char unit;
        int lowest;
        int highest;
    };
    const Case cases[] = {
        {0, '-', 'd', 1, 30},  {1, '+', 'd', 1, 30},  {2, '-', 'w', 1, 1},   {3, '+', 'w', 1, 1},
        {4, '-', 'w', 2, 4},   {5, '+', 'w', 2, 4},   {6, '-', 'm', 1, 1},   {7, '+', 'm', 1, 1},
        {8, '-', 'm', 2, 7},   {9, '+', 'm', 2, 7},   {10, '-', 'y', 1, 1},  {11, '+', 'y', 1, 1},
        {12, '-', 'y', 2, 51}, {13, '+', 'y', 2, 51},
    };
    SeedRandom(5);
    for (const Case& c : cases) {
        std::set<int> amounts;
        for (int draw = 0; draw < 300; ++draw) {
            const Datum start = Datum::Of(31, 3, 2000);
            Datum date = start;
            const std::string text = KG_Datum_Game::ApplyStep(c.code, date);
            char sign = 0, unit = 0;
            int n = 0;
            ASSERT_EQ(std::sscanf(text.c_str(), " %c%d %c", &sign, &n, &unit), 3) << text;
            EXPECT_EQ(sign, c.sign) << c.code;
            EXPECT_EQ(unit, c.unit) << c.code;
            amounts.insert(n);
            const int signedN = sign == '-' ? -n : n;
            const auto ymd = chr::year_month_day(Days(start));
            chr::year_month_day expected = ymd;
            if (unit == 'd' || unit == 'w') {
                expected = chr::year_month_day(Days(start) + chr::days{unit == 'w' ? 7 * signedN : signedN});
            } else {
                expected = unit == 'm' ? ymd + chr::months{signedN} : ymd + chr::years{signedN};
                if (!expected.ok()) {
                    expected = expected.year() / expected.month() / chr::last;
                }
            }
            EXPECT_EQ(chr::year_month_day(Days(date)), expected) << text;
            EXPECT_EQ(static_cast<unsigned>(date.weekday), chr::weekday(Days(date)).c_encoding());
        }
        EXPECT_EQ(*amounts.begin(), c.lowest) << c.code;
        EXPECT_EQ(*amounts.rbegin(), c.highest) << c.code;
        EXPECT_EQ(static_cast<int>(amounts.size()), c.highest - c.lowest + 1) << c.code;
    }
}

TEST_F(DatumGameTest, StepsBeginBackwardsThenAlternateDirectionAndNeverRepeatAUnit) {
    const auto group = [](int code) { return code < 2 ? 0 : code < 6 ? 1 : code < 10 ? 2 : 3; };
    std::set<int> seen;
    SeedRandom(9);
    for (int task = 0; task < 500; ++task) {
        int previous = -1;
        for (int step = 0; step < 3; ++step) {
            const int code = KG_Datum_Game::ChooseStepCode(previous);
            ASSERT_GE(code, 0);
            ASSERT_LT(code, KG_Datum_Game::kStepCodes);
            EXPECT_EQ(code % 2, step % 2) << "step " << step;
            if (previous >= 0) {
                EXPECT_NE(group(code), group(previous));
            }
            seen.insert(code);
            previous = code;
        }
    }
    EXPECT_EQ(seen.size(), 14u);
}

TEST_F(DatumGameTest, TheLevelSetsTasksStepsTheStartAndHowOftenTheWeekdayIsAsked) {
    struct Case {
        int level;
        int tasks;
        int steps;
        bool shiftedStart;
        double weekdayShare;
    };
    for (const Case c : {Case{0, 10, 2, false, 0.1}, Case{1, 15, 2, true, 0.1}, Case{2, 20, 3, true, 0.2}}) {
        SCOPED_TRACE("level " + std::to_string(c.level));
        int weekdayTasks = 0;
        int movedStarts = 0;
        int tasks = 0;
        SeedRandom(21);
        // Plays with every answer wrong, so that each task is seen once.
        while (tasks < 300) {
            KG_Datum_Game game(c.level, &FixedToday);
            EXPECT_EQ(game.Tally().tasks, c.tasks);
            game.StartGame();
            while (game.GetState() == Knobel_Game::STATE_RUNNING) {
                const std::string& question = game.QuestionText();
                EXPECT_EQ(std::count(question.begin(), question.end(), '\n'), c.steps);
                EXPECT_EQ(question.rfind(game.AsksWeekday() ? " Weekday?" : " Date?", 0), 0u);
                EXPECT_EQ(game.HasHelp(), !game.AsksWeekday());
                const auto shift = (Days(game.StartDate()) - Days(FixedToday())).count();
                EXPECT_LE(std::abs(shift), KG_Datum_Game::kLargestShift);
                movedStarts += shift != 0;
                weekdayTasks += game.AsksWeekday();
                ++tasks;
                Type(game, "X00");
                Press(game, kEnter);
                RunFrames(game, 1, KG_Datum_Game::kWrongSeconds);
            }
        }
        const int games = tasks;
        EXPECT_EQ(movedStarts > games / 2, c.shiftedStart);
        EXPECT_NEAR(static_cast<double>(weekdayTasks) / games, c.weekdayShare, 0.06);
    }
}

TEST_F(DatumGameTest, TypedDatesFillMissingPartsWithToday) {
    struct Case {
        const char* digits;
        int day, month, year;
    };
    const Case cases[] = {
        {"05032026", 5, 3, 2026}, {"0503", 5, 3, 2024}, {"0503202", 5, 3, 2024}, {"050", 5, 1, 2024},
        {"05", 5, 1, 2024},       {"0", 31, 1, 2024},   {"", 31, 1, 2024},       {"29021600", 29, 2, 1600},
    };
    for (const Case& c : cases) {
        const Datum read = KG_Datum_Game::ReadTypedDate(c.digits, FixedToday());
        EXPECT_TRUE(read.SameDay(Datum::Of(c.day, c.month, c.year))) << c.digits;
    }
}

TEST_F(DatumGameTest, AWeekdayNameMatchesInAnyCaseAndWithBlanksAnywhere) {
    struct Case {
        const char* typed;
        int weekday;
        bool matches;
    };
    const Case cases[] = {
        {"monday", 1, true},  {"MoNdAy", 1, true},   {" mon day ", 1, true},
        {"mondays", 1, false}, {"sunday", 1, false}, {"", 0, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KG_Datum_Game::IsWeekdayName(c.typed, c.weekday), c.matches) << c.typed;
    }
}

TEST_F(DatumGameTest, DateTasksTakeEightDigitsWeekdayTasksFifteenLettersOnlyWhileRunning) {
    auto date = GameAsking(0, false);
    Type(*date, "12");
    EXPECT_EQ(date->Input(), "");
    date->StartGame();
    Press(*date, kEnter);
    EXPECT_EQ(date->Tally().Answered(), 0);
    Type(*date, "ABC123456789");
    EXPECT_EQ(date->Input(), "12345678");
    Draw(*date);
    EXPECT_EQ(TextsReading("12.34.5678").size(), 1u);
    Press(*date, kBackspace);
    EXPECT_EQ(date->Input(), "1234567");

    auto weekday = GameAsking(2, true);
    weekday->StartGame();
    Type(*weekday, "mo");
    weekday->OnKeyDown(kShift);
    Type(*weekday, "N1");
    weekday->OnKeyUp(kShift);
    Type(*weekday, "DAYABCDEFGHIJKLMN");
    EXPECT_EQ(weekday->Input(), "moNdayabcdefghi");
}

TEST_F(DatumGameTest, ARightAnswerShowsForASecondAWrongOneBlinksTheRightAnswerForTwo) {
    auto game = GameAsking(1, false);
    game->StartGame();
    const Datum target = game->TargetDate();
    Type(*game, TargetDigits(*game));
    Press(*game, kEnter);
    EXPECT_EQ(game->Tally().right, 1);
    EXPECT_EQ(game->FeedbackTimer(), KG_Datum_Game::kRightSeconds);
    Draw(*game);
    const std::string targetText =
        std::to_string(target.day) + "." + std::to_string(target.month) + "." + std::to_string(target.year);
    EXPECT_EQ(TextsReading(targetText).size(), 1u);
    EXPECT_EQ(SpritesFrom(TEX_MISC1, 0, 450).size(), 1u);
    RunFrames(*game, 1, 1.0);
    EXPECT_EQ(game->Input(), "");

    // Whatever the task, a wrong answer blinks the right one in red.
    const bool weekdayTask = game->AsksWeekday();
    const std::string correct = weekdayTask ? kWeekdays[game->TargetDate().weekday]
                                            : std::to_string(game->TargetDate().day) + "." +
                                                  std::to_string(game->TargetDate().month) + "." +
                                                  std::to_string(game->TargetDate().year);
    Type(*game, weekdayTask ? "X" : "00");
    Press(*game, kEnter);
    EXPECT_EQ(game->Tally().wrong, 1);
    EXPECT_EQ(game->FeedbackTimer(), KG_Datum_Game::kWrongSeconds);
    Draw(*game);
    auto shown = TextsReading(correct);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].colour, 0xFFFF7F7Fu);
    RunFrames(*game, 1, 0.55);
    Draw(*game);
    EXPECT_TRUE(TextsReading(correct).empty());
    EXPECT_TRUE(SpritesFrom(TEX_MISC1, 100, 450).empty());

    // A weekday typed by name.
    auto weekday = GameAsking(2, true);
    weekday->StartGame();
    Type(*weekday, kWeekdays[weekday->TargetDate().weekday]);
    Press(*weekday, kEnter);
    EXPECT_EQ(weekday->Tally().right, 1);
}

TEST_F(DatumGameTest, TenRightIn240SecondsGrade2AndAnEarlyEndCountsTheWrongShareDouble) {
    SeedRandom(2);
    KG_Datum_Game game(0, &FixedToday);
    game.StartGame();
    for (int task = 0; task < 10; ++task) {
        RunFrames(game, 1, 24.0);
        Type(game, game.AsksWeekday() ? std::string(kWeekdays[game.TargetDate().weekday]) : TargetDigits(game));
        Press(game, kEnter);
        RunFrames(game, 1, 1.0);
    }
    EXPECT_EQ(game.GetState(), Knobel_Game::STATE_FINISHED);
    game.ComputeGrade();
    EXPECT_DOUBLE_EQ(game.GetGrade(), 2.0);
    EXPECT_EQ(game.GetResultText(), " Time 4:00\n Right 10\n Wrong 0\n\n Rate 100 %\n\n Grade 2.00");

    KG_Datum_Game early(2, &FixedToday);
    early.StartGame();
    RunFrames(early, 1, 120.0);
    for (int task = 0; task < 5; ++task) {
        Type(early, task == 0 ? "X0" : (early.AsksWeekday() ? std::string(kWeekdays[early.TargetDate().weekday])
                                                              : TargetDigits(early)));
        Press(early, kEnter);
        RunFrames(early, 1, 2.0);
    }
    early.SetState(Knobel_Game::STATE_ABORTED);
    early.ComputeGrade();
    EXPECT_DOUBLE_EQ(early.GetGrade(), 0.2 * 10.0 + 1.0 + 0.5);
}

}  // namespace
