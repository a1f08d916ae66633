#include "KillLanes.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <mutex>
#include <thread>

ChildProcess::ChildProcess(std::vector<std::string> arguments, std::vector<std::string> environment,
                           const std::string& folder, bool pipes) {
    // Everything the child needs is made here: between fork and exec a
    // threaded process may only make system calls.
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (std::string& entry : environment) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);
    int toChild[2] = {-1, -1};
    int fromChild[2] = {-1, -1};
    if (pipes && (::pipe2(toChild, O_CLOEXEC) != 0 || ::pipe2(fromChild, O_CLOEXEC) != 0)) {
        return;
    }
    pid_ = ::fork();
    if (pid_ == 0) {
        const int quiet = ::open("/dev/null", O_RDWR);
        const int in = pipes ? toChild[0] : quiet;
        const int out = pipes ? fromChild[1] : quiet;
        if (quiet < 0 || ::dup2(in, 0) < 0 || ::dup2(out, 1) < 0 || ::dup2(quiet, 2) < 0 ||
            ::chdir(folder.c_str()) != 0) {
            _exit(120);
        }
        ::execve(argv[0], argv.data(), envp.data());
        _exit(122);
    }
    if (pipes) {
        ::close(toChild[0]);
        ::close(fromChild[1]);
        input_ = toChild[1];
        output_ = fromChild[0];
    }
}

ChildProcess::~ChildProcess() {
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    for (int fd : {input_, output_}) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
}

bool ChildProcess::ReadLine(std::string& line, KillClock::duration limit) {
    const KillClock::time_point end = KillClock::now() + limit;
    for (;;) {
        const size_t at = buffered_.find('\n');
        if (at != std::string::npos) {
            line = buffered_.substr(0, at);
            buffered_.erase(0, at + 1);
            return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - KillClock::now()).count();
        pollfd ready{output_, POLLIN, 0};
        if (output_ < 0 || left <= 0 || ::poll(&ready, 1, static_cast<int>(left)) <= 0) {
            return false;
        }
        char bytes[512];
        const ssize_t count = ::read(output_, bytes, sizeof bytes);
        if (count <= 0) {
            return false;
        }
        buffered_.append(bytes, static_cast<size_t>(count));
    }
}

bool ChildProcess::WriteLine(const std::string& line) {
    const std::string text = line + "\n";
    return input_ >= 0 && ::write(input_, text.data(), text.size()) == static_cast<ssize_t>(text.size());
}

void ChildProcess::KillAt(KillClock::time_point start, long micros) {
    while (KillClock::now() - start < std::chrono::microseconds(micros)) {
    }
    ::kill(pid_, SIGKILL);
}

bool ChildProcess::Reap(bool& killed, std::string& problem) {
    int status = 0;
    if (pid_ <= 0 || ::waitpid(pid_, &status, 0) != pid_) {
        problem = "no child to wait for";
        return false;
    }
    pid_ = -1;
    killed = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    if (!killed && !(WIFEXITED(status) && WEXITSTATUS(status) == 0)) {
        problem = "ended with status " + std::to_string(status);
        return false;
    }
    return true;
}

FolderWatch::FolderWatch() : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}

FolderWatch::~FolderWatch() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool FolderWatch::Add(const std::string& folder, uint32_t events) {
    return fd_ >= 0 && ::inotify_add_watch(fd_, folder.c_str(), events) >= 0;
}

void FolderWatch::Drain() {
    pending_.clear();
    alignas(inotify_event) char events[4096];
    while (::read(fd_, events, sizeof events) > 0) {
    }
}

bool FolderWatch::Await(uint32_t kind, const std::string& ending, KillClock::duration limit) {
    const KillClock::time_point end = KillClock::now() + limit;
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
        if (KillClock::now() >= end) {
            return false;
        }
        const ssize_t count = ::read(fd_, events, sizeof events);
        for (ssize_t at = 0; at < count;) {
            const auto* event = reinterpret_cast<const inotify_event*>(events + at);
            pending_.emplace_back(event->mask, event->len > 0 ? event->name : "");
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
}

KillTally RunKillLanes(int kills, int maxRuns, int laneCount, const std::function<std::unique_ptr<KillLane>()>& makeLane,
                       const KillMoment& moment) {
    std::mutex mutex;
    KillTally tally;
    std::vector<std::thread> lanes;
    for (int l = 0; l < laneCount; ++l) {
        lanes.emplace_back([&, l] {
            std::unique_ptr<KillLane> lane = makeLane();
            if (!lane->Ready()) {
                std::lock_guard<std::mutex> lock(mutex);
                tally.faults.push_back("lane " + std::to_string(l) + " cannot watch its folder");
                return;
            }
            for (int i = l; i < maxRuns; i += laneCount) {
                {
                    std::lock_guard<std::mutex> lock(mutex);
                    if (tally.kills >= kills) {
                        break;
                    }
                }
                const auto [micros, early] = moment(i);
                bool killed = false;
                long ignored = 0;
                std::string trouble;
                lane->WriteOldFiles();
                const bool ran = lane->Run(micros, early, killed, ignored, trouble);
                Outcome outcome;
                const std::string broken = lane->CheckFiles(outcome);
                std::lock_guard<std::mutex> lock(mutex);
                if (!ran) {
                    tally.faults.push_back("run " + std::to_string(i) + ": " + trouble);
                }
                if (!broken.empty()) {
                    tally.faults.push_back("kill " + std::to_string(i) + " after " + std::to_string(micros) +
                                           " us: " + broken);
                }
                if (killed) {
                    ++tally.kills;
                    for (const auto& [file, isNew] : outcome) {
                        tally.newAfter[file] += isNew ? 1 : 0;
                    }
                }
            }
        });
    }
    for (std::thread& lane : lanes) {
        lane.join();
    }
    return tally;
}
