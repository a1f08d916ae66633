#include "games/memory/PlayingCard.h"

#include "app/AppState.h"
#include "app/Colours.h"
#include "app/Textures.h"

namespace {

constexpr uint32_t kShadow = 0xFF000000u;
constexpr float kShadowOffset = 3.0f;
// The rows of one sheet, and the back under the faces of the second sheet.
constexpr int kSheetHeight = 7 * PlayingCard::kCellHeight;
const SheetRegion kBackCell{"back", {0, 6 * PlayingCard::kCellHeight, PlayingCard::kCellWidth, kSheetHeight}};

}  // namespace

PlayingCard::PlayingCard(int face, Vec2 position, Vec2 size) : PairCard(face), position(position), size(size) {}

bool PlayingCard::HitTest(float x, float y) const {
    return x >= position.x && x <= position.x + size.x && y >= position.y && y <= position.y + size.y;
}

int PlayingCard::FaceSheet(int face) { return face < kFacesPerSheet ? TEX_MEMORYCARDS1 : TEX_MEMORYCARDS2; }

platform::Rect PlayingCard::FaceCell(int face) {
    const int left = kCellWidth * (face % kFacesPerRow);
    const int top = (kCellHeight * (face / kFacesPerRow)) % kSheetHeight;
    return platform::Rect{left, top, left + kCellWidth, top + kCellHeight};
}

void PlayingCard::Draw() const {
    const AppState* app = GetAppState();
    const platform::Texture* backSheet = app->textures[TEX_MEMORYCARDS2].get();
    const Vec2 scaling{size.x / kCellWidth, size.y / kCellHeight};

    const Vec2 shadowAt{position.x + kShadowOffset, position.y + kShadowOffset};
    if (!IsFound()) {
        DrawSprite(backSheet, kBackCell, &scaling, nullptr, 0.0, &shadowAt, kShadow);
    }
    if (IsFaceUp()) {
        const SheetRegion cell{"face " + std::to_string(Face()), FaceCell(Face())};
        DrawSprite(app->textures[FaceSheet(Face())].get(), cell, &scaling, nullptr, 0.0, &position, FaceTint());
    } else {
        DrawSprite(backSheet, kBackCell, &scaling, nullptr, 0.0, &position, kWhite);
    }
}
