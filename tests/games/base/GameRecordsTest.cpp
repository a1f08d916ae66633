#include "games/base/GameRecords.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <memory>

#include "support/TempFolder.h"

namespace {

// A player's name: the letter and the number (built so that no optimiser
// sees a literal copied into a string of unknown length).
std::string Numbered(char letter, int number) {
    std::string name(1, letter);
    name += std::to_string(number);
    return name;
}

std::unique_ptr<RecordEntry> Entry(const std::string& name, double grade, int day = 1, int month = 2,
                                   int year = 2007) {
    auto entry = std::make_unique<RecordEntry>();
    entry->name = name;
    entry->grade = grade;
    entry->day = day;
    entry->month = month;
    entry->year = year;
    return entry;
}

std::string EntryLine(const std::string& name, const std::string& grade) {
    return "EINTRAG_START\tNAME:\t" + name + "\tDATUM:\t1\t2\t2007\tERG:\t" + grade + "\tEINTRAG_ENDE\n";
}

const std::string kInitialHeader =
    "LEVEL_ZEIT:\t0\nGEL\xD6ST:\t0\nBEST_ERG:\t6\nSCHL_ERG:\t1\nANZ_SPIELE:\t0\nERGS:\t0\n"
    "IVAR1:\t0\nIVAR2:\t0\nIVAR3:\t0\nDVAR1:\t0\nDVAR2:\t0\nDVAR3:\t0\n";

std::vector<std::string> Names(GameRecords& records) {
    std::vector<std::string> names;
    for (int i = 0; i < records.bestList.Count(); ++i) names.push_back(records.bestList.GetAt(i)->name);
    return names;
}

}  // namespace

TEST(GameRecordsTest, WritesTheSaveFileFormatAndReadsItBack) {
    GameRecords records;
    EXPECT_EQ(records.Write(), kInitialHeader);
    records.totalTime = 1234567.25;  // more than six digits survive
    records.solvedCount = 2;
    records.bestGrade = 1.25;
    records.worstGrade = 5.0;
    records.gamesPlayed = 4;
    records.gradeSum = 12.5;
    records.spareInts = {1, 2, -3};
    records.spareDoubles = {0.1, 0.0, 1e6};
    records.Insert(Entry("Anna Lena", 2.5, 3, 4, 2007));
    records.Insert(Entry("\xC4nne_x", 1.0));
    const std::string expected =
        "LEVEL_ZEIT:\t1234567.25\nGEL\xD6ST:\t2\nBEST_ERG:\t1.25\nSCHL_ERG:\t5\nANZ_SPIELE:\t4\nERGS:\t12.5\n"
        "IVAR1:\t1\nIVAR2:\t2\nIVAR3:\t-3\nDVAR1:\t0.1\nDVAR2:\t0\nDVAR3:\t1e+06\n"
        "EINTRAG_START\tNAME:\t\xC4nne_x\tDATUM:\t1\t2\t2007\tERG:\t1\tEINTRAG_ENDE\n"
        "EINTRAG_START\tNAME:\tAnna_Lena\tDATUM:\t3\t4\t2007\tERG:\t2.5\tEINTRAG_ENDE\n";
    EXPECT_EQ(records.Write(), expected);
    GameRecords reread;
    reread.Read(expected);
    EXPECT_EQ(reread.Write(), expected);
    // Blanks come back from '_', including an '_' the name had itself.
    EXPECT_EQ(Names(reread), (std::vector<std::string>{"\xC4nne x", "Anna Lena"}));
}

TEST(GameRecordsTest, OnlyTheFirstTenEntriesAreWrittenAndRead) {
    GameRecords records;
    for (int i = 0; i < 11; ++i) records.Insert(Entry(Numbered('p', i), 1.0 + i * 0.1));
    EXPECT_EQ(records.bestList.Count(), 11);  // kept in memory until written
    GameRecords reread;
    reread.Read(records.Write());
    ASSERT_EQ(reread.bestList.Count(), 10);
    EXPECT_EQ(reread.bestList.GetAt(9)->name, "p9");
    // A file with more entries than a writer writes: the first ten count.
    std::string file;
    for (int i = 0; i < 12; ++i) file += EntryLine(Numbered('n', i), "2");
    GameRecords edited;
    edited.Read(file + "ANZ_SPIELE: 7");
    EXPECT_EQ(edited.bestList.Count(), 10);
    EXPECT_EQ(edited.bestList.GetAt(9)->name, "n9");
    EXPECT_EQ(edited.gamesPlayed, 7);
}

