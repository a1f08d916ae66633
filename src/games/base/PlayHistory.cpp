#include "games/base/PlayHistory.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>

#include "app/AppState.h"
#include "platform/LargePages.h"
#include "settings/FileLocations.h"
#include "settings/SaveFailure.h"

namespace history {

namespace {

constexpr int kColumns = 8;
constexpr const char* kEnds[] = {"finished", "failed", "ended"};

std::string Number(double value, int places) {
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, places);
    return result.ec == std::errc() ? std::string(buffer.data(), result.ptr) : std::string("0");
}

template <typename T>
bool ReadNumber(std::string_view text, T& value) {
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

// 2026-12-07T15:40:12: digits where the digits go.
bool IsTime(std::string_view text) {
    constexpr std::string_view kShape = "0000-00-00T00:00:00";
    if (text.size() != kShape.size()) {
        return false;
    }
    for (size_t i = 0; i < text.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (kShape[i] == '0' ? !digit : text[i] != kShape[i]) {
            return false;
        }
    }
    return true;
}

bool IsGameKey(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    for (const char c : text) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                           c == '.' || c == '_' || c == '-';
        if (!plain) {
            return false;
        }
    }
    return true;
}

bool IsEnd(std::string_view text) {
    for (const char* end : kEnds) {
        if (text == end) {
            return true;
        }
    }
    return false;
}

bool WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        text.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// Whether the file's last byte ends a line (true for an empty file).
bool EndsWithLineEnd(int fd, off_t size) {
    char last = '\n';
    return size == 0 || (::pread(fd, &last, 1, size - 1) == 1 && last == '\n');
}

std::string HeaderLine() {
    std::string line = kHeader;
    line += '\n';
    return line;
}

}  // namespace

std::string LocalTimeNow() { return LocalTime(std::time(nullptr)); }

std::string LocalTime(std::time_t when) {
    std::tm local{};
    char text[32] = "1970-01-01T00:00:00";
    if (localtime_r(&when, &local) != nullptr) {
        std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    }
    return text;
}

std::string FormatLine(const Play& play) {
    return play.time + ',' + play.game + ',' + std::to_string(play.level) + ',' + (play.inTest ? "test" : "training") +
           ',' + play.test + ',' + Number(play.grade, 2) + ',' + Number(play.seconds, 1) + ',' + play.end;
}

std::optional<Play> ParseLine(std::string_view line) {
    Play play;
    if (!ParseLineInto(line, play)) {
        return std::nullopt;
    }
    return play;
}

bool ParseLineInto(std::string_view line, Play& play) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    std::array<std::string_view, kColumns> fields;
    size_t count = 0;
    for (size_t start = 0;; ++count) {
        const size_t comma = line.find(',', start);
        if (count >= fields.size()) {
            return false;
        }
        fields[count] = line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
        if (comma == std::string_view::npos) {
            ++count;
            break;
        }
        start = comma + 1;
    }
    const std::string_view mode = fields[3];
    if (count != kColumns || !IsTime(fields[0]) || !IsGameKey(fields[1]) || !ReadNumber(fields[2], play.level) ||
        play.level < 0 || play.level > 2 || (mode != "training" && mode != "test") ||
        (mode == "test") == fields[4].empty() || (!fields[4].empty() && !IsTime(fields[4])) ||
        !ReadNumber(fields[5], play.grade) || !(play.grade >= 1.0 && play.grade <= 6.0) ||
        !ReadNumber(fields[6], play.seconds) || !(play.seconds >= 0.0 && std::isfinite(play.seconds)) ||
        !IsEnd(fields[7])) {
        return false;
    }
    play.time = fields[0];
    play.game = fields[1];
    play.inTest = mode == "test";
    play.test = fields[4];
    play.end = fields[7];
    return true;
}

bool Append(const std::string& path, const Play& play) {
    const int fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0;
    std::string text;
    if (ok && info.st_size == 0) {
        text = HeaderLine();
    } else if (ok && !EndsWithLineEnd(fd, info.st_size)) {
        text.push_back('\n');
    }
    text += FormatLine(play);
    text += '\n';
    // One write for the line, then to the disk before the play is over.
    ok = ok && WriteAll(fd, text) && ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

bool Clear(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    const bool ok = WriteAll(fd, HeaderLine()) && ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

void ClearRecorded() {
    if (!Clear(SaveFileForWriting(kFileName))) {
        ReportSaveFailure(*GetAppState(), kFileName);
    }
}

void Record(Play play) {
    play.time = LocalTimeNow();
    if (!Append(SaveFileForWriting(kFileName), play)) {
        ReportSaveFailure(*GetAppState(), kFileName);
    }
}

Contents ReadText(std::string_view text) {
    Contents contents;
    size_t lines = 0;
    for (size_t at = text.find('\n'); at != std::string_view::npos; at = text.find('\n', at + 1)) {
        ++lines;
    }
    contents.plays.reserve(lines + 1);
    platform::AdviseLargePages(contents.plays.data(), contents.plays.capacity() * sizeof(Play));
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.empty() || line == kHeader) {
            continue;
        }
        if (!ParseLineInto(line, contents.plays.emplace_back())) {
            contents.plays.pop_back();
            ++contents.skipped;
        }
    }
    return contents;
}

Contents Read(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return {};
    }
    struct stat info {};
    Contents contents;
    if (::fstat(fd, &info) == 0 && info.st_size > 0) {
        // Mapped with its pages in at once: no copy of the text, and no page
        // fault for each of its pages.
        const auto size = static_cast<size_t>(info.st_size);
        void* text = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
        if (text != MAP_FAILED) {
            contents = ReadText(std::string_view(static_cast<const char*>(text), size));
            ::munmap(text, size);
        }
    }
    ::close(fd);
    if (contents.skipped > 0) {
        std::fprintf(stderr, "Knobelkiste: %d damaged lines of %s skipped\n", contents.skipped, path.c_str());
    }
    return contents;
}

Contents ReadRecorded() { return Read(SaveFileForReading(kFileName)); }

}  // namespace history
