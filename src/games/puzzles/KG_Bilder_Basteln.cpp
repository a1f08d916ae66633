#include "games/puzzles/KG_Bilder_Basteln.h"

#include <string>

#include "app/AppState.h"
#include "app/Random.h"
#include "app/TextRenderer.h"
#include "games/puzzles/PictureFile.h"
#include "media/ArchiveStream.h"
#include "media/Sound.h"
#include "platform/KeyMap.h"
#include "platform/Renderer.h"
#include "settings/LanguageTexts.h"
#include "settings/TextFormat.h"

namespace {

constexpr int kTitleText = 20;
constexpr int kFittedText = 55;
constexpr int kMovesText = 57;
constexpr int kHelpText = 65;

constexpr uint32_t kTargetColour = 0xFF5F5F5Fu;
constexpr uint32_t kSelectedColour = 0xFFFF0000u;
// Loose pieces in a light blue, apart from the dark outlines to fill and the
// red piece in hand.
constexpr uint32_t kPieceColour = 0xFF8EC5F0u;

// Pieces are placed at least this far from every screen edge.
constexpr int kPlacementMargin = 100;
constexpr double kSizeStep = 0.1;
constexpr int kTurnStep = 15;
// A target's own piece starts turned by a multiple of this.
constexpr int kStartTurnStep = 45;

constexpr double kSecondsPerGradeSolved = 120.0;
constexpr double kSecondsPerGradeUnsolved = 60.0;
constexpr double kUncoveredPenalty = 5.0;

}  // namespace

KG_Bilder_Basteln::KG_Bilder_Basteln(int level)
    : Knobel_Game(level, kSaveFile) {
    const int first = Random() % kPictureFiles;
    for (int i = 0; i < kPictureFiles; ++i) {
        const int n = (first + i) % kPictureFiles;
        if (!ReadPicture(n)) {
            continue;
        }
        if (!targets.empty()) {
            pictureNumber = n;
            break;
        }
    }
    if (targets.empty()) {
        pieces.clear();
        SetState(STATE_FAILED);
        return;
    }
    AddRandomPieces();
}

bool KG_Bilder_Basteln::ReadPicture(int n) {
    const std::string name = "bb_" + std::to_string(n);
    ArchiveStream file(app->archive.get(), name.c_str());
    if (!file.IsOpen()) {
        return false;
    }
    pieces.clear();
    targets.clear();
    for (const PictureObject& object : ReadPictureFile(*file.GetStream())) {
        if (!object.target) {
            if (level > 0) {
                pieces.push_back(object.shape);
            }
            continue;
        }
        const PictureShape& target = object.shape;
        targets.push_back(target);
        // The target's type, scale and angle at a random place and size.
        PictureShape piece = target;
        PlaceRandomly(piece);
        piece.sizeFactor = (Random() % 14 + 6) / 10.0;
        piece.Rotate((Random() % 24) * kStartTurnStep);
        pieces.push_back(piece);
    }
    return true;
}

void KG_Bilder_Basteln::PlaceRandomly(PictureShape& piece) const {
    const int width = app->screenWidth - 2 * kPlacementMargin;
    const int height = app->screenHeight - 2 * kPlacementMargin;
    piece.y = static_cast<float>(Random() % height + kPlacementMargin);
    piece.x = static_cast<float>(Random() % width + kPlacementMargin);
}

void KG_Bilder_Basteln::AddRandomPieces() {
    for (int i = 0; i < level * kRandomPiecesPerLevel; ++i) {
        PictureShape piece;
        piece.type = Random() & 3;
        piece.rotation = (Random() % 24) * kTurnStep;
        PlaceRandomly(piece);
        pieces.push_back(piece);
    }
}

PictureShape* KG_Bilder_Basteln::PieceAt(int x, int y) {
    // The topmost piece under the point: the selected one is drawn last, the
    // others in the list's order.
    const float px = static_cast<float>(x);
    const float py = static_cast<float>(y);
    if (selectedPiece != nullptr && selectedPiece->Contains(px, py)) {
        return selectedPiece;
    }
    for (auto piece = pieces.rbegin(); piece != pieces.rend(); ++piece) {
        if (piece->Contains(px, py)) {
            return &*piece;
        }
    }
    return nullptr;
}

void KG_Bilder_Basteln::CountMove() {
    if (selectedPiece != lastMovedPiece) {
        ++moves;
        lastMovedPiece = selectedPiece;
    }
}

void KG_Bilder_Basteln::OnMouseMove(int x, int y) {
    if (!IsRunning() || selectedPiece == nullptr || !buttonDown) {
        return;
    }
    selectedPiece->x = static_cast<float>(x);
    selectedPiece->y = static_cast<float>(y);
    CountMove();
}

void KG_Bilder_Basteln::OnLeftButtonDown(int x, int y) {
    if (!IsRunning()) {
        return;
    }
    buttonDown = true;
    selectedPiece = PieceAt(x, y);
}

