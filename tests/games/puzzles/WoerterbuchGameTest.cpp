#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "app/Random.h"
#include "games/puzzles/KG_Woerterbuch_Game.h"
#include "support/ArchiveBytes.h"
#include "support/GameFixture.h"

namespace {

constexpr uint16_t kEnter = 13;
constexpr uint16_t kShift = 16;
constexpr uint16_t kBackspace = 8;
constexpr double kFrame = 0.125;  // exact in binary: timers run out on a frame

std::string Entry(const std::string& word) { return "<TEXT_START>\n" + word + "|\n"; }

class WoerterbuchGameTest : public GameFixture {
protected:
    WoerterbuchGameTest()
        : GameFixture(
              "ANZ_TEXTE: 160 <TEXT_START> 22 Time %d:%02d|<TEXT_START> 30 Right %d|<TEXT_START> 31 Wrong %d|"
              "<TEXT_START> 32 Rate %d %%|<TEXT_START> 50 Grade %.2f|<TEXT_START> 63 Clock %d:%02d|") {}

    // The archive holds these word lists; the game reads the one of the language.
    void UseWordLists(const std::string& german, const std::string& english = Entry("tree")) {
        folder.Write("test.gob", ArchiveBytes({{"words_d", german}, {"words_e", english}}));
        app->archive = ArchiveOpen(folder.Path("test.gob"));
        ASSERT_TRUE(app->archive);
    }

    // Types the letters of text; upper-case letters with Shift held.
    static void Type(KG_Wörterbuch_Game& game, const std::string& text) {
        for (const char c : text) {
            const bool upper = std::isupper(static_cast<unsigned char>(c)) != 0;
            if (upper) {
                game.OnKeyDown(kShift);
            }
            const auto key = static_cast<uint16_t>(std::toupper(static_cast<unsigned char>(c)));
            game.OnKeyDown(key);
            game.OnKeyUp(key);
            if (upper) {
                game.OnKeyUp(kShift);
            }
        }
    }

    static void Enter(KG_Wörterbuch_Game& game) {
        game.OnKeyDown(kEnter);
        game.OnKeyUp(kEnter);
    }

