#include "WaveBytes.h"

#include <cmath>

std::string LittleEndian(uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    return out;
}

std::string ChunkDeclaring(const std::string& id, uint32_t declaredSize, const std::string& body) {
    std::string chunk = id + LittleEndian(declaredSize, 4) + body;
    if (body.size() % 2 != 0) {
        chunk += '\0';
    }
    return chunk;
}

std::string Chunk(const std::string& id, const std::string& body) {
    return ChunkDeclaring(id, static_cast<uint32_t>(body.size()), body);
}

std::string Riff(const std::string& chunks) {
    return "RIFF" + LittleEndian(static_cast<uint32_t>(chunks.size() + 4), 4) + "WAVE" + chunks;
}

std::string PcmFormatBody(int channels, int samplesPerSecond, int bitsPerSample) {
    const int blockAlign = channels * bitsPerSample / 8;
    return LittleEndian(1, 2) + LittleEndian(static_cast<uint32_t>(channels), 2) +
           LittleEndian(static_cast<uint32_t>(samplesPerSecond), 4) +
           LittleEndian(static_cast<uint32_t>(samplesPerSecond * blockAlign), 4) +
           LittleEndian(static_cast<uint32_t>(blockAlign), 2) + LittleEndian(static_cast<uint32_t>(bitsPerSample), 2);
}

std::string Pcm16Wave(const std::vector<int16_t>& samples, int samplesPerSecond, int channels) {
    std::string data;
    for (int16_t sample : samples) {
        data += LittleEndian(static_cast<uint16_t>(sample), 2);
    }
    return Riff(Chunk("fmt ", PcmFormatBody(channels, samplesPerSecond, 16)) + Chunk("data", data));
}

std::vector<int16_t> Tone(double seconds, int samplesPerSecond) {
    std::vector<int16_t> samples(static_cast<size_t>(seconds * samplesPerSecond));
    for (size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<int16_t>(2000 * std::sin(static_cast<double>(i) * 0.1));
    }
    return samples;
}

std::vector<uint8_t> Bytes(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }
