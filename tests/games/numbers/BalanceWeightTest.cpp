#include "games/numbers/BalanceWeight.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "app/TextRenderer.h"
#include "app/Textures.h"
#include "games/numbers/BalanceScale.h"
#include "platform/Image.h"
#include "platform/Platform.h"
#include "platform/SdlRenderer.h"

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 200;
// The lightest the art's iron may be where a mass is written (its own tests
// hold it to this): a grey of luminance 0.18.
constexpr uint32_t kLightestFront = 0xFF767676u;

double Linear(uint32_t argb, int shift) {
    const double c = ((argb >> shift) & 0xFFu) / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(uint32_t argb) {
    return 0.2126 * Linear(argb, 16) + 0.7152 * Linear(argb, 8) + 0.0722 * Linear(argb, 0);
}

double Contrast(uint32_t a, uint32_t b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(BalanceWeightLabels, MassesAreWrittenWithASpaceBeforeTheUnitAndWholeKilosInKilograms) {
    const char* const expected[BalanceScale::kMassCount] = {"25 g", "50 g", "100 g", "250 g", "500 g", "1 kg"};
    for (int k = 0; k < BalanceScale::kMassCount; ++k) {
        EXPECT_EQ(BalanceWeight::MassLabel(BalanceScale::kMasses[k]), expected[k]);
    }
}

TEST(BalanceWeightLabels, HeavierWeightsAreNoSmaller) {
    for (int k = 1; k < BalanceScale::kMassCount; ++k) {
        const ScreenBox lighter = BalanceWeight::PictureAt(BalanceScale::kMasses[k - 1], 0.0f, 0.0f);
        const ScreenBox heavier = BalanceWeight::PictureAt(BalanceScale::kMasses[k], 0.0f, 0.0f);
        EXPECT_GE(heavier.Width(), lighter.Width()) << BalanceScale::kMasses[k];
    }
}

// Weights drawn by the software renderer onto a sheet of the lightest iron
// the art allows under the mass.
class WeightRendering : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(platform::Initialize());
        app = GetAppState();
        auto sdl = platform::SdlRenderer::CreateOffscreen(kWidth, kHeight);
        ASSERT_NE(sdl, nullptr);
        renderer = sdl.get();
        app->renderer = std::move(sdl);
        platform::Image sheet{1024, 1024, std::vector<uint32_t>(1024u * 1024u, kLightestFront)};
        app->textures[TEX_MISC1] = renderer->CreateTexture(std::move(sheet));
    }
    void TearDown() override {
        GetTextRenderer()->Release();
        DestroyAppState();
        platform::Shutdown();
    }

    // The weight alone on a black screen: the box of the pixels that differ
    // from its picture's colour, the lightest of them and the picture's colour.
    struct Ink {
        int left = kWidth, top = kHeight, right = 0, bottom = 0;
        uint32_t lightest = 0;
        uint32_t ground = 0;
        // How high the ink reaches in the columns of the first letter.
        int firstLetterHeight = 0;
    };
    Ink Draw(const BalanceWeight& weight) {
        renderer->Clear(0xFF000000u);
        weight.Draw();
        renderer->Present();
        const std::vector<uint32_t> pixels = renderer->ReadPixels();
        const ScreenBox picture = weight.Bounds();
        Ink ink;
        ink.ground = pixels[static_cast<size_t>(picture.top + 2) * kWidth + static_cast<int>(picture.left + 2)];
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const uint32_t p = pixels[static_cast<size_t>(y) * kWidth + x];
                if (p != ink.ground && (p & 0xFFFFFFu) != 0) {
                    ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1),
                           std::max(ink.bottom, y + 1), Luminance(p) > Luminance(ink.lightest) ? p : ink.lightest,
                           ink.ground, 0};
                }
            }
        }
        int top = kHeight;
        int bottom = 0;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = ink.left; x < ink.left + 5; ++x) {
                const uint32_t p = pixels[static_cast<size_t>(y) * kWidth + x];
                if (p != ink.ground && (p & 0xFFFFFFu) != 0) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y + 1);
                }
            }
        }
        ink.firstLetterHeight = bottom - top;
        return ink;
    }

    AppState* app = nullptr;
    platform::SdlRenderer* renderer = nullptr;
};

// Each mass is written on its weight's front and nowhere else, so that it
// touches no neighbour; in figures about 14 pixels high and light enough on
// the iron, on the darker fixed weights too.
TEST_F(WeightRendering, EveryMassStandsOnItsWeightLargeAndLight) {
    for (const int grams : BalanceScale::kMasses) {
        for (const bool movable : {true, false}) {
            SCOPED_TRACE(BalanceWeight::MassLabel(grams) + (movable ? " movable" : " fixed"));
            const BalanceWeight weight(grams, kWidth / 2.0f, kHeight * 0.75f, movable);
            const Ink ink = Draw(weight);
            ASSERT_LT(ink.left, ink.right) << "nothing written";
            const ScreenBox front = weight.LabelBox();
            EXPECT_GE(ink.left, front.left);
            EXPECT_LE(ink.right, front.right);
            EXPECT_GE(ink.top, front.top);
            EXPECT_LE(ink.bottom, front.bottom);
            EXPECT_GE(ink.firstLetterHeight, 14);
            EXPECT_GE(Contrast(ink.lightest, ink.ground), 4.5);
        }
    }
}

}  // namespace
