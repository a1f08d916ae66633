#pragma once

#include <cstdint>
#include <string>
#include <vector>

// RIFF WAVE files built byte by byte, to be damaged at will by the tests.

// A little-endian number of `bytes` bytes.
std::string LittleEndian(uint32_t value, int bytes);

// A chunk: its id, the declared size (the body's size unless given), the body,
// and the pad byte that follows a body of odd size.
std::string Chunk(const std::string& id, const std::string& body);
std::string ChunkDeclaring(const std::string& id, uint32_t declaredSize, const std::string& body);

// "RIFF", the size of what follows, "WAVE" and the chunks.
std::string Riff(const std::string& chunks);

// The body of a PCM "fmt " chunk (16 bytes).
std::string PcmFormatBody(int channels, int samplesPerSecond, int bitsPerSample);

// A whole 16-bit PCM file.
std::string Pcm16Wave(const std::vector<int16_t>& samples, int samplesPerSecond, int channels = 1);

// `seconds` of a quiet tone as 16-bit mono samples.
std::vector<int16_t> Tone(double seconds, int samplesPerSecond = 22050);

// The bytes of a string as an unsigned byte vector, sized exactly (so reading
// past the end is caught by the address sanitizer).
std::vector<uint8_t> Bytes(const std::string& text);
