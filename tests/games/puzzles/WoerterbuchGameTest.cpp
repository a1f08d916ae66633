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

constexpr double kFrame = 0.125;  // exact in binary: timers run out on a frame

std::string Entry(const std::string& word) { return "<TEXT_START>\n" + word + "|\n"; }

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

class WoerterbuchGameTest : public GameFixture {
protected:
    WoerterbuchGameTest() : GameFixture("ANZ_TEXTE: 160 <TEXT_START> 63 Clock %d:%02d|") {}
    // The archive holds these word lists; the game reads the one of the language.
    void UseWordLists(const std::string& german, const std::string& english = Entry("tree")) {
        folder.Write("test.gob", ArchiveBytes({{"words_d", german}, {"words_e", english}}));
        app->archive = ArchiveOpen(folder.Path("test.gob"));
    }
    // Types text: upper-case letters with Shift held, '<' as Backspace, '|' as Enter.
    static void Type(KG_Wörterbuch_Game& game, const std::string& text) {
        for (const char c : text) {
            const bool upper = std::isupper(static_cast<unsigned char>(c)) != 0;
            const auto key = static_cast<uint16_t>(c == '<' ? 8 : c == '|' ? 13 : std::toupper(static_cast<unsigned char>(c)));
            if (upper) game.OnKeyDown(16);
            game.OnKeyDown(key);
            game.OnKeyUp(key);
            if (upper) game.OnKeyUp(16);
        }
    }
};

TEST_F(WoerterbuchGameTest, OnlyTypableWordsOfTheLanguageArePlayedAndNoneFailsThePlay) {
    UseWordLists(Entry("Apfel") + Entry("K\xE4se") + Entry("x") + Entry("Uhu") + Entry("ice-cream") + Entry("zwei Teile") +
                 "<TEXT_START>\nunclosed");
    EXPECT_EQ(KG_Wörterbuch_Game(0).Words(), (std::vector<std::string>{"Apfel", "zweiTeile"}));
    app->language = 1;
    EXPECT_EQ(KG_Wörterbuch_Game(0).Solution(), "tree");
    app->language = 0;
    UseWordLists(Entry("a") + Entry("Stra\xDF" "e"));
    KG_Wörterbuch_Game game(1);
    game.StartGame();
    Type(game, "|");
    EXPECT_EQ(game.GetState(), Knobel_Game::STATE_FAILED);
}

TEST_F(WoerterbuchGameTest, TheShuffleKeepsTheLettersOfEachWordAndMovesThem) {
    UseWordLists(Entry("Schreibtisch") + Entry("Regenbogen") + Entry("Flugzeug"));
    for (int level = 0; level < 3; ++level) {
        SeedRandom(7u + static_cast<unsigned>(level));
        KG_Wörterbuch_Game game(level);
        game.StartGame();
        int moved = 0;
        while (game.GetState() == Knobel_Game::STATE_RUNNING) {
            std::string letters;
            for (const LetterTile& tile : game.Tiles()) letters += tile.letter;
            moved += letters != Lower(game.Solution()) ? 1 : 0;
            // The tiles typed in their order fill the word, right only where unmoved.
            Type(game, letters + "|");
            RunFrames(game, 1, kFrame, KG_Wörterbuch_Game::kWrongSeconds);
        }
        EXPECT_EQ(game.Tally().wrong, moved) << "level " << level;
        EXPECT_EQ(game.Tally().right, game.Tally().tasks - moved);
        EXPECT_GT(moved, 0) << "level " << level;
    }
}

