#pragma once

#include <array>

#include "games/base/GradeRecords.h"
#include "games/base/RecordEntry.h"

// One mini-game's records, kept in that game's save file: plays, grades, the
// time spent in the game, three spare integers and three spare doubles (read
// and written, no meaning) and the best list of named results.
class GameRecords : public GradeRecords<RecordEntry> {
public:
    GameRecords() : GradeRecords("LEVEL_ZEIT:") {}

    void Reset() override;

    std::array<int, 3> spareInts{};        // "IVAR1:" .. "IVAR3:"
    std::array<double, 3> spareDoubles{};  // "DVAR1:" .. "DVAR3:"

protected:
    void AddHeaderFields(RecordFields& fields) override;
};
