#include "games/puzzles/PegScore.h"

#include <cstddef>

#include "games/puzzles/BoardSquare.h"

namespace {

constexpr uint32_t kBright = 0x7F7F5050u;
constexpr uint32_t kDim = 0x7F7F7F7Fu;
// The first four pegs sit in the corners of a square around the centre; any
// further peg sits on the centre.
constexpr float kQuarter = 12.5f;
constexpr float kOffsetX[] = {-kQuarter, kQuarter, -kQuarter, kQuarter};
constexpr float kOffsetY[] = {-kQuarter, -kQuarter, kQuarter, kQuarter};
constexpr size_t kCorners = 4;

}  // namespace

PegScore::PegScore(float x, float y) : x(x), y(y) {
    for (int i = 0; i < kPlaceholders; ++i) {
        pegs.push_back(std::make_unique<Peg>(x, y, Peg::kEmpty));
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
        pegs.insert(pegs.begin(), std::make_unique<Peg>(x, y, colour));
        return;
    }
    const size_t index = static_cast<size_t>(place);
    if (index < pegs.size() && pegs[index]->Colour() == Peg::kEmpty) {
        pegs[index] = std::make_unique<Peg>(x, y, colour);
    }
}

bool PegScore::HitTest(int px, int py) const { return WithinSquare(x, y, px, py); }

void PegScore::Glide(double seconds) {
    for (size_t i = 0; i < pegs.size(); ++i) {
        const float dx = i < kCorners ? kOffsetX[i] : 0.0f;
        const float dy = i < kCorners ? kOffsetY[i] : 0.0f;
        pegs[i]->SetTarget(x + dx, y + dy);
        pegs[i]->Glide(seconds);
    }
}

void PegScore::Draw(bool highlighted) const {
    DrawBoardSquare(x, y, highlighted ? kBright : kDim);
    for (const auto& peg : pegs) {
        peg->Draw(highlighted);
    }
}
