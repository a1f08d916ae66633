#pragma once

#include <cstddef>
#include <string>

class RecordFields;

// One named result in a game's best list.
struct RecordEntry {
    // Names are kept as typed or read, in Windows-1252 bytes, at most this long.
    static constexpr std::size_t kMaxNameLength = 999;

    // An unnamed entry with grade 0.0, dated today (local time).
    RecordEntry();

    // The player's name; its length is where the name input types next.
    std::string name;
    double grade = 0.0;
    int day = 1;     // 1..31
    int month = 1;   // 1..12
    int year = 1970; // full year

    // Binds the entry's single keyed values (after "NAME:" and "DATUM:") for
    // reading and writing a save file.
    void DescribeFields(RecordFields& fields);
};
