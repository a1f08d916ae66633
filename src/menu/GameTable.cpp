#include "menu/GameTable.h"

#include "games/base/Knobel_Game.h"
#include "games/memory/KG_Gedaechtnis.h"
#include "games/memory/KG_KartenMemory.h"
#include "games/memory/KG_Memory.h"
#include "games/memory/KG_Quadrat_addieren.h"
#include "games/memory/KG_Quadrat_merken.h"
#include "games/numbers/KG_Datum_Game.h"
#include "games/numbers/KG_Dreieck_rechnen.h"
#include "games/numbers/KG_Operation_einsetzen.h"
#include "games/numbers/KG_Rechenspiel.h"
#include "games/numbers/KG_Schiebe_Puzzle.h"
#include "games/numbers/KG_Sudoku9x9.h"
#include "games/numbers/KG_Uhr_lesen.h"
#include "games/numbers/KG_Umrechnen_Game.h"
#include "games/numbers/KG_Waage_Game.h"
#include "games/numbers/KG_Wechselgeld_Game.h"
#include "games/puzzles/KG_Bilder_Basteln.h"
#include "games/puzzles/KG_CrazyQuader.h"
#include "games/puzzles/KG_MMaster.h"
#include "games/puzzles/KG_Ordo.h"
#include "games/puzzles/KG_Woerterbuch_Game.h"
#include "games/reaction/KG_Reaktion.h"
#include "games/reaction/KG_ReaktionII.h"
#include "games/reaction/KG_Zahlen_klicken.h"

namespace {

// In the order of the game list. Wiring a game in: its header above and
// CreateGame<ClassName> as the factory of its line.
GameTableEntry gameTable[kGameCount] = {
    {20, &CreateGame<KG_Bilder_Basteln>},  // KG_Bilder_Basteln
    {105, &CreateGame<KG_CrazyQuader>},  // KG_CrazyQuader
    {170, &CreateGame<KG_Datum_Game>},  // KG_Datum_Game
    {42, &CreateGame<KG_Dreieck_rechnen>},  // KG_Dreieck_rechnen
    {18, &CreateGame<KG_Gedächtnis>},  // KG_Gedächtnis
    {53, &CreateGame<KG_KartenMemory>},  // KG_KartenMemory
    {19, &CreateGame<KG_Memory>},  // KG_Memory
    {125, &CreateGame<KG_MMaster>},  // KG_MMaster
    {130, &CreateGame<KG_Ordo>},  // KG_Ordo
    {21, &CreateGame<KG_Quadrat_merken>},  // KG_Quadrat_merken
    {100, &CreateGame<KG_Quadrat_addieren>},  // KG_Quadrat_addieren
    {15, &CreateGame<KG_Reaktion>},  // KG_Reaktion
    {16, &CreateGame<KG_ReaktionII>},  // KG_ReaktionII
    {200, &CreateGame<KG_Operation_einsetzen>},  // KG_Operation_einsetzen
    {13, &CreateGame<KG_Rechenspiel>},  // KG_Rechenspiel
    {17, &CreateGame<KG_Schiebe_Puzzle>},  // KG_Schiebe_Puzzle
    {14, &CreateGame<KG_Sudoku9x9>},  // KG_Sudoku9x9
    {110, &CreateGame<KG_Uhr_lesen>},  // KG_Uhr_lesen
    {160, &CreateGame<KG_Umrechnen_Game>},  // KG_Umrechnen_Game
    {115, &CreateGame<KG_Waage_Game>},  // KG_Waage_Game
    {140, &CreateGame<KG_Wechselgeld_Game>},  // KG_Wechselgeld_Game
    {150, &CreateGame<KG_Wörterbuch_Game>},  // KG_Wörterbuch_Game
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
