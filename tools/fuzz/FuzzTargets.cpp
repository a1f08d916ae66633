#include "FuzzTargets.h"

#include <sys/mman.h>
#include <unistd.h>

#include <map>

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
        {"history", FuzzHistory},
    };
    return kTargets;
}

std::string FuzzInputFile(const char* tag, const uint8_t* data, size_t size) {
    // One file in memory per tag (no disk, nothing to remove at the end),
    // emptied and written again for each input; readers open it by its path
    // under /proc.
    static std::map<std::string, int> files;
    auto [file, created] = files.try_emplace(tag, -1);
    if (created) {
        file->second = ::memfd_create((std::string("knobel-fuzz-") + tag).c_str(), MFD_CLOEXEC);
    }
    const int fd = file->second;
    if (fd < 0 || ::ftruncate(fd, 0) != 0) {
        return std::string();
    }
    for (size_t written = 0; written < size;) {
        const ssize_t count = ::pwrite(fd, data + written, size - written, static_cast<off_t>(written));
        if (count <= 0) {
            return std::string();
        }
        written += static_cast<size_t>(count);
    }
    return "/proc/self/fd/" + std::to_string(fd);
}
