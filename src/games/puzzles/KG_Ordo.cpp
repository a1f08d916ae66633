#include "games/puzzles/KG_Ordo.h"

#include <algorithm>
#include <iterator>

#include "app/AppState.h"
#include "app/Colours.h"
#include "app/Random.h"
#include "app/Sprite.h"
#include "app/TextRenderer.h"
#include "app/Textures.h"
#include "games/base/VerdictMark.h"
#include "games/puzzles/BoardSquare.h"
#include "platform/Renderer.h"
#include "settings/LanguageTexts.h"
#include "settings/TextFormat.h"

namespace {

constexpr int kTitleText = 130;
constexpr int kHelpText = 131;
constexpr int kStatusText = 132;
constexpr int kCheckText = 133;
constexpr int kAtomsByLevel[] = {5, 5, 8};
constexpr int kLampsPerSide = kBoardSize;
// Cell and lamp centres: 50 pixels apart, the fourth cell on the screen's centre.
constexpr int kStep = 50;
constexpr int kCentreCell = 3;
// Lamps stand this far from the screen's centre: left and above, right and below.
constexpr int kNearLampDistance = 220;
constexpr int kFarLampDistance = 270;
// The status line, above the board.
// The check button, at the bottom centre.
constexpr int kButtonHalfWidth = 100;
constexpr int kButtonAboveBottom = 75;
constexpr int kButtonHeight = 50;
const SheetRegion kButtonRegion{"plain", {400, 600, 600, 650}};
// Signs over a lamp: reflected, absorbed, doubtful.
const SheetRegion kReflectedSign{"mark reflected", {650, 0, 700, 50}};
const SheetRegion kAbsorbedSign{"mark absorbed", {700, 0, 750, 50}};
const SheetRegion kDoubtSign{"mark doubtful", {750, 0, 800, 50}};
// Cell colours.
constexpr uint32_t kPlain = 0xFFFFFFFFu;
constexpr uint32_t kMarked = KG_Ordo::kMarkColour;
// The reveal marks each atom: a tick where it was found, a cross where it
// was missed (colours would mix with the rays'); the line under the board
// counts them.
constexpr int kRevealText = 383;
// The help panel: a picture on the right, the text in a column on the left.
const SheetRegion kHelpPicture{"atoms help", {0, 0, 300, 340}};
constexpr float kPictureFromRight = 350.0f;
constexpr float kPictureTop = 100.0f;
constexpr float kHelpMargin = 50.0f;
constexpr float kHelpTextFromRight = 370.0f;
constexpr float kHelpTextFromBottom = 70.0f;

// The colours of the rays that come out, in the order they are fired: light
// and strong colours far apart from each other, from the dark red of a mark
// and from the grey of a missed atom, the first ones the most distinct. A
// board has 32 lamps, so no more than 16 rays come out.
constexpr uint32_t kRayColours[] = {
    0xFFF3C300u,  // yellow
    0xFF875692u,  // purple
    0xFFF38400u,  // orange
    0xFFA1CAF1u,  // light blue
    0xFFBE0032u,  // red
    0xFF008856u,  // green
    0xFF00D3E0u,  // cyan
    0xFFE68FACu,  // pink
    0xFF5FD35Fu,  // light green
    0xFF1F3FBFu,  // royal blue
    0xFF8DB600u,  // lime
    0xFFD33FD3u,  // magenta
    0xFF654522u,  // brown
    0xFF00A3A3u,  // teal
    0xFFFFE8A0u,  // cream
    0xFF9C6B00u,  // ochre
};

}  // namespace

KG_Ordo::KG_Ordo(int level)
    : Knobel_Game(level, kSaveFile),
      font(std::make_unique<Font>("Comic Sans MS", 20)),
      help(this->level == 0),
      atomCount(kAtomsByLevel[this->level]) {
    int placed = 0;
    while (placed < atomCount) {
        const int i = Random() & 7;
        const int j = Random() & 7;
        if (!atoms[Index(i)][Index(j)]) {
            atoms[Index(i)][Index(j)] = true;
            ++placed;
        }
    }
    const float w = static_cast<float>(app->screenWidth / 2);
    const float h = static_cast<float>(app->screenHeight / 2);
    for (int k = 0; k < kLampsPerSide; ++k) {
        const float along = static_cast<float>((k - kCentreCell) * kStep);
        const auto place = [&](int index, float x, float y, int column, int row) {
            RayLamp& lamp = lamps[Index(index)];
            lamp.x = x;
            lamp.y = y;
            lamp.column = column;
            lamp.row = row;
        };
        place(k, w - kNearLampDistance, h + along, -1, k);
        place(kLampsPerSide + k, w + kFarLampDistance, h + along, kBoardSize, k);
        place(2 * kLampsPerSide + k, w + along, h - kNearLampDistance, k, -1);
        place(3 * kLampsPerSide + k, w + along, h + kFarLampDistance, k, kBoardSize);
    }
}

