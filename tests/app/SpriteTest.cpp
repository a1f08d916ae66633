#include "app/Sprite.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/AppState.h"
#include "support/RecordingRenderer.h"

namespace {

void ExpectMaps(const platform::Transform2D& t, float x, float y, float expectedX, float expectedY) {
    float outX = 0.0f;
    float outY = 0.0f;
    t.Apply(x, y, outX, outY);
    EXPECT_NEAR(outX, expectedX, 1e-4) << "x of (" << x << ", " << y << ")";
    EXPECT_NEAR(outY, expectedY, 1e-4) << "y of (" << x << ", " << y << ")";
}

TEST(SpriteTransformTest, ScalingIsAboutTheOriginAndTheTranslationIsNotScaled) {
    const Vec2 scale{2.0f, 3.0f};
    const Vec2 at{100.0f, 50.0f};
    const platform::Transform2D t = SpriteTransform(&scale, nullptr, 0.0, &at);
    ExpectMaps(t, 0.0f, 0.0f, 100.0f, 50.0f);  // the region's top-left corner lands on the translation
    ExpectMaps(t, 10.0f, 0.0f, 120.0f, 50.0f);
    ExpectMaps(t, 10.0f, 10.0f, 120.0f, 80.0f);

    const platform::Transform2D identity = SpriteTransform(nullptr, nullptr, 0.0, nullptr);
    ExpectMaps(identity, 7.0f, 9.0f, 7.0f, 9.0f);
}

TEST(SpriteTransformTest, RotationTurnsClockwiseOnScreenAboutTheCentreAfterScaling) {
    const Vec2 centre{5.0f, 5.0f};
    const platform::Transform2D quarter = SpriteTransform(nullptr, &centre, M_PI / 2.0, nullptr);
    ExpectMaps(quarter, 5.0f, 5.0f, 5.0f, 5.0f);    // the centre stays
    ExpectMaps(quarter, 10.0f, 5.0f, 5.0f, 10.0f);  // right of the centre turns to below it
    ExpectMaps(quarter, 5.0f, 0.0f, 10.0f, 5.0f);   // above turns to the right

    // A clock hand: a 10 x 40 cell turned about its centre, scaled by 2 first.
    const Vec2 scale{2.0f, 2.0f};
    const Vec2 handCentre{10.0f, 40.0f};
    const Vec2 at{300.0f, 200.0f};
    const platform::Transform2D hand = SpriteTransform(&scale, &handCentre, M_PI, &at);
    ExpectMaps(hand, 5.0f, 0.0f, 310.0f, 280.0f);  // (10, 0) after scaling, half a turn about (10, 40)
}

TEST(SpriteTransformTest, NegativeScalesMirror) {
    const Vec2 mirror{-1.0f, 1.0f};
    const Vec2 at{200.0f, 0.0f};
    const platform::Transform2D t = SpriteTransform(&mirror, nullptr, 0.0, &at);
    ExpectMaps(t, 0.0f, 0.0f, 200.0f, 0.0f);
    ExpectMaps(t, 50.0f, 20.0f, 150.0f, 20.0f);
}

TEST(DrawSpriteTest, PassesTheRegionAndColourAndDefaultsToTheWholeTexture) {
    auto recorder = std::make_unique<RecordingRenderer>();
    RecordingRenderer* renderer = recorder.get();
    GetAppState()->renderer = std::move(recorder);
    RecordingRenderer::FakeTexture texture(64, 32);

    const platform::Rect region{8, 4, 24, 20};
    const Vec2 at{10.0f, 20.0f};
    DrawSprite(&texture, &region, nullptr, nullptr, 0.0, &at, 0x80FF0000u);
    DrawSprite(&texture, nullptr, nullptr, nullptr, 0.0, nullptr, 0xFFFFFFFFu);
    DrawSprite(nullptr, &region, nullptr, nullptr, 0.0, nullptr, 0xFFFFFFFFu);

    ASSERT_EQ(renderer->sprites.size(), 2u);
    EXPECT_EQ(renderer->sprites[0].region.left, 8);
    EXPECT_EQ(renderer->sprites[0].region.bottom, 20);
    EXPECT_EQ(renderer->sprites[0].colour, 0x80FF0000u);
    EXPECT_FLOAT_EQ(renderer->sprites[0].transform.dx, 10.0f);
    EXPECT_FLOAT_EQ(renderer->sprites[0].transform.dy, 20.0f);
    EXPECT_EQ(renderer->sprites[1].region.right, 64);
    EXPECT_EQ(renderer->sprites[1].region.bottom, 32);
    DestroyAppState();
}

}  // namespace
