#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Archive files built byte by byte, to be damaged at will by the tests.

// Name and content of one entry.
using ArchiveEntryBytes = std::pair<std::string, std::string>;

// A well-formed archive: header, directory in the given order, then the data
// in the same order.
std::string ArchiveBytes(const std::vector<ArchiveEntryBytes>& entries);

// Where directory record index starts, and the fields within it.
size_t RecordPosition(int index);
inline size_t OffsetField(int index) { return RecordPosition(index); }
inline size_t SizeField(int index) { return RecordPosition(index) + 4; }
inline size_t NameField(int index) { return RecordPosition(index) + 8; }

// Overwrites the little-endian 32-bit number at position.
void PatchNumber(std::string& bytes, size_t position, uint32_t value);
