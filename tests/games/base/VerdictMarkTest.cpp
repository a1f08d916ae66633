#include "games/base/VerdictMark.h"

#include <gtest/gtest.h>

namespace {

// Wherever the answer box stands, its mark lies on the screen and clear of it.
TEST(VerdictMarkTest, TheMarkStaysOnTheScreenBesideOrUnderItsBox) {
    constexpr float kWidth = 1024.0f;
    const struct {
        float left, right, gap;
        bool beside;
    } boxes[] = {{462.0f, 562.0f, 0.0f, true}, {562.0f, 900.0f, 25.0f, true}, {562.0f, 990.0f, 25.0f, false},
                 {562.0f, 1100.0f, 25.0f, false}, {900.0f, 966.0f, 0.0f, true}};
    for (const auto& box : boxes) {
        const verdict::Corner corner = verdict::MarkCorner(box.left, 359.0f, box.right, 409.0f, box.gap, kWidth);
        const bool clearOfBox = corner.x >= box.right || corner.y >= 409.0f;
        EXPECT_TRUE(clearOfBox) << box.right;
        EXPECT_EQ(corner.x >= box.right, box.beside) << box.right;
        if (box.beside) {
            EXPECT_LE(corner.x + verdict::kMarkSide, kWidth) << box.right;
            EXPECT_FLOAT_EQ(corner.y + verdict::kMarkSide / 2, 384.0f);
        } else {
            EXPECT_FLOAT_EQ(corner.x + verdict::kMarkSide / 2, (box.left + box.right) / 2);
        }
    }
}

}  // namespace
