#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "app/SyncList.h"

class RecordFields;

// What a game's records and the global statistics have in common: counts and
// grades over all plays and a best list of named results, kept in a keyed
// text file. Entry is RecordEntry or TestEntry.
template <typename Entry>
class GradeRecords {
public:
    // Only this many entries of the best list count and are saved.
    static constexpr int kListedEntries = 10;

    // timeKey names the total time in the file ("LEVEL_ZEIT:", "GAME_ZEIT:").
    explicit GradeRecords(const char* timeKey) : timeKey(timeKey) {}
    virtual ~GradeRecords() = default;
    GradeRecords(const GradeRecords&) = delete;
    GradeRecords& operator=(const GradeRecords&) = delete;

    // Every field back to its initial value; the best list emptied.
    virtual void Reset();

    // Counts one play with this grade: games played, sum, best and worst. A
    // non-finite grade is not counted.
    void AddGrade(double grade);

    // One more solved play (the owner decides what counts as solved).
    void AddSolved();

    // Whether a play with this grade enters the best list: never for 6.0 or a
    // non-finite grade; else when it beats one of the listed entries or the
    // list still has room.
    bool Qualifies(double grade);

    // Puts the entry before the first listed entry with a worse (greater)
    // grade, else at the end; the list owns it from then on. An entry with a
    // non-finite grade is dropped (false).
    bool Insert(std::unique_ptr<Entry> entry);

    // Applies the words of a save file. Keys may come in any order and the last
    // occurrence wins; unknown words are skipped. Reading ends at the first
    // number that cannot be read, keeping what was read; entries are appended
    // while the list has fewer than ten, an entry cut off by the end of the
    // text is dropped, and so is one holding a non-finite number.
    void Read(std::string_view text);

    // The save file: the header lines and the first ten entries.
    std::string Write();

    // Read() from the save file of that name (see SaveFileForReading), or
    // from what an earlier failed Save() of it kept; false when there is none.
    bool Load(const std::string& fileName);

    // Replaces the save file of that name (see SaveFileForWriting) safely;
    // false when it could not be written (the contents are then kept in
    // memory for the next Load() and the end of the run, see UnsavedFiles.h).
    bool Save(const std::string& fileName);

    double totalTime = 0.0;  // seconds
    int solvedCount = 0;
    double bestGrade = 6.0;   // starts crossed with worstGrade: worst < best
    double worstGrade = 1.0;  // means nothing was recorded yet
    int gamesPlayed = 0;
    double gradeSum = 0.0;
    SyncList<Entry> bestList;

protected:
    // Header fields that only one kind of file has, after the common ones.
    virtual void AddHeaderFields(RecordFields&) {}

private:
    RecordFields HeaderFields();

    const char* timeKey;
};
