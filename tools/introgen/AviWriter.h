#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Encodes a video into an AVI file: MPEG-4 part 2 pictures from ARGB frames
// (cairo's image layout) and, optionally, 16-bit mono PCM sound. The file is
// written under a temporary name and takes its own name only when Finish
// succeeds. Encoding is bit-exact: the same input gives the same bytes.
class AviWriter {
public:
    struct Settings {
        int width = 0;
        int height = 0;
        int framesPerSecond = 25;
        int sampleRate = 0;  // 0: no sound track
        int quality = 5;     // MPEG-4 quantiser, 2 (best) to 31
    };

    AviWriter();
    ~AviWriter();
    AviWriter(const AviWriter&) = delete;
    AviWriter& operator=(const AviWriter&) = delete;

    bool Open(const std::string& path, const Settings& settings, std::string& error);
    // One picture: height rows of width ARGB words, `stride` bytes apart.
    bool AddFrame(const uint8_t* argb, int stride, std::string& error);
    // Sound to go with the pictures so far; any number of samples.
    bool AddSound(const std::vector<int16_t>& samples, std::string& error);
    // Writes what the encoders hold and the index, then names the file.
    bool Finish(std::string& error);

    struct State;

private:
    std::unique_ptr<State> state_;
};