// The release always ends a drag; only a running game also moves the piece.
void KG_Bilder_Basteln::OnLeftButtonUp(int x, int y) {
    buttonDown = false;
    if (!IsRunning()) {
        return;
    }
    if (selectedPiece != nullptr) {
        selectedPiece->x = static_cast<float>(x);
        selectedPiece->y = static_cast<float>(y);
        CountMove();
    } else if (PieceAt(x, y) != nullptr) {
        lastMovedPiece = nullptr;
    }
}

void KG_Bilder_Basteln::OnRightButtonUp(int /*x*/, int /*y*/) {
    if (!IsRunning()) {
        return;
    }
    selectedPiece = nullptr;
    lastMovedPiece = nullptr;
}

void KG_Bilder_Basteln::OnKeyDown(uint16_t key) {
    if (!IsRunning() || selectedPiece == nullptr) {
        return;
    }
    PictureShape& piece = *selectedPiece;
    // A nudged piece keeps its centre on the screen, where it can be taken again.
    const auto nudge = [&](float dx, float dy) {
        piece.x = std::clamp(piece.x + dx, 0.0f, static_cast<float>(app->screenWidth - 1));
        piece.y = std::clamp(piece.y + dy, 0.0f, static_cast<float>(app->screenHeight - 1));
        CountMove();
    };
    switch (key) {
        case platform::vk::End:
        case 'S':
            piece.Resize(-kSizeStep);
            break;
        case platform::vk::Home:
        case 'W':
            piece.Resize(kSizeStep);
            break;
        case platform::vk::Left:
            nudge(-1.0f, 0.0f);
            break;
        case platform::vk::Up:
            nudge(0.0f, -1.0f);
            break;
        case platform::vk::Right:
            nudge(1.0f, 0.0f);
            break;
        case platform::vk::Down:
            nudge(0.0f, 1.0f);
            break;
        case 'A':
        case platform::vk::Subtract:
            piece.Rotate(-kTurnStep);
            break;
        case 'D':
        case platform::vk::Add:
            piece.Rotate(kTurnStep);
            break;
        default:
            break;
    }
}

void KG_Bilder_Basteln::Update() {
    AddRecordsTime(app->frameTime);
    if (IsRunning()) {
        AddPlayTime(app->frameTime);
        CheckFits();
    }
}

void KG_Bilder_Basteln::CheckFits() {
    const int previous = fitted;
    fitted = 0;
    bool allFitted = !targets.empty();
    for (const PictureShape& target : targets) {
        PictureShape* match = nullptr;
        for (PictureShape& piece : pieces) {
            if ((buttonDown && &piece == selectedPiece) || !PictureShape::Fits(target, piece)) {
                continue;
            }
            match = &piece;
            break;
        }
        if (match == nullptr) {
            allFitted = false;
            continue;
        }
        ++fitted;
        if (match != selectedPiece) {
            PictureShape::Snap(*match, target);
        }
    }
    if (allFitted) {
        SetState(STATE_FINISHED);
    }
    if (fitted > previous) {
        PlaySound(SOUND_POP, 1.0f);
    } else if (fitted < previous) {
        PlaySound(SOUND_PUNCH, 1.0f);
    }
}

void KG_Bilder_Basteln::Render() {
    if (!IsStarted()) {
        return;
    }
    for (const PictureShape& target : targets) {
        target.Draw(kTargetColour);
    }
    // The selected piece lies on top of the others.
    for (const PictureShape& piece : pieces) {
        if (&piece != selectedPiece) {
            piece.Draw(kPieceColour);
        }
    }
    if (selectedPiece != nullptr) {
        selectedPiece->Draw(kSelectedColour);
    }
    // Over the pieces, so that none lying there hides the time or the count.
    if (IsRunning()) {
        DrawTimePanel(FormatText(kFittedText, fitted, static_cast<int>(targets.size())));
    }
}

const std::string& KG_Bilder_Basteln::GetHelpText() { return GetTextOrEmpty(kHelpText); }

const std::string& KG_Bilder_Basteln::GetTitle() { return GetTextOrEmpty(kTitleText); }

const std::string& KG_Bilder_Basteln::GetResultText() {
    resultText = PlayTimeText() + "\n" + FormatText(kMovesText, moves) + "\n\n" + GradeText();
    return resultText;
}

void KG_Bilder_Basteln::ComputeGrade() {
    if (targets.empty()) {
        SetGrade(kWorstGrade);
    } else if (GetState() == STATE_FINISHED) {
        SetGrade(GetPlaySeconds() / kSecondsPerGradeSolved + 1.0);
    } else {
        const double covered = static_cast<double>(fitted) / static_cast<double>(targets.size());
        SetGrade(kWorstGrade - covered * kUncoveredPenalty + GetPlaySeconds() / kSecondsPerGradeUnsolved);
    }
}
