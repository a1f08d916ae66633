#include "games/puzzles/PegScore.h"

#include <cstddef>

#include "games/puzzles/BoardSquare.h"

namespace {

constexpr uint32_t kBright = 0x7F7F5050u;
constexpr uint32_t kDim = 0x7F7F7F7Fu;
// Score pegs are small enough for five to lie apart in the box: four in the
// corners of a square around the centre and the fifth on the centre, like the
// five of a die. Any further peg (only ever a placeholder) sits on the centre.
constexpr float kCorner = 12.0f;
constexpr float kOffsetX[] = {-kCorner, kCorner, -kCorner, kCorner, 0.0f};
constexpr float kOffsetY[] = {-kCorner, -kCorner, kCorner, kCorner, 0.0f};
constexpr size_t kPlaces = 5;

}  // namespace

PegScore::PegScore(float x, float y) : x(x), y(y) {
    for (int i = 0; i < kPlaceholders; ++i) {
        pegs.push_back(std::make_unique<Peg>(x, y, Peg::kEmpty, kPegSide));
    }
}

void PegScore::AddBlack(int place) {
    Add(Peg::kBlack, place);
    ++blacks;
}

void PegScore::AddWhite(int place) {
    Add(Peg::kWhite, place);
    ++whites;
}

void PegScore::Add(int colour, int place) {
    if (place < 0) {
        pegs.insert(pegs.begin(), std::make_unique<Peg>(x, y, colour, kPegSide));
        return;
    }
    const size_t index = static_cast<size_t>(place);
    if (index < pegs.size() && pegs[index]->Colour() == Peg::kEmpty) {
        pegs[index] = std::make_unique<Peg>(x, y, colour, kPegSide);
    }
}

bool PegScore::HitTest(int px, int py) const { return WithinSquare(x, y, px, py); }

void PegScore::Glide(double seconds) {
    for (size_t i = 0; i < pegs.size(); ++i) {
        const float dx = i < kPlaces ? kOffsetX[i] : 0.0f;
        const float dy = i < kPlaces ? kOffsetY[i] : 0.0f;
        pegs[i]->SetTarget(x + dx, y + dy);
        pegs[i]->Glide(seconds);
    }
}

void PegScore::Draw(bool highlighted) const {
    DrawBoardSquare(x, y, highlighted ? kBright : kDim);
    for (const auto& peg : pegs) {
        peg->Draw();
    }
}
