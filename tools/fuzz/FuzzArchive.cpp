// The asset archive: header, directory and entry lookup by name.
#include <algorithm>
#include <cstring>

#include "FuzzTargets.h"
#include "media/Archive.h"
#include "media/ArchiveStream.h"

namespace {

// Entries looked up by their directory names (a lookup walks the directory,
// so only the first ones: the time stays linear in the file).
constexpr int kLookedUpRecords = 16;

// The names the program asks for, whether the file has them or not.
constexpr const char* kProgramNames[] = {"Sounds\\klick_game.wav", "TEXTURES\\MISC1.PNG", "words_d", "bb_0"};

// An entry read by name holds exactly the file's bytes where the directory says.
bool ReadsItsOwnBytes(ArchiveFile* archive, const char* name, const uint8_t* data, size_t size) {
    uint32_t found = 0;
    if (ArchiveFind(archive, name, &found) == nullptr) {
        std::vector<uint8_t> bytes;
        return !ArchiveRead(archive, name, bytes) && bytes.empty();
    }
    const std::streamoff offset = archive->file.tellg();
    if (offset < 0 || static_cast<uint64_t>(offset) + found > size) {
        return false;
    }
    std::vector<uint8_t> bytes;
    if (!ArchiveRead(archive, name, bytes) || bytes.size() != found) {
        return false;
    }
    if (found > 0 && std::memcmp(bytes.data(), data + offset, found) != 0) {
        return false;
    }
    ArchiveStream stream(archive, name);
    return stream.IsOpen();
}

}  // namespace

bool FuzzArchive(const uint8_t* data, size_t size) {
    const std::string path = FuzzInputFile("archive", data, size);
    ArchiveHandle archive = ArchiveOpen(path);
    if (!archive) {
        return true;
    }
    if (archive->entryCount < 1 || kArchiveHeaderSize + uint64_t(archive->entryCount) * kArchiveRecordSize > size) {
        return false;
    }
    const int records = std::min(archive->entryCount, kLookedUpRecords);
    for (int i = 0; i < records; ++i) {
        ArchiveRecord record;
        if (!ArchiveReadRecord(archive.get(), i, record) || record.name.size() > kArchiveNameSize) {
            return false;
        }
        if (ArchiveRecordUsable(*archive, record) && uint64_t(record.offset) + record.size > size) {
            return false;
        }
        if (!record.name.empty() && !ReadsItsOwnBytes(archive.get(), record.name.c_str(), data, size)) {
            return false;
        }
    }
    ArchiveRecord beyond;
    if (ArchiveReadRecord(archive.get(), archive->entryCount, beyond)) {
        return false;
    }
    for (const char* name : kProgramNames) {
        if (!ReadsItsOwnBytes(archive.get(), name, data, size)) {
            return false;
        }
    }
    ArchiveClose(archive);
    return archive == nullptr;
}
