#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Rect.h"

// Reading back what the generator wrote, independently of how it drew it.

// A decoded PNG with straight (not premultiplied) RGBA access.
class Image {
public:
    // Loads the file; Valid() is false when it is missing or no PNG.
    explicit Image(const std::string& path);
    bool Valid() const { return width_ > 0; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int Alpha(int x, int y) const { return static_cast<int>(Pixel(x, y) >> 24); }
    // Channel 0..255 of red (0), green (1) or blue (2), unpremultiplied.
    int Channel(int x, int y, int channel) const;
    // Relative luminance 0..1 of the pixel's colour (alpha ignored).
    double Luminance(int x, int y) const;
    // Mean luminance over a rectangle.
    double MeanLuminance(const Rect& r) const;

private:
    std::uint32_t Pixel(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;  // premultiplied ARGB, as cairo stores it
};

// The fields of a RIFF WAVE file that the game's reader looks at.
struct Wave {
    bool valid = false;
    int formatTag = 0;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::vector<std::int16_t> samples;  // 16-bit data only
    double Seconds() const {
        return valid && channels > 0 ? static_cast<double>(samples.size()) / channels / sampleRate : 0;
    }
};

// A texture of the shared generator run, by archive entry ("misc1.PNG"), loaded once.
const Image& Generated(const std::string& entry);

// Parses a RIFF WAVE file with bounds-checked chunk walking.
Wave ReadWave(const std::string& path);

// The folder with one complete generator run, made on first use and shared by
// all tests of this executable.
const std::string& GeneratedFolder();

// The whole file as bytes ("" when missing).
std::string ReadBytes(const std::string& path);
