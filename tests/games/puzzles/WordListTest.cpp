#include "games/puzzles/WordList.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

using Entries = std::vector<std::string>;

TEST(WordListTest, EntriesRunFromAfterTheMarkersSeparatorToTheBar) {
    const WordList list = ReadWordList(
        "comment words are ignored <TEXT_START>\nSchule|\n<TEXT_START>\nzwei Teile|\n"
        "<TEXT_START> Ball|<TEXT_START>\nHaus\n|");
    EXPECT_TRUE(list.complete);
    EXPECT_EQ(list.entries, (Entries{" Schule", " zwei Teile", " Ball", " Haus\n"}));
}

TEST(WordListTest, MarkerMustStandAloneAndCrLfCountsAsOneSeparator) {
    const WordList list = ReadWordList("x<TEXT_START>\nNein|\r\n<TEXT_START>\r\nTag|\r<TEXT_START>\rNacht|");
    EXPECT_EQ(list.entries, (Entries{" Tag", " Nacht"}));
}

TEST(WordListTest, UnclosedEntryIsDroppedAndEndsTheList) {
    WordList list = ReadWordList("<TEXT_START>\nApfel|\n<TEXT_START>\nBirne\n<TEXT_START>\nKirsche\n");
    EXPECT_FALSE(list.complete);
    EXPECT_EQ(list.entries, (Entries{" Apfel"}));
    list = ReadWordList("<TEXT_START>");
    EXPECT_FALSE(list.complete);
    EXPECT_TRUE(list.entries.empty());
}

// Umlauts (Windows-1252 or UTF-8), sharp s, signs and digits cannot be typed;
// of the typable letters at least two must differ from the most frequent one
// (in any case), or every order around the circle reads as the word.
TEST(WordListTest, PlayableWordKeepsOnlyTypableLettersThatAShuffleCanHide) {
    std::string forty;
    for (int i = 0; i < 20; ++i) forty += "ab";
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        {" Schule", "Schule"}, {" zwei Teile\t\n", "zweiTeile"}, {" abc", "abc"}, {" " + forty, forty},
        {" Anna", "Anna"}, {" abab", "abab"}, {" Abba", "Abba"}, {" ab", std::nullopt}, {" a", std::nullopt},
        {"  \n", std::nullopt}, {" Nun", std::nullopt}, {" aaab", std::nullopt}, {" Aaa a", std::nullopt},
        {" " + forty + "a", std::nullopt}, {" K\xE4se", std::nullopt}, {" K\xC3\xA4se", std::nullopt},
        {" Fu\xDF" "ball", std::nullopt}, {" ice-cream", std::nullopt}, {" R2D2", std::nullopt}};
    for (const auto& [entry, word] : cases) EXPECT_EQ(PlayableWord(entry), word) << entry;
}

}  // namespace
