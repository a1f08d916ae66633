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

TEST_F(SdlRendererTest, AnOffscreenRendererClearsEveryPixelToTheExactColour) {
    auto renderer = platform::SdlRenderer::CreateOffscreen(1024, 768);
    ASSERT_NE(renderer, nullptr);
    renderer->Clear(0xFF646464u);
    renderer->Present();
    const std::vector<uint32_t> pixels = renderer->ReadPixels();
    ASSERT_EQ(pixels.size(), 1024u * 768u);
    for (uint32_t pixel : {pixels.front(), pixels[512 * 1024 + 300], pixels.back()}) {
        EXPECT_EQ(pixel, 0xFF646464u);
    }
    renderer->Clear(0xFF102030u);
    EXPECT_EQ(renderer->ReadPixels()[777], 0xFF102030u);
}

TEST_F(SdlRendererTest, ADeviceResetDropsEveryLiveTexturesUploadsAndTheyComeBackWhenDrawn) {
    auto renderer = platform::SdlRenderer::CreateOffscreen(64, 64);
    ASSERT_NE(renderer, nullptr);
    platform::Image image;
    image.width = 8;
    image.height = 8;
    image.pixels.assign(64, 0xFF336699u);
    auto kept = renderer->CreateTexture(image);
    auto gone = renderer->CreateTexture(image);
    const auto& texture = static_cast<const platform::SdlTexture&>(*kept);
    const platform::Transform2D identity;
    renderer->DrawSprite(*kept, {0, 0, 4, 4}, identity, 0xFFFFFFFFu);
    renderer->DrawSprite(*kept, {4, 4, 8, 8}, identity, 0xFFFFFFFFu);
    renderer->DrawSprite(*gone, {0, 0, 4, 4}, identity, 0xFFFFFFFFu);
    ASSERT_EQ(texture.UploadedRegions(), 2u);

    gone.reset();  // a destroyed texture leaves the register
    renderer->OnLostDevice();
    renderer->OnResetDevice();
    EXPECT_EQ(texture.UploadedRegions(), 0u);

    renderer->Clear(0xFF000000u);
    renderer->DrawSprite(*kept, {0, 0, 4, 4}, identity, 0xFFFFFFFFu);
    EXPECT_EQ(texture.UploadedRegions(), 1u);
    EXPECT_EQ(renderer->ReadPixels()[0], 0xFF336699u);
}

}  // namespace
