#pragma once

#include <cstdint>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The asset archive ("sport.gob"): all images, sounds and some text data in one
// file. Layout, all integers little-endian:
//   0   4            magic 'G' 'O' 'B' 0
//   4   4            entry count, signed, at least 1
//   8   count * 268  directory records: data offset (u32, from the start of the
//                    file), data size (u32), name (260 bytes, zero-padded)
//   then the entries' bytes, located only by the directory.
// Names use "\" between folder and file ("Sounds\klick_game.wav") and are
// looked up without regard to ASCII letter case.
//
// The directory is read as untrusted input: a record whose data lies outside
// the file or is larger than kArchiveMaxEntrySize counts as missing, and a
// name filling its whole field without a terminating zero is taken as 260
// characters.

inline constexpr uint64_t kArchiveHeaderSize = 8;
inline constexpr uint64_t kArchiveRecordSize = 268;
inline constexpr size_t kArchiveNameSize = 260;
inline constexpr uint32_t kArchiveMaxEntrySize = 64u * 1024u * 1024u;

// An open archive. Every reader shares the one file position: read an entry
// right after finding it, before any other archive call moves the position.
struct ArchiveFile {
    std::ifstream file;
    uint64_t fileSize = 0;
    int32_t entryCount = 0;
};

using ArchiveHandle = std::unique_ptr<ArchiveFile>;

// One directory record as stored.
struct ArchiveRecord {
    uint32_t offset = 0;
    uint32_t size = 0;
    std::string name;
};

// Opens the archive for reading; empty when the file is missing or its header
// is wrong (magic, count below 1, or a directory longer than the file).
ArchiveHandle ArchiveOpen(const std::string& fileName);

// Closes the archive and empties the handle; an empty handle is left alone.
void ArchiveClose(ArchiveHandle& archive);

// Finds the first usable entry called entryName and leaves the file positioned
// at its first data byte; stores its size in *size when size is not null.
// Gives archive on success, null otherwise. A null or empty name gives null
// without touching the file.
ArchiveFile* ArchiveFind(ArchiveFile* archive, const char* entryName, uint32_t* size = nullptr);

// Reads exactly the bytes of the entry into out. False (and out empty) when the
// entry is missing or fewer bytes could be read.
bool ArchiveRead(ArchiveFile* archive, const char* entryName, std::vector<uint8_t>& out);

// Reads the directory record at index (0 .. entryCount - 1); false when the
// index is out of range or the record cannot be read whole.
bool ArchiveReadRecord(ArchiveFile* archive, int index, ArchiveRecord& record);

// The name with ASCII letters in lower case: two names denote the same entry
// when their keys are equal.
std::string ArchiveNameKey(std::string_view name);

// Whether a record's data lies within the file and within the size limit.
bool ArchiveRecordUsable(const ArchiveFile& archive, const ArchiveRecord& record);
