#include "platform/SdlRenderer.h"

#include <gtest/gtest.h>

#include "platform/Platform.h"
#include "platform/SdlTexture.h"

namespace {

class SdlRendererTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(platform::Initialize()); }
    void TearDown() override { platform::Shutdown(); }
};

// An 8 x 8 sheet: a red left half and a blue right half, two regions side by side.
platform::Image TwoRegionSheet() {
    platform::Image image;
    image.width = 8;
    image.height = 8;
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            image.pixels.push_back(x < 4 ? 0xFFFF0000u : 0xFF0000FFu);
        }
    }
    return image;
}

TEST_F(SdlRendererTest, AFrameIsShownOnlyWhenItsCallsChangeOrAfterADeviceReset) {
    auto renderer = platform::SdlRenderer::CreateOffscreen(64, 64);
    ASSERT_NE(renderer, nullptr);
    renderer->SkipUnchangedFrames(true);
    auto texture = renderer->CreateTexture(TwoRegionSheet());
    ASSERT_NE(texture, nullptr);
    const struct { const char* what; platform::Rect region; float x; bool reset; int shown; } steps[] = {
        {"the first frame", {0, 0, 4, 8}, 0.0f, false, 1},  {"the same calls", {0, 0, 4, 8}, 0.0f, false, 1},
        {"another region", {4, 0, 8, 8}, 0.0f, false, 2},   {"moved", {4, 0, 8, 8}, 1.0f, false, 3},
        {"unchanged after a reset", {4, 0, 8, 8}, 1.0f, true, 4}, {"unchanged", {4, 0, 8, 8}, 1.0f, false, 4},
    };
    for (const auto& step : steps) {
        if (step.reset) {
            renderer->OnLostDevice();
            renderer->OnResetDevice();
        }
        renderer->Clear(0xFF000000u);
        platform::Transform2D at;
        at.dx = step.x;
        renderer->DrawSprite(*texture, step.region, at, 0xFFFFFFFFu);
        renderer->Present();
        EXPECT_EQ(renderer->PresentedFrames(), step.shown) << step.what;
    }
    // The screen holds the last frame shown: the blue region one pixel in.
    const std::vector<uint32_t> pixels = renderer->ReadPixels();
    EXPECT_EQ(pixels[0], 0xFF000000u);
    EXPECT_EQ(pixels[1], 0xFF0000FFu);
    EXPECT_EQ(pixels[4], 0xFF0000FFu);
    EXPECT_EQ(pixels[5], 0xFF000000u);
}

TEST_F(SdlRendererTest, ARegionShowsOnlyItsOwnTexelsPlainScaledOrTinted) {
    auto renderer = platform::SdlRenderer::CreateOffscreen(64, 64);
    ASSERT_NE(renderer, nullptr);
    auto texture = renderer->CreateTexture(TwoRegionSheet());
    ASSERT_NE(texture, nullptr);
    const auto& sheet = static_cast<const platform::SdlTexture&>(*texture);
    // copies: the region copies made so far.
    const struct { const char* what; float scale; uint32_t colour; uint32_t expected; size_t copies; } cases[] = {
        {"texel on pixel, from the sheet", 1.0f, 0xFFFFFFFFu, 0xFF0000FFu, 0},
        {"scaled, from a copy of the region", 2.5f, 0xFFFFFFFFu, 0xFF0000FFu, 1},
        {"tinted, from a tinted copy", 1.0f, 0xFF808080u, 0xFF000080u, 2},
    };
    EXPECT_FALSE(sheet.Uploaded()) << "a sheet reaches the renderer when it is first drawn";
    for (const auto& c : cases) {
        renderer->Clear(0xFF000000u);
        platform::Transform2D transform;
        transform.m11 = c.scale;
        transform.m22 = c.scale;
        transform.dx = 10.0f;
        transform.dy = 10.0f;
        renderer->DrawSprite(*texture, {4, 0, 8, 8}, transform, c.colour);
        const std::vector<uint32_t> pixels = renderer->ReadPixels();
        const int size = static_cast<int>(4 * c.scale);
        for (int y = 10; y < 10 + size; ++y) {
            for (int x = 10; x < 10 + size; ++x) {
                ASSERT_EQ(pixels[static_cast<size_t>(y) * 64 + x], c.expected) << c.what << " at " << x << "," << y;
            }
        }
        EXPECT_EQ(pixels[9 * 64 + 9], 0xFF000000u) << c.what;
        EXPECT_EQ(sheet.UploadedRegions(), c.copies) << c.what;
        EXPECT_TRUE(sheet.Uploaded()) << c.what;
        renderer->Present();
    }
}

}  // namespace
