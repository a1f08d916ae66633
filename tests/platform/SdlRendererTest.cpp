#include "platform/SdlRenderer.h"

#include <gtest/gtest.h>

#include "platform/Platform.h"

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

}  // namespace
