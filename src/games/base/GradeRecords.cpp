#include "games/base/GradeRecords.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

#include "games/base/RecordEntry.h"
#include "games/base/RecordFields.h"
#include "games/base/TestEntry.h"
#include "settings/FileLocations.h"
#include "settings/SafeFile.h"
#include "settings/TokenReader.h"
#include "settings/UnsavedFiles.h"

namespace {

constexpr const char* kEntryStart = "EINTRAG_START";
constexpr const char* kEntryEnd = "EINTRAG_ENDE";
constexpr const char* kNameKey = "NAME:";
constexpr const char* kDateKey = "DATUM:";

// A word that cannot be a name because it is one of an entry's keys: an entry
// written with an empty name has one right after "NAME:".
bool IsEntryKey(const std::string& word) {
    for (const char* key : {kEntryEnd, kDateKey, "ERG:", "BEST:", "SCHLECHT:", "SCHW:"}) {
        if (word == key) {
            return true;
        }
    }
    return false;
}

// Names are stored as one word: blanks become '_' and back.
std::string NameFromWord(const std::string& word) {
    std::string name = word.substr(0, RecordEntry::kMaxNameLength);
    for (char& c : name) {
        if (c == '_') {
            c = ' ';
        }
    }
    return name;
}

std::string NameToWord(const std::string& name) {
    std::string word = name;
    for (char& c : word) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r') {
            c = '_';
        }
    }
    return word;
}

void AddSaturating(int& count) {
    if (count < INT_MAX) {
        ++count;
    }
}

enum class EntryRead { Complete, Rejected, Broken };

// Reads the words of one entry after its "EINTRAG_START" up to "EINTRAG_ENDE".
template <typename Entry>
EntryRead ReadEntry(TokenReader& reader, Entry& entry) {
    RecordFields fields;
    entry.DescribeFields(fields);
    bool rejected = false;
    std::string word;
    bool pending = false;  // word was read ahead and is still to be handled
    while (pending || reader.NextWord(word)) {
        pending = false;
        if (word == kEntryEnd) {
            return rejected ? EntryRead::Rejected : EntryRead::Complete;
        }
        if (word == kNameKey) {
            if (!reader.NextWord(word)) {
                return EntryRead::Broken;
            }
            pending = IsEntryKey(word);
            entry.name = pending ? std::string() : NameFromWord(word);
        } else if (word == kDateKey) {
            if (!reader.ReadInt(entry.day) || !reader.ReadInt(entry.month) || !reader.ReadInt(entry.year)) {
                return EntryRead::Broken;
            }
        } else {
            const RecordFields::Outcome outcome = fields.ReadValue(word, reader);
            if (outcome == RecordFields::Outcome::Failed) {
                return EntryRead::Broken;
            }
            rejected = rejected || outcome == RecordFields::Outcome::Rejected;
        }
    }
    return EntryRead::Broken;
}

}  // namespace

template <typename Entry>
void GradeRecords<Entry>::Reset() {
    totalTime = 0.0;
    solvedCount = 0;
    bestGrade = 6.0;
    worstGrade = 1.0;
    gamesPlayed = 0;
    gradeSum = 0.0;
    bestList.Clear();
}

template <typename Entry>
void GradeRecords<Entry>::AddGrade(double grade) {
    if (!std::isfinite(grade)) {
        return;
    }
    AddSaturating(gamesPlayed);
    gradeSum += grade;
    if (grade < bestGrade) {
        bestGrade = grade;
    }
    if (grade > worstGrade) {
        worstGrade = grade;
    }
}

template <typename Entry>
void GradeRecords<Entry>::AddSolved() {
    AddSaturating(solvedCount);
}

template <typename Entry>
bool GradeRecords<Entry>::Qualifies(double grade) {
    if (!std::isfinite(grade) || grade == 6.0) {
        return false;
    }
    const int listed = std::min(bestList.Count(), kListedEntries);
    for (int i = 0; i < listed; ++i) {
        if (grade < bestList.GetAt(i)->grade) {
            return true;
        }
    }
    return bestList.Count() < kListedEntries;
}

template <typename Entry>
bool GradeRecords<Entry>::Insert(std::unique_ptr<Entry> entry) {
    if (!entry || !std::isfinite(entry->grade)) {
        return false;
    }
    const int listed = std::min(bestList.Count(), kListedEntries);
    for (int i = 0; i < listed; ++i) {
        if (bestList.GetAt(i)->grade > entry->grade) {
            return bestList.Add(entry.release(), false, i);
        }
    }
    return bestList.Add(entry.release());
}

template <typename Entry>
RecordFields GradeRecords<Entry>::HeaderFields() {
    RecordFields fields;
    fields.Add(timeKey, totalTime);
    fields.Add("GEL\xD6ST:", solvedCount);
    fields.Add("BEST_ERG:", bestGrade);
    fields.Add("SCHL_ERG:", worstGrade);
    fields.Add("ANZ_SPIELE:", gamesPlayed);
    fields.Add("ERGS:", gradeSum);
    AddHeaderFields(fields);
    return fields;
}

template <typename Entry>
void GradeRecords<Entry>::Read(std::string_view text) {
    const RecordFields header = HeaderFields();
    TokenReader reader(text);
    std::string word;
    while (reader.NextWord(word)) {
        if (word == kEntryStart) {
            auto entry = std::make_unique<Entry>();
            const EntryRead result = ReadEntry(reader, *entry);
            if (result == EntryRead::Broken) {
                return;
            }
            if (result == EntryRead::Complete && bestList.Count() < kListedEntries) {
                bestList.Add(entry.release());
            }
        } else if (header.ReadValue(word, reader) == RecordFields::Outcome::Failed) {
            return;
        }
    }
}

template <typename Entry>
std::string GradeRecords<Entry>::Write() {
    std::string out;
    HeaderFields().Write(out, '\n');
    const int listed = std::min(bestList.Count(), kListedEntries);
    for (int i = 0; i < listed; ++i) {
        Entry& entry = *bestList.GetAt(i);
        RecordFields fields;
        entry.DescribeFields(fields);
        if (!fields.AllFinite()) {
            continue;
        }
        out += std::string(kEntryStart) + "\t" + kNameKey + "\t" + NameToWord(entry.name) + "\t" + kDateKey + "\t" +
               std::to_string(entry.day) + "\t" + std::to_string(entry.month) + "\t" + std::to_string(entry.year) +
               "\t";
        fields.Write(out, '\t');
        out += std::string(kEntryEnd) + "\n";
    }
    return out;
}

template <typename Entry>
bool GradeRecords<Entry>::Load(const std::string& fileName) {
    if (const std::string* unsaved = UnsavedFile(SaveFileForWriting(fileName))) {
        Read(*unsaved);
        return true;
    }
    std::string text;
    if (!ReadTextFile(SaveFileForReading(fileName), text)) {
        return false;
    }
    Read(text);
    return true;
}

template <typename Entry>
bool GradeRecords<Entry>::Save(const std::string& fileName) {
    const std::string path = SaveFileForWriting(fileName);
    std::string text = Write();
    if (WriteFileSafely(path, text)) {
        ForgetUnsavedFile(path);
        return true;
    }
    KeepUnsavedFile(path, std::move(text));
    return false;
}

template class GradeRecords<RecordEntry>;
template class GradeRecords<TestEntry>;
