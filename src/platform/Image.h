#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// A decoded image: ARGB pixels, row by row, top row first.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Images larger than this on either side are refused.
constexpr int kMaxImageSide = 8192;

// The most pixels PNG bytes of that size can hold: deflate makes at most 1032
// bytes of one, and a pixel takes at least one bit. A header that claims more
// is refused before anything is allocated for it.
constexpr size_t MaxPngPixels(size_t fileSize) { return fileSize * 8 * 1032; }

// Decodes PNG bytes; false (and an empty image) for anything that is not a
// readable PNG within the size limits.
bool DecodePng(const uint8_t* data, size_t size, Image& out);

// Writes the image as a PNG file; false on failure.
bool WritePng(const std::string& path, const Image& image);

}  // namespace platform