void KG_Ordo::SetAtoms(const AtomGrid& grid) {
    atoms = grid;
    atomCount = 0;
    for (const auto& column : atoms) {
        for (const bool atom : column) {
            atomCount += atom ? 1 : 0;
        }
    }
}

int KG_Ordo::FoundAtoms() const { return std::max(0, CountMarks(true) - CountMarks(false)); }

int KG_Ordo::CountMarks(bool onAtoms) const {
    int count = 0;
    for (int i = 0; i < kBoardSize; ++i) {
        for (int j = 0; j < kBoardSize; ++j) {
            count += marks[Index(i)][Index(j)] && atoms[Index(i)][Index(j)] == onAtoms ? 1 : 0;
        }
    }
    return count;
}

float KG_Ordo::CellX(int column) const {
    return static_cast<float>(app->screenWidth / 2 + (column - kCentreCell) * kStep);
}

float KG_Ordo::CellY(int row) const {
    return static_cast<float>(app->screenHeight / 2 + (row - kCentreCell) * kStep);
}

int KG_Ordo::LampAt(int column, int row) {
    if (column < 0) {
        return row;
    }
    if (column >= kBoardSize) {
        return kLampsPerSide + row;
    }
    if (row < 0) {
        return 2 * kLampsPerSide + column;
    }
    return 3 * kLampsPerSide + column;
}

uint32_t KG_Ordo::RayColour(int pair) {
    constexpr int kCount = static_cast<int>(std::size(kRayColours));
    return kRayColours[static_cast<size_t>(((pair - 1) % kCount + kCount) % kCount)];
}

void KG_Ordo::Fire(RayLamp& lamp) {
    lamp.lit = true;
    const RayPath path = TraceRay(atoms, lamp.column, lamp.row);
    lamp.steps = path.steps;
    switch (path.end) {
        case RayPath::End::Absorbed:
            lamp.absorbed = true;
            lamp.absorbingColumn = path.column;
            lamp.absorbingRow = path.row;
            return;
        case RayPath::End::Reflected:
            lamp.reflected = true;
            lamp.reflectionColumn = path.column;
            lamp.reflectionRow = path.row;
            return;
        case RayPath::End::Exited:
            break;
    }
    // Only the rays that come out light two lamps, and they share a colour.
    const uint32_t colour = RayColour(++pairs);
    lamp.colour = colour;
    lamp.partnerColumn = path.column;
    lamp.partnerRow = path.row;
    RayLamp& exit = lamps[Index(LampAt(path.column, path.row))];
    exit.lit = true;
    exit.colour = colour;
    exit.steps = lamp.steps;
    exit.partnerColumn = lamp.column;
    exit.partnerRow = lamp.row;
}

void KG_Ordo::CheckDoubts() {
    for (RayLamp& lamp : lamps) {
        if (!lamp.lit) {
            continue;
        }
        const RayPath path = TraceRay(marks, lamp.column, lamp.row);
        switch (path.end) {
            case RayPath::End::Absorbed:
                lamp.doubtful = !lamp.absorbed;
                break;
            case RayPath::End::Reflected:
                lamp.doubtful = !lamp.reflected;
                break;
            case RayPath::End::Exited:
                lamp.doubtful = lamp.absorbed || lamp.reflected || path.column != lamp.partnerColumn ||
                                path.row != lamp.partnerRow;
                break;
        }
    }
}

void KG_Ordo::OnLeftButtonDown(int x, int y) {
    // While the atoms are shown, the marks and rays stay as they were checked.
    if (!IsRunning() || Revealing()) {
        return;
    }
    for (int i = 0; i < kBoardSize; ++i) {
        for (int j = 0; j < kBoardSize; ++j) {
            if (!WithinSquare(CellX(i), CellY(j), x, y)) {
                continue;
            }
            bool& mark = marks[Index(i)][Index(j)];
            markCount += mark ? -1 : 1;
            mark = !mark;
            if (help) {
                CheckDoubts();
            }
            return;
        }
    }
    for (RayLamp& lamp : lamps) {
        if (!WithinSquare(lamp.x, lamp.y, x, y)) {
            continue;
        }
        if (lamp.lit) {
            return;
        }
        ++rays;
        Fire(lamp);
        if (help) {
            CheckDoubts();
        }
        return;
    }
}

void KG_Ordo::OnLeftButtonUp(int x, int y) {
    if (!IsRunning()) {
        return;
    }
    const int centre = app->screenWidth / 2;
    const int top = app->screenHeight - kButtonAboveBottom;
    if (x < centre - kButtonHalfWidth || x > centre + kButtonHalfWidth || y < top || y > top + kButtonHeight) {
        return;
    }
    // Marks that no ray can tell from the atoms are as right as the atoms'
    // own places: the atoms are then shown where the player put them.
    solved = markCount == atomCount && SameRays(atoms, marks);
    if (solved) {
        atoms = marks;
    }
    endTimer = solved ? kSolvedSeconds : kFailedSeconds;
}

