// The word game's word lists (words_d, words_e in the archive).
#include "FuzzTargets.h"
#include "games/puzzles/WordList.h"

bool FuzzWordList(const uint8_t* data, size_t size) {
    const WordList list = ReadWordList(FuzzText(data, size));
    size_t characters = 0;
    for (const std::string& entry : list.entries) {
        // Each entry is a blank and characters of the file behind its own marker.
        if (entry.empty() || entry[0] != ' ') {
            return false;
        }
        characters += entry.size();
        if (const auto word = PlayableWord(entry)) {
            if (word->size() < 3 || word->size() > 40) {
                return false;
            }
            for (const char c : *word) {
                if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) {
                    return false;
                }
            }
        }
    }
    return characters <= size;
}
