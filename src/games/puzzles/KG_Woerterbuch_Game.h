#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "games/base/TaskGame.h"

// One letter of the word being guessed.
struct LetterTile {
    char letter = 0;    // lower case
    bool used = false;  // taken by a letter of the typed text
};

// An anagram game. The letters of a word from the word list of the chosen
// language circle above the screen centre, shuffled so that they do not read
// as the word from any of them; the player types the word, each typed letter
// leaving the circle, and confirms with Enter. A right word shows for one
// second, a wrong one (with the solution blinking) for two, then the next word
// follows: 5, 7 or 10 words by level. Save file "words.sav". Without a
// playable word in the list the play fails at once.
class KG_Wörterbuch_Game : public TaskGame {
public:
    static constexpr const char* kSaveFile = "words.sav";
    static constexpr double kRightSeconds = 1.0;
    static constexpr double kWrongSeconds = 2.0;

    explicit KG_Wörterbuch_Game(int level);
    ~KG_Wörterbuch_Game() override;

    void OnKeyDown(uint16_t key) override;
    void OnKeyUp(uint16_t key) override;
    void Update() override;
    void Render() override;

    const std::string& GetHelpText() override;
    const std::string& GetTitle() override;
    // H types a letter here, so the help opens only from the pause page.
    bool HasHelp() override;

    // The playable words of the list, in file order.
    const std::vector<std::string>& Words() const { return words; }
    // The word to find, as the list spells it (without blanks).
    const std::string& Solution() const { return solution; }
    const std::string& Typed() const { return typed; }
    // The letters of the word in their shuffled order.
    const std::vector<LetterTile>& Tiles() const { return tiles; }
    int LettersLeft() const { return lettersLeft; }
    bool LastAnswerRight() const { return lastAnswerRight; }
    // Degrees the letter circle has turned.
    double TurnAngle() const { return turnAngle; }

protected:
    void NextTask() override;

private:
    void ReadWords();
    void Shuffle();
    // Whether the tiles, read around the circle from one of them, spell the word.
    bool TilesReadAsWord() const;
    // Gives each typed letter the first free tile of that letter.
    void MarkUsedLetters();
    // The index of the first free tile holding this letter (any case), or kNoTile.
    static constexpr int kNoTile = -1;
    int FreeTile(char letter) const;
    void CheckAnswer();
    void DrawLetterCircle() const;
    void DrawAnswerLine() const;

    const int shuffleMoves;
    const double turnSpeed;  // degrees per second
    std::vector<std::string> words;
    std::string solution;
    std::string typed;
    std::vector<LetterTile> tiles;
    int lettersLeft = 0;
    bool lastAnswerRight = false;
    bool shiftDown = false;
    double turnAngle = 0.0;
};
