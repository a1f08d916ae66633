#include "games/base/VerdictMark.h"
#include "games/puzzles/KG_Woerterbuch_Game.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <numbers>

#include "app/AppState.h"
#include "app/Colours.h"
#include "app/Random.h"
#include "app/Sprite.h"
#include "app/TextRenderer.h"
#include "app/Textures.h"
#include "games/base/TextBox.h"
#include "games/puzzles/WordList.h"
#include "media/Archive.h"
#include "platform/KeyMap.h"
#include "platform/Renderer.h"
#include "settings/LanguageTexts.h"

namespace {

constexpr int kTitleText = 150;
constexpr int kHelpText = 151;
// What to do, under the time.
constexpr int kPromptText = 375;
constexpr const char* kGermanWords = "words_d";
constexpr const char* kEnglishWords = "words_e";

// Words per play, shuffle moves and turn speed (degrees per second) by level.
constexpr int kRounds[] = {5, 7, 10};
constexpr int kShuffleMoves[] = {2, 5, 10};
// Rounds of shuffle moves at most while the circle still reads as the word.
constexpr int kMaxShuffleRounds = 100;
constexpr double kTurnSpeeds[] = {10.0, 17.0, 25.0};
// The play time that costs one grade point, after all words and when ended early.
constexpr double kSecondsPerPointFinished = 120.0;
constexpr double kSecondsPerPointEarly = 80.0;
constexpr double kLetterFontSize = 35.0;


const SheetRegion kTile{"tile", {50, 350, 100, 400}};
constexpr float kTileHalf = 25.0f;
// The circle sits this far above the screen centre; its radius grows by
// kRadiusPerLetter with every letter still in it.
constexpr float kCircleRaise = 100.0f;
constexpr float kRadiusPerLetter = 10.0f;
constexpr float kBaseRadius = 40.0f;
// The answer box: 25 pixels a character, at least 50 wide, 50 high.
constexpr float kBoxPerCharacter = 25.0f;
constexpr float kBoxMinWidth = 50.0f;
constexpr float kBoxHeight = 50.0f;

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }
char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

float BoxWidth(const std::string& text) {
    return std::max(kBoxMinWidth, kBoxPerCharacter * static_cast<float>(text.size()));
}

}  // namespace

KG_Wörterbuch_Game::KG_Wörterbuch_Game(int level)
    : TaskGame(level, kSaveFile, kRounds[std::clamp(level, 0, 2)], kLetterFontSize, kSecondsPerPointFinished,
               kSecondsPerPointEarly),
      shuffleMoves(kShuffleMoves[this->level]),
      turnSpeed(kTurnSpeeds[this->level]) {
    ReadWords();
    NextTask();
}

KG_Wörterbuch_Game::~KG_Wörterbuch_Game() = default;