TEST(GameRecordsTest, ReadingIgnoresOrderAndStrayWordsAndTheLastValueWins) {
    GameRecords ordered;
    ordered.Read("LEVEL_ZEIT:\t10\nGEL\xD6ST:\t1\nBEST_ERG:\t2\nSCHL_ERG:\t3\nANZ_SPIELE:\t2\nERGS:\t5\n" +
                 EntryLine("a", "2"));
    GameRecords shuffled;
    shuffled.Read("Kommentar ERGS: 1 " + EntryLine("a", "2") +
                  " ERGS: 5 ANZ_SPIELE: 2 x y SCHL_ERG: 3 GAME_ZEIT: 99 BEST_ERG: 2 GEL\xD6ST: 1 LEVEL_ZEIT: 10");
    EXPECT_EQ(shuffled.Write(), ordered.Write());
    // Entry keys in another order, with stray words inside.
    GameRecords entry;
    entry.Read("EINTRAG_START ERG: 1.5 foo DATUM: 9 8 2010 NAME: Bo EINTRAG_ENDE");
    ASSERT_EQ(entry.bestList.Count(), 1);
    EXPECT_EQ(entry.bestList.GetAt(0)->name, "Bo");
    EXPECT_EQ(entry.bestList.GetAt(0)->grade, 1.5);
    EXPECT_EQ(entry.bestList.GetAt(0)->year, 2010);
}

TEST(GameRecordsTest, EmptyAndOverlongNames) {
    GameRecords records;
    records.Insert(Entry("", 2.0));
    records.Insert(Entry("Zweiter", 3.0));
    const std::string file = records.Write();
    EXPECT_NE(file.find("NAME:\t\tDATUM:"), std::string::npos);
    GameRecords reread;
    reread.Read(file);
    EXPECT_EQ(Names(reread), (std::vector<std::string>{"", "Zweiter"}));
    EXPECT_EQ(reread.bestList.GetAt(0)->month, 2);  // the date after the empty name is read
    GameRecords empty;
    empty.Read("EINTRAG_START NAME: EINTRAG_ENDE " + EntryLine("b", "3"));
    EXPECT_EQ(Names(empty), (std::vector<std::string>{"", "b"}));
    GameRecords longName;
    longName.Read("EINTRAG_START NAME: " + std::string(1500, 'x') + " ERG: 2 EINTRAG_ENDE");
    ASSERT_EQ(longName.bestList.Count(), 1);
    EXPECT_EQ(longName.bestList.GetAt(0)->name, std::string(RecordEntry::kMaxNameLength, 'x'));
}

TEST(GameRecordsTest, DamagedFilesKeepWhatWasReadBeforeTheDamage) {
    // Reading ends inside a cut entry (dropped), at an unreadable date or count, or at a count too large.
    const struct { std::string text; int games, solved; std::vector<std::string> names; } cases[] = {
        {"ANZ_SPIELE: 3 " + EntryLine("a", "2") + "EINTRAG_START NAME: b DATUM: 1 2 2003 ERG:", 3, 0, {"a"}},
        {"EINTRAG_START NAME: b DATUM: 1 x 2003 ERG: 2 EINTRAG_ENDE ANZ_SPIELE: 3", 0, 0, {}},
        {"GEL\xD6ST: 4 ANZ_SPIELE: viele ERGS: 5", 0, 4, {}},
        {"ANZ_SPIELE: 99999999999 ERGS: 5", 0, 0, {}},
    };
    for (const auto& c : cases) {
        GameRecords records;
        records.Read(c.text);
        EXPECT_EQ(records.gamesPlayed, c.games) << c.text;
        EXPECT_EQ(records.solvedCount, c.solved) << c.text;
        EXPECT_EQ(records.gradeSum, 0.0) << c.text;
        EXPECT_EQ(Names(records), c.names) << c.text;
    }
}

