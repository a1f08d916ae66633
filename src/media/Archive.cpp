#include "media/Archive.h"

#include <cstring>

namespace {

uint32_t LittleEndian32(const unsigned char* bytes) {
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

bool ReadExactly(std::ifstream& file, unsigned char* buffer, std::streamsize count) {
    file.read(reinterpret_cast<char*>(buffer), count);
    return file.gcount() == count;
}

bool SeekTo(std::ifstream& file, uint64_t position) {
    file.clear();
    file.seekg(static_cast<std::streamoff>(position));
    return !file.fail();
}

// Reads the header from the start of the file and checks it; leaves the file
// positioned at the first directory record.
bool ReadHeader(ArchiveFile& archive, int32_t& count) {
    unsigned char header[kArchiveHeaderSize];
    if (!SeekTo(archive.file, 0) || !ReadExactly(archive.file, header, sizeof header)) {
        return false;
    }
    if (std::memcmp(header, "GOB", 4) != 0) {  // the three letters and a zero
        return false;
    }
    count = static_cast<int32_t>(LittleEndian32(header + 4));
    return count >= 1 &&
           kArchiveHeaderSize + static_cast<uint64_t>(count) * kArchiveRecordSize <= archive.fileSize;
}

// Reads the record at the current position.
bool ReadNextRecord(std::ifstream& file, ArchiveRecord& record) {
    unsigned char bytes[kArchiveRecordSize];
    if (!ReadExactly(file, bytes, sizeof bytes)) {
        return false;
    }
    record.offset = LittleEndian32(bytes);
    record.size = LittleEndian32(bytes + 4);
    const char* name = reinterpret_cast<const char*>(bytes + 8);
    record.name.assign(name, strnlen(name, kArchiveNameSize));
    return true;
}

}  // namespace

std::string ArchiveNameKey(std::string_view name) {
    std::string key(name);
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return key;
}

ArchiveHandle ArchiveOpen(const std::string& fileName) {
    auto archive = std::make_unique<ArchiveFile>();
    archive->file.open(fileName, std::ios::binary);
    if (!archive->file.is_open()) {
        return nullptr;
    }
    archive->file.seekg(0, std::ios::end);
    const std::streamoff end = archive->file.tellg();
    if (end < 0) {
        return nullptr;
    }
    archive->fileSize = static_cast<uint64_t>(end);
    if (!ReadHeader(*archive, archive->entryCount)) {
        return nullptr;
    }
    return archive;
}

void ArchiveClose(ArchiveHandle& archive) {
    archive.reset();
}

bool ArchiveRecordUsable(const ArchiveFile& archive, const ArchiveRecord& record) {
    return record.size <= kArchiveMaxEntrySize &&
           static_cast<uint64_t>(record.offset) + record.size <= archive.fileSize;
}

ArchiveFile* ArchiveFind(ArchiveFile* archive, const char* entryName, uint32_t* size) {
    if (archive == nullptr || entryName == nullptr || *entryName == '\0') {
        return nullptr;
    }
    int32_t count = 0;
    if (!ReadHeader(*archive, count)) {
        return nullptr;
    }
    const std::string wanted = ArchiveNameKey(entryName);
    ArchiveRecord record;
    for (int32_t i = 0; i < count; ++i) {
        if (!ReadNextRecord(archive->file, record)) {
            return nullptr;
        }
        // A damaged record is no entry at all: a later one of the same name may serve.
        if (ArchiveNameKey(record.name) == wanted && ArchiveRecordUsable(*archive, record)) {
            if (!SeekTo(archive->file, record.offset)) {
                return nullptr;
            }
            if (size != nullptr) {
                *size = record.size;
            }
            return archive;
        }
    }
    return nullptr;
}

bool ArchiveRead(ArchiveFile* archive, const char* entryName, std::vector<uint8_t>& out) {
    out.clear();
    uint32_t size = 0;
    if (ArchiveFind(archive, entryName, &size) == nullptr) {
        return false;
    }
    out.resize(size);
    if (size > 0 && !ReadExactly(archive->file, out.data(), size)) {
        out.clear();
        return false;
    }
    return true;
}

bool ArchiveReadRecord(ArchiveFile* archive, int index, ArchiveRecord& record) {
    if (archive == nullptr || index < 0 || index >= archive->entryCount) {
        return false;
    }
    const uint64_t position = kArchiveHeaderSize + static_cast<uint64_t>(index) * kArchiveRecordSize;
    return SeekTo(archive->file, position) && ReadNextRecord(archive->file, record);
}
