#include "games/puzzles/WordList.h"

#include <gtest/gtest.h>

#include <string>
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

TEST(WordListTest, PlayableWordKeepsOnlyTypableLetters) {
    EXPECT_EQ(PlayableWord(" Schule"), "Schule");
    EXPECT_EQ(PlayableWord(" zwei Teile\t\n"), "zweiTeile");
    EXPECT_EQ(PlayableWord(" ab"), "ab");
    EXPECT_EQ(PlayableWord(" " + std::string(40, 'a')), std::string(40, 'a'));
    EXPECT_FALSE(PlayableWord(" a"));
    EXPECT_FALSE(PlayableWord("  \n"));
    EXPECT_FALSE(PlayableWord(" " + std::string(41, 'a')));
    EXPECT_FALSE(PlayableWord(" K\xE4se"));       // umlaut in Windows-1252
    EXPECT_FALSE(PlayableWord(" K\xC3\xA4se"));   // the same in UTF-8
    EXPECT_FALSE(PlayableWord(" Fu\xDF" "ball"));  // sharp s
    EXPECT_FALSE(PlayableWord(" ice-cream"));
    EXPECT_FALSE(PlayableWord(" R2D2"));
}

}  // namespace
