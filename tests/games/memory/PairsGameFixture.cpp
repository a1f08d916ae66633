#include "PairsGameFixture.h"


namespace {

// The texts of the pairs games; each is stored behind one blank.
const char* const kTexts =
    "ANZ_TEXTE: 80 "
    "<TEXT_START> 19 Memory|"
    "<TEXT_START> 22 Time %d:%02d|"
    "<TEXT_START> 23 Wrong pairs %d|"
    "<TEXT_START> 24 Turns %d|"
    "<TEXT_START> 50 Grade %.2f|"
    "<TEXT_START> 53 Card pairs|"
    "<TEXT_START> 63 Time: %d:%02d|"
    "<TEXT_START> 68 Find the card pairs.|"
    "<TEXT_START> 69 Find the pairs.|";

}  // namespace

PairsGameFixture::PairsGameFixture() : GameFixture(kTexts) {}

void PairsGameFixture::Frames(PairsGame& game, int count, double seconds) {
    RunFrames(game, count, seconds, seconds);
}

void PairsGameFixture::ExpectSprite(const RecordingRenderer::Sprite& sprite, const platform::Texture* texture,
                                    const platform::Rect& region, Vec2 scale, Vec2 position, uint32_t colour) {
    EXPECT_EQ(sprite.texture, texture);
    EXPECT_EQ(sprite.region.left, region.left);
    EXPECT_EQ(sprite.region.top, region.top);
    EXPECT_EQ(sprite.region.right, region.right);
    EXPECT_EQ(sprite.region.bottom, region.bottom);
    EXPECT_FLOAT_EQ(sprite.transform.m11, scale.x);
    EXPECT_FLOAT_EQ(sprite.transform.m22, scale.y);
    EXPECT_FLOAT_EQ(sprite.transform.dx, position.x);
    EXPECT_FLOAT_EQ(sprite.transform.dy, position.y);
    EXPECT_EQ(sprite.colour, colour);
}
