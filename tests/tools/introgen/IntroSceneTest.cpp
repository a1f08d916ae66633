#include "IntroScene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "IntroJingle.h"
#include "Text.h"

namespace {

// The frame at `seconds` as ARGB words.
std::vector<uint32_t> Frame(const IntroScene& scene, double seconds) {
    Canvas canvas(IntroScene::kWidth, IntroScene::kHeight);
    scene.Draw(canvas, seconds);
    std::vector<uint32_t> pixels(static_cast<size_t>(IntroScene::kWidth) * IntroScene::kHeight);
    const unsigned char* data = cairo_image_surface_get_data(canvas.Surface());
    const int stride = cairo_image_surface_get_stride(canvas.Surface());
    for (int y = 0; y < IntroScene::kHeight; ++y) {
        std::memcpy(&pixels[static_cast<size_t>(y) * IntroScene::kWidth], data + static_cast<ptrdiff_t>(y) * stride,
                    IntroScene::kWidth * 4);
    }
    return pixels;
}

// Mean of the colour channels over the whole picture (0 to 255).
double Brightness(const std::vector<uint32_t>& pixels) {
    double sum = 0;
    for (const uint32_t p : pixels) {
        sum += ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF);
    }
    return sum / (3.0 * static_cast<double>(pixels.size()));
}

TEST(IntroSceneTest, FadesInFromBlackAndOutToBlack) {
    const IntroScene scene;
    EXPECT_LT(Brightness(Frame(scene, 0.0)), 1.0);
    EXPECT_GT(Brightness(Frame(scene, 2.0)), 120.0);
    EXPECT_LT(Brightness(Frame(scene, IntroScene::kSeconds - 0.01)), 5.0);
    text::ReleaseFontCaches();  // the name's lettering leaves font caches behind
}

TEST(IntroJingleTest, LastsAsLongAsThePictureAndNeverClips) {
    const synth::Samples jingle = IntroJingle(9);
    ASSERT_EQ(jingle.size(), static_cast<size_t>(IntroScene::kSeconds * synth::kRate));
    EXPECT_LE(synth::Peak(jingle), 0.9);
    auto loudest = [&jingle](double from, double to) {
        double peak = 0;
        for (size_t i = static_cast<size_t>(from * synth::kRate); i < static_cast<size_t>(to * synth::kRate); ++i) {
            peak = std::max(peak, std::abs(jingle[i]));
        }
        return peak;
    };
    EXPECT_LT(loudest(0.0, IntroScene::BoxArrivalTime() - 0.01), 0.001);
    EXPECT_GT(loudest(IntroScene::BoxArrivalTime(), IntroScene::BoxArrivalTime() + 0.2), 0.05);
    EXPECT_GT(loudest(IntroScene::kLogoTime, IntroScene::kLogoTime + 0.5), 0.2);
    EXPECT_LT(std::abs(jingle.back()), 0.001);
}

}  // namespace
