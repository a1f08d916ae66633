#include "games/puzzles/PegHole.h"

#include <utility>

#include "games/puzzles/BoardSquare.h"

namespace {

constexpr uint32_t kBright = 0xFFFFFFFFu;
constexpr uint32_t kDim = 0xFF7F7F7Fu;

}  // namespace

PegHole::PegHole(float x, float y) : x(x), y(y) {}

std::unique_ptr<Peg> PegHole::Put(std::unique_ptr<Peg> newPeg) {
    if (peg != nullptr || newPeg == nullptr) {
        return newPeg;
    }
    peg = std::move(newPeg);
    peg->SetTarget(x, y);
    return nullptr;
}

std::unique_ptr<Peg> PegHole::Take() { return std::move(peg); }

int PegHole::Colour() const { return peg != nullptr ? peg->Colour() : Peg::kEmpty; }

bool PegHole::HitTest(int px, int py) const { return WithinSquare(x, y, px, py); }

void PegHole::Glide(double seconds) {
    if (peg != nullptr) {
        peg->Glide(seconds);
    }
}

void PegHole::Draw(bool highlighted) const {
    DrawBoardSquare(x, y, highlighted ? kBright : kDim);
    if (peg != nullptr) {
        peg->Draw();
    }
}
