#include "media/Wave.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t kChunkHeaderSize = 8;
constexpr size_t kWaveFormatSize = 16;

uint16_t Read16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

uint32_t Read32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}

bool HasId(const uint8_t* p, const char* id) { return std::memcmp(p, id, 4) == 0; }

// The format record from a "fmt " chunk's body; false when it is too short for
// what it declares.
bool ReadFormat(const uint8_t* body, size_t size, WaveFormat& format) {
    if (size < kWaveFormatSize) {
        return false;
    }
    format.formatTag = Read16(body);
    format.channels = Read16(body + 2);
    format.samplesPerSecond = Read32(body + 4);
    format.averageBytesPerSecond = Read32(body + 8);
    format.blockAlign = Read16(body + 12);
    format.bitsPerSample = Read16(body + 14);
    format.extra.clear();
    if (format.formatTag == kWaveFormatPcm) {
        return true;
    }
    if (size < kWaveFormatSize + 2) {
        return false;
    }
    const size_t extraSize = Read16(body + kWaveFormatSize);
    if (extraSize > size - kWaveFormatSize - 2) {
        return false;
    }
    const uint8_t* extra = body + kWaveFormatSize + 2;
    format.extra.assign(extra, extra + extraSize);
    return true;
}

}  // namespace

bool ParseWave(const uint8_t* data, size_t size, WaveData& out) {
    out = WaveData{};
    if (data == nullptr || size < 12 || !HasId(data, "RIFF") || !HasId(data + 8, "WAVE")) {
        return false;
    }
    const uint64_t riffEnd = std::min<uint64_t>(kChunkHeaderSize + uint64_t{Read32(data + 4)}, size);
    bool haveFormat = false;
    bool haveData = false;
    uint64_t position = 12;
    while (position + kChunkHeaderSize <= riffEnd && !(haveFormat && haveData)) {
        const uint8_t* header = data + position;
        const uint64_t chunkSize = Read32(header + 4);
        const uint64_t body = position + kChunkHeaderSize;
        if (body + chunkSize > riffEnd) {
            break;
        }
        if (!haveFormat && HasId(header, "fmt ")) {
            if (!ReadFormat(data + body, static_cast<size_t>(chunkSize), out.format)) {
                break;
            }
            haveFormat = true;
        } else if (!haveData && HasId(header, "data")) {
            out.samples.assign(data + body, data + body + chunkSize);
            haveData = true;
        }
        position = body + chunkSize + (chunkSize & 1);
    }
    if (!haveFormat || !haveData) {
        out = WaveData{};
        return false;
    }
    return true;
}

bool IsPlayableWave(const WaveData& wave) {
    const WaveFormat& f = wave.format;
    return f.formatTag == kWaveFormatPcm && (f.channels == 1 || f.channels == 2) &&
           (f.bitsPerSample == 8 || f.bitsPerSample == 16) && f.blockAlign == f.channels * f.bitsPerSample / 8 &&
           f.samplesPerSecond >= 1000 && f.samplesPerSecond <= 192000 && wave.samples.size() >= f.blockAlign;
}
