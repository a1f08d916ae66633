// The program killed (SIGKILL) at many moments while it saves its files on
// the way out: every file afterwards holds either its old or its new complete
// contents, and the program starts again. Runs go in parallel lanes, each
// with its own working folder. A lane starts the program with its intro on,
// waits until it handles SIGTERM, asks it to end with that signal (closing
// during the intro saves, and the intro comes before the costly loading of
// the art, so that a run is short), watches the folder for the save's first
// temporary file and kills the program a varied number of microseconds later.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "support/TempFolder.h"

namespace {

using Clock = std::chrono::steady_clock;

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

// What one kill left: which files were already new.
struct Outcome {
    bool settingsNew = false;
    bool statisticsNew = false;
};

class Lane {
public:
    explicit Lane(const std::string& program) : program_(program) {
        watch_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (watch_ >= 0) {
            inotify_add_watch(watch_, folder_.Path().c_str(), IN_CREATE | IN_MOVED_TO);
        }
        // Everything the child needs is made here: between fork and exec a
        // threaded process may only make system calls.
        for (const std::string& entry :
             {std::string("SDL_VIDEODRIVER=dummy"), std::string("SDL_AUDIODRIVER=dummy"),
              "XDG_DATA_HOME=" + home_.Path(), "XDG_DATA_DIRS=" + home_.Path(), "HOME=" + home_.Path()}) {
            environment_.push_back(entry);
        }
    }
    ~Lane() {
        if (watch_ >= 0) {
            ::close(watch_);
        }
    }
    Lane(const Lane&) = delete;
    Lane& operator=(const Lane&) = delete;

    bool Ready() const { return watch_ >= 0; }
    const TempFolder& Folder() const { return folder_; }

    void WriteOldFiles() const {
        std::error_code ignored;
        for (const char* name : {"knobel.cfg.tmp", "stats.sav.tmp"}) {
            std::filesystem::remove(folder_.Path(name), ignored);
        }
        folder_.Write("knobel.cfg", kOldSettings);
        folder_.Write("stats.sav", kOldStatistics);
        folder_.Write(kGameFile, kOldGameRecords);
    }

    // Starts the program on the files in its folder, asks it to end once it
    // handles SIGTERM, and kills it `micros` microseconds after its save
    // began (with `beforeSave`: after the request to end, not waiting for
    // the save).
    // With `micros` negative the program ends on its own, and `saveTime` gets
    // the microseconds from the save's start until the statistics, saved
    // last, are in place. False with `problem` set when the run did not go
    // as planned.
    bool Run(long micros, bool beforeSave, bool& killed, long& saveTime, std::string& problem) {
        const pid_t child = Launch();
        if (child <= 0 || !AwaitTermHandler(child, std::chrono::seconds(60))) {
            problem = "SIGTERM never handled";
            Finish(child);
            return false;
        }
        Drain();
        ::kill(child, SIGTERM);
        Clock::time_point saveStart = Clock::now();
        if (!beforeSave) {
            if (!AwaitEvent(IN_CREATE, ".tmp", std::chrono::seconds(30))) {
                problem = "no save began";
                Finish(child);
                return false;
            }
            saveStart = Clock::now();
        }
        // A busy wait: a sleep this short would mostly be the scheduler's.
        while (micros >= 0 && Clock::now() - saveStart < std::chrono::microseconds(micros)) {
        }
        if (micros >= 0) {
            ::kill(child, SIGKILL);
        } else if (AwaitEvent(IN_MOVED_TO, "stats.sav", std::chrono::seconds(30))) {
            saveTime = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - saveStart).count();
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        killed = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
        if (!killed && !(WIFEXITED(status) && WEXITSTATUS(status) == 0)) {
            problem = "ended with status " + std::to_string(status);
            return false;
        }
        return true;
    }

