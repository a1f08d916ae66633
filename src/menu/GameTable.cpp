#include "menu/GameTable.h"

#include "games/base/Knobel_Game.h"
#include "games/memory/KG_KartenMemory.h"
#include "games/memory/KG_Memory.h"
#include "games/numbers/KG_Operation_einsetzen.h"
#include "games/numbers/KG_Rechenspiel.h"
#include "games/numbers/KG_Schiebe_Puzzle.h"
#include "games/numbers/KG_Sudoku9x9.h"
#include "games/reaction/KG_Reaktion.h"
#include "games/reaction/KG_ReaktionII.h"
#include "games/reaction/KG_Zahlen_klicken.h"

namespace {

// In the order of the game list. Wiring a game in: its header above and
// CreateGame<ClassName> as the factory of its line.
GameTableEntry gameTable[kGameCount] = {
    {20, nullptr},  // KG_Bilder_Basteln
    {105, nullptr},  // KG_CrazyQuader
    {170, nullptr},  // KG_Datum_Game
    {42, nullptr},  // KG_Dreieck_rechnen
    {18, nullptr},  // KG_Gedächtnis
    {53, &CreateGame<KG_KartenMemory>},  // KG_KartenMemory
    {19, &CreateGame<KG_Memory>},  // KG_Memory
    {125, nullptr},  // KG_MMaster
    {130, nullptr},  // KG_Ordo
    {21, nullptr},  // KG_Quadrat_merken
    {100, nullptr},  // KG_Quadrat_addieren
    {15, &CreateGame<KG_Reaktion>},  // KG_Reaktion
    {16, &CreateGame<KG_ReaktionII>},  // KG_ReaktionII
    {200, &CreateGame<KG_Operation_einsetzen>},  // KG_Operation_einsetzen
    {13, &CreateGame<KG_Rechenspiel>},  // KG_Rechenspiel
    {17, &CreateGame<KG_Schiebe_Puzzle>},  // KG_Schiebe_Puzzle
    {14, &CreateGame<KG_Sudoku9x9>},  // KG_Sudoku9x9
    {110, nullptr},  // KG_Uhr_lesen
    {160, nullptr},  // KG_Umrechnen_Game
    {115, nullptr},  // KG_Waage_Game
    {140, nullptr},  // KG_Wechselgeld_Game
    {150, nullptr},  // KG_Wörterbuch_Game
    {120, &CreateGame<KG_Zahlen_klicken>},  // KG_Zahlen_klicken
};

}  // namespace

const GameTableEntry* GameAt(int index) {
    if (index < 0 || index >= kGameCount) {
        return nullptr;
    }
    return &gameTable[index];
}

std::unique_ptr<Knobel_Game> CreateGameAt(int index, int level) {
    const GameTableEntry* entry = GameAt(index);
    if (entry == nullptr || entry->create == nullptr) {
        return nullptr;
    }
    return entry->create(level);
}

GameFactory ReplaceGameFactory(int index, GameFactory factory) {
    if (index < 0 || index >= kGameCount) {
        return nullptr;
    }
    const GameFactory previous = gameTable[index].create;
    gameTable[index].create = factory;
    return previous;
}
