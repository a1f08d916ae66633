#include "IntroScene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "IntroJingle.h"
#include "Text.h"

namespace {

// The pictures of a few moments, drawn by one scene (painting it takes a while).
class IntroSceneTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { scene = new IntroScene(); }
    static void TearDownTestSuite() {
        delete scene;
        scene = nullptr;
        // The name's lettering leaves font caches behind.
        text::ReleaseFontCaches();
    }
    // The frame at `seconds` as ARGB words.
    static std::vector<uint32_t> Frame(double seconds) {
        Canvas canvas(IntroScene::kWidth, IntroScene::kHeight);
        scene->Draw(canvas, seconds);
        std::vector<uint32_t> pixels(static_cast<size_t>(IntroScene::kWidth) * IntroScene::kHeight);
        const unsigned char* data = cairo_image_surface_get_data(canvas.Surface());
        const int stride = cairo_image_surface_get_stride(canvas.Surface());
        for (int y = 0; y < IntroScene::kHeight; ++y) {
            std::memcpy(&pixels[static_cast<size_t>(y) * IntroScene::kWidth], data + static_cast<ptrdiff_t>(y) * stride,
                        IntroScene::kWidth * 4);
        }
        return pixels;
    }
    // Pixels between the rows for which `test(red, green, blue)` holds.
    static int Count(const std::vector<uint32_t>& pixels, int top, int bottom, bool (*test)(int, int, int)) {
        int count = 0;
        for (size_t i = static_cast<size_t>(top) * IntroScene::kWidth; i < static_cast<size_t>(bottom) * IntroScene::kWidth; ++i) {
            count += test((pixels[i] >> 16) & 0xFF, (pixels[i] >> 8) & 0xFF, pixels[i] & 0xFF);
        }
        return count;
    }
    // Mean of the colour channels over the whole picture (0 to 255).
    static double Brightness(const std::vector<uint32_t>& pixels) {
        double sum = 0;
        for (const uint32_t p : pixels) {
            sum += ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF);
        }
        return sum / (3.0 * static_cast<double>(pixels.size()));
    }
    // Pixels of the box's orange wood (the sky is blue), between the rows.
    static int Wood(const std::vector<uint32_t>& pixels, int top, int bottom) {
        return Count(pixels, top, bottom, [](int r, int, int b) { return r > b + 60; });
    }
    // Pixels of the deep ink the name's letters are outlined with, in the name's band.
    static int InkInNameBand(const std::vector<uint32_t>& pixels) {
        return Count(pixels, 80, 200, [](int r, int g, int b) { return r < 70 && g < 80 && b < 110; });
    }
    static IntroScene* scene;
};

IntroScene* IntroSceneTest::scene = nullptr;

TEST_F(IntroSceneTest, FadesInFromBlackAndOutToBlackAndTheMomentAloneDecidesThePicture) {
    EXPECT_LT(Brightness(Frame(0.0)), 1.0);
    EXPECT_GT(Brightness(Frame(2.0)), 120.0);
    EXPECT_LT(Brightness(Frame(IntroScene::kSeconds - 0.01)), 5.0);
    EXPECT_GE(IntroScene::kSeconds, 4.0);
    EXPECT_LE(IntroScene::kSeconds, 8.0);
    const std::vector<uint32_t> flying = Frame(1.8);
    EXPECT_EQ(flying, Frame(1.8));
    EXPECT_NE(flying, Frame(1.84));
}

TEST_F(IntroSceneTest, TheBoxRisesAndTheNameAppearsAboveTheTiles) {
    // Before the box rises the lower screen is sky; afterwards the box fills its middle.
    EXPECT_EQ(Wood(Frame(0.15), 420, 700), 0);
    EXPECT_GT(Wood(Frame(1.5), 420, 700), 50000);
    EXPECT_LT(InkInNameBand(Frame(IntroScene::kLogoTime - 0.05)), 200);
    EXPECT_GT(InkInNameBand(Frame(IntroScene::kLogoTime + 1.5)), 5000);
    EXPECT_EQ(scene->TileCount(), 9);
    EXPECT_LT(IntroScene::BoxArrivalTime(), IntroScene::TileLaunchTime(0));
    EXPECT_LT(IntroScene::TileLaunchTime(scene->TileCount() - 1), IntroScene::kLogoTime);
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
