// The program killed (SIGKILL) at many moments while it saves: every file
// afterwards holds either its old or its new complete contents, and the
// program starts again. Runs go in parallel lanes, each with its own working
// folder.
//
// The way out: a lane starts the program with its intro on, waits until it
// handles SIGTERM, asks it to end with that signal (closing during the intro
// saves, and the intro comes before the costly loading of the art, so that a
// run is short), watches the folder for the save's first temporary file and
// kills the program a varied number of microseconds later.
//
// A play's end: the program takes no scripted input, so a player process runs
// its menu, game and save code (tests/program/player): it ends an arithmetic
// game, which appends to the history and saves the game's records, and then
// saves the settings and statistics as the way out does. The lane kills it a
// varied time after it opens the history.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/inotify.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "KillLanes.h"
#include "support/TempFolder.h"

namespace {

// Old contents the program rewrites on the way out, in a form it reads but
// does not write: the volume above 100 is saved as 100, the statistics come
// back in the order and spacing of the save format (a run that ends during
// the intro adds no time to them).
const std::string kOldSettings = "FULLSCREEN:\t1\nSPRACHE:\t0\nSOUND:\t250\nMUSIK:\t40\nINTRO:\t1\n";
const std::string kNewSettings = "FULLSCREEN:\t1\nSPRACHE:\t0\nSOUND:\t100\nMUSIK:\t40\nINTRO:\t1\n";
const std::string kOldStatistics =
    "ANZ_SPIELE: 3 ERGS: 9.75 GAME_ZEIT: 3600.50 GEL\xD6ST: 1 BEST_ERG: 2.25 SCHL_ERG: 4.5\n"
    "EINTRAG_START NAME: Max_Mustermann DATUM: 24 12 2009 ERG: 2.75 BEST: 1 SCHLECHT: 4.25 SCHW: 2 EINTRAG_ENDE\n"
    "EINTRAG_START NAME: Eva DATUM: 1 2 2010 ERG: 3.5 BEST: 2 SCHLECHT: 5 SCHW: 1 EINTRAG_ENDE\n";
const std::string kNewStatistics =
    "GAME_ZEIT:\t3600.5\nGEL\xD6ST:\t1\nBEST_ERG:\t2.25\nSCHL_ERG:\t4.5\nANZ_SPIELE:\t3\nERGS:\t9.75\n"
    "EINTRAG_START\tNAME:\tMax_Mustermann\tDATUM:\t24\t12\t2009\tERG:\t2.75\tBEST:\t1\tSCHLECHT:\t4.25\t"
    "SCHW:\t2\tEINTRAG_ENDE\n"
    "EINTRAG_START\tNAME:\tEva\tDATUM:\t1\t2\t2010\tERG:\t3.5\tBEST:\t2\tSCHLECHT:\t5\tSCHW:\t1\t"
    "EINTRAG_ENDE\n";
// A game's save file, which the way out leaves alone.
const std::string kGameFile = "rechnen.sav";
const std::string kOldGameRecords =
    "LEVEL_ZEIT:\t95.5\nGEL\xD6ST:\t2\nBEST_ERG:\t1.25\nSCHL_ERG:\t5\nANZ_SPIELE:\t4\nERGS:\t12.5\n"
    "EINTRAG_START\tNAME:\tAnne\tDATUM:\t1\t2\t2007\tERG:\t1.25\tEINTRAG_ENDE\n";

const std::string kOldHistory =
    "time,game,level,mode,test,grade,seconds,end\n"
    "2026-11-30T18:00:00,uhr.sav,1,training,,2.50,61.5,finished\n"
    "2026-12-01T09:00:00,rechnen.sav,0,training,,1.75,88.0,finished\n";

// The program's environment: headless, its data home inside the lane.
std::vector<std::string> Environment(const std::string& home, const std::string& temporary) {
    return {"SDL_VIDEODRIVER=dummy", "SDL_AUDIODRIVER=dummy", "XDG_DATA_HOME=" + home, "XDG_DATA_DIRS=" + home,
            "HOME=" + home, "TMPDIR=" + temporary};
}

// Old or new contents of one file: "" when whole, else the fault.
std::string CompareFile(const std::string& name, const std::string& contents, const std::string& old,
                        const std::string& fresh, Outcome& outcome) {
    outcome[name] = contents == fresh;
    return contents == fresh || contents == old ? "" : name + " holds [" + contents + "]\n";
}

// Waits until the process catches SIGTERM (its "SigCgt" mask in /proc);
// before that the signal would end it unsaved.
bool AwaitTermHandler(pid_t child, KillClock::duration limit) {
    const std::string status = "/proc/" + std::to_string(child) + "/status";
    const unsigned long long term = 1ull << (SIGTERM - 1);
    const KillClock::time_point end = KillClock::now() + limit;
    while (KillClock::now() < end) {
        std::ifstream file(status);
        std::string line;
        bool alive = false;
        while (std::getline(file, line)) {
            alive = true;
            if (line.rfind("SigCgt:", 0) == 0 && (std::strtoull(line.c_str() + 7, nullptr, 16) & term) != 0) {
                return true;
            }
        }
        if (!alive) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    return false;
}

// The program itself, ended by SIGTERM and killed during its save on the way out.
class ExitLane : public KillLane {
public:
    explicit ExitLane(std::string program) : program_(std::move(program)) {
        watch_.Add(folder_.Path(), IN_CREATE | IN_MOVED_TO);
    }
    bool Ready() const override { return watch_.Ready(); }
    const TempFolder& Folder() const { return folder_; }

    void WriteOldFiles() override {
        std::error_code ignored;
        for (const char* name : {"knobel.cfg.tmp", "stats.sav.tmp"}) {
            std::filesystem::remove(folder_.Path(name), ignored);
        }
        folder_.Write("knobel.cfg", kOldSettings);
        folder_.Write("stats.sav", kOldStatistics);
        folder_.Write(kGameFile, kOldGameRecords);
    }

    bool Run(long micros, bool early, bool& killed, long& saveTime, std::string& problem) override {
        ChildProcess child({program_}, Environment(home_.Path(), home_.Path()), folder_.Path(), false);
        if (child.Pid() <= 0 || !AwaitTermHandler(child.Pid(), std::chrono::seconds(60))) {
            problem = "SIGTERM never handled";
            return false;
        }
        watch_.Drain();
        ::kill(child.Pid(), SIGTERM);
        KillClock::time_point saveStart = KillClock::now();
        if (!early) {
            if (!watch_.Await(IN_CREATE, ".tmp", std::chrono::seconds(30))) {
                problem = "no save began";
                return false;
            }
            saveStart = KillClock::now();
        }
        if (micros >= 0) {
            child.KillAt(saveStart, micros);
        } else if (watch_.Await(IN_MOVED_TO, "stats.sav", std::chrono::seconds(30))) {
            saveTime = std::chrono::duration_cast<std::chrono::microseconds>(KillClock::now() - saveStart).count();
        }
        return child.Reap(killed, problem);
    }

    std::string CheckFiles(Outcome& outcome) override {
        std::string faults = CompareFile("knobel.cfg", folder_.Read("knobel.cfg"), kOldSettings, kNewSettings, outcome);
        faults += CompareFile("stats.sav", folder_.Read("stats.sav"), kOldStatistics, kNewStatistics, outcome);
        if (folder_.Read(kGameFile) != kOldGameRecords) {
            faults += kGameFile + " changed\n";
        }
        return faults;
    }

private:
    std::string program_;
    TempFolder folder_;
    TempFolder home_;
    FolderWatch watch_;
};

// The new contents of a play's end, from a run left to end on its own.
struct PlayedFiles {
    std::string settings;
    std::string statistics;
    std::string records;
    std::string historyLine;  // the play's line without its time
};

// The history line without its first field, the time.
std::string WithoutTime(const std::string& line) {
    const size_t comma = line.find(',');
    return comma == std::string::npos ? line : line.substr(comma);
}

// The player, killed while it saves the end of a play and then its exit files.
class PlayLane : public KillLane {
public:
    PlayLane(std::string player, const PlayedFiles* played) : player_(std::move(player)), played_(played) {
        std::filesystem::create_directory(Start());
    }
    bool Ready() const override { return watch_.Ready(); }
    // The working folder of the last run.
    const std::string& Working() const { return working_; }
    // Microseconds from the request to play to the history's opening, in the last run that saw it.
    long OpenDelay() const { return openDelay_; }

    void WriteOldFiles() override {
        const std::string start = Start();
        std::ofstream(start + "/knobel.cfg", std::ios::binary) << kOldSettings;
        std::ofstream(start + "/stats.sav", std::ios::binary) << kOldStatistics;
        std::ofstream(start + "/" + kGameFile, std::ios::binary) << kOldGameRecords;
        std::ofstream(start + "/history.csv", std::ios::binary) << kOldHistory;
    }

    // With `early` the kill counts from the request to play, not from the
    // history's opening.
    bool Run(long micros, bool early, bool& killed, long& saveTime, std::string& problem) override {
        std::error_code ignored;
        std::filesystem::remove_all(working_, ignored);
        // The player works in a folder of its own under TMPDIR and names it.
        ChildProcess child({player_, Start()}, Environment(home_.Path(), folder_.Path()), ".", true);
        if (child.Pid() <= 0 || !child.ReadLine(working_, std::chrono::seconds(60)) ||
            !watch_.Add(working_, IN_OPEN)) {
            problem = "the player did not start";
            return false;
        }
        watch_.Drain();
        child.WriteLine("go");
        const KillClock::time_point go = KillClock::now();
        if (early && micros >= 0) {
            child.KillAt(go, micros);
            return child.Reap(killed, problem);
        }
        if (!watch_.Await(IN_OPEN, "history.csv", std::chrono::seconds(30))) {
            problem = "the play's end saved nothing";
            return false;
        }
        const KillClock::time_point saveStart = KillClock::now();
        openDelay_ = std::chrono::duration_cast<std::chrono::microseconds>(saveStart - go).count();
        std::string saved;
        if (micros >= 0) {
            child.KillAt(saveStart, micros);
        } else if (child.ReadLine(saved, std::chrono::seconds(30)) && saved == "saved") {
            saveTime = std::chrono::duration_cast<std::chrono::microseconds>(KillClock::now() - saveStart).count();
            child.WriteLine("end");
        }
        return child.Reap(killed, problem);
    }

    std::string CheckFiles(Outcome& outcome) override {
        std::string faults = CompareFile("knobel.cfg", Read("knobel.cfg"), kOldSettings, played_->settings, outcome);
        faults += CompareFile("stats.sav", Read("stats.sav"), kOldStatistics, played_->statistics, outcome);
        faults += CompareFile(kGameFile, Read(kGameFile), kOldGameRecords, played_->records, outcome);
        // The history is appended to: the old lines, then the play's line whole or nothing.
        std::string added;
        const bool oldKept = HistoryAdded(added);
        outcome["history.csv"] = !added.empty();
        const bool wholeLine = added.empty() || (added.find('\n') == added.size() - 1 &&
                                                 WithoutTime(added.substr(0, added.size() - 1)) == played_->historyLine);
        if (!oldKept || !wholeLine) {
            faults += "history.csv holds [" + Read("history.csv") + "]\n";
        }
        return faults;
    }

    // The new files of a run left to end on its own.
    PlayedFiles Played() const {
        std::string line;
        HistoryAdded(line);
        if (!line.empty() && line.back() == '\n') {
            line.pop_back();
        }
        return {Read("knobel.cfg"), Read("stats.sav"), Read(kGameFile), WithoutTime(line)};
    }

private:
    std::string Start() const { return folder_.Path("start"); }
    // The history after its old lines; false (and the whole history) when they are not all there.
    bool HistoryAdded(std::string& added) const {
        added = Read("history.csv");
        if (added.rfind(kOldHistory, 0) != 0) {
            return false;
        }
        added.erase(0, kOldHistory.size());
        return true;
    }
    std::string Read(const std::string& name) const {
        std::ifstream file(working_ + "/" + name, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    }

    std::string player_;
    const PlayedFiles* played_;
    TempFolder folder_;
    TempFolder home_;
    FolderWatch watch_;
    std::string working_;
    long openDelay_ = 0;
};

#if defined(__SANITIZE_ADDRESS__)
// Each start of the program is several times slower under the sanitizers.
constexpr int kKills = 100;
#else
constexpr int kKills = 200;
#endif
// Runs that end on their own before their kill do not count (more of them
// on a busy machine); this many runs at most.
constexpr int kRuns = kKills * 6;
constexpr int kLanes = 4;

// Every file was seen both old and new after a kill: the kills fell before
// and after each file's replacement.
void ExpectKillsOnBothSides(const KillTally& tally, long saveTime, long window) {
    for (const std::string& fault : tally.faults) {
        ADD_FAILURE() << fault;
    }
    std::printf("%d kills, save %ld us, kills within %ld us; new after:", tally.kills, saveTime, window);
    for (const auto& [file, count] : tally.newAfter) {
        std::printf(" %s %d", file.c_str(), count);
        EXPECT_GT(count, 0) << file;
        EXPECT_LT(count, tally.kills) << file;
    }
    std::printf("\n");
    EXPECT_GE(tally.kills, kKills);
}

// Runs the lane on the old files to its end, three times: the longest its
// save took in microseconds (one run's figure can be cut short when the test
// itself waited for the processor); -1 when a run failed.
long CalibrationRun(KillLane& lane) {
    long longest = -1;
    for (int run = 0; run < 3; ++run) {
        bool killed = false;
        long saveTime = -1;
        std::string problem;
        lane.WriteOldFiles();
        if (!lane.Ready() || !lane.Run(-1, false, killed, saveTime, problem) || killed || saveTime < 0) {
            ADD_FAILURE() << "the run to its end failed: " << problem;
            return -1;
        }
        longest = std::max(longest, saveTime);
    }
    return longest;
}

// Kills a run of the lane on the old files `micros` after its save began:
// "" when it went as planned and left every file whole, else what went wrong.
std::string KilledRun(KillLane& lane, long micros, Outcome& outcome) {
    bool killed = false;
    long ignored = 0;
    std::string problem;
    lane.WriteOldFiles();
    if (!lane.Run(micros, false, killed, ignored, problem)) {
        return problem;
    }
    return lane.CheckFiles(outcome);
}

TEST(SaveKillTest, AKillAtAnyMomentOfTheExitSaveLeavesEveryFileOldOrNewAndWhole) {
    const std::string program = KNOBEL_PROGRAM;
    ASSERT_TRUE(std::filesystem::exists(program)) << program;

    // A run left to end on its own: how long its save takes, and the new
    // files it writes.
    ExitLane calibration(program);
    const long saveTime = CalibrationRun(calibration);
    ASSERT_GE(saveTime, 0);
    Outcome outcome;
    ASSERT_EQ(calibration.CheckFiles(outcome), "");
    ASSERT_TRUE(outcome["knobel.cfg"] && outcome["stats.sav"]);
    // Kills spread from the save's start to twice its length (a loaded
    // machine saves more slowly); every eighth comes soon after the request
    // to end, the others from the save's start on, in a scattered order.
    const long window = 2 * saveTime + 200;
    const KillTally tally = RunKillLanes(
        kKills, kRuns, kLanes, [&] { return std::make_unique<ExitLane>(program); },
        [window](int i) {
            return i % 8 == 7 ? std::pair<long, bool>{(i * 37) % 3000, true}
                              : std::pair<long, bool>{(static_cast<long>(i) * 7919) % window, false};
        });
    ExpectKillsOnBothSides(tally, saveTime, window);

    // Killed in the middle of its save, the program starts again on what the
    // kill left, and saves as usual.
    EXPECT_EQ(KilledRun(calibration, window / 2, outcome), "");
    bool killed = false;
    long ignored = 0;
    std::string problem;
    ASSERT_TRUE(calibration.Run(-1, false, killed, ignored, problem)) << problem;
    EXPECT_FALSE(killed);
    EXPECT_EQ(calibration.CheckFiles(outcome), "");
    EXPECT_TRUE(outcome["knobel.cfg"] && outcome["stats.sav"]);
}

TEST(SaveKillTest, AKillAtAnyMomentOfAPlaysEndLeavesEveryFileOldOrNewAndWhole) {
    const std::string player = KNOBEL_SAVE_PLAYER;
    const std::string program = KNOBEL_PROGRAM;
    ASSERT_TRUE(std::filesystem::exists(player)) << player;

    // A play left to end on its own: how long its saves take, and its files.
    PlayedFiles played;
    PlayLane calibration(player, &played);
    const long saveTime = CalibrationRun(calibration);
    ASSERT_GE(saveTime, 0);
    played = calibration.Played();
    ASSERT_NE(played.historyLine.find(",rechnen.sav,0,training,,"), std::string::npos) << played.historyLine;
    for (const std::string* fresh : {&played.settings, &played.statistics, &played.records}) {
        EXPECT_FALSE(fresh->empty());
    }
    EXPECT_NE(played.statistics, kOldStatistics);
    EXPECT_NE(played.records, kOldGameRecords);
    Outcome outcome;
    ASSERT_EQ(calibration.CheckFiles(outcome), "");

    // Most kills from the history's opening on, up to four times the saves'
    // length (the lanes slow each other, and the player waits after its
    // saves, so a late kill still finds it); every fourth from the request
    // to play up to a little past the opening, so that some fall before the
    // history's line is written.
    const long window = 4 * saveTime + 200;
    const long earlyWindow = calibration.OpenDelay() + calibration.OpenDelay() / 4 + 200;
    const KillTally tally = RunKillLanes(
        kKills, kRuns, kLanes, [&] { return std::make_unique<PlayLane>(player, &played); },
        [window, earlyWindow](int i) {
            return i % 4 == 3 ? std::pair<long, bool>{(static_cast<long>(i) * 7919) % earlyWindow, true}
                              : std::pair<long, bool>{(static_cast<long>(i) * 7919) % window, false};
        });
    ExpectKillsOnBothSides(tally, saveTime, window);

    // The program itself starts on what a kill in the middle left, and saves
    // as usual on its way out.
    ASSERT_EQ(KilledRun(calibration, window / 2, outcome), "");
    ExitLane restart(program);
    for (const char* name : {"knobel.cfg", "stats.sav", "rechnen.sav", "history.csv"}) {
        std::filesystem::copy_file(calibration.Working() + "/" + name, restart.Folder().Path(name));
    }
    bool killed = false;
    long ignored = 0;
    std::string problem;
    ASSERT_TRUE(restart.Run(-1, false, killed, ignored, problem)) << problem;
    EXPECT_FALSE(killed);
    EXPECT_EQ(restart.Folder().Read("stats.sav").rfind("GAME_ZEIT:\t", 0), 0u);
}

}  // namespace
