// A game's save file and the global statistics (stats.sav): the same keyed
// text, with a best list of named results or of tests.
#include <cmath>

#include "FuzzTargets.h"
#include "games/base/GameRecords.h"
#include "games/base/GlobalStatistics.h"

namespace {

template <typename Records>
bool ReadsBackAsWritten(const uint8_t* data, size_t size) {
    Records records;
    records.Read(FuzzText(data, size));
    if (records.bestList.Count() > Records::kListedEntries || !std::isfinite(records.totalTime) ||
        !std::isfinite(records.bestGrade) || !std::isfinite(records.worstGrade) || !std::isfinite(records.gradeSum)) {
        return false;
    }
    for (int i = 0; i < records.bestList.Count(); ++i) {
        if (!std::isfinite(records.bestList.GetAt(i)->grade)) {
            return false;
        }
    }
    // The save file written from what was read reads back as the same file.
    const std::string written = records.Write();
    Records again;
    again.Read(written);
    return again.Write() == written;
}

}  // namespace

bool FuzzGameRecords(const uint8_t* data, size_t size) { return ReadsBackAsWritten<GameRecords>(data, size); }

bool FuzzGlobalStatistics(const uint8_t* data, size_t size) {
    return ReadsBackAsWritten<GlobalStatistics>(data, size);
}
