#pragma once

#include <cstdint>
#include <vector>

// A RIFF WAVE file of 16-bit mono PCM samples.
std::vector<unsigned char> EncodeWave(const std::vector<std::int16_t>& samples, int sampleRate);
