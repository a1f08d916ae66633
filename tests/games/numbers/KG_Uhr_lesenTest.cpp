#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "ArithmeticGameFixture.h"
#include "app/Random.h"
#include "app/TextRenderer.h"
#include "games/numbers/KG_Uhr_lesen.h"

namespace {

constexpr uint16_t kEnter = 13;
constexpr uint16_t kBackspace = 8;

class UhrLesenTest : public ArithmeticGameFixture {
protected:
    UhrLesenTest()
        : ArithmeticGameFixture(
              "ANZ_TEXTE: 120 "
              "<TEXT_START> 22 Time %d:%02d|"
              "<TEXT_START> 30 Right %d|"
              "<TEXT_START> 31 Wrong %d|"
              "<TEXT_START> 32 Rate %d %%|"
              "<TEXT_START> 50 Grade %.2f|"
              "<TEXT_START> 63 Clock %d:%02d|"
              "<TEXT_START> 110 Clocks|"
              "<TEXT_START> 111 Read the clocks.|") {}

    static void Type(Knobel_Game& game, const std::string& digits) {
        for (const char digit : digits) {
            Press(game, static_cast<uint16_t>(digit));
        }
    }

    // The answer of the row as the player types it, hours and minutes.
    static std::string AnswerDigits(const KG_Uhr_lesen& game) {
        return std::to_string(game.Answer() / 60 * 100 + game.Answer() % 60);
    }

