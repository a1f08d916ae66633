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
// Entry<ClassName>(label text) as its line.
GameTableEntry gameTable[kGameCount] = {
    Entry<KG_Bilder_Basteln>(20),
    Entry<KG_CrazyQuader>(105),
    Entry<KG_Datum_Game>(170),
    Entry<KG_Dreieck_rechnen>(42),
    Entry<KG_Gedächtnis>(18),
    Entry<KG_KartenMemory>(53),
    Entry<KG_Memory>(19),
    Entry<KG_MMaster>(125),
    Entry<KG_Ordo>(130),
    Entry<KG_Quadrat_merken>(21),
    Entry<KG_Quadrat_addieren>(100),
    Entry<KG_Reaktion>(15),
    Entry<KG_ReaktionII>(16),
    Entry<KG_Operation_einsetzen>(200),
    Entry<KG_Rechenspiel>(13),
    Entry<KG_Schiebe_Puzzle>(17),
    Entry<KG_Sudoku9x9>(14),
    Entry<KG_Uhr_lesen>(110),
    Entry<KG_Umrechnen_Game>(160),
    Entry<KG_Waage_Game>(115),
    Entry<KG_Wechselgeld_Game>(140),
    Entry<KG_Wörterbuch_Game>(150),
    Entry<KG_Zahlen_klicken>(120),
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
