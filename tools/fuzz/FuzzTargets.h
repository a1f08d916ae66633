#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// One fuzz target per file reader. Each function feeds the bytes to the reader
// as the program would meet them in a file and checks what came out against
// the reader's promises (bounds, ranges, round trips). True when every promise
// held; a crash, a sanitizer report or false is a fault of the reader. The
// libFuzzer executables and the corpus replay test call the same functions.
bool FuzzArchive(const uint8_t* data, size_t size);
bool FuzzPng(const uint8_t* data, size_t size);
bool FuzzWave(const uint8_t* data, size_t size);
bool FuzzWordList(const uint8_t* data, size_t size);
bool FuzzPictureFile(const uint8_t* data, size_t size);
bool FuzzSettings(const uint8_t* data, size_t size);
bool FuzzGameRecords(const uint8_t* data, size_t size);
bool FuzzGlobalStatistics(const uint8_t* data, size_t size);
bool FuzzLanguageTexts(const uint8_t* data, size_t size);
bool FuzzTextFormat(const uint8_t* data, size_t size);
bool FuzzVideo(const uint8_t* data, size_t size);
bool FuzzHistory(const uint8_t* data, size_t size);

using FuzzFunction = bool (*)(const uint8_t*, size_t);

struct FuzzTarget {
    const char* name;  // the folder of its corpus and the executable's suffix
    FuzzFunction run;
};

// Every target, in a fixed order.
std::span<const FuzzTarget> FuzzTargets();

// The bytes as text, unchanged.
inline std::string FuzzText(const uint8_t* data, size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

// Writes the bytes to a file of this process's own, kept in memory (the same
// file on every call for the same tag), and gives its path; "" when it cannot
// be written. For readers that take a path.
std::string FuzzInputFile(const char* tag, const uint8_t* data, size_t size);
