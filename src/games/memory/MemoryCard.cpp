#include "games/memory/MemoryCard.h"

#include <cmath>

#include "app/AppState.h"
#include "app/Colours.h"
#include "app/Textures.h"

namespace {

constexpr uint32_t kShadow = 0xFF000000u;
constexpr float kShadowOffset = 2.0f;
// The row of misc2 with the disc images: the face (also the shadow shape) at
// x 0, the three back designs from x 100 on.
constexpr int kDiscTop = 500;
constexpr int kDiscSize = 100;

}  // namespace

MemoryCard::MemoryCard(int pairNumber, Vec2 centre, double size, int backDesign)
    : PairCard(pairNumber), centre(centre), size(size), backDesign(backDesign) {}

double MemoryCard::DistanceTo(float x, float y) const {
    return std::hypot(static_cast<double>(x) - centre.x, static_cast<double>(y) - centre.y);
}

bool MemoryCard::HitTest(float x, float y) const { return DistanceTo(x, y) <= size / 2.0; }

void MemoryCard::Draw() const {
    const AppState* app = GetAppState();
    const platform::Texture* discs = app->textures[TEX_MISC2].get();
    const float scale = static_cast<float>(size / kImageSize);
    const Vec2 scaling{scale, scale};
    const float half = static_cast<float>(size / 2.0);
    const Vec2 topLeft{centre.x - half, centre.y - half};

    const SheetRegion face{"card face", {0, kDiscTop, kDiscSize, kDiscTop + kDiscSize}};
    const Vec2 shadowAt{topLeft.x + kShadowOffset, topLeft.y + kShadowOffset};
    if (!IsFound()) {
        DrawSprite(discs, face, &scaling, nullptr, 0.0, &shadowAt, kShadow);
    }

    if (IsFaceUp()) {
        DrawSprite(discs, face, &scaling, nullptr, 0.0, &topLeft, FaceTint());
        const int n = PairNumber();
        const int left = kPictureCell * (n % kPicturesPerRow);
        const int top = kPictureCell * (n / kPicturesPerRow);
        const SheetRegion picture{"picture " + std::to_string(n), {left, top, left + kPictureCell, top + kPictureCell}};
        const float pictureHalf = static_cast<float>(kPictureCell / 2.0 * scale);
        const Vec2 pictureAt{centre.x - pictureHalf, centre.y - pictureHalf};
        DrawSprite(app->textures[TEX_MEMORY_MUSTER].get(), picture, &scaling, nullptr, 0.0, &pictureAt, FaceTint());
    } else {
        const int left = kDiscSize * backDesign + kDiscSize;
        const SheetRegion back{"card back " + std::to_string(backDesign),
                               {left, kDiscTop, left + kDiscSize, kDiscTop + kDiscSize}};
        DrawSprite(discs, back, &scaling, nullptr, 0.0, &topLeft, kWhite);
    }
}
