// The shipped word lists: every entry is read whole and is a word the player
// can type and can only solve one way.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <string>

#include "DataFiles.h"
#include "games/puzzles/WordList.h"

namespace {

constexpr std::size_t kMinWords = 250;
constexpr std::size_t kMinLength = 4;
constexpr std::size_t kMaxLength = 10;

std::size_t CountMarkers(const std::string& text) {
    std::size_t count = 0;
    for (std::size_t at = text.find("<TEXT_START>"); at != std::string::npos; at = text.find("<TEXT_START>", at + 1)) {
        ++count;
    }
    return count;
}

std::string Lower(std::string word) {
    std::transform(word.begin(), word.end(), word.begin(), [](unsigned char c) { return std::tolower(c); });
    return word;
}

// All lower case, or one capital followed by lower case (a German noun).
bool NaturalCase(const std::string& word) {
    return std::all_of(word.begin() + 1, word.end(), [](unsigned char c) { return std::islower(c); });
}

class WordListFileTest : public ::testing::TestWithParam<const char*> {};

TEST_P(WordListFileTest, EveryEntryIsAPlayableWordWithOneSolution) {
    const std::string text = ReadDataFile(GetParam());
    ASSERT_FALSE(text.empty()) << GetParam() << " is missing";
    EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](unsigned char c) { return c == '\n' || (c >= 0x20 && c < 0x7F); }))
        << "plain ASCII with LF line ends expected";
    const WordList list = ReadWordList(text);
    EXPECT_TRUE(list.complete);
    EXPECT_EQ(list.entries.size(), CountMarkers(text)) << "an entry was lost";
    EXPECT_GE(list.entries.size(), kMinWords);
    std::map<std::string, std::string> byLetters;  // sorted lower-case letters -> word
    for (const std::string& entry : list.entries) {
        const auto word = PlayableWord(entry);
        if (!word) {
            ADD_FAILURE() << "unplayable entry '" << entry << "'";
            continue;
        }
        EXPECT_EQ(" " + *word, entry) << "an entry is the word alone, closed on its own line";
        EXPECT_GE(word->size(), kMinLength) << *word;
        EXPECT_LE(word->size(), kMaxLength) << *word;
        EXPECT_TRUE(NaturalCase(*word)) << *word;
        std::string letters = Lower(*word);
        std::sort(letters.begin(), letters.end());
        const auto [it, added] = byLetters.emplace(letters, *word);
        EXPECT_TRUE(added) << *word << " has the same letters as " << it->second;
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, WordListFileTest, ::testing::Values("words_d", "words_e"));

}  // namespace
