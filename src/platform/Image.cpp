#include "platform/Image.h"

#include <png.h>

#include <cstring>

#include "platform/LargePages.h"

namespace platform {

bool DecodePng(const uint8_t* data, size_t size, Image& out) {
    out = Image{};
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (data == nullptr || png_image_begin_read_from_memory(&png, data, size) == 0) {
        return false;
    }
    if (png.width == 0 || png.height == 0 || png.width > kMaxImageSide || png.height > kMaxImageSide ||
        static_cast<size_t>(png.width) * png.height > MaxPngPixels(size)) {
        png_image_free(&png);
        return false;
    }
    // BGRA bytes are ARGB words on a little-endian machine.
    png.format = PNG_FORMAT_BGRA;
    Image image;
    image.width = static_cast<int>(png.width);
    image.height = static_cast<int>(png.height);
    // Reserved first, so that the fresh block can take large pages before
    // resize touches it.
    const size_t count = static_cast<size_t>(image.width) * image.height;
    image.pixels.reserve(count);
    AdviseLargePages(image.pixels.data(), count * sizeof(uint32_t));
    image.pixels.resize(count);
    if (png_image_finish_read(&png, nullptr, image.pixels.data(), 0, nullptr) == 0) {
        png_image_free(&png);
        return false;
    }
    out = std::move(image);
    return true;
}

bool WritePng(const std::string& path, const Image& image) {
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != static_cast<size_t>(image.width) * image.height) {
        return false;
    }
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width);
    png.height = static_cast<png_uint_32>(image.height);
    png.format = PNG_FORMAT_BGRA;
    return png_image_write_to_file(&png, path.c_str(), 0, image.pixels.data(), 0, nullptr) != 0;
}

}  // namespace platform
