// Every checked-in fuzz input (the corpus and the inputs that once crashed a
// reader) goes through its reader again, so a fixed fault stays fixed without
// clang or libFuzzer.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "FuzzTargets.h"

namespace {

namespace fs = std::filesystem;

// The file's bytes in a vector of exactly their size, so that a read past the
// end is caught by the address sanitizer.
std::vector<uint8_t> ReadBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

TEST(CorpusReplayTest, EveryReaderKeepsItsPromisesOnEveryCheckedInInput) {
    for (const FuzzTarget& target : FuzzTargets()) {
        int inputs = 0;
        for (const char* kind : {"corpus", "crashes"}) {
            const fs::path folder = fs::path(KNOBEL_FUZZ_DIR) / kind / target.name;
            if (!fs::is_directory(folder)) {
                continue;
            }
            for (const auto& entry : fs::directory_iterator(folder)) {
                const std::vector<uint8_t> bytes = ReadBytes(entry.path());
                EXPECT_TRUE(target.run(bytes.data(), bytes.size())) << entry.path();
                ++inputs;
            }
        }
        EXPECT_GT(inputs, 0) << "no corpus for " << target.name;
    }
}

}  // namespace
