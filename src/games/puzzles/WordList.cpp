#include "games/puzzles/WordList.h"

#include <algorithm>
#include <array>

#include "settings/TokenReader.h"

namespace {

constexpr std::size_t kMaxLetters = 40;
// Letters that must differ from the word's most frequent one.
constexpr std::size_t kMinOtherLetters = 2;

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// How many letters of the word (A-Z / a-z only) are not its most frequent letter.
std::size_t OtherLetters(const std::string& word) {
    std::array<std::size_t, 26> counts{};
    for (const char c : word) {
        ++counts[static_cast<std::size_t>(c >= 'a' ? c - 'a' : c - 'A')];
    }
    return word.size() - *std::max_element(counts.begin(), counts.end());
}

}  // namespace

WordList ReadWordList(std::string_view text) {
    const std::string plain = NormalizeLineEnds(text);
    TokenReader reader(plain);
    WordList list;
    std::string word;
    while (reader.NextWord(word)) {
        if (word != "<TEXT_START>") {
            continue;
        }
        char c = 0;
        reader.ReadChar(c);  // the separator behind the marker
        std::string entry = " ";
        bool closed = false;
        while (reader.ReadChar(c)) {
            if (c == '|') {
                closed = true;
                break;
            }
            entry.push_back(c);
        }
        if (!closed) {
            list.complete = false;
            break;
        }
        list.entries.push_back(std::move(entry));
    }
    return list;
}

std::optional<std::string> PlayableWord(std::string_view entry) {
    std::string word;
    for (char c : entry) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            continue;
        }
        if (!IsAsciiLetter(c) || word.size() == kMaxLetters) {
            return std::nullopt;
        }
        word.push_back(c);
    }
    if (OtherLetters(word) < kMinOtherLetters) {
        return std::nullopt;
    }
    return word;
}
