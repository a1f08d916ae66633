#include "games/numbers/SudokuCell.h"

#include <string>

#include "app/AppState.h"
#include "app/Sprite.h"
#include "app/TextRenderer.h"
#include "app/Textures.h"
#include "platform/Renderer.h"

namespace {

const SheetRegion kCellRegion{"cell", {550, 0, 600, 50}};
constexpr double kRegionSize = 50.0;
// The chosen cell in light blue: red stays for digits that clash.
constexpr uint32_t kSelectedTint = 0xFFB8D8FFu;
constexpr uint32_t kPlainTint = 0xFFFFFFFFu;
constexpr uint32_t kConflictColour = 0xFFFF0000u;
// Given digits in ink, the player's own in blue, as on paper.
constexpr uint32_t kGivenColour = 0xFF1A1A1Au;
constexpr uint32_t kEnteredColour = 0xFF1F5FBFu;
// The first font of the program: the main menu's "Comic Sans MS" 30.
constexpr int kDigitFontId = 0;

}  // namespace

bool SudokuCell::HitTest(int px, int py) const {
    return x <= px && px <= x + size && y <= py && py <= y + size;
}

void SudokuCell::Draw(bool selected) const {
    const AppState* app = GetAppState();
    const float scale = static_cast<float>(size / kRegionSize);
    const Vec2 scaling{scale, scale};
    const Vec2 position{x, y};
    DrawSprite(app->textures[TEX_MISC1].get(), kCellRegion, &scaling, nullptr, 0.0, &position,
               selected ? kSelectedTint : kPlainTint);
    if (value < 1) {
        return;
    }
    const uint32_t colour = !valid ? kConflictColour : (fixed ? kGivenColour : kEnteredColour);
    const float half = static_cast<float>(size / 2.0);
    GetTextRenderer()->DrawTextAt(std::to_string(value), x + half, y + half, colour,
                                  platform::dt::Center | platform::dt::VCenter, kDigitFontId);
}
