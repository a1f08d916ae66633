#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The word game's word list as its reader sees it.
struct WordList {
    // Every closed entry in file order, stored as a blank followed by the
    // characters between the marker's separator and the closing '|'.
    std::vector<std::string> entries;
    // False when the text ended inside an entry; that entry is dropped.
    bool complete = true;
};

// Reads a word list: line ends are normalised, then the text is scanned as
// whitespace-separated words. Every word but "<TEXT_START>" is ignored; after
// the marker one character (the line break) is dropped and every character up
// to the next '|' belongs to the entry. Scanning goes on behind the '|'.
WordList ReadWordList(std::string_view text);

// The word an entry plays: its letters with blanks, tabs and line breaks
// dropped. Nothing when more than 40 letters remain or any other character
// than A-Z / a-z is left, since only those keys can be typed; nothing either
// when fewer than two of its letters differ from its most frequent one (any
// case, as in "ab" or "Nun"): every order of such letters, put around a
// circle, reads as the word from one of them, so no shuffle could hide it.
std::optional<std::string> PlayableWord(std::string_view entry);
