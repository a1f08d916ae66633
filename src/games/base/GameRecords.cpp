#include "games/base/GameRecords.h"

#include "games/base/RecordFields.h"

void GameRecords::Reset() {
    GradeRecords::Reset();
    spareInts = {};
    spareDoubles = {};
}

void GameRecords::AddHeaderFields(RecordFields& fields) {
    fields.Add("IVAR1:", spareInts[0]);
    fields.Add("IVAR2:", spareInts[1]);
    fields.Add("IVAR3:", spareInts[2]);
    fields.Add("DVAR1:", spareDoubles[0]);
    fields.Add("DVAR2:", spareDoubles[1]);
    fields.Add("DVAR3:", spareDoubles[2]);
}
