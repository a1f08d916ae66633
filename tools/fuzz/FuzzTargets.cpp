#include "FuzzTargets.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>

namespace {

// Removes the input files when the process ends.
struct InputFiles {
    std::set<std::string> paths;
    ~InputFiles() {
        for (const std::string& path : paths) {
            std::remove(path.c_str());
        }
    }
};

}  // namespace

std::span<const FuzzTarget> FuzzTargets() {
    static constexpr FuzzTarget kTargets[] = {
        {"archive", FuzzArchive},
        {"png", FuzzPng},
        {"wave", FuzzWave},
        {"wordlist", FuzzWordList},
        {"picture", FuzzPictureFile},
        {"settings", FuzzSettings},
        {"records", FuzzGameRecords},
        {"statistics", FuzzGlobalStatistics},
        {"language", FuzzLanguageTexts},
        {"textformat", FuzzTextFormat},
        {"video", FuzzVideo},
    };
    return kTargets;
}

std::string FuzzInputFile(const char* tag, const uint8_t* data, size_t size) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("knobel-fuzz-" + std::to_string(getpid()) + "-" + tag);
    static InputFiles files;
    files.paths.insert(path.string());
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    file.close();
    return file ? path.string() : std::string();
}
