#include "app/Sprite.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(SpriteTransformTest, ScalesAboutTheOriginTurnsClockwiseAboutTheCentreAfterScalingThenMoves) {
    const Vec2 scale{2.0f, 3.0f};
    const Vec2 mirror{-1.0f, 1.0f};
    const Vec2 twice{2.0f, 2.0f};
    const Vec2 centre{5.0f, 5.0f};
    const Vec2 handCentre{10.0f, 40.0f};
    const Vec2 at{100.0f, 50.0f};
    const struct {
        const Vec2* scale;
        const Vec2* centre;
        double angle;
        const Vec2* at;
        float x, y, expectedX, expectedY;
        const char* what;
    } cases[] = {
        {nullptr, nullptr, 0.0, nullptr, 7, 9, 7, 9, "identity"},
        {&scale, nullptr, 0.0, &at, 0, 0, 100, 50, "the top-left corner lands on the translation"},
        {&scale, nullptr, 0.0, &at, 10, 10, 120, 80, "the translation is not scaled"},
        {&mirror, nullptr, 0.0, &at, 50, 20, 50, 70, "a negative scale mirrors"},
        {nullptr, &centre, M_PI / 2.0, nullptr, 10, 5, 5, 10, "right of the centre turns to below it"},
        {nullptr, &centre, M_PI / 2.0, nullptr, 5, 0, 10, 5, "above turns to the right"},
        // A clock hand: (10, 0) after scaling, half a turn about (10, 40).
        {&twice, &handCentre, M_PI, &at, 5, 0, 110, 130, "scaled first, then turned"},
    };
    for (const auto& c : cases) {
        float x = 0.0f;
        float y = 0.0f;
        SpriteTransform(c.scale, c.centre, c.angle, c.at).Apply(c.x, c.y, x, y);
        EXPECT_NEAR(x, c.expectedX, 1e-4) << c.what;
        EXPECT_NEAR(y, c.expectedY, 1e-4) << c.what;
    }
}

}  // namespace
