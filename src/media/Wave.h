#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The format record of a RIFF WAVE file: the first 16 bytes of its "fmt "
// chunk, and for formats other than PCM the extra bytes that follow their count.
struct WaveFormat {
    uint16_t formatTag = 0;
    uint16_t channels = 0;
    uint32_t samplesPerSecond = 0;
    uint32_t averageBytesPerSecond = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
    std::vector<uint8_t> extra;  // empty for PCM
};

inline constexpr uint16_t kWaveFormatPcm = 1;

struct WaveData {
    WaveFormat format;
    std::vector<uint8_t> samples;  // the "data" chunk's bytes, unchanged
};

// Reads a RIFF WAVE file held in memory: the form type "WAVE", a "fmt " chunk
// of at least 16 bytes and a "data" chunk, both looked for from the start of
// the RIFF chunk's contents (the first of each counts). Chunk sizes are not
// trusted: the RIFF size is cut to the bytes there are, a chunk that runs past
// them ends the search, and chunks of odd size are followed by a pad byte.
// False when the file does not have that shape; the format itself is not judged.
bool ParseWave(const uint8_t* data, size_t size, WaveData& out);

// Whether the sound can be played: PCM with 1 or 2 channels of 8 or 16 bits,
// a block of one sample per channel, a rate of 1000 to 192000 per second, and
// at least one whole block of data.
bool IsPlayableWave(const WaveData& wave);