    // Compares every file with its two versions; "" when each is whole.
    std::string CheckFiles(Outcome& outcome) const {
        std::string faults;
        const std::string settings = folder_.Read("knobel.cfg");
        outcome.settingsNew = settings == kNewSettings;
        if (!outcome.settingsNew && settings != kOldSettings) {
            faults += "knobel.cfg holds [" + settings + "]\n";
        }
        const std::string statistics = folder_.Read("stats.sav");
        outcome.statisticsNew = statistics == kNewStatistics;
        if (!outcome.statisticsNew && statistics != kOldStatistics) {
            faults += "stats.sav holds [" + statistics + "]\n";
        }
        if (folder_.Read(kGameFile) != kOldGameRecords) {
            faults += kGameFile + " changed\n";
        }
        return faults;
    }

private:
    pid_t Launch() {
        std::vector<char*> environment;
        for (std::string& entry : environment_) {
            environment.push_back(entry.data());
        }
        environment.push_back(nullptr);
        std::string name = program_;
        char* argv[] = {name.data(), nullptr};
        const std::string& folder = folder_.Path();
        const pid_t child = ::fork();
        if (child == 0) {
            const int quiet = ::open("/dev/null", O_WRONLY);
            if (quiet < 0 || ::dup2(quiet, 1) < 0 || ::dup2(quiet, 2) < 0 || ::chdir(folder.c_str()) != 0) {
                _exit(120);
            }
            ::execve(argv[0], argv, environment.data());
            _exit(122);
        }
        return child;
    }

