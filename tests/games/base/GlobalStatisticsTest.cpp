#include "games/base/GlobalStatistics.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<TestEntry> NamedTest(const std::string& name, double grade, double best, double worst, int difficulty) {
    auto entry = std::make_unique<TestEntry>();
    entry->name = name;
    entry->grade = grade;
    entry->best = best;
    entry->worst = worst;
    entry->difficulty = difficulty;
    entry->day = 24;
    entry->month = 12;
    entry->year = 2009;
    return entry;
}

}  // namespace

TEST(GlobalStatisticsTest, WritesStatsFileFormatAndReadsItBack) {
    GlobalStatistics statistics;
    EXPECT_EQ(statistics.Write(),
              "GAME_ZEIT:\t0\nGEL\xD6ST:\t0\nBEST_ERG:\t6\nSCHL_ERG:\t1\nANZ_SPIELE:\t0\nERGS:\t0\n");
    // A new test entry starts crossed, like the statistics.
    const TestEntry fresh;
    EXPECT_EQ(fresh.best, 6.0);
    EXPECT_EQ(fresh.worst, 1.0);
    statistics.totalTime = 3600.5;
    statistics.AddGrade(2.25);
    statistics.AddSolved();
    statistics.Insert(NamedTest("Max Mustermann", 2.75, 1.0, 4.25, 2));
    const std::string expected =
        "GAME_ZEIT:\t3600.5\nGEL\xD6ST:\t1\nBEST_ERG:\t2.25\nSCHL_ERG:\t2.25\nANZ_SPIELE:\t1\nERGS:\t2.25\n"
        "EINTRAG_START\tNAME:\tMax_Mustermann\tDATUM:\t24\t12\t2009\tERG:\t2.75\tBEST:\t1\tSCHLECHT:\t4.25\t"
        "SCHW:\t2\tEINTRAG_ENDE\n";
    EXPECT_EQ(statistics.Write(), expected);
    GlobalStatistics reread;
    reread.Read(expected);
    EXPECT_EQ(reread.Write(), expected);
    ASSERT_EQ(reread.bestList.Count(), 1);
    const TestEntry& entry = *reread.bestList.GetAt(0);
    EXPECT_EQ(entry.name, "Max Mustermann");
    EXPECT_EQ(entry.best, 1.0);
    EXPECT_EQ(entry.worst, 4.25);
    EXPECT_EQ(entry.difficulty, 2);
}

TEST(GlobalStatisticsTest, KnowsOnlyItsOwnKeys) {
    GlobalStatistics statistics;
    statistics.Read(
        "LEVEL_ZEIT: 50 IVAR1: 3 DVAR1: 2.5 GAME_ZEIT: 7 "
        "EINTRAG_START SCHW: 1 SCHLECHT: 3 NAME: Eva BEST: 1.5 ERG: 2 EINTRAG_ENDE");
    EXPECT_EQ(statistics.totalTime, 7.0);
    ASSERT_EQ(statistics.bestList.Count(), 1);
    EXPECT_EQ(statistics.bestList.GetAt(0)->best, 1.5);
    EXPECT_EQ(statistics.bestList.GetAt(0)->worst, 3.0);
    EXPECT_EQ(statistics.bestList.GetAt(0)->difficulty, 1);
    // A test entry with an unreadable difficulty ends reading; one with a
    // non-finite best grade is dropped.
    GlobalStatistics damaged;
    damaged.Read(
        "EINTRAG_START NAME: a ERG: 2 BEST: nan EINTRAG_ENDE "
        "EINTRAG_START NAME: b ERG: 2 EINTRAG_ENDE "
        "EINTRAG_START NAME: c ERG: 2 SCHW: schwer EINTRAG_ENDE ANZ_SPIELE: 4");
    ASSERT_EQ(damaged.bestList.Count(), 1);
    EXPECT_EQ(damaged.bestList.GetAt(0)->name, "b");
    EXPECT_EQ(damaged.gamesPlayed, 0);
    damaged.Reset();
    EXPECT_EQ(damaged.bestList.Count(), 0);
    EXPECT_EQ(damaged.Write(), GlobalStatistics().Write());
}
