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

    static double Brightness(const std::vector<uint32_t>& pixels, int top = 0, int bottom = IntroScene::kHeight) {
        double sum = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = 0; x < IntroScene::kWidth; ++x) {
                const uint32_t p = pixels[static_cast<size_t>(y) * IntroScene::kWidth + x];
                sum += ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF);
            }
        }
        return sum / (3.0 * (bottom - top) * IntroScene::kWidth);
    }

    // Pixels of the box's orange wood (the sky is blue), between the rows.
    static int Wood(const std::vector<uint32_t>& pixels, int top, int bottom) {
        int count = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = 0; x < IntroScene::kWidth; ++x) {
                const uint32_t p = pixels[static_cast<size_t>(y) * IntroScene::kWidth + x];
                count += static_cast<int>((p >> 16) & 0xFF) > static_cast<int>(p & 0xFF) + 60 ? 1 : 0;
            }
        }
        return count;
    }

    // Pixels of the deep ink the name's letters are outlined with, in the name's band.
    static int InkInNameBand(const std::vector<uint32_t>& pixels) {
        int count = 0;
        for (int y = 80; y < 200; ++y) {
            for (int x = 0; x < IntroScene::kWidth; ++x) {
                const uint32_t p = pixels[static_cast<size_t>(y) * IntroScene::kWidth + x];
                count += ((p >> 16) & 0xFF) < 70 && ((p >> 8) & 0xFF) < 80 && (p & 0xFF) < 110 ? 1 : 0;
            }
        }
        return count;
    }

    static IntroScene* scene;
};

IntroScene* IntroSceneTest::scene = nullptr;

TEST_F(IntroSceneTest, FadesInFromBlackAndOutToBlack) {
    EXPECT_LT(Brightness(Frame(0.0)), 1.0);
    EXPECT_GT(Brightness(Frame(2.0)), 120.0);
    EXPECT_LT(Brightness(Frame(IntroScene::kSeconds - 0.01)), 5.0);
    EXPECT_EQ(IntroScene::kFrameCount, 150);
    EXPECT_GE(IntroScene::kSeconds, 4.0);
    EXPECT_LE(IntroScene::kSeconds, 8.0);
}

TEST_F(IntroSceneTest, TheSameMomentGivesTheSamePictureAndTimeMovesIt) {
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