void KG_Wörterbuch_Game::ReadWords() {
    const char* entryName = app->language == 1 ? kEnglishWords : kGermanWords;
    std::vector<uint8_t> bytes;
    if (!ArchiveRead(app->archive.get(), entryName, bytes)) {
        return;
    }
    const WordList list = ReadWordList(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    // Entries the keys cannot type (or no shuffle can hide) are left out.
    for (const std::string& entry : list.entries) {
        if (auto word = PlayableWord(entry)) {
            words.push_back(std::move(*word));
        }
    }
}

void KG_Wörterbuch_Game::NextTask() {
    if (words.empty()) {
        // Nothing to play is a failed play, not a perfect one.
        SetState(STATE_FAILED);
        return;
    }
    const size_t count = words.size();
    solution = count >= 2 ? words[static_cast<size_t>(Random()) % count] : words.front();
    typed.clear();
    tiles.clear();
    for (const char letter : solution) {
        tiles.push_back({Lower(letter), false});
    }
    Shuffle();
    MarkUsedLetters();
}

// A round of moves: each takes a random tile out and puts it back at a random
// place of the shortened row (the place drawn after the tile). On a circle
// any turn of the word reads as the word, so rounds follow until it reads
// otherwise. The list holds only words some order hides (see PlayableWord);
// the rounds are capped all the same.
void KG_Wörterbuch_Game::Shuffle() {
    for (int round = 0; round < kMaxShuffleRounds && TilesReadAsWord(); ++round) {
        for (int move = 0; move < shuffleMoves; ++move) {
            const size_t from = static_cast<size_t>(Random()) % tiles.size();
            const LetterTile tile = tiles[from];
            tiles.erase(tiles.begin() + static_cast<std::ptrdiff_t>(from));
            const size_t to = static_cast<size_t>(Random()) % tiles.size();
            tiles.insert(tiles.begin() + static_cast<std::ptrdiff_t>(to), tile);
        }
    }
}

bool KG_Wörterbuch_Game::TilesReadAsWord() const {
    const size_t count = tiles.size();
    for (size_t start = 0; start < count; ++start) {
        size_t i = 0;
        while (i < count && tiles[(start + i) % count].letter == Lower(solution[i])) {
            ++i;
        }
        if (i == count) {
            return true;
        }
    }
    return false;
}

void KG_Wörterbuch_Game::MarkUsedLetters() {
    for (LetterTile& tile : tiles) {
        tile.used = false;
    }
    for (const char c : typed) {
        const int index = FreeTile(c);
        if (index != kNoTile) {
            tiles[static_cast<size_t>(index)].used = true;
        }
    }
    lettersLeft =
        static_cast<int>(std::count_if(tiles.begin(), tiles.end(), [](const LetterTile& t) { return !t.used; }));
}

int KG_Wörterbuch_Game::FreeTile(char letter) const {
    const char wanted = Lower(letter);
    for (size_t i = 0; i < tiles.size(); ++i) {
        if (!tiles[i].used && tiles[i].letter == wanted) {
            return static_cast<int>(i);
        }
    }
    return kNoTile;
}

void KG_Wörterbuch_Game::OnKeyDown(uint16_t key) {
    // Shift only tracks the key; it changes nothing in the play.
    if (key == platform::vk::Shift) {
        shiftDown = true;
        return;
    }
    if (!TakesAnswerKeys()) {
        return;
    }
    if (key == platform::vk::Back) {
        if (!typed.empty()) {
            typed.pop_back();
            MarkUsedLetters();
        }
        return;
    }
    if (key < 'A' || key > 'Z') {
        return;
    }
    const char letter = static_cast<char>(key);
    if (typed.size() < solution.size() && FreeTile(letter) != kNoTile) {
        typed.push_back(shiftDown ? letter : Lower(letter));
        MarkUsedLetters();
    }
}

void KG_Wörterbuch_Game::OnKeyUp(uint16_t key) {
    if (key == platform::vk::Shift) {
        shiftDown = false;
        return;
    }
    if (key == platform::vk::Return && TakesAnswerKeys() && !solution.empty() &&
        typed.size() == solution.size()) {
        CheckAnswer();
    }
}

void KG_Wörterbuch_Game::CheckAnswer() {
    lastAnswerRight = std::equal(typed.begin(), typed.end(), solution.begin(), solution.end(),
                                 [](char a, char b) { return Lower(a) == Lower(b); });
    JudgeTypedAnswer(lastAnswerRight, lastAnswerRight ? kRightSeconds : kWrongSeconds);
}

void KG_Wörterbuch_Game::Update() {
    TaskGame::Update();
    // The circle turns whenever the play is shown, its verdicts included.
    if (IsStarted()) {
        turnAngle = std::fmod(turnAngle + turnSpeed * app->frameTime, 360.0);
    }
}

void KG_Wörterbuch_Game::Render() {
    if (!IsStarted()) {
        return;
    }
    if (GetState() == STATE_RUNNING) {
        DrawTimePanel(GetTextOrEmpty(kPromptText));
    }
    DrawLetterCircle();
    DrawAnswerLine();
}

// The free tiles, in their order, evenly around the circle; the circle
// shrinks as letters leave it.
void KG_Wörterbuch_Game::DrawLetterCircle() const {
    const float centreX = static_cast<float>(app->screenWidth) / 2;
    const float centreY = static_cast<float>(app->screenHeight) / 2 - kCircleRaise;
    const double radius = lettersLeft * kRadiusPerLetter + kBaseRadius;
    const platform::Texture* misc1 = app->textures[TEX_MISC1].get();
    int i = 0;
    for (const LetterTile& tile : tiles) {
        if (tile.used) {
            continue;
        }
        const double degrees = static_cast<double>(i) / lettersLeft * 360.0 + turnAngle;
        const double radians = degrees * std::numbers::pi / 180.0;
        const float x = centreX + static_cast<float>(radius * std::sin(radians));
        const float y = centreY + static_cast<float>(radius * std::cos(radians));
        const Vec2 corner{x - kTileHalf, y - kTileHalf};
        DrawSprite(misc1, kTile, nullptr, nullptr, 0.0, &corner, kWhite);
        textRenderer->DrawTextAt(std::string(1, Upper(tile.letter)), x, y, kBlack, kCentred, bigFont.get());
        ++i;
    }
}

// The typed word in its box; after a right answer with a tick beside it,
// after a wrong one the solution instead, with the cross.
void KG_Wörterbuch_Game::DrawAnswerLine() const {
    const float x = static_cast<float>(app->screenWidth) / 2;
    const float y = static_cast<float>(app->screenHeight) * 15 / 20;
    const bool wrongVerdict = ShowsVerdict() && !lastAnswerRight;
    // Typed as the word is written: a German noun with its capital.
    std::string shown = wrongVerdict ? solution : typed;
    if (app->language == 0 && !shown.empty()) {
        shown[0] = Upper(shown[0]);
    }
    const float width = BoxWidth(shown);
    DrawCentredTextBox(x, y, width, kBoxHeight);
    textRenderer->DrawTextAt(shown, x, y, wrongVerdict ? verdict::kSolutionColour : kBlack, kCentred, bigFont.get());
    if (ShowsVerdict()) {
        verdict::DrawMarkBeside(lastAnswerRight, x - width / 2, y - kBoxHeight / 2, x + width / 2, y + kBoxHeight / 2);
    }
}

const std::string& KG_Wörterbuch_Game::GetHelpText() { return GetTextOrEmpty(kHelpText); }

const std::string& KG_Wörterbuch_Game::GetTitle() { return GetTextOrEmpty(kTitleText); }

bool KG_Wörterbuch_Game::HasHelp() { return false; }