void KG_Ordo::Update() {
    const double seconds = app->frameTime;
    if (IsStarted()) {
        if (Revealing()) {
            endTimer -= seconds;
            if (endTimer <= 0.0) {
                SetState(solved ? STATE_FINISHED : STATE_FAILED);
            }
        }
        AddPlayTime(seconds);
    }
    AddRecordsTime(seconds);
}

void KG_Ordo::Render() {
    if (!IsStarted()) {
        return;
    }
    if (GetState() == STATE_RUNNING) {
        DrawTimePanel(FormatText(kStatusText, atomCount, markCount));
    }
    for (int i = 0; i < kBoardSize; ++i) {
        for (int j = 0; j < kBoardSize; ++j) {
            const bool atom = atoms[Index(i)][Index(j)];
            const bool marked = marks[Index(i)][Index(j)];
            const bool reveal = Revealing() && atom;
            DrawBoardSquare(CellX(i), CellY(j), marked && !reveal ? kMarked : kPlain);
            if (reveal) {
                verdict::DrawMark(marked, CellX(i) - verdict::kMarkSide / 2, CellY(j) - verdict::kMarkSide / 2);
            }
        }
    }
    for (const RayLamp& lamp : lamps) {
        const bool coloured = lamp.lit && !lamp.absorbed && !lamp.reflected;
        DrawBoardSquare(lamp.x, lamp.y, coloured ? lamp.colour : kPlain);
        if (lamp.absorbed) {
            DrawBoardSign(kAbsorbedSign, lamp.x, lamp.y);
        }
        if (lamp.reflected) {
            DrawBoardSign(kReflectedSign, lamp.x, lamp.y);
        }
        if (lamp.doubtful) {
            DrawBoardSign(kDoubtSign, lamp.x, lamp.y);
        }
    }
    if (Revealing()) {
        const int top = app->screenHeight - kButtonAboveBottom;
        textRenderer->DrawText(FormatText(kRevealText, CountMarks(true), atomCount), 0, top, app->screenWidth,
                               top + kButtonHeight, kBlack, platform::dt::Center | platform::dt::VCenter, smallFont);
    } else {
        const int left = app->screenWidth / 2 - kButtonHalfWidth;
        const int top = app->screenHeight - kButtonAboveBottom;
        const Vec2 at{static_cast<float>(left), static_cast<float>(top)};
        DrawSprite(app->textures[TEX_MENU2].get(), kButtonRegion, nullptr, nullptr, 0.0, &at, kPlain);
        textRenderer->DrawText(GetTextOrEmpty(kCheckText), left, top, left + 2 * kButtonHalfWidth,
                               top + kButtonHeight, kBlack, platform::dt::Center | platform::dt::VCenter, smallFont);
    }
}

const std::string& KG_Ordo::GetHelpText() { return GetTextOrEmpty(kHelpText); }

const std::string& KG_Ordo::GetTitle() { return GetTextOrEmpty(kTitleText); }

const std::string& KG_Ordo::GetResultText() {
    resultText = PlayTimeText() + "\n" + FormatText(kRevealText, CountMarks(true), atomCount) + "\n\n" + GradeText();
    return resultText;
}

void KG_Ordo::ComputeGrade() {
    const double seconds = GetPlaySeconds();
    // Atoms found stay found, also when the play is ended while they are shown.
    if (solved) {
        SetGrade(seconds / 120.0 + 1.0);
        return;
    }
    SetGrade(static_cast<double>(atomCount - FoundAtoms()) / atomCount * 5.0 + 1.0 + seconds / 60.0);
}

void KG_Ordo::DrawHelpText(GUIElement* /*element*/, int left, int top, int right, int bottom, float x, float y,
                           float scaleX, float scaleY, Font* /*menuFont*/) {
    const float width = static_cast<float>(right - left);
    const float height = static_cast<float>(bottom - top);
    const Vec2 scaling{scaleX, scaleY};
    const Vec2 at{x + width - kPictureFromRight, y + kPictureTop};
    DrawSprite(app->textures[TEX_MISC2].get(), kHelpPicture, &scaling, nullptr, 0.0, &at, kPlain);
    textRenderer->DrawText(SpacedParagraphs(GetHelpText()), static_cast<int>(x + kHelpMargin),
                           static_cast<int>(y + kHelpMargin),
                           static_cast<int>(x + width - kHelpTextFromRight),
                           static_cast<int>(y + height - kHelpTextFromBottom), kBlack,
                           platform::dt::VCenter | platform::dt::WordBreak, font.get());
}
