#include "sound/Wave.h"

#include <string_view>

namespace {

void Put(std::vector<unsigned char>& out, std::string_view tag) {
    for (const char c : tag) {
        out.push_back(static_cast<unsigned char>(c));
    }
}

// Little-endian, as RIFF stores every number.
void PutLE(std::vector<unsigned char>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<unsigned char>((value >> (8 * i)) & 0xFF));
    }
}

}  // namespace

std::vector<unsigned char> EncodeWave(const std::vector<std::int16_t>& samples, int sampleRate) {
    constexpr std::uint32_t kChannels = 1;
    constexpr std::uint32_t kBits = 16;
    const std::uint32_t blockAlign = kChannels * kBits / 8;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * blockAlign);

    std::vector<unsigned char> out;
    out.reserve(44 + dataBytes + 1);
    Put(out, "RIFF");
    PutLE(out, 4 + (8 + 16) + (8 + dataBytes + (dataBytes & 1)), 4);
    Put(out, "WAVE");
    Put(out, "fmt ");
    PutLE(out, 16, 4);
    PutLE(out, 1, 2);  // PCM
    PutLE(out, kChannels, 2);
    PutLE(out, static_cast<std::uint32_t>(sampleRate), 4);
    PutLE(out, static_cast<std::uint32_t>(sampleRate) * blockAlign, 4);
    PutLE(out, blockAlign, 2);
    PutLE(out, kBits, 2);
    Put(out, "data");
    PutLE(out, dataBytes, 4);
    for (std::int16_t s : samples) {
        PutLE(out, static_cast<std::uint16_t>(s), 2);
    }
    if (dataBytes & 1) {
        out.push_back(0);  // chunks are padded to even sizes
    }
    return out;
}
