#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// history.csv, beside the save files: one line for every graded play, in
// training or in a test, and one for every finished test. Lines are only ever
// appended, each written and flushed at once, so a crash loses at most the
// line being written; a spreadsheet opens the file as it is.
namespace history {

inline constexpr const char* kFileName = "history.csv";
// The first line of the file: the names of the columns.
inline constexpr const char* kHeader = "time,game,level,mode,test,grade,seconds,end";
// The game column of a whole test's line.
inline constexpr const char* kTestGame = "test";

struct Play {
    std::string time;   // local date and time, ISO 8601: 2026-12-07T15:40:12
    std::string game;   // the game's save-file name, or kTestGame
    int level = 0;      // 0..2
    bool inTest = false;
    std::string test;   // the start time of the test the play belongs to; "" in training
    double grade = 6.0;
    double seconds = 0.0;
    std::string end;    // "finished", "failed" or "ended" (early, by the player)
};

// The local date and time now, or at a moment, as the time column holds it.
std::string LocalTimeNow();
std::string LocalTime(std::time_t when);

// One line of the file, without its line end; the grade and the seconds with a
// decimal point, whatever the language.
std::string FormatLine(const Play& play);
// The play of a line, or nothing for a line that is damaged, of another kind
// or the header.
std::optional<Play> ParseLine(std::string_view line);
// The same into a play; false (the play partly filled) for a line it is not.
bool ParseLineInto(std::string_view line, Play& play);

// Appends the play's line to the file, after the header when the file is new
// or empty, and after a line end when the file stops within a line (a line
// cut short stays as it is). False when the line could not be written whole.
bool Append(const std::string& path, const Play& play);

// Empties the file down to its header line (which keeps an empty history
// from falling back to an older copy); false when that failed.
bool Clear(const std::string& path);

// Stamps the play with the time now and appends it to the history beside
// the save files; a failure is reported as a failed save is.
void Record(Play play);
// Clears the history beside the save files, reporting a failure as Record does.
void ClearRecorded();

struct Contents {
    std::vector<Play> plays;  // in the file's order
    int skipped = 0;          // damaged or unknown lines, left in the file
};
// Reads the file; a missing file holds no plays.
Contents Read(const std::string& path);
// The same from the file's text.
Contents ReadText(std::string_view text);
// The history beside the save files.
Contents ReadRecorded();

}  // namespace history
