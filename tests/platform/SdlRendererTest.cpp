#include "platform/SdlRenderer.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/Platform.h"
#include "platform/SdlTexture.h"

namespace {

class SdlRendererTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(platform::Initialize()); }
    void TearDown() override { platform::Shutdown(); }
};

// A width x height sheet whose texel (x, y) has the ARGB colour texel(x, y).
template <typename Texel>
platform::Image Sheet(int width, int height, Texel texel) {
    platform::Image image;
    image.width = width;
    image.height = height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.pixels.push_back(texel(x, y));
        }
    }
    return image;
}

// An 8 x 8 sheet: a red left half and a blue right half, two regions side by side.
platform::Image TwoRegionSheet() {
    return Sheet(8, 8, [](int x, int) { return x < 4 ? 0xFFFF0000u : 0xFF0000FFu; });
}

// A 16 x 16 sheet of colour gradients: the left half opaque, the right half
// see-through to a degree that grows downwards.
platform::Image GradientSheet() {
    return Sheet(16, 16, [](int x, int y) {
        const uint32_t alpha = x < 8 ? 0xFFu : static_cast<uint32_t>(40 + 13 * y);
        return alpha << 24 | static_cast<uint32_t>(x * 16) << 16 | static_cast<uint32_t>(y * 16) << 8 |
               static_cast<uint32_t>((x * y * 7) & 0xFF);
    });
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
        {"scaled, from a copy of the region stretched once", 2.5f, 0xFFFFFFFFu, 0xFF0000FFu, 2},
        {"tinted, from a tinted copy", 1.0f, 0xFF808080u, 0xFF000080u, 3},
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

// A stretched copy must put on the screen exactly what SDL draws when it
// stretches the region itself: plain, faded, tinted, opaque, half off the
// screen, at fractional places and at an output scale other than 1.
// The largest difference of one colour channel between two screens.
int LargestDifference(const std::vector<uint32_t>& one, const std::vector<uint32_t>& other) {
    int largest = one.size() == other.size() ? 0 : 255;
    for (size_t i = 0; i < std::min(one.size(), other.size()); ++i) {
        for (const int shift : {0, 8, 16, 24}) {
            const int a = static_cast<int>(one[i] >> shift & 0xFF);
            const int b = static_cast<int>(other[i] >> shift & 0xFF);
            largest = std::max(largest, std::abs(a - b));
        }
    }
    return largest;
}

// One sprite drawn in two frames running, once without software copies
// ([0]) and once with them ([1]): the second frame's screens and the copies
// each left in the texture.
struct HeldDraw {
    std::vector<uint32_t> drawn[2];
    size_t copies[2] = {};
};

HeldDraw DrawHeldSprite(const platform::Image& image, const platform::Transform2D& transform, uint32_t colour,
                        uint32_t background, float outputScale = 1.0f) {
    HeldDraw result;
    for (const bool keep : {false, true}) {
        auto renderer = platform::SdlRenderer::CreateOffscreen(64, 64);
        auto texture = renderer ? renderer->CreateTexture(image) : nullptr;
        if (!texture) {
            ADD_FAILURE() << "no offscreen renderer or texture";
            return result;
        }
        SDL_RenderSetScale(renderer->Handle(), outputScale, outputScale);
        renderer->KeepSoftwareCopies(keep);
        for (int frame = 0; frame < 2; ++frame) {
            renderer->Present();
            renderer->Clear(background);
            renderer->DrawSprite(*texture, {0, 0, 16, 16}, transform, colour);
        }
        result.drawn[keep] = renderer->ReadPixels();
        result.copies[keep] = static_cast<const platform::SdlTexture&>(*texture).UploadedRegions();
    }
    return result;
}

TEST_F(SdlRendererTest, AStretchedCopyDrawsTheSamePixelsAsStretchingOnEveryDraw) {
    const platform::Image image = GradientSheet();
    const struct { const char* what; platform::Rect region; float scaleX, scaleY, x, y, outputScale; uint32_t colour; } cases[] = {
        {"opaque, enlarged", {0, 0, 8, 16}, 2.5f, 2.5f, 3.3f, 7.6f, 1.0f, 0xFFFFFFFFu},
        {"see-through, shrunk unevenly", {8, 0, 16, 16}, 1.37f, 0.61f, 10.5f, 2.25f, 1.0f, 0xFFFFFFFFu},
        {"faded", {0, 0, 16, 16}, 1.8f, 1.8f, 5.0f, 5.0f, 1.0f, 0x80FFFFFFu},
        {"tinted", {4, 4, 16, 12}, 3.1f, 2.2f, 1.0f, 9.9f, 1.0f, 0xFF40C080u},
        {"half off the screen", {0, 0, 16, 16}, 2.0f, 2.0f, -9.5f, 50.0f, 1.0f, 0xFFFFFFFFu},
        {"at an output scale", {0, 0, 16, 16}, 1.0f, 1.0f, 7.3f, 3.7f, 1.40625f, 0xFFFFFFFFu},
    };
    for (const auto& c : cases) {
        std::vector<uint32_t> drawn[2];
        for (const bool keep : {false, true}) {
            auto renderer = platform::SdlRenderer::CreateOffscreen(64, 64);
            ASSERT_NE(renderer, nullptr);
            SDL_RenderSetScale(renderer->Handle(), c.outputScale, c.outputScale);
            renderer->KeepSoftwareCopies(keep);
            auto texture = renderer->CreateTexture(image);
            ASSERT_NE(texture, nullptr);
            renderer->Clear(0xFF203040u);
            platform::Transform2D transform;
            transform.m11 = c.scaleX;
            transform.m22 = c.scaleY;
            transform.dx = c.x;
            transform.dy = c.y;
            renderer->DrawSprite(*texture, c.region, transform, c.colour);
            drawn[keep] = renderer->ReadPixels();
            // Drawn from a region copy, and from a stretched one when kept.
            const size_t copies = static_cast<const platform::SdlTexture&>(*texture).UploadedRegions();
            EXPECT_EQ(copies, keep ? 2u : 1u) << c.what;
        }
        EXPECT_EQ(drawn[0], drawn[1]) << c.what;
        EXPECT_GT(64 * 64 - std::count(drawn[1].begin(), drawn[1].end(), 0xFF203040u), 50) << c.what;
    }
}

// A fade that holds from one frame to the next is drawn from a copy with the
// fade baked in, and shows the modulated draw's colours within rounding; a
// fade or a turn that moves every frame makes no copy a frame.
TEST_F(SdlRendererTest, AFadeThatHoldsIsBakedIntoACopyAndOneThatMovesIsNot) {
    const platform::Image image = GradientSheet();
    const struct { const char* what; float scale; uint32_t colour; } cases[] = {
        {"faded", 1.0f, 0x80FFFFFFu},
        {"a scaled shadow", 2.3f, 0x9F000000u},
        {"faded and tinted", 1.0f, 0x40C08040u},
    };
    constexpr uint32_t kBackground = 0xFF406080u;
    for (const auto& c : cases) {
        platform::Transform2D transform;
        transform.m11 = c.scale;
        transform.m22 = c.scale;
        transform.dx = 5.0f;
        transform.dy = 6.0f;
        const auto [drawn, copies] = DrawHeldSprite(image, transform, c.colour, kBackground);
        EXPECT_GT(copies[true], copies[false]) << c.what;
        EXPECT_LE(LargestDifference(drawn[0], drawn[1]), 2) << c.what;
        EXPECT_GT(64 * 64 - std::count(drawn[1].begin(), drawn[1].end(), kBackground), 200) << c.what;
    }

    auto renderer = platform::SdlRenderer::CreateOffscreen(64, 64);
    ASSERT_NE(renderer, nullptr);
    auto texture = renderer->CreateTexture(image);
    ASSERT_NE(texture, nullptr);
    platform::Transform2D transform;
    transform.m11 = 2.0f;
    transform.m22 = 2.0f;
    for (uint32_t alpha = 20; alpha < 240; alpha += 20) {
        renderer->Clear(kBackground);
        renderer->DrawSprite(*texture, {0, 0, 16, 16}, transform, alpha << 24 | 0xFFFFFFu);
        platform::Transform2D turning;
        turning.m11 = std::cos(alpha / 100.0f);
        turning.m12 = std::sin(alpha / 100.0f);
        turning.m21 = -turning.m12;
        turning.m22 = turning.m11;
        turning.dx = 30.0f;
        renderer->DrawSprite(*texture, {0, 0, 16, 16}, turning, 0xFFFFFFFFu);
        renderer->Present();
    }
    // The region's copy and its stretched copy, none for any fade or turn.
    EXPECT_EQ(static_cast<const platform::SdlTexture&>(*texture).UploadedRegions(), 2u);
}

// A turn that holds from one frame to the next is drawn from a copy turned
// once, which puts the very pixels on the screen that turning it on every
// draw puts there, also at an output scale; a held fade is baked in as well
// (rounded within a step or two).
TEST_F(SdlRendererTest, ATurnThatHoldsIsDrawnFromACopyTurnedOnceWithTheSamePixels) {
    const platform::Image image = GradientSheet();
    const struct { const char* what; float degrees, scaleX, scaleY, x, y, outputScale; uint32_t colour; } cases[] = {
        {"turned", 30.0f, 1.0f, 1.0f, 20.0f, 20.0f, 1.0f, 0xFFFFFFFFu},
        {"turned and scaled, between pixels", 117.5f, 1.7f, 1.3f, 31.4f, 18.7f, 1.0f, 0xFFFFFFFFu},
        {"mirrored", 0.0f, -1.0f, 1.0f, 40.0f, 10.0f, 1.0f, 0xFFFFFFFFu},
        {"a quarter turn", 90.0f, 1.0f, 1.0f, 30.0f, 5.0f, 1.0f, 0xFFFFFFFFu},
        {"turned back, tinted and faded", -45.0f, 1.2f, 1.2f, 25.0f, 30.0f, 1.0f, 0xB0C08040u},
        {"half off the screen", 200.0f, 2.0f, 2.0f, 2.0f, 60.0f, 1.0f, 0xFFFFFFFFu},
        {"at an output scale", 75.0f, 1.1f, 0.9f, 19.6f, 21.3f, 1.28f, 0xFFFFFFFFu},
        {"mirrored at an output scale", 160.0f, -1.3f, 1.3f, 18.0f, 28.5f, 1.40625f, 0x80FFFFFFu},
        {"half off the screen at an output scale", 160.0f, 1.3f, 1.3f, 24.0f, 22.5f, 1.40625f, 0xFFFFFFFFu},
    };
    constexpr uint32_t kBackground = 0xFF203040u;
    for (const auto& c : cases) {
        const float radians = c.degrees * static_cast<float>(M_PI) / 180.0f;
        platform::Transform2D transform;
        transform.m11 = c.scaleX * std::cos(radians);
        transform.m12 = c.scaleX * std::sin(radians);
        transform.m21 = -c.scaleY * std::sin(radians);
        transform.m22 = c.scaleY * std::cos(radians);
        transform.dx = c.x;
        transform.dy = c.y;
        const auto [drawn, copies] = DrawHeldSprite(image, transform, c.colour, kBackground, c.outputScale);
        EXPECT_GT(copies[true], copies[false]) << c.what;
        EXPECT_LE(LargestDifference(drawn[0], drawn[1]), c.colour >> 24 == 0xFF ? 0 : 2) << c.what;
        EXPECT_GT(64 * 64 - std::count(drawn[1].begin(), drawn[1].end(), kBackground), 100) << c.what;
    }
}

}  // namespace
