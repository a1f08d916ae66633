#include "games/numbers/MoneyTray.h"

#include <algorithm>

#include "app/AppState.h"
#include "app/Colours.h"
#include "app/Font.h"
#include "app/Sprite.h"
#include "app/TextRenderer.h"
#include "app/Textures.h"
#include "games/numbers/MoneyLayout.h"
#include "settings/LanguageTexts.h"

namespace {

constexpr int kFirstLabelText = 144;
constexpr double kFontSize = 25.0;
// Pieces laid out in rows keep this far apart.
constexpr float kRowGap = 8.0f;

// The cash tray's picture, and in it the brass plate carrying the name and
// the felt the pieces lie on, a little in from its edge.
const SheetRegion kCashTrayRegion{"cash tray", {0, 0, 500, 190}};
constexpr ScreenBox kCashTrayPlate{16.0f, 9.0f, 484.0f, 39.0f};
constexpr ScreenBox kCashTrayFelt{16.0f, 46.0f, 484.0f, 172.0f};
constexpr float kFeltInset = 3.0f;

// A tray on the table: its name in a band along its top, the pieces below.
constexpr float kNameBandHeight = 34.0f;
constexpr float kBelowNameBand = 4.0f;

ScreenBox Offset(const ScreenBox& inPicture, const ScreenBox& tray) {
    return ScreenBox{tray.left + inPicture.left, tray.top + inPicture.top, tray.left + inPicture.right,
                     tray.top + inPicture.bottom};
}

// How far to move a box along one axis to bring it between low and high;
// centred there when it is larger.
float ShiftInto(float boxLow, float boxHigh, float low, float high) {
    if (boxHigh - boxLow > high - low) {
        return (low + high) / 2.0f - (boxLow + boxHigh) / 2.0f;
    }
    if (boxLow < low) {
        return low - boxLow;
    }
    return boxHigh > high ? high - boxHigh : 0.0f;
}

}  // namespace

MoneyTray::MoneyTray(const ScreenBox& box, int label, Look look)
    : font(std::make_unique<Font>("Arial", kFontSize)), box(box), label(label), look(look) {}

MoneyTray::~MoneyTray() = default;

ScreenBox MoneyTray::NameBand() const {
    if (look == Look::CashTray) {
        return Offset(kCashTrayPlate, box);
    }
    return ScreenBox{box.left, box.top, box.right, box.top + kNameBandHeight};
}

ScreenBox MoneyTray::PieceArea() const {
    if (look == Look::CashTray) {
        const ScreenBox felt = Offset(kCashTrayFelt, box);
        return ScreenBox{felt.left + kFeltInset, felt.top + kFeltInset, felt.right - kFeltInset,
                         felt.bottom - kFeltInset};
    }
    return ScreenBox{box.left, box.top + kNameBandHeight + kBelowNameBand, box.right, box.bottom};
}

void MoneyTray::Add(std::unique_ptr<MoneyPiece> piece, float x, float y) {
    const ScreenBox at = MoneyBox(piece->Cents(), x, y, piece->Scale());
    const ScreenBox area = PieceArea();
    piece->SetTarget(x + ShiftInto(at.left, at.right, area.left, area.right),
                     y + ShiftInto(at.top, at.bottom, area.top, area.bottom));
    pieces.push_back(std::move(piece));
}

void MoneyTray::Arrange() {
    std::vector<int> cents;
    for (const auto& piece : pieces) {
        cents.push_back(piece->Cents());
    }
    const std::vector<MoneySpot> spots = LayOutInRows(cents, PieceArea(), kRowGap);
    for (size_t i = 0; i < pieces.size(); ++i) {
        pieces[i]->SetScale(spots[i].scale);
        pieces[i]->Place(spots[i].x, spots[i].y);
    }
}

int MoneyTray::Sum() const {
    int sum = 0;
    for (const auto& piece : pieces) {
        sum += piece->Cents();
    }
    return sum;
}

bool MoneyTray::HitTest(float x, float y) const { return box.Contains(x, y); }

std::unique_ptr<MoneyPiece> MoneyTray::TakeTopmost(int x, int y) {
    for (size_t i = pieces.size(); i-- > 0;) {
        if (pieces[i]->HitTest(x, y)) {
            std::unique_ptr<MoneyPiece> piece = std::move(pieces[i]);
            pieces.erase(pieces.begin() + static_cast<std::ptrdiff_t>(i));
            return piece;
        }
    }
    return nullptr;
}

void MoneyTray::Update(double seconds) {
    for (const auto& piece : pieces) {
        piece->Glide(seconds);
    }
}

void MoneyTray::Draw() const {
    if (look == Look::CashTray) {
        const Vec2 corner{box.left, box.top};
        DrawSprite(GetAppState()->textures[TEX_MISC4].get(), kCashTrayRegion, nullptr, nullptr, 0.0, &corner,
                   kWhite);
    }
    const ScreenBox band = NameBand();
    GetTextRenderer()->DrawText(GetTextOrEmpty(kFirstLabelText + label), static_cast<int>(band.left),
                                static_cast<int>(band.top), static_cast<int>(band.right),
                                static_cast<int>(band.bottom), kBlack,
                                platform::dt::Center | platform::dt::VCenter, font.get());
    for (const auto& piece : pieces) {
        piece->Draw();
    }
}
