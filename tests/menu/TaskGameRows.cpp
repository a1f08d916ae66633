// The games of a fixed number of tasks, each with how a player answers one
// task right or wrong and how long its verdict shows.
#include "TaskGameRows.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>

#include "app/AppState.h"
#include "games/base/TaskGame.h"
#include "games/memory/KG_Quadrat_addieren.h"
#include "games/numbers/KG_Datum_Game.h"
#include "games/numbers/KG_Dreieck_rechnen.h"
#include "games/numbers/KG_Operation_einsetzen.h"
#include "games/numbers/KG_Rechenspiel.h"
#include "games/numbers/KG_Uhr_lesen.h"
#include "games/numbers/KG_Umrechnen_Game.h"
#include "games/puzzles/KG_Woerterbuch_Game.h"
#include "games/reaction/KG_Zahlen_klicken.h"
#include "platform/KeyMap.h"
#include "settings/LanguageTexts.h"
#include "support/InputBurst.h"

namespace {

// Types digits, letters and decimal marks, and confirms.
void TypeAndConfirm(Knobel_Game& game, const std::string& keys) {
    TypeKeys(game, keys);
    PressKey(game, platform::vk::Return);
}

void Click(Knobel_Game& game, Vec2 at) {
    game.OnLeftButtonDown(static_cast<int>(at.x) + 1, static_cast<int>(at.y) + 1);
    game.OnLeftButtonUp(static_cast<int>(at.x) + 1, static_cast<int>(at.y) + 1);
}

// Minutes as the clock game reads them typed: up to 99 minutes, then HHMM.
std::string TypedTime(int minutes) { return std::to_string(minutes / 60 * 100 + minutes % 60); }

// The operator (A, S, M, D) whose result differs from the task's.
uint16_t WrongOperatorKey(const KG_Operation_einsetzen& game) {
    const int a = game.LeftValue();
    const int b = game.RightValue();
    const bool divides = b != 0 && a % b == 0;
    const struct { uint16_t key; bool gives; } choices[] = {
        {'A', a + b == game.Result()}, {'S', a - b == game.Result()},
        {'M', a * b == game.Result()}, {'D', divides && a / b == game.Result()}};
    return std::find_if(std::begin(choices), std::end(choices), [](const auto& c) { return !c.gives; })->key;
}

// The letters of the word in another order (the game takes only its tiles' letters).
std::string Misspelt(std::string word) {
    const std::string original = word;
    std::reverse(word.begin(), word.end());
    for (size_t turn = 0; turn < word.size() && word == original; ++turn) {
        std::rotate(word.begin(), word.begin() + 1, word.end());
    }
    return word;
}

template <typename G>
const G& As(const Knobel_Game& game) {
    return dynamic_cast<const G&>(game);
}

bool ShowsVerdict(const Knobel_Game& game) { return As<TaskGame>(game).FeedbackTimer() > 0.0; }

}  // namespace

const GameRow kRows[] = {
    {"KG_Rechenspiel", &CreateGame<KG_Rechenspiel>,
     [](Knobel_Game& g, bool right) {
         TypeAndConfirm(g, std::to_string(As<KG_Rechenspiel>(g).CurrentTerm().Value() + (right ? 0 : 1)));
     },
     ShowsVerdict, true},
    {"KG_Operation_einsetzen", &CreateGame<KG_Operation_einsetzen>,
     [](Knobel_Game& g, bool right) {
         const auto& game = As<KG_Operation_einsetzen>(g);
         constexpr uint16_t kKeys[] = {'A', 'S', 'M', 'D'};
         PressKey(g, right ? kKeys[game.TaskOperator()] : WrongOperatorKey(game));
         PressKey(g, platform::vk::Return);
     },
     ShowsVerdict, true},
    {"KG_Uhr_lesen", &CreateGame<KG_Uhr_lesen>,
     [](Knobel_Game& g, bool right) { TypeAndConfirm(g, TypedTime(As<KG_Uhr_lesen>(g).Answer() + (right ? 0 : 1))); },
     ShowsVerdict, true},
    {"KG_Datum_Game", &CreateGame<KG_Datum_Game>,
     [](Knobel_Game& g, bool right) {
         const auto& game = As<KG_Datum_Game>(g);
         const Datum& target = game.TargetDate();
         if (game.AsksWeekday()) {
             TypeAndConfirm(g, right ? GetTextOrEmpty(190 + target.weekday) : "x");
             return;
         }
         char date[16];
         std::snprintf(date, sizeof date, "%02d%02d%04d", target.day, target.month, target.year);
         TypeAndConfirm(g, right ? date : "00");
     },
     ShowsVerdict, true},
    {"KG_Umrechnen_Game", &CreateGame<KG_Umrechnen_Game>,
     [](Knobel_Game& g, bool right) { TypeAndConfirm(g, right ? As<KG_Umrechnen_Game>(g).TargetText() : "0"); },
     ShowsVerdict, true},
    {"KG_Dreieck_rechnen", &CreateGame<KG_Dreieck_rechnen>,
     [](Knobel_Game& g, bool right) {
         TypeAndConfirm(g, std::to_string(As<KG_Dreieck_rechnen>(g).Triangle().Root().value + (right ? 0 : 1)));
     },
     ShowsVerdict, true},
    {"KG_Wörterbuch_Game", &CreateGame<KG_Wörterbuch_Game>,
     [](Knobel_Game& g, bool right) {
         const std::string& word = As<KG_Wörterbuch_Game>(g).Solution();
         TypeAndConfirm(g, right ? word : Misspelt(word));
     },
     ShowsVerdict, true},
    {"KG_Quadrat_addieren", &CreateGame<KG_Quadrat_addieren>,
     [](Knobel_Game& g, bool right) {
         const auto& game = As<KG_Quadrat_addieren>(g);
         Click(g, game.Answer((game.SumIndex() + (right ? 0 : 1)) % 4).Square(0).Position());
     },
     [](const Knobel_Game& g) { return As<KG_Quadrat_addieren>(g).ResultTimer() > 0.0; }, true},
    {"KG_Zahlen_klicken", &CreateGame<KG_Zahlen_klicken>,
     [](Knobel_Game& g, bool right) {
         const auto& game = As<KG_Zahlen_klicken>(g);
         const auto at = [&](size_t i) { return Vec2{game.Tiles()[i].X() - 1, game.Tiles()[i].Y() - 1}; };
         if (!right) Click(g, at(game.Tiles().size() - 1));
         while (!game.Tiles().empty() && !game.Resting()) Click(g, at(0));
     },
     [](const Knobel_Game& g) { return As<KG_Zahlen_klicken>(g).Resting(); }, false},
};

std::span<const GameRow> TaskGameRows() { return kRows; }

void PrintTo(const GameRow& row, std::ostream* out) { *out << row.name; }

std::string RowName(const ::testing::TestParamInfo<GameRow>& info) {
    std::string name;
    for (const char c : std::string(info.param.name)) {
        if (std::isalnum(static_cast<unsigned char>(c))) name += c;
    }
    return name;
}
