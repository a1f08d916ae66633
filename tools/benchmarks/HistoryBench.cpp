// Prints how long reading a play history of 100,000 lines takes, the file
// written into a temporary folder first.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>

#include "games/base/PlayHistory.h"

int main() {
    constexpr int kLines = 100000;
    char folder[] = "/tmp/knobel-history-XXXXXX";
    if (mkdtemp(folder) == nullptr) {
        return 1;
    }
    const std::string path = std::string(folder) + "/" + history::kFileName;
    {
        std::ofstream file(path, std::ios::binary);
        file << history::kHeader << '\n';
        history::Play play;
        play.time = "2026-12-07T15:40:12";
        play.level = 1;
        play.end = "finished";
        for (int i = 0; i < kLines; ++i) {
            play.game = i % 24 == 23 ? history::kTestGame : "game" + std::to_string(i % 23) + ".sav";
            play.inTest = i % 3 == 0;
            play.test = play.inTest ? "2026-12-07T15:30:00" : "";
            play.grade = 1.0 + (i % 500) / 100.0;
            play.seconds = 30.0 + i % 200;
            file << history::FormatLine(play) << '\n';
        }
    }
    // Wall time, and the CPU time, which a busy machine does not inflate.
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    const history::Contents contents = history::Read(path);
    const double cpuMs = 1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("history of %zu plays (%d skipped) read in %.1f ms (%.1f ms of CPU)\n", contents.plays.size(),
                contents.skipped, ms, cpuMs);
    std::remove(path.c_str());
    std::remove(folder);
    return contents.plays.size() == kLines ? 0 : 1;
}