    static std::string TileLetters(const KG_Wörterbuch_Game& game) {
        std::string letters;
        for (const LetterTile& tile : game.Tiles()) {
            letters += tile.letter;
        }
        return letters;
    }
};

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

std::string Sorted(std::string s) {
    s = Lower(s);
    std::sort(s.begin(), s.end());
    return s;
}

TEST_F(WoerterbuchGameTest, OnlyTypableEntriesArePlayedWithoutTheirBlanksInTheChosenLanguage) {
    UseWordLists(Entry("Apfel") + Entry("K\xE4se") + Entry("x") + Entry("ice-cream") + Entry("zwei Teile") +
                     "<TEXT_START>\nunclosed",
                 Entry("Tree"));
    const KG_Wörterbuch_Game german(0);
    EXPECT_EQ(german.Words(), (std::vector<std::string>{"Apfel", "zweiTeile"}));

    app->language = 1;
    const KG_Wörterbuch_Game english(0);
    EXPECT_EQ(english.Solution(), "Tree");
}

TEST_F(WoerterbuchGameTest, WithoutAPlayableWordThePlayFailsWithTheWorstGrade) {
    for (const std::string& list : {std::string(), Entry("a") + Entry("Stra\xDF" "e")}) {
        UseWordLists(list);
        KG_Wörterbuch_Game game(1);
        game.StartGame();
        Enter(game);
        RunFrames(game, 5, kFrame, kFrame);
        EXPECT_EQ(game.GetState(), Knobel_Game::STATE_FAILED);
        EXPECT_EQ(game.Tally().right, 0);
        game.ComputeGrade();
        EXPECT_EQ(game.GetGrade(), Knobel_Game::kWorstGrade);
    }
}

TEST_F(WoerterbuchGameTest, TheShuffleKeepsTheLettersAndMovesThem) {
    UseWordLists(Entry("Schreibtisch") + Entry("Regenbogen") + Entry("Flugzeug"));
    for (int level = 0; level < 3; ++level) {
        SeedRandom(7u + static_cast<unsigned>(level));
        KG_Wörterbuch_Game game(level);
        game.StartGame();
        int moved = 0;
        while (game.GetState() == Knobel_Game::STATE_RUNNING) {
            const std::string letters = TileLetters(game);
            EXPECT_EQ(Sorted(letters), Sorted(game.Solution()));
            EXPECT_EQ(game.LettersLeft(), static_cast<int>(letters.size()));
            moved += letters != Lower(game.Solution()) ? 1 : 0;
            Type(game, game.Solution());
            Enter(game);
            RunFrames(game, 1, kFrame, KG_Wörterbuch_Game::kRightSeconds);
        }
        EXPECT_EQ(game.GetState(), Knobel_Game::STATE_FINISHED);
        EXPECT_GT(moved, 0) << "level " << level;
    }
}

TEST_F(WoerterbuchGameTest, TypingTakesOneFreeTilePerLetterInAnyCase) {
    struct Case {
        const char* typed;     // Shift for upper case, '<' for Backspace
        const char* expected;  // the typed text
        int lettersLeft;
    };
    const Case cases[] = {
        {"lese", "lese", 0},  {"eee", "ee", 2},     {"ELse", "ELse", 0}, {"lxse", "lse", 1},
        {"ee<<e", "e", 3},    {"lese<", "les", 1},  {"lesel", "lese", 0}, {"<<l", "l", 3},
    };
    UseWordLists(Entry("Else"));
    for (const Case& c : cases) {
        KG_Wörterbuch_Game game(0);
        game.StartGame();
        for (const char* p = c.typed; *p != '\0'; ++p) {
            if (*p == '<') {
                game.OnKeyDown(kBackspace);
            } else {
                Type(game, std::string(1, *p));
            }
        }
        EXPECT_EQ(game.Typed(), c.expected) << c.typed;
        EXPECT_EQ(game.LettersLeft(), c.lettersLeft) << c.typed;
    }
}

TEST_F(WoerterbuchGameTest, EnterJudgesAFullWordIgnoringCase) {
    struct Case {
        const char* word;
        const char* typed;
        int answered;  // 0: Enter did nothing
        bool right;
    };
    const Case cases[] = {
        {"Else", "else", 1, true},  {"Else", "ELSE", 1, true},     {"Else", "eLsE", 1, true},
        {"Else", "lese", 1, false}, {"Else", "els", 0, false},     {"Else", "", 0, false},
        {"zwei Teile", "zweiteile", 1, true}, {"zwei Teile", "zwei", 0, false},
    };
    for (const Case& c : cases) {
        UseWordLists(Entry(c.word));
        KG_Wörterbuch_Game game(0);
        game.StartGame();
        Type(game, c.typed);
        Enter(game);
        EXPECT_EQ(game.Tally().Answered(), c.answered) << c.typed;
        EXPECT_EQ(game.Tally().right, c.right ? 1 : 0) << c.typed;
    }
}

TEST_F(WoerterbuchGameTest, AVerdictShowsOneOrTwoSecondsWithKeysIgnoredThenTheNextWordFollows) {
    UseWordLists(Entry("Else"));
    for (const bool right : {true, false}) {
        KG_Wörterbuch_Game game(0);
        game.StartGame();
        RunFrames(game, 30, kFrame, kFrame);
        Type(game, right ? "else" : "lese");
        Enter(game);
        const double verdict = right ? KG_Wörterbuch_Game::kRightSeconds : KG_Wörterbuch_Game::kWrongSeconds;
        RunFrames(game, static_cast<int>(verdict / kFrame) - 1, kFrame, kFrame);
        game.OnKeyDown(kBackspace);
        Enter(game);
        EXPECT_EQ(game.Tally().Answered(), 1);
        EXPECT_EQ(game.Typed().size(), 4u) << "the answer stays while its verdict shows";
        RunFrames(game, 2, kFrame, kFrame);
        EXPECT_EQ(game.Typed(), "") << "the next word";
        EXPECT_EQ(game.LettersLeft(), 4);
        EXPECT_EQ(game.GetPlaySeconds(), 31 * kFrame) << "verdicts are no play time";
        EXPECT_GT(game.TurnAngle(), 0.0);
    }
}

TEST_F(WoerterbuchGameTest, TheCircleShowsTheFreeLettersAndAWrongAnswerBlinksTheSolution) {
    UseWordLists(Entry("Else"));
    KG_Wörterbuch_Game game(0);
    game.StartGame();
    Type(game, "le");
    // Texts drawn in a colour, each a letter of the circle or a whole line.
    auto texts = [&](uint32_t colour) {
        renderer->texts.clear();
        game.Render();
        std::vector<std::string> found;
        for (const auto& t : renderer->texts) {
            if (t.colour == colour && t.text.find(':') == std::string::npos) {
                found.push_back(t.text);
            }
        }
        std::sort(found.begin(), found.end());
        return found;
    };
    const uint32_t black = 0xFF000000u;
    const uint32_t red = 0xFFFF7F7Fu;
    EXPECT_EQ(texts(black), (std::vector<std::string>{"E", "S", "le"}));

    Type(game, "se");
    Enter(game);
    std::vector<bool> shown;
    for (int frame = 0; frame < 8; ++frame) {
        EXPECT_EQ(texts(black), (std::vector<std::string>{})) << "no letters left, the typed word gives way";
        shown.push_back(texts(red) == std::vector<std::string>{"Else"});
        RunFrames(game, 1, 0.125, 0.125);
    }
    EXPECT_TRUE(shown.front());
    EXPECT_NE(std::find(shown.begin(), shown.end(), false), shown.end()) << "it blinks";
}

TEST_F(WoerterbuchGameTest, GradesWeighWrongWordsAndTime) {
    struct Case {
        int level;
        int wrong;
        int answered;  // all rounds: the play finished
        double seconds;
        double grade;
    };
    const Case cases[] = {
        {0, 0, 5, 0.0, 1.0},  {0, 1, 5, 60.0, 2.5}, {2, 2, 10, 120.0, 3.0}, {1, 7, 7, 0.0, 6.0},
        {0, 0, 2, 40.0, 1.5}, {0, 1, 2, 8.0, 6.0},  {1, 1, 4, 16.0, 3.7},   {2, 0, 0, 0.0, 6.0},
    };
    UseWordLists(Entry("Else"));
    for (const Case& c : cases) {
        KG_Wörterbuch_Game game(c.level);
        game.StartGame();
        for (int i = 0; i < c.answered; ++i) {
            RunFrames(game, 1, 0.0, c.seconds / c.answered);  // thinking
            Type(game, i < c.wrong ? "lese" : "else");
            Enter(game);
            RunFrames(game, 1, 0.0, KG_Wörterbuch_Game::kWrongSeconds);  // the verdict runs out
        }
        if (game.GetState() == Knobel_Game::STATE_RUNNING) {
            game.SetState(Knobel_Game::STATE_ABORTED);
        }
        game.ComputeGrade();
        EXPECT_NEAR(game.GetGrade(), c.grade, 1e-9) << c.level << " " << c.wrong << "/" << c.answered;
    }
}

}  // namespace
