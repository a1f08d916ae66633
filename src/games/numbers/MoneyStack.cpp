#include "games/numbers/MoneyStack.h"

MoneyStack::MoneyStack(int cents, float x, float y, double scale, int count)
    : positionX(x), positionY(y), count(count), cents(cents), scale(scale) {}

ScreenBox MoneyStack::Bounds() const { return MoneyBox(cents, positionX, positionY, scale); }

bool MoneyStack::HitTest(int x, int y) const {
    return Bounds().Contains(static_cast<float>(x), static_cast<float>(y));
}

std::unique_ptr<MoneyPiece> MoneyStack::TakePiece() {
    if (count == kUnlimited || count >= 1) {
        if (count >= 1) {
            --count;
        }
        auto piece = std::make_unique<MoneyPiece>(cents, positionX, positionY, true);
        piece->SetScale(scale);
        return piece;
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
    DrawMoney(cents, positionX, positionY, scale);
    for (const auto& piece : flying) {
        piece->Draw();
    }
}
