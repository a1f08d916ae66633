// The play history (history.csv), parsed from its text as Read parses it.
// Read itself maps the file and warns on stderr about damaged lines, which
// for every fuzz input would drown the log.
#include <algorithm>

#include "FuzzTargets.h"
#include "games/base/PlayHistory.h"

bool FuzzHistory(const uint8_t* data, size_t size) {
    const history::Contents contents = history::ReadText(FuzzText(data, size));
    const auto lines = static_cast<size_t>(std::count(data, data + size, uint8_t{'\n'})) + 1;
    if (contents.plays.size() + static_cast<size_t>(contents.skipped) > lines) {
        return false;
    }
    for (const history::Play& play : contents.plays) {
        // Every play kept is one the file could have held: it reads back as written.
        const std::optional<history::Play> again = history::ParseLine(history::FormatLine(play));
        if (!again || again->time != play.time || again->game != play.game || again->level != play.level ||
            again->inTest != play.inTest || again->test != play.test || again->end != play.end ||
            !(play.grade >= 1.0 && play.grade <= 6.0) || !(play.seconds >= 0.0)) {
            return false;
        }
    }
    return true;
}
