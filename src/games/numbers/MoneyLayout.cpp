#include "games/numbers/MoneyLayout.h"

#include <algorithm>
#include <numeric>

#include "games/numbers/MoneyPiece.h"

namespace {

// Below this factor the pieces would be too small to read; rows that still
// do not fit are laid out at it all the same.
constexpr double kSmallestFactor = 0.3;
constexpr double kShrinkStep = 0.95;
// The supply keeps this far from the screen's sides, its rows this far apart.
constexpr float kSupplyMargin = 16.0f;
constexpr float kSupplyRowGap = 6.0f;

ScreenBox BoxAt(int cents, double scale) { return MoneyBox(cents, 0.0f, 0.0f, scale); }

struct Row {
    std::vector<size_t> pieces;
    float width = 0.0f;
    float height = 0.0f;
};

// The pieces in the order given, broken into rows no wider than `width`, a
// new row also where coins follow notes.
std::vector<Row> BreakIntoRows(const std::vector<int>& cents, const std::vector<size_t>& order, double factor,
                               float width, float gap) {
    std::vector<Row> rows;
    for (const size_t i : order) {
        const ScreenBox box = BoxAt(cents[i], MoneyScale(cents[i]) * factor);
        const bool newKind = !rows.empty() && IsCoin(cents[rows.back().pieces.front()]) != IsCoin(cents[i]);
        if (rows.empty() || newKind || rows.back().width + gap + box.Width() > width) {
            rows.emplace_back();
        } else {
            rows.back().width += gap;
        }
        rows.back().pieces.push_back(i);
        rows.back().width += box.Width();
        rows.back().height = std::max(rows.back().height, box.Height());
    }
    return rows;
}

bool Fit(const std::vector<Row>& rows, const ScreenBox& area, float gap) {
    float height = rows.empty() ? 0.0f : -gap;
    for (const Row& row : rows) {
        if (row.width > area.Width()) {
            return false;
        }
        height += row.height + gap;
    }
    return height <= area.Height();
}

}  // namespace

std::vector<MoneySpot> LayOutInRows(const std::vector<int>& cents, const ScreenBox& area, float gap) {
    std::vector<size_t> order(cents.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return cents[a] > cents[b]; });

    double factor = 1.0;
    std::vector<Row> rows = BreakIntoRows(cents, order, factor, area.Width(), gap);
    while (!Fit(rows, area, gap) && factor * kShrinkStep >= kSmallestFactor) {
        factor *= kShrinkStep;
        rows = BreakIntoRows(cents, order, factor, area.Width(), gap);
    }

    std::vector<MoneySpot> spots(cents.size());
    float top = area.top;
    for (const Row& row : rows) {
        float left = area.CentreX() - row.width / 2.0f;
        for (const size_t i : row.pieces) {
            const double scale = MoneyScale(cents[i]) * factor;
            const float width = BoxAt(cents[i], scale).Width();
            spots[i] = MoneySpot{left + width / 2.0f, top + row.height / 2.0f, scale};
            left += width + gap;
        }
        top += row.height + gap;
    }
    return spots;
}

std::vector<MoneySpot> LayOutSupply(const std::vector<int>& cents, float screenWidth, float bottom) {
    std::vector<size_t> notes;
    std::vector<size_t> coins;
    for (size_t i = 0; i < cents.size(); ++i) {
        (IsCoin(cents[i]) ? coins : notes).push_back(i);
    }
    std::vector<MoneySpot> spots(cents.size());
    const float available = screenWidth - 2.0f * kSupplyMargin;
    float foot = bottom;
    for (const std::vector<size_t>* row : {&notes, &coins}) {
        if (row->empty()) {
            continue;
        }
        float width = 0.0f;
        float height = 0.0f;
        for (const size_t i : *row) {
            const ScreenBox box = BoxAt(cents[i], MoneyScale(cents[i]));
            width += box.Width();
            height = std::max(height, box.Height());
        }
        const float gaps = static_cast<float>(row->size() - 1);
        const float factor = std::min(1.0f, (available - gaps * kSupplyLeastGap) / width);
        const float gap = gaps > 0.0f ? std::min(kSupplyMostGap, (available - width * factor) / gaps) : 0.0f;
        float left = screenWidth / 2.0f - (width * factor + gap * gaps) / 2.0f;
        const float centreY = foot - height * factor / 2.0f;
        for (const size_t i : *row) {
            const double scale = MoneyScale(cents[i]) * factor;
            const float pieceWidth = BoxAt(cents[i], scale).Width();
            spots[i] = MoneySpot{left + pieceWidth / 2.0f, centreY, scale};
            left += pieceWidth + gap;
        }
        foot -= height * factor + kSupplyRowGap;
    }
    return spots;
}
