#pragma once

#include <memory>

class Knobel_Game;

// Creates one play of a game at the difficulty level 0..2.
using GameFactory = std::unique_ptr<Knobel_Game> (*)(int level);

// One game of the menu's game list: the language text that labels it and how
// to create it. A game whose class is not built yet has
// no factory: the list still shows its label, and choosing it creates nothing.
struct GameTableEntry {
    int labelText;
    const char* saveFile;  // the game's save file, which names it in the history
    GameFactory create;
};

inline constexpr int kGameCount = 23;

// The factory of a game class (a class whose constructor takes the level).
template <class GameClass>
std::unique_ptr<Knobel_Game> CreateGame(int level) {
    return std::make_unique<GameClass>(level);
}

// The table's entry of a game class.
template <class GameClass>
constexpr GameTableEntry Entry(int labelText) {
    return {labelText, GameClass::kSaveFile, &CreateGame<GameClass>};
}

// The entry of a game by its index 0..22 (the list's order), or null.
const GameTableEntry* GameAt(int index);

// Creates the game of the index with the level; null when the index is
// outside the table or the game has no factory.
std::unique_ptr<Knobel_Game> CreateGameAt(int index, int level);

// Puts another factory into the table (null takes the game out) and returns
// the one it replaces; lets tests host a game of their own.
GameFactory ReplaceGameFactory(int index, GameFactory factory);
