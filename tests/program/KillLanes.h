#pragma once

// What the kill tests share: starting a child process, watching its folder
// for the files it saves, killing it a set time after an event, and running
// many such kills in parallel lanes.
#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using KillClock = std::chrono::steady_clock;

// A process started with fork and execve in `folder` with exactly the given
// environment; its standard error goes nowhere. With `pipes` the test writes
// to its standard input and reads its standard output; without, its output
// goes nowhere as well.
class ChildProcess {
public:
    ChildProcess(std::vector<std::string> arguments, std::vector<std::string> environment, const std::string& folder,
                 bool pipes);
    ~ChildProcess();  // kills the child when it still runs
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t Pid() const { return pid_; }
    // One line of its output, without the line end; false when none came in time.
    bool ReadLine(std::string& line, KillClock::duration limit);
    bool WriteLine(const std::string& line);
    // Busy waits until `micros` after `start` (a sleep this short would
    // mostly be the scheduler's), then sends SIGKILL.
    void KillAt(KillClock::time_point start, long micros);
    // Waits for its end: true when it was killed or exited with status 0.
    bool Reap(bool& killed, std::string& problem);

private:
    pid_t pid_ = -1;
    int input_ = -1;
    int output_ = -1;
    std::string buffered_;
};

// inotify on folders: events on their files, in order.
class FolderWatch {
public:
    FolderWatch();
    ~FolderWatch();
    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;

    bool Ready() const { return fd_ >= 0; }
    bool Add(const std::string& folder, uint32_t events);
    // Forgets every event so far.
    void Drain();
    // Waits for an event of `kind` on a file whose name ends in `ending`; the
    // events read after it wait for the next call.
    bool Await(uint32_t kind, const std::string& ending, KillClock::duration limit);

private:
    int fd_ = -1;
    std::deque<std::pair<uint32_t, std::string>> pending_;
};

// Which files one kill left new (the others were old).
using Outcome = std::map<std::string, bool>;

// A lane: a working folder, a program that saves into it, and the check.
class KillLane {
public:
    virtual ~KillLane() = default;
    virtual bool Ready() const = 0;
    virtual void WriteOldFiles() = 0;
    // Starts the program and kills it `micros` microseconds after its save
    // began (`early`: after the request that leads to it, not waiting for the
    // save's first sign). With `micros` negative the program ends on its own
    // and `saveTime` gets the microseconds its saves took. False with
    // `problem` set when the run did not go as planned.
    virtual bool Run(long micros, bool early, bool& killed, long& saveTime, std::string& problem) = 0;
    // "" when every file holds its old or its new contents, whole; else what is wrong.
    virtual std::string CheckFiles(Outcome& outcome) = 0;
};

// What the lanes together saw.
struct KillTally {
    int kills = 0;
    std::map<std::string, int> newAfter;  // per file: the kills after which it was new
    std::vector<std::string> faults;
};

// When run `i` kills: microseconds, and whether early.
using KillMoment = std::function<std::pair<long, bool>(int run)>;

// Runs `laneCount` lanes in parallel, each made by `makeLane`, until `kills`
// kills happened or `maxRuns` runs were made (runs that end on their own
// before their kill do not count).
KillTally RunKillLanes(int kills, int maxRuns, int laneCount, const std::function<std::unique_ptr<KillLane>()>& makeLane,
                       const KillMoment& moment);
