#include "games/puzzles/KG_Bilder_Basteln.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

#include "app/Random.h"
#include "media/Archive.h"
#include "support/ArchiveBytes.h"
#include "support/GameFixture.h"

namespace {

constexpr char kTexts[] = "ANZ_TEXTE: 80 <TEXT_START> 55 Formen %d/%d|<TEXT_START> 57 Teile %d|";

// Four targets (square, circle, triangle, bar), then two extra pieces.
constexpr char kPicture[] =
    "ZIELOBJEKT_START\n"
    "OBJEKT_START POSITON: 300 300 SCALE: 1 1 ROT: 0 TYP: 0 SFACTOR: 1 OBJEKT_END\n"
    "OBJEKT_START POSITON: 600 300 SCALE: 1 1 ROT: 0 TYP: 1 SFACTOR: 1.5 OBJEKT_END\n"
    "OBJEKT_START POSITON: 300 550 SCALE: 1 1 ROT: 60 TYP: 2 SFACTOR: 1 OBJEKT_END\n"
    "OBJEKT_START POSITON: 600 550 SCALE: 1 1 ROT: 90 TYP: 3 SFACTOR: 0.8 OBJEKT_END\n"
    "ZIELOBJEKT_END\nBAUOBJEKT_START\n"
    "OBJEKT_START POSITON: 150 650 SCALE: 1 1 ROT: 30 TYP: 2 SFACTOR: 1.2 OBJEKT_END\n"
    "OBJEKT_START POSITON: 850 650 SCALE: 1 1 ROT: 0 TYP: 0 SFACTOR: 0.7 OBJEKT_END\n"
    "BAUOBJEKT_END\n";
constexpr size_t kTargets = 4;

class BilderBastelnTest : public GameFixture {
protected:
    BilderBastelnTest() : GameFixture(kTexts) {}
    // The archive of the game: picture file n holds pictures[n].
    void UseArchive(const std::vector<std::string>& pictures) {
        std::vector<ArchiveEntryBytes> entries{{"misc1.PNG", "-"}};
        for (size_t n = 0; n < pictures.size(); ++n) entries.push_back({"bb_" + std::to_string(n), pictures[n]});
        folder.Write("test.gob", ArchiveBytes(entries));
        app->archive = ArchiveOpen(folder.Path("test.gob"));
    }
    // A started level-0 game of kPicture whose pieces lie out of the way in
    // the bottom right corner (piece i belongs to target i).
    std::unique_ptr<KG_Bilder_Basteln> StartedGame() {
        UseArchive(std::vector<std::string>(KG_Bilder_Basteln::kPictureFiles, kPicture));
        auto game = std::make_unique<KG_Bilder_Basteln>(0);
        for (size_t i = 0; i < kTargets; ++i) game->Piece(static_cast<int>(i)) = PictureShape{.x = 990, .y = 740};
        game->StartGame();
        return game;
    }
    void Frame(KG_Bilder_Basteln& game, double seconds = 0.0) { RunFrames(game, 1, seconds, seconds); }
};

TEST_F(BilderBastelnTest, EveryTargetBringsAPieceAndHigherLevelsAddExtraAndRandomPieces) {
    for (int level = 0; level < 3; ++level) {
        UseArchive(std::vector<std::string>(KG_Bilder_Basteln::kPictureFiles, kPicture));
        SeedRandom(77u + static_cast<unsigned>(level));
        KG_Bilder_Basteln game(level);
        ASSERT_EQ(game.Targets().size(), kTargets);
        ASSERT_EQ(game.Pieces().size(), kTargets + (level == 0 ? 0 : 2 + 5 * level)) << "level " << level;
        for (size_t i = 0; i < game.Pieces().size(); ++i) {
            const PictureShape& piece = game.Pieces()[i];
            if (i < kTargets) {
                const PictureShape& target = game.Targets()[i];
                EXPECT_EQ(piece.type, target.type);
                EXPECT_EQ((piece.rotation - target.rotation) % 45, 0);
                EXPECT_TRUE(piece.sizeFactor > 0.59 && piece.sizeFactor < 1.91) << piece.sizeFactor;
                EXPECT_TRUE(piece.x >= 100 && piece.x < 924 && piece.y >= 100 && piece.y < 668);
            } else {
                const double fileSizes[] = {1.2, 0.7};
                EXPECT_DOUBLE_EQ(piece.sizeFactor, i < kTargets + 2 ? fileSizes[i - kTargets] : 1.0);
                EXPECT_EQ(piece.rotation % 15, 0);
            }
        }
    }
}

TEST_F(BilderBastelnTest, AMissingOrEmptyPictureGivesWayToAnotherAndWithoutAnyThePlayFails) {
    std::vector<std::string> onlySeven(KG_Bilder_Basteln::kPictureFiles, "");
    onlySeven[7] = kPicture;
    const std::vector<std::string> noTargets(KG_Bilder_Basteln::kPictureFiles, "BAUOBJEKT_START OBJEKT_START OBJEKT_END");
    const std::vector<std::string> pictures[] = {{}, std::vector<std::string>(13, ""), noTargets, onlySeven};
    for (const auto& files : pictures) {
        UseArchive(files);
        KG_Bilder_Basteln game(1);
        game.StartGame();
        Frame(game, 1.0);
        const bool shown = &files == &pictures[3];
        EXPECT_EQ(game.PictureNumber(), shown ? 7 : -1);
        EXPECT_EQ(game.GetState(), shown ? Knobel_Game::STATE_RUNNING : Knobel_Game::STATE_FAILED);
        EXPECT_EQ(game.Pieces().empty(), !shown);
    }
}

TEST_F(BilderBastelnTest, AFittingPieceSnapsOnlyOnceLetGoAndLeavingLowersTheCount) {
    auto game = StartedGame();
    PictureShape& square = game->Piece(0);
    square = PictureShape{.sizeFactor = 1.03, .rotation = 90, .x = 303, .y = 304};
    game->OnLeftButtonDown(303, 304);
    ASSERT_EQ(game->SelectedPiece(), &square);
    Frame(*game);
    EXPECT_EQ(game->Fitted(), 0) << "a held piece does not count";
    game->OnLeftButtonUp(306, 296);
    Frame(*game);
    EXPECT_EQ(game->Fitted(), 1) << "a chosen piece counts";
    EXPECT_EQ(square.x, 306) << "but does not snap";
    // A click beside it lets it go: it takes the target's place and angle,
    // keeping its size.
    game->OnLeftButtonDown(500, 100);
    game->OnLeftButtonUp(500, 100);
    EXPECT_EQ(game->SelectedPiece(), nullptr);
    Frame(*game);
    EXPECT_EQ(game->Fitted(), 1);
    EXPECT_TRUE(square.x == 300 && square.y == 300 && square.rotation == 0);
    EXPECT_DOUBLE_EQ(square.sizeFactor, 1.03);
    game->OnLeftButtonDown(300, 300);
    game->OnMouseMove(450, 650);
    Frame(*game);
    EXPECT_EQ(game->Fitted(), 0);
    EXPECT_EQ(square.x, 450);
}

// A press takes the piece the player sees under the pointer: the topmost
// one whose outline holds the point, the chosen piece lying on top of all.
TEST_F(BilderBastelnTest, APressTakesTheTopmostPieceWhoseOutlineHoldsThePoint) {
    auto game = StartedGame();
    // A square and a circle overlapping, a turned triangle, an upright bar;
    // a click takes a piece and puts it down where it was clicked, so each
    // press starts from these places.
    const auto press = [&](int x, int y) {
        game->Piece(0) = PictureShape{.type = 0, .x = 500, .y = 400};
        game->Piece(1) = PictureShape{.type = 1, .x = 540, .y = 400};
        game->Piece(2) = PictureShape{.type = 2, .rotation = 180, .x = 200, .y = 200};
        game->Piece(3) = PictureShape{.type = 3, .rotation = 90, .x = 800, .y = 200};
        game->OnLeftButtonDown(x, y);
        game->OnLeftButtonUp(x, y);
        const PictureShape* taken = game->SelectedPiece();
        return taken != nullptr ? static_cast<int>(taken - game->Pieces().data()) : -1;
    };
    const struct { int x, y, piece; const char* where; } cases[] = {
        {520, 400, 1, "on both: the one drawn later"},     {456, 356, 0, "the square's corner"},
        {585, 445, -1, "beside the circle, inside its box"}, {200, 235, 2, "the turned apex points down"},
        {200, 165, -1, "above the turned base"},           {800, 160, 3, "the bar stands upright"},
        {840, 200, -1, "beside the upright bar"},
    };
    for (const auto& c : cases) {
        game->OnRightButtonUp(0, 0);  // nothing chosen
        EXPECT_EQ(press(c.x, c.y), c.piece) << c.where;
    }
    // Chosen, the square lies on top: drawn last of the pieces (only the time
    // panel comes after them), and taken first.
    EXPECT_EQ(press(456, 356), 0);
    renderer->sprites.clear();
    game->Render();
    const auto lastPiece = std::find_if(renderer->sprites.rbegin(), renderer->sprites.rend(),
                                        [](const auto& sprite) { return sprite.name != "wide"; });
    ASSERT_NE(lastPiece, renderer->sprites.rend());
    EXPECT_EQ(lastPiece->colour, 0xFFFF0000u);
    game->Piece(0).x = 500;
    game->Piece(0).y = 400;
    game->OnLeftButtonDown(520, 400);
    EXPECT_EQ(game->SelectedPiece(), &game->Pieces()[0]);
    game->OnLeftButtonUp(520, 400);
    // The arrow keys keep a chosen piece on the board.
    game->OnRightButtonUp(0, 0);
    ASSERT_EQ(press(580, 400), 1);
    PictureShape& circle = game->Piece(1);
    circle.x = 1;
    circle.y = 766;
    for (const uint16_t key : {37, 37, 37, 40, 40}) game->OnKeyDown(key);
    EXPECT_TRUE(circle.x == 0 && circle.y == 767) << circle.x << "," << circle.y;
}

TEST_F(BilderBastelnTest, KeysTurnResizeAndNudgeTheChosenPieceWithinTheirLimits) {
    struct Case { uint16_t key; int presses; double size; int rotation; float x, y; };
    const Case cases[] = {
        {36, 20, 2.0, 0, 500, 400}, {'W', 3, 1.3, 0, 500, 400}, {35, 20, 0.4, 0, 500, 400}, {'S', 2, 0.8, 0, 500, 400},
        {'A', 2, 1.0, 330, 500, 400}, {'D', 25, 1.0, 15, 500, 400}, {109, 1, 1.0, 345, 500, 400},
        {107, 1, 1.0, 15, 500, 400}, {37, 3, 1.0, 0, 497, 400},
        {39, 1, 1.0, 0, 501, 400}, {38, 2, 1.0, 0, 500, 398}, {40, 1, 1.0, 0, 500, 401}, {'Q', 1, 1.0, 0, 500, 400}};
    for (const Case& c : cases) {
        auto game = StartedGame();
        PictureShape& piece = game->Piece(1);
        piece = PictureShape{.type = 1, .x = 500, .y = 400};
        game->OnKeyDown(c.key);
        EXPECT_TRUE(piece.x == 500 && piece.sizeFactor == 1.0) << "no chosen piece, key " << c.key;
        game->OnLeftButtonDown(500, 400);
        game->OnLeftButtonUp(500, 400);
        for (int i = 0; i < c.presses; ++i) game->OnKeyDown(c.key);
        EXPECT_NEAR(piece.sizeFactor, c.size, 1e-9) << "key " << c.key;
        EXPECT_EQ(piece.rotation, c.rotation) << "key " << c.key;
        EXPECT_TRUE(piece.x == c.x && piece.y == c.y) << "key " << c.key;
        EXPECT_EQ(game->Moves(), 1) << "key " << c.key << ": the same piece counts once";
    }
}

TEST_F(BilderBastelnTest, AFinishedPictureIsGradedByTimeAndAnEarlyEndByTheUncoveredPart) {
    struct Case { size_t covered; double seconds; double grade; };
    const Case cases[] = {{4, 60.0, 1.5}, {4, 600.0, 6.0}, {2, 30.0, 4.0}, {1, 0.0, 4.75}};
    for (const Case& c : cases) {
        auto game = StartedGame();
        Frame(*game, c.seconds);
        for (size_t i = 0; i < c.covered; ++i) game->Piece(static_cast<int>(i)) = game->Targets()[i];
        Frame(*game);
        EXPECT_EQ(game->GetState() == Knobel_Game::STATE_FINISHED, c.covered == kTargets);
        game->SetState(Knobel_Game::STATE_ABORTED);
        game->ComputeGrade();
        EXPECT_DOUBLE_EQ(game->GetGrade(), c.grade) << c.covered << " covered after " << c.seconds << " s";
    }
}

}  // namespace
