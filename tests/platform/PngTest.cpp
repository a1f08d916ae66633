// The PNG reader against damaged and hostile files: whatever the bytes, it
// answers false with an empty image, never reads past them and never makes an
// image beyond the side limit; a sound file reads back pixel for pixel.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/Image.h"
#include "support/TempFolder.h"

namespace {

uint32_t Crc32(const std::string& bytes, size_t from, size_t length) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = from; i < from + length; ++i) {
        crc ^= static_cast<unsigned char>(bytes[i]);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

void PutBigEndian(std::string& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + static_cast<size_t>(i)] = static_cast<char>((value >> (24 - 8 * i)) & 0xFF);
    }
}

// The file with the header's width and height replaced and its checksum made
// right again, so that only the size can make the reader refuse it.
std::string WithSize(std::string png, uint32_t width, uint32_t height) {
    // Signature (8), IHDR length and type (8), then width and height.
    PutBigEndian(png, 16, width);
    PutBigEndian(png, 20, height);
    PutBigEndian(png, 29, Crc32(png, 12, 17));
    return png;
}

bool Decodes(const std::string& bytes, platform::Image& image) {
    return platform::DecodePng(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), image);
}

class PngTest : public ::testing::Test {
protected:
    void SetUp() override {
        original.width = 16;
        original.height = 8;
        for (int i = 0; i < 16 * 8; ++i) {
            original.pixels.push_back(0xFF000000u | static_cast<uint32_t>(i * 0x010203));
        }
        original.pixels[5] = 0x00000000u;
        original.pixels[6] = 0x80FF0000u;
        ASSERT_TRUE(platform::WritePng(folder.Path("a.png"), original));
        std::ifstream file(folder.Path("a.png"), std::ios::binary);
        png.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
        ASSERT_GT(png.size(), 33u);
    }
    TempFolder folder;
    platform::Image original;
    std::string png;
};

TEST_F(PngTest, ASoundFileReadsBackPixelForPixel) {
    platform::Image image;
    ASSERT_TRUE(Decodes(png, image));
    EXPECT_EQ(image.width, 16);
    EXPECT_EQ(image.height, 8);
    EXPECT_EQ(image.pixels, original.pixels);
}

TEST_F(PngTest, HugeTruncatedOrDamagedFilesAreRefusedWithAnEmptyImage) {
    std::string damagedData = png;
    damagedData[damagedData.size() - 20] ^= 0x55;
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"signature only", png.substr(0, 8)},
        {"cut inside the header", png.substr(0, 20)},
        {"header without pixels", png.substr(0, 33)},
        {"cut inside the pixels", png.substr(0, png.size() - 20)},
        {"damaged pixels", damagedData},
        {"wider than the limit", WithSize(png, platform::kMaxImageSide + 1, 8)},
        {"taller than the limit", WithSize(png, 16, 100000)},
        {"both at the format's maximum", WithSize(png, 0x7FFFFFFFu, 0x7FFFFFFFu)},
        {"no width", WithSize(png, 0, 8)},
        {"not a PNG", std::string(4096, '\x89')},
    };
    for (const auto& c : cases) {
        platform::Image image;
        image.width = 3;
        EXPECT_FALSE(Decodes(c.bytes, image)) << c.what;
        EXPECT_EQ(image.width, 0) << c.what;
        EXPECT_EQ(image.height, 0) << c.what;
        EXPECT_TRUE(image.pixels.empty()) << c.what;
    }
}

}  // namespace
