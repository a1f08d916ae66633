#include "AssetFiles.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "Text.h"

Image::Image(const std::string& path) {
    cairo_surface_t* png = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(png) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(png);
        return;
    }
    // Painted onto ARGB, so that an opaque file (read as RGB24) has full alpha.
    width_ = cairo_image_surface_get_width(png);
    height_ = cairo_image_surface_get_height(png);
    cairo_surface_t* argb = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width_, height_);
    cairo_t* cr = cairo_create(argb);
    cairo_set_source_surface(cr, png, 0, 0);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_flush(argb);
    const int stride = cairo_image_surface_get_stride(argb);
    const unsigned char* data = cairo_image_surface_get_data(argb);
    pixels_.resize(static_cast<std::size_t>(width_) * height_);
    for (int y = 0; y < height_; ++y) {
        std::memcpy(&pixels_[static_cast<std::size_t>(y) * width_], data + static_cast<std::ptrdiff_t>(y) * stride,
                    static_cast<std::size_t>(width_) * 4);
    }
    cairo_surface_destroy(argb);
    cairo_surface_destroy(png);
}

int Image::Channel(int x, int y, int channel) const {
    const std::uint32_t p = Pixel(x, y);
    const int a = static_cast<int>(p >> 24);
    const int premultiplied = static_cast<int>((p >> (16 - 8 * channel)) & 0xFF);
    return a == 0 ? 0 : (premultiplied * 255 + a / 2) / a;
}

double Image::Luminance(int x, int y) const {
    return (0.2126 * Channel(x, y, 0) + 0.7152 * Channel(x, y, 1) + 0.0722 * Channel(x, y, 2)) / 255.0;
}

double Image::MeanLuminance(const Rect& r) const {
    double sum = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            sum += Luminance(x, y);
        }
    }
    return sum / (static_cast<double>(r.Width()) * r.Height());
}

namespace {

std::uint32_t LE(const std::string& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        v = (v << 8) | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
    }
    return v;
}

}  // namespace

Wave ReadWave(const std::string& path) {
    Wave wave;
    const std::string b = ReadBytes(path);
    if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0) {
        return wave;
    }
    const std::size_t end = std::min<std::size_t>(b.size(), 8 + static_cast<std::size_t>(LE(b, 4, 4)));
    bool haveFormat = false;
    bool haveData = false;
    std::size_t at = 12;
    while (at + 8 <= end) {
        const std::string id = b.substr(at, 4);
        const std::size_t size = LE(b, at + 4, 4);
        const std::size_t body = at + 8;
        if (body + size > end) {
            return wave;
        }
        if (id == "fmt " && size >= 16) {
            wave.formatTag = static_cast<int>(LE(b, body, 2));
            wave.channels = static_cast<int>(LE(b, body + 2, 2));
            wave.sampleRate = static_cast<int>(LE(b, body + 4, 4));
            wave.bitsPerSample = static_cast<int>(LE(b, body + 14, 2));
            haveFormat = true;
        } else if (id == "data" && haveFormat && wave.bitsPerSample == 16) {
            for (std::size_t i = 0; i + 1 < size; i += 2) {
                wave.samples.push_back(static_cast<std::int16_t>(LE(b, body + i, 2)));
            }
            haveData = true;
        }
        at = body + size + (size & 1);
    }
    wave.valid = haveFormat && haveData;
    return wave;
}

namespace {

// Drawing leaves font caches behind; they go when all tests are done.
class FontCacheRelease : public ::testing::Environment {
public:
    void TearDown() override { text::ReleaseFontCaches(); }
};

[[maybe_unused]] ::testing::Environment* const kFontCacheRelease =
    ::testing::AddGlobalTestEnvironment(new FontCacheRelease);

}  // namespace

const std::string& GeneratedFolder() {
    // The build's own generator run (tests run in the build directory, after
    // the assets were drawn); one further run checks that runs agree.
    static const std::string folder = std::filesystem::absolute("assets").string();
    return folder;
}

const Image& Generated(const std::string& entry) {
    static std::map<std::string, Image> loaded;
    auto it = loaded.find(entry);
    if (it == loaded.end()) {
        it = loaded.emplace(entry, Image(GeneratedFolder() + "/" + entry)).first;
    }
    return it->second;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}