    // Where a hand drawn from its 200 x 200 cell points: the tip (100, 10)
    // seen from the centre (100, 100).
    static void HandDirection(const RecordingRenderer::Sprite& hand, float& dx, float& dy) {
        float tipX = 0, tipY = 0, centreX = 0, centreY = 0;
        hand.transform.Apply(100.0f, 10.0f, tipX, tipY);
        hand.transform.Apply(100.0f, 100.0f, centreX, centreY);
        dx = tipX - centreX;
        dy = tipY - centreY;
    }
};

TEST_F(UhrLesenTest, TypedDigitsOfEveryLengthAreMinutesUpTo99AndHoursAndMinutesFrom100) {
    struct Case {
        const char* digits;
        int minutes;
        const char* shown;
    };
    const Case cases[] = {
        {"", 0, " :00"},      {"5", 5, " :05"},        {"45", 45, " :45"},    {"90", 90, " :90"},
        {"99", 99, " :99"},   {"100", 60, "1:00"},     {"130", 90, "1:30"},   {"959", 599, "9:59"},
        {"0030", 30, " :30"}, {"1430", 870, "14:30"},  {"2359", 1439, "23:59"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KG_Uhr_lesen::TypedMinutes(c.digits), c.minutes) << c.digits;
        EXPECT_EQ(KG_Uhr_lesen::TypedTimeText(c.digits), c.shown) << c.digits;
    }
}

TEST_F(UhrLesenTest, ARowAddsAndSubtractsItsClocksModulo24Hours) {
    struct Case {
        std::vector<std::pair<int, int>> times;
        std::vector<bool> minus;
        int expected;
    };
    const Case cases[] = {
        {{{23, 10}, {2, 20}}, {true}, 20 * 60 + 50},
        {{{1, 0}, {23, 30}}, {false}, 30},
        {{{12, 0}, {12, 0}}, {false}, 0},
        {{{0, 10}, {0, 20}, {23, 59}}, {true, true}, 23 * 60 + 51},
        {{{22, 45}, {3, 30}, {1, 15}}, {false, true}, 60},
        {{{0, 0}, {0, 0}}, {true}, 0},
    };
    for (const Case& c : cases) {
        std::vector<ClockFace> clocks;
        std::vector<KG_Uhr_lesen::Sign> signs;
        for (const auto& [hours, minutes] : c.times) {
            clocks.emplace_back(Vec2{0, 0}, hours, minutes, true);
        }
        for (const bool minus : c.minus) {
            signs.push_back({{0, 0}, minus});
        }
        EXPECT_EQ(KG_Uhr_lesen::RowTime(clocks, signs), c.expected);
    }
}

TEST_F(UhrLesenTest, TheLevelSetsRowsClocksAndWhetherARowSharesOneKindOfDisplay) {
    struct Case {
        int level;
        int rows;
        std::size_t clocks;
        bool sharedKind;
    };
    for (const Case c : {Case{0, 5, 2, true}, Case{1, 10, 2, false}, Case{2, 15, 3, false}}) {
        std::set<bool> kindsSeen;
        bool mixedRow = false;
        for (uint32_t seed = 1; seed <= 40; ++seed) {
            SeedRandom(seed);
            KG_Uhr_lesen game(c.level);
            EXPECT_EQ(game.Tally().tasks, c.rows);
            ASSERT_EQ(game.Clocks().size(), c.clocks);
            ASSERT_EQ(game.Signs().size(), c.clocks - 1);
            EXPECT_EQ(game.Answer(), KG_Uhr_lesen::RowTime(game.Clocks(), game.Signs()));
            for (std::size_t i = 0; i + 1 < c.clocks; ++i) {
                const ClockFace& left = game.Clocks()[i];
                const ClockFace& right = game.Clocks()[i + 1];
                EXPECT_LT(left.Position().x, right.Position().x);
                EXPECT_FLOAT_EQ(game.Signs()[i].position.x, (left.Position().x + right.Position().x) / 2);
            }
            for (const ClockFace& clock : game.Clocks()) {
                EXPECT_LT(clock.Hours(), 24);
                EXPECT_LT(clock.Minutes(), 60);
                kindsSeen.insert(clock.IsAnalog());
                mixedRow |= clock.IsAnalog() != game.Clocks()[0].IsAnalog();
            }
        }
        EXPECT_EQ(kindsSeen.size(), 2u) << "level " << c.level;
        EXPECT_EQ(mixedRow, !c.sharedKind) << "level " << c.level;
    }
}

TEST_F(UhrLesenTest, FourDigitsAreTakenOnlyWhileRunningAndEnterJudgesTheTypedTime) {
    SeedRandom(7);
    KG_Uhr_lesen game(1);
    Type(game, "12");
    Press(game, kEnter);
    EXPECT_EQ(game.Input(), "");
    game.StartGame();

    Press(game, kEnter);
    EXPECT_EQ(game.Tally().Answered(), 0);
    Type(game, "123456");
    Press(game, 'A');
    EXPECT_EQ(game.Input(), "1234");
    for (int i = 0; i < 5; ++i) {
        Press(game, kBackspace);
    }
    EXPECT_EQ(game.Input(), "");

    // The right time of day, typed as hours and minutes.
    const int firstAnswer = game.Answer();
    Type(game, AnswerDigits(game));
    Press(game, kEnter);
    EXPECT_EQ(game.Tally().right, 1);
    EXPECT_EQ(game.FeedbackTimer(), KG_Uhr_lesen::kFeedbackSeconds);
    Type(game, "1");
    Press(game, kEnter);
    EXPECT_EQ(game.Tally().Answered(), 1);
    RunFrames(game, 1, 2.0);
    EXPECT_EQ(game.Input(), "");

    // A row asks a new time; 24:00 is never a time of day.
    int rows = 1;
    while (game.Answer() == firstAnswer && rows < 5) {
        Type(game, "2400");
        Press(game, kEnter);
        RunFrames(game, 1, 2.0);
        ++rows;
    }
    EXPECT_NE(game.Answer(), firstAnswer);
    Type(game, "2400");
    Press(game, kEnter);
    EXPECT_EQ(game.Tally().wrong, rows);
}

TEST_F(UhrLesenTest, FiveRightRowsIn120SecondsGrade2AndAnEarlyEndCountsTheWrongShareDouble) {
    {
        SeedRandom(3);
        KG_Uhr_lesen game(0);
        game.StartGame();
        for (int row = 0; row < 5; ++row) {
            RunFrames(game, 1, 24.0);
            Type(game, AnswerDigits(game));
            Press(game, kEnter);
            RunFrames(game, 1, 2.0);
        }
        EXPECT_EQ(game.GetState(), Knobel_Game::STATE_FINISHED);
        game.ComputeGrade();
        EXPECT_DOUBLE_EQ(game.GetGrade(), 2.0);
        EXPECT_EQ(game.GetResultText(), " Time 2:00\n Right 5\n Wrong 0\n\n Rate 100 %\n\n Grade 2.00");
    }
    // Ended after four rows, one of them wrong, at a minute.
    KG_Uhr_lesen game(2);
    game.StartGame();
    RunFrames(game, 1, 60.0);
    for (int row = 0; row < 4; ++row) {
        Type(game, row == 0 ? "2400" : AnswerDigits(game));
        Press(game, kEnter);
        RunFrames(game, 1, 2.0);
    }
    game.SetState(Knobel_Game::STATE_ABORTED);
    game.ComputeGrade();
    EXPECT_DOUBLE_EQ(game.GetGrade(), 4.0);
}

TEST_F(UhrLesenTest, DialHandsPointAtTheTimeAndADisplayShowsItInDigits) {
    struct Case {
        int hours;
        int minutes;
        const char* noon;
        // Expected directions: +1 right/down, -1 left/up, 0 neither.
        int hourX, hourY, minuteX, minuteY;
    };
    const Case cases[] = {
        {15, 0, "pm", 1, 0, 0, -1},
        {9, 30, "am", -1, -1, 0, 1},
        {0, 45, "am", 1, -1, -1, 0},
    };
    Font* font = GetTextRenderer()->AddFont("Arial", 40);
    for (const Case& c : cases) {
        renderer->sprites.clear();
        renderer->texts.clear();
        ClockFace(Vec2{300, 300}, c.hours, c.minutes, true).Draw(font);
        ASSERT_EQ(renderer->sprites.size(), 3u);
        EXPECT_EQ(renderer->sprites[1].region.top, 300) << "the hour hand first";
        EXPECT_EQ(TextsReading(c.noon).size(), 1u);
        float dx = 0, dy = 0;
        HandDirection(renderer->sprites[1], dx, dy);
        EXPECT_EQ((dx > 1) - (dx < -1), c.hourX) << c.hours << ":" << c.minutes;
        EXPECT_EQ((dy > 1) - (dy < -1), c.hourY) << c.hours << ":" << c.minutes;
        HandDirection(renderer->sprites[2], dx, dy);
        EXPECT_EQ((dx > 1) - (dx < -1), c.minuteX) << c.hours << ":" << c.minutes;
        EXPECT_EQ((dy > 1) - (dy < -1), c.minuteY) << c.hours << ":" << c.minutes;

        renderer->texts.clear();
        ClockFace(Vec2{300, 300}, c.hours, c.minutes, false).Draw(font);
        EXPECT_EQ(TextsReading(ClockFace::TimeText(c.hours, c.minutes)).size(), 1u);
    }
    // The hour 0 shows as a blank.
    EXPECT_EQ(ClockFace::TimeText(0, 5), " :05");
    EXPECT_EQ(ClockFace::TimeText(7, 5), "7:05");
}

TEST_F(UhrLesenTest, ARightVerdictShowsTheTypedTimeWithATickAWrongOneBlinksTheTimeOfTheRow) {
    SeedRandom(11);
    KG_Uhr_lesen game(0);
    game.StartGame();
    const std::string digits = AnswerDigits(game);
    Type(game, digits);
    Press(game, kEnter);
    Draw(game);
    EXPECT_EQ(SpritesFrom(TEX_MISC1, 0, 450).size(), 1u);
    EXPECT_EQ(TextsReading(KG_Uhr_lesen::TypedTimeText(digits)).size(), 1u);
    RunFrames(game, 1, 2.0);

    const std::string correct = ClockFace::TimeText(game.Answer() / 60, game.Answer() % 60, " : ");
    Type(game, "2400");
    Press(game, kEnter);
    Draw(game);
    EXPECT_TRUE(SpritesFrom(TEX_MISC1, 0, 450).empty());
    EXPECT_TRUE(TextsReading("24:00").empty());
    auto shown = TextsReading(correct);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].colour, 0xFFFF7F7Fu);
    RunFrames(game, 1, 0.55);
    Draw(game);
    EXPECT_TRUE(TextsReading(correct).empty());
}

}  // namespace
