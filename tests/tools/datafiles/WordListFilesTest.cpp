// The shipped word lists: every entry is read whole and is a word the player
// can type and can only solve one way, neither by another list word nor by
// another word of the language's spelling dictionaries.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "DataFiles.h"
#include "games/puzzles/WordList.h"

namespace {

constexpr std::size_t kMinWords = 250;
constexpr std::size_t kMinLength = 4;
constexpr std::size_t kMaxLength = 10;

struct Dictionary {
    const char* path;
    const char* package;  // the Debian package that installs it
};

struct ShippedList {
    const char* name;
    std::vector<Dictionary> dictionaries;
    // Common words the dictionaries lack that spell the letters of a word
    // one might put in the list (Tapir: Pirat, Wiki: Kiwi, raptor: parrot).
    std::vector<const char*> missingWords;
};

void PrintTo(const ShippedList& list, std::ostream* out) { *out << list.name; }

const ShippedList kShippedLists[] = {
    {"words_d", {{"/usr/share/dict/ngerman", "wngerman"}}, {"Tapir", "Wiki"}},
    {"words_e",
     {{"/usr/share/dict/american-english", "wamerican"}, {"/usr/share/dict/british-english", "wbritish"}},
     {"raptor"}},
};

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

std::string SortedLetters(const std::string& word) {
    std::string letters = Lower(word);
    std::sort(letters.begin(), letters.end());
    return letters;
}

// All lower case, or one capital followed by lower case (a German noun).
bool NaturalCase(const std::string& word) {
    return std::all_of(word.begin() + 1, word.end(), [](unsigned char c) { return std::islower(c); });
}

std::vector<std::string> PlayableWords(const std::string& text) {
    std::vector<std::string> words;
    for (const std::string& entry : ReadWordList(text).entries) {
        if (auto word = PlayableWord(entry)) {
            words.push_back(std::move(*word));
        }
    }
    return words;
}

class WordListFileTest : public ::testing::TestWithParam<ShippedList> {};

TEST_P(WordListFileTest, EveryEntryIsAPlayableWordWithOneSolution) {
    const std::string text = ReadDataFile(GetParam().name);
    ASSERT_FALSE(text.empty()) << GetParam().name << " is missing";
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
        const auto [it, added] = byLetters.emplace(SortedLetters(*word), *word);
        EXPECT_TRUE(added) << *word << " has the same letters as " << it->second;
    }
}

// The game accepts only the listed word, so typing another word of the same
// letters would be judged wrong.
TEST_P(WordListFileTest, NoWordSpellsAnotherDictionaryWord) {
    const ShippedList& shipped = GetParam();
    for (const Dictionary& dictionary : shipped.dictionaries) {
        if (!std::ifstream(dictionary.path)) {
            GTEST_SKIP() << dictionary.path << " is missing; install " << dictionary.package
                         << " (scripts/install-deps does)";
        }
    }
    const std::vector<std::string> words = PlayableWords(ReadDataFile(shipped.name));
    ASSERT_FALSE(words.empty()) << shipped.name << " is missing";
    std::map<std::string, std::set<std::string>> spellings;  // a list word's sorted letters -> words of them
    for (const std::string& word : words) {
        spellings[SortedLetters(word)];
    }
    const auto note = [&spellings](const std::string& word) {
        const auto it = spellings.find(SortedLetters(word));
        if (it != spellings.end() && word.find('\'') == std::string::npos) {
            it->second.insert(word);
        }
    };
    for (const Dictionary& dictionary : shipped.dictionaries) {
        std::ifstream file(dictionary.path);
        std::size_t lines = 0;
        for (std::string line; std::getline(file, line); ++lines) {
            note(line);
        }
        ASSERT_GT(lines, 0u) << dictionary.path << " is empty";
    }
    for (const char* missing : shipped.missingWords) {
        note(missing);
    }
    for (const std::string& word : words) {
        std::string others;
        for (const std::string& spelling : spellings[SortedLetters(word)]) {
            if (Lower(spelling) != Lower(word)) {
                others += (others.empty() ? "" : ", ") + spelling;
            }
        }
        EXPECT_TRUE(others.empty()) << word << " also spells " << others;
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, WordListFileTest, ::testing::ValuesIn(kShippedLists),
                         [](const ::testing::TestParamInfo<ShippedList>& info) { return std::string(info.param.name); });

}  // namespace