    // Waits until the process catches SIGTERM (its "SigCgt" mask in
    // /proc); before that the signal would end it unsaved.
    static bool AwaitTermHandler(pid_t child, Clock::duration limit) {
        const std::string status = "/proc/" + std::to_string(child) + "/status";
        const unsigned long long term = 1ull << (SIGTERM - 1);
        const Clock::time_point end = Clock::now() + limit;
        while (Clock::now() < end) {
            std::ifstream file(status);
            std::string line;
            while (std::getline(file, line)) {
                if (line.rfind("SigCgt:", 0) == 0 && (std::strtoull(line.c_str() + 7, nullptr, 16) & term) != 0) {
                    return true;
                }
            }
            if (::waitpid(child, nullptr, WNOHANG) == child) {
                return false;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
        return false;
    }

    void Drain() {
        pending_.clear();
        alignas(inotify_event) char events[4096];
        while (::read(watch_, events, sizeof events) > 0) {
        }
    }

    // Waits for an event of `kind` (IN_CREATE, IN_MOVED_TO) on a file of the
    // folder whose name ends in `ending`; the events read after it wait for
    // the next call.
    bool AwaitEvent(uint32_t kind, const std::string& ending, Clock::duration limit) {
        const Clock::time_point end = Clock::now() + limit;
        alignas(inotify_event) char events[4096];
        for (;;) {
            while (!pending_.empty()) {
                const auto [mask, name] = pending_.front();
                pending_.pop_front();
                if ((mask & kind) != 0 && name.size() >= ending.size() &&
                    name.compare(name.size() - ending.size(), ending.size(), ending) == 0) {
                    return true;
                }
            }
            if (Clock::now() >= end) {
                return false;
            }
            const ssize_t count = ::read(watch_, events, sizeof events);
            for (ssize_t at = 0; at < count;) {
                const auto* event = reinterpret_cast<const inotify_event*>(events + at);
                pending_.emplace_back(event->mask, event->len > 0 ? event->name : "");
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
    }

    static void Finish(pid_t child) {
        if (child > 0) {
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
        }
    }

    std::string program_;
    TempFolder folder_;
    TempFolder home_;
    std::vector<std::string> environment_;
    int watch_ = -1;
    std::deque<std::pair<uint32_t, std::string>> pending_;
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

TEST(SaveKillTest, AKillAtAnyMomentOfTheSaveLeavesEveryFileOldOrNewAndWhole) {
    const std::string program = KNOBEL_PROGRAM;
    ASSERT_TRUE(std::filesystem::exists(program)) << program;

    // A run left to end on its own: how long its save takes, and the new
    // files it writes.
    Lane calibration(program);
    ASSERT_TRUE(calibration.Ready());
    bool killed = false;
    long saveTime = -1;
    std::string problem;
    calibration.WriteOldFiles();
    ASSERT_TRUE(calibration.Run(-1, false, killed, saveTime, problem)) << problem;
    ASSERT_GE(saveTime, 0);
    Outcome outcome;
    ASSERT_EQ(calibration.CheckFiles(outcome), "");
    ASSERT_TRUE(outcome.settingsNew && outcome.statisticsNew);
    // Kills spread from the save's start to twice its length (a loaded
    // machine saves more slowly).
    const long window = 2 * saveTime + 200;

    std::mutex mutex;
    std::vector<std::string> faults;
    int kills = 0;
    int settingsNew = 0;
    int statisticsNew = 0;
    std::vector<std::thread> lanes;
    for (int l = 0; l < kLanes; ++l) {
        lanes.emplace_back([&, l] {
            Lane lane(program);
            for (int i = l; i < kRuns && lane.Ready(); i += kLanes) {
                {
                    std::lock_guard<std::mutex> lock(mutex);
                    if (kills >= kKills) {
                        break;
                    }
                }
                // Every eighth kill comes soon after the request to end, the
                // others from the save's start on, in a scattered order.
                const bool beforeSave = i % 8 == 7;
                const long micros = beforeSave ? (i * 37) % 3000 : (static_cast<long>(i) * 7919) % window;
                bool wasKilled = false;
                long ignored = 0;
                std::string trouble;
                lane.WriteOldFiles();
                const bool ran = lane.Run(micros, beforeSave, wasKilled, ignored, trouble);
                Outcome result;
                const std::string broken = lane.CheckFiles(result);
                std::lock_guard<std::mutex> lock(mutex);
                if (!ran) {
                    faults.push_back("run " + std::to_string(i) + ": " + trouble);
                }
                if (!broken.empty()) {
                    faults.push_back("kill " + std::to_string(i) + " after " + std::to_string(micros) +
                                     " us: " + broken);
                }
                if (wasKilled) {
                    ++kills;
                    settingsNew += result.settingsNew ? 1 : 0;
                    statisticsNew += result.statisticsNew ? 1 : 0;
                }
            }
            if (!lane.Ready()) {
                std::lock_guard<std::mutex> lock(mutex);
                faults.push_back("lane " + std::to_string(l) + " cannot watch its folder");
            }
        });
    }
    for (std::thread& lane : lanes) {
        lane.join();
    }
    for (const std::string& fault : faults) {
        ADD_FAILURE() << fault;
    }
    // The kills fall both before and after each file's replacement.
    std::printf("%d kills, save %ld us, kills within %ld us: knobel.cfg new after %d, stats.sav after %d\n", kills,
                saveTime, window, settingsNew, statisticsNew);
    EXPECT_GE(kills, kKills);
    EXPECT_GT(settingsNew, 0);
    EXPECT_LT(settingsNew, kills);
    EXPECT_GT(statisticsNew, 0);
    EXPECT_LT(statisticsNew, kills);

    // Killed in the middle of its save, the program starts again on what the
    // kill left, and saves as usual.
    calibration.WriteOldFiles();
    long ignored = 0;
    ASSERT_TRUE(calibration.Run(window / 2, false, killed, ignored, problem)) << problem;
    EXPECT_EQ(calibration.CheckFiles(outcome), "");
    ASSERT_TRUE(calibration.Run(-1, false, killed, ignored, problem)) << problem;
    EXPECT_FALSE(killed);
    EXPECT_EQ(calibration.CheckFiles(outcome), "");
    EXPECT_TRUE(outcome.settingsNew && outcome.statisticsNew);
}

}  // namespace