TEST(GameRecordsTest, NonFiniteNumbersAreNeverTaken) {
    GameRecords records;
    records.Read("ERGS: nan BEST_ERG: inf SCHL_ERG: 1e999 ANZ_SPIELE: 3 " + EntryLine("nan", "nan") +
                 EntryLine("ok", "2.5"));
    EXPECT_EQ(records.gradeSum, 0.0);
    EXPECT_EQ(records.bestGrade, 6.0);
    EXPECT_EQ(records.worstGrade, 1.0);
    EXPECT_EQ(records.gamesPlayed, 3);  // reading went on after them
    EXPECT_EQ(Names(records), (std::vector<std::string>{"ok"}));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    records.AddGrade(nan);
    records.AddGrade(inf);
    EXPECT_EQ(records.gamesPlayed, 3);
    EXPECT_FALSE(records.Qualifies(nan));
    EXPECT_FALSE(records.Insert(Entry("x", nan)));
    EXPECT_EQ(records.bestList.Count(), 1);
    // Whatever gets into the fields, the writer writes no non-finite number.
    records.gradeSum = nan;
    records.bestList.GetAt(0)->grade = -inf;
    const std::string file = records.Write();
    EXPECT_EQ(file.find("nan"), std::string::npos);
    EXPECT_EQ(file.find("inf"), std::string::npos);
    EXPECT_EQ(file.find("EINTRAG_START"), std::string::npos);
}

TEST(GameRecordsTest, QualifyingAndInsertingAtEqualGrades) {
    GameRecords records;
    EXPECT_FALSE(records.Qualifies(6.0));  // never, even with an empty list
    EXPECT_TRUE(records.Qualifies(5.99));
    for (int i = 0; i < 9; ++i) records.Insert(Entry(Numbered('e', i), 2.0));
    EXPECT_TRUE(records.Qualifies(3.0));  // room left
    records.Insert(Entry("e9", 2.0));
    EXPECT_FALSE(records.Qualifies(2.0));
    EXPECT_FALSE(records.Qualifies(3.0));
    EXPECT_TRUE(records.Qualifies(1.9));
    records.Insert(Entry("same", 2.0));
    EXPECT_EQ(records.bestList.GetAt(10)->name, "same");  // behind the ten 2.0
    records.Insert(Entry("better", 1.9));
    EXPECT_EQ(records.bestList.GetAt(0)->name, "better");
    EXPECT_EQ(records.bestList.GetAt(1)->name, "e0");
    GameRecords few;
    few.Insert(Entry("a", 2.0));
    few.Insert(Entry("c", 3.0));
    few.Insert(Entry("b", 2.0));
    EXPECT_EQ(Names(few), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(GameRecordsTest, GradesCountsAndReset) {
    GameRecords records;
    records.AddGrade(3.5);
    EXPECT_EQ(records.bestGrade, 3.5);  // the first grade is both best and worst
    EXPECT_EQ(records.worstGrade, 3.5);
    records.AddGrade(1.5);
    records.AddGrade(4.0);
    EXPECT_EQ(records.bestGrade, 1.5);
    EXPECT_EQ(records.worstGrade, 4.0);
    EXPECT_EQ(records.gamesPlayed, 3);
    EXPECT_EQ(records.gradeSum, 9.0);
    EXPECT_EQ(records.solvedCount, 0);  // solving is the owner's call
    records.AddSolved();
    EXPECT_EQ(records.solvedCount, 1);
    records.gamesPlayed = INT_MAX;
    records.solvedCount = INT_MAX;
    records.AddGrade(2.0);
    records.AddSolved();
    EXPECT_EQ(records.gamesPlayed, INT_MAX);
    EXPECT_EQ(records.solvedCount, INT_MAX);
    records.totalTime = 5.0;
    records.spareInts[1] = 3;
    records.spareDoubles[2] = 0.5;
    records.Insert(Entry("a", 2.0));
    records.Reset();
    EXPECT_EQ(records.Write(), kInitialHeader);
}

TEST(GameRecordsTest, SaveFilesRoundTripWithEitherLineEnd) {
    TempFolder folder;
    const std::string path = folder.Path("rechnen.sav");
    GameRecords missing;
    EXPECT_FALSE(missing.Load(path));
    EXPECT_EQ(missing.Write(), kInitialHeader);
    GameRecords records;
    records.AddGrade(2.0);
    records.Insert(Entry("Anna", 2.0));
    ASSERT_TRUE(records.Save(path));
    GameRecords loaded;
    ASSERT_TRUE(loaded.Load(path));
    EXPECT_EQ(loaded.Write(), records.Write());
    // Windows line ends read the same.
    std::string crlf;
    for (char c : records.Write()) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    folder.Write("crlf.sav", crlf);
    GameRecords fromCrlf;
    ASSERT_TRUE(fromCrlf.Load(folder.Path("crlf.sav")));
    EXPECT_EQ(fromCrlf.Write(), records.Write());
}
