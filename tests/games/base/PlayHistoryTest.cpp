#include "games/base/PlayHistory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/TempFolder.h"

namespace {

history::Play Play(const std::string& game, bool inTest, double grade, const std::string& end) {
    history::Play play;
    play.time = "2026-12-07T15:40:12";
    play.game = game;
    play.level = 2;
    play.inTest = inTest;
    play.test = inTest ? "2026-12-07T15:30:00" : "";
    play.grade = grade;
    play.seconds = 83.5;
    play.end = end;
    return play;
}

std::vector<std::string> Games(const history::Contents& contents) {
    std::vector<std::string> games;
    for (const auto& play : contents.plays) games.push_back(play.game);
    return games;
}

TEST(PlayHistoryTest, PlaysComeBackAsWrittenUnderTheColumnsHeader) {
    TempFolder folder;
    const std::string path = folder.Path(history::kFileName);
    const history::Play plays[] = {Play("rechnen.sav", false, 1.4, "finished"), Play("sudoku.sav", true, 6.0, "ended"),
                                   Play(history::kTestGame, true, 2.75, "finished")};
    for (const auto& play : plays) ASSERT_TRUE(history::Append(path, play));
    // A spreadsheet's columns, numbers with a decimal point.
    EXPECT_EQ(folder.Read(history::kFileName).substr(0, 107),
              std::string(history::kHeader) + "\n2026-12-07T15:40:12,rechnen.sav,2,training,,1.40,83.5,finished\n");
    const history::Contents read = history::Read(path);
    EXPECT_EQ(read.skipped, 0);
    ASSERT_EQ(read.plays.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        const history::Play& got = read.plays[i];
        EXPECT_EQ(got.game, plays[i].game);
        EXPECT_EQ(got.time, plays[i].time);
        EXPECT_EQ(got.level, 2);
        EXPECT_EQ(got.inTest, plays[i].inTest);
        EXPECT_EQ(got.test, plays[i].test);
        EXPECT_DOUBLE_EQ(got.grade, plays[i].grade);
        EXPECT_DOUBLE_EQ(got.seconds, 83.5);
        EXPECT_EQ(got.end, plays[i].end);
    }
    EXPECT_TRUE(history::Read(folder.Path("none.csv")).plays.empty());
}

// A damaged line, one of a later kind, or one cut short by a crash is skipped
// and stays in the file; the next line still gets a line of its own.
TEST(PlayHistoryTest, DamagedAndCutLinesAreSkippedAndKept) {
    const std::string good = history::FormatLine(Play("uhr.sav", false, 2.0, "failed"));
    const std::string damaged[] = {
        "garbage",
        good + ",more",
        "2026-12-07T15:40:12,uhr.sav,3,training,,2.00,10.0,failed",       // level
        "2026-12-07T15:40:12,uhr.sav,1,training,,0.90,10.0,failed",       // grade off the scale
        "2026-12-07T15:40:12,uhr.sav,1,test,,2.00,10.0,failed",           // a test without its time
        "2026-12-07T15:40:12,uhr.sav,1,training,,2.00,-1.0,failed",       // seconds
        "2026-12-07T15:40:12,uhr.sav,1,training,,2.00,10.0,lost",         // end
        "2026-12-07 15:40:12,uhr.sav,1,training,,2.00,10.0,failed",       // time
        "2026-12-07T15:40:12,uhr sav,1,training,,2.00,10.0,failed",       // game key
    };
    for (const std::string& line : damaged) EXPECT_FALSE(history::ParseLine(line).has_value()) << line;
    EXPECT_TRUE(history::ParseLine(good + "\r").has_value());

    TempFolder folder;
    const std::string path = folder.Path(history::kFileName);
    folder.Write(history::kFileName, std::string(history::kHeader) + "\n" + good + "\ngarbage\n" + good.substr(0, 30));
    history::Contents read = history::Read(path);
    EXPECT_EQ(read.plays.size(), 1u);
    EXPECT_EQ(read.skipped, 2);
    ASSERT_TRUE(history::Append(path, Play("datum.sav", false, 3.5, "finished")));
    read = history::Read(path);
    EXPECT_EQ(Games(read), (std::vector<std::string>{"uhr.sav", "datum.sav"}));
    EXPECT_EQ(read.skipped, 2);
    EXPECT_NE(folder.Read(history::kFileName).find("\ngarbage\n" + good.substr(0, 30) + "\n"), std::string::npos);
}

TEST(PlayHistoryTest, AFullDiskOrAnUnwritableFolderIsAFailure) {
    EXPECT_FALSE(history::Append("/dev/full", Play("uhr.sav", false, 2.0, "failed")));
    EXPECT_FALSE(history::Append("/nonexistent-folder/history.csv", Play("uhr.sav", false, 2.0, "failed")));
    EXPECT_FALSE(history::Clear("/dev/full"));
    EXPECT_FALSE(history::Clear("/nonexistent-folder/history.csv"));
}

TEST(PlayHistoryTest, ClearingLeavesTheHeaderAndTheNextPlayFollowsIt) {
    TempFolder folder;
    const std::string path = folder.Path(history::kFileName);
    ASSERT_TRUE(history::Append(path, Play("uhr.sav", false, 2.0, "failed")));
    ASSERT_TRUE(history::Clear(path));
    EXPECT_EQ(folder.Read(history::kFileName), std::string(history::kHeader) + "\n");
    ASSERT_TRUE(history::Append(path, Play("datum.sav", false, 3.0, "finished")));
    EXPECT_EQ(Games(history::Read(path)), std::vector<std::string>{"datum.sav"});
}

}  // namespace