// On the turning circle any turn of the word reads as the word, so no task
// may start with one; short words and repeated letters make turns likely.
TEST_F(WoerterbuchGameTest, NoTaskStartsWithTheCircleReadingAsTheWord) {
    UseWordLists(Entry("Eis") + Entry("Ohr") + Entry("Anna") + Entry("Kakao") + Entry("Oboe") + Entry("Banane") +
                 Entry("Schreibtisch"));
    for (int level = 0; level < 3; ++level) {
        for (unsigned seed = 1; seed <= 40; ++seed) {
            SeedRandom(seed);
            KG_Wörterbuch_Game game(level);
            game.StartGame();
            while (game.GetState() == Knobel_Game::STATE_RUNNING) {
                std::string letters;
                for (const LetterTile& tile : game.Tiles()) letters += tile.letter;
                ASSERT_EQ(letters.size(), game.Solution().size());
                EXPECT_EQ((letters + letters).find(Lower(game.Solution())), std::string::npos)
                    << game.Solution() << " as " << letters << ", level " << level << ", seed " << seed;
                Type(game, letters + "|");
                RunFrames(game, 1, kFrame, KG_Wörterbuch_Game::kWrongSeconds);
            }
        }
    }
}

// One tile per typed letter, in any case; Enter judges only a full word; keys
// wait while its verdict shows.
TEST_F(WoerterbuchGameTest, TypingTakesOneFreeTilePerLetterAndEnterJudgesAFullWordIgnoringCase) {
    struct Case { const char* word; const char* keys; const char* typed; int lettersLeft; int answered; int right; };
    const Case cases[] = {
        {"Else", "eee", "ee", 2, 0, 0},        {"Else", "lxse", "lse", 1, 0, 0},   {"Else", "ee<<e", "e", 3, 0, 0},
        {"Else", "lese<|", "les", 1, 0, 0},    {"Else", "ELse|", "ELse", 0, 1, 1}, {"Else", "lesel|", "lese", 0, 1, 0},
        {"zwei Teile", "zweiteile|", "zweiteile", 0, 1, 1}, {"Else", "else|<|", "else", 0, 1, 1},
    };
    for (const Case& c : cases) {
        UseWordLists(Entry(c.word));
        KG_Wörterbuch_Game game(0);
        game.StartGame();
        Type(game, c.keys);
        EXPECT_EQ(game.Typed(), c.typed) << c.keys;
        EXPECT_EQ(game.LettersLeft(), c.lettersLeft) << c.keys;
        EXPECT_EQ(game.Tally().Answered(), c.answered) << c.keys;
        EXPECT_EQ(game.Tally().right, c.right) << c.keys;
    }
}

// Finished: a point for all words wrong and one for every two minutes;
// ended early: the wrong share counts double and 80 s cost a point, never
// better than the words left typed wrong.
TEST_F(WoerterbuchGameTest, TheGradeWeighsWrongWordsAndTime) {
    const struct { int level, typed, wrong; double seconds, grade; } cases[] = {
        {0, 5, 1, 60.0, 1.0 / 5.0 * 5.0 + 1.0 + 60.0 / 120.0},
        {2, 10, 0, 240.0, 1.0 + 240.0 / 120.0},
        {2, 9, 1, 40.0, 1.0 / 9.0 * 10.0 + 1.0 + 40.0 / 80.0},
        {1, 2, 0, 40.0, 5.0 / 7.0 * 5.0 + 1.0 + 40.0 / 120.0},
    };
    for (const auto& c : cases) {
        UseWordLists(Entry("Fenster") + Entry("Tisch") + Entry("Garten"));
        KG_Wörterbuch_Game game(c.level);
        game.StartGame();
        RunFrames(game, 1, c.seconds, c.seconds);
        for (int word = 0; word < c.typed; ++word) {
            std::string answer = game.Solution();
            if (word < c.wrong) std::swap(answer.front(), answer.back());
            Type(game, answer + "|");
            while (game.FeedbackTimer() > 0.0) RunFrames(game, 1, kFrame, kFrame);
        }
        if (game.GetState() == Knobel_Game::STATE_RUNNING) game.SetState(Knobel_Game::STATE_ABORTED);
        game.ComputeGrade();
        EXPECT_NEAR(game.GetGrade(), std::min(c.grade, 6.0), 1e-9) << "level " << c.level << ", " << c.typed;
    }
}

}  // namespace
