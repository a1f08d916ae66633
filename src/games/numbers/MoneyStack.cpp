#include "games/numbers/MoneyStack.h"

#include <cmath>

#include "app/AppState.h"
#include "app/Colours.h"
#include "app/Sprite.h"
#include "app/Textures.h"

namespace {

// A stack's picture is drawn with its top left corner this far up and left
// of its position, before scaling.
constexpr float kStackHalfSize = 50.0f;

}  // namespace

MoneyStack::MoneyStack(int cents, float x, float y, int count)
    : positionX(x), positionY(y), count(count), cents(cents), scale(MoneyScale(cents)) {}

bool MoneyStack::HitTest(int x, int y) const {
    const platform::Rect picture = MoneyRegion(cents).rect;
    const double left = positionX - kStackHalfSize * scale;
    const double top = positionY - kStackHalfSize * scale;
    return x >= left && x <= left + (picture.right - picture.left) * scale && y >= top &&
           y <= top + (picture.bottom - picture.top) * scale;
}

std::unique_ptr<MoneyPiece> MoneyStack::TakePiece() {
    if (count == kUnlimited || count >= 1) {
        if (count >= 1) {
            --count;
        }
        return std::make_unique<MoneyPiece>(cents, positionX, positionY, true);
    }
    return nullptr;
}

std::unique_ptr<MoneyPiece> MoneyStack::TakeBack(std::unique_ptr<MoneyPiece> piece) {
    if (piece == nullptr || piece->Cents() != cents) {
        return piece;
    }
    if (count >= 0) {
        ++count;
    }
    piece->SetTarget(positionX, positionY);
    flying.push_back(std::move(piece));
    return nullptr;
}

void MoneyStack::Update(double seconds) {
    for (size_t i = flying.size(); i-- > 0;) {
        flying[i]->Glide(seconds);
        if (flying[i]->Arrived()) {
            flying.erase(flying.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
}

void MoneyStack::Draw() const {
    const SheetRegion region = MoneyRegion(cents);
    const float s = static_cast<float>(scale);
    const Vec2 scaling{s, s};
    const Vec2 corner{positionX - kStackHalfSize * s, positionY - kStackHalfSize * s};
    DrawSprite(GetAppState()->textures[TEX_MISC4].get(), region, &scaling, nullptr, 0.0, &corner, kWhite);
    for (const auto& piece : flying) {
        piece->Draw();
    }
}
