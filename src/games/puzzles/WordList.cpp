#include "games/puzzles/WordList.h"

#include "settings/TokenReader.h"

namespace {

constexpr std::size_t kMinLetters = 2;
constexpr std::size_t kMaxLetters = 40;

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

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
    if (word.size() < kMinLetters) {
        return std::nullopt;
    }
    return word;
}
