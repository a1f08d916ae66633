#include "games/puzzles/KG_Bilder_Basteln.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Random.h"
#include "media/Archive.h"
#include "support/ArchiveBytes.h"
#include "support/GameFixture.h"

namespace {

constexpr char kTexts[] =
    "ANZ_TEXTE: 80 <TEXT_START> 20 Bilder|<TEXT_START> 22 Zeit %d:%02d|<TEXT_START> 50 Note %.2f|"
    "<TEXT_START> 55 Formen %d/%d|<TEXT_START> 57 Teile %d|<TEXT_START> 63 %d:%02d|<TEXT_START> 65 Hilfe|";

// Four targets (square, circle, triangle, bar) and two extra pieces.
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
constexpr int kTargets = 4;

class BilderBastelnTest : public GameFixture {
protected:
    BilderBastelnTest() : GameFixture(kTexts) {}

    // The game's archive: picture file n holds pictures[n] ("-" leaves it out).
    void UseArchive(const std::vector<std::string>& pictures) {
        std::vector<ArchiveEntryBytes> entries{{"misc1.PNG", "-"}};
        for (size_t n = 0; n < pictures.size(); ++n) {
            if (pictures[n] != "-") {
                entries.push_back({"bb_" + std::to_string(n), pictures[n]});
            }
        }
        folder.Write("test.gob", ArchiveBytes(entries));
        app->archive = ArchiveOpen(folder.Path("test.gob"));
    }

    void UsePicture(const std::string& picture) {
        UseArchive(std::vector<std::string>(KG_Bilder_Basteln::kPictureFiles, picture));
    }

    // A started game whose pieces all lie out of the way in the bottom right corner.
    std::unique_ptr<KG_Bilder_Basteln> StartedGame(int level = 0) {
        UsePicture(kPicture);
        auto game = std::make_unique<KG_Bilder_Basteln>(level);
        for (size_t i = 0; i < game->Pieces().size(); ++i) {
            game->Piece(static_cast<int>(i)).x = 990;
            game->Piece(static_cast<int>(i)).y = 740;
        }
        game->StartGame();
        return game;
    }

    // Puts the target's own piece (level 0: same index) exactly on it.
    static void Cover(KG_Bilder_Basteln& game, int target) {
        game.Piece(target) = game.Targets()[static_cast<size_t>(target)];
    }

    void Frame(KG_Bilder_Basteln& game, double seconds = 0.0) { RunFrames(game, 1, seconds, seconds); }
};

TEST_F(BilderBastelnTest, EveryTargetBringsAPieceAndHigherLevelsAddExtraAndRandomPieces) {
    for (int level = 0; level < 3; ++level) {
        SCOPED_TRACE("level " + std::to_string(level));
        UsePicture(kPicture);
        SeedRandom(77u + static_cast<unsigned>(level));
        KG_Bilder_Basteln game(level);
        ASSERT_EQ(game.Targets().size(), static_cast<size_t>(kTargets));
        const size_t extras = level == 0 ? 0 : 2 + 5 * static_cast<size_t>(level);
        ASSERT_EQ(game.Pieces().size(), kTargets + extras);
        for (int i = 0; i < kTargets; ++i) {
            const PictureShape& target = game.Targets()[static_cast<size_t>(i)];
            const PictureShape& piece = game.Pieces()[static_cast<size_t>(i)];
            EXPECT_EQ(piece.type, target.type);
            EXPECT_EQ((piece.rotation - target.rotation) % 45, 0);
            EXPECT_GE(piece.sizeFactor, 0.6 - 1e-9);
            EXPECT_LE(piece.sizeFactor, 1.9 + 1e-9);
            EXPECT_TRUE(piece.x >= 100 && piece.x < 924 && piece.y >= 100 && piece.y < 668);
        }
        for (size_t i = kTargets; i < game.Pieces().size(); ++i) {
            const PictureShape& piece = game.Pieces()[i];
            const bool fromFile = i < kTargets + 2;
            EXPECT_DOUBLE_EQ(piece.sizeFactor, fromFile ? (i == kTargets ? 1.2 : 0.7) : 1.0);
            EXPECT_EQ(piece.rotation % 15, 0);
        }
        EXPECT_EQ(game.GetState(), Knobel_Game::STATE_RUNNING);
    }
}

TEST_F(BilderBastelnTest, AMissingOrEmptyPictureGivesWayToAnotherAndWithoutAnyThePlayFails) {
    const std::string onlyExtras = "BAUOBJEKT_START OBJEKT_START TYP: 1 OBJEKT_END";
    struct Case {
        const char* what;
        std::vector<std::string> pictures;
        int shown;
    };
    std::vector<std::string> onlySeven(KG_Bilder_Basteln::kPictureFiles, "");
    onlySeven[7] = kPicture;
    const Case cases[] = {
        {"no picture files", {}, -1},
        {"empty picture files", std::vector<std::string>(KG_Bilder_Basteln::kPictureFiles, ""), -1},
        {"pictures without targets", std::vector<std::string>(KG_Bilder_Basteln::kPictureFiles, onlyExtras), -1},
        {"one good picture", onlySeven, 7},
    };
    for (const Case& c : cases) {
        UseArchive(c.pictures);
        KG_Bilder_Basteln game(1);
        EXPECT_EQ(game.PictureNumber(), c.shown) << c.what;
        game.StartGame();
        Frame(game, 1.0);
        game.ComputeGrade();
        if (c.shown < 0) {
            EXPECT_EQ(game.GetState(), Knobel_Game::STATE_FAILED) << c.what;
            EXPECT_EQ(game.GetGrade(), Knobel_Game::kWorstGrade) << c.what;
            EXPECT_TRUE(game.Pieces().empty()) << c.what;
        } else {
            EXPECT_EQ(game.GetState(), Knobel_Game::STATE_RUNNING) << c.what;
            EXPECT_EQ(game.Targets().size(), static_cast<size_t>(kTargets)) << c.what;
        }
    }
}

TEST_F(BilderBastelnTest, AFittingPieceSnapsOnceLetGoAndLeavingLowersTheCount) {
    auto game = StartedGame();
    PictureShape& square = game->Piece(0);
    square.x = 303;
    square.y = 304;
    square.rotation = 90;
    square.sizeFactor = 1.03;

    // Held, the piece neither counts nor snaps.
    game->OnLeftButtonDown(303, 304);
    ASSERT_EQ(game->SelectedPiece(), &square);
    Frame(*game);
    EXPECT_EQ(game->Fitted(), 0);
    // Let go but still chosen, it counts without snapping.
    game->OnLeftButtonUp(306, 296);
    Frame(*game);
    EXPECT_EQ(game->Fitted(), 1);
    EXPECT_EQ(square.x, 306);
    EXPECT_EQ(square.rotation, 90);
    // A click beside it lets it go, and it snaps: place and angle of the
    // target, its own size.
    game->OnLeftButtonDown(500, 100);
    game->OnLeftButtonUp(500, 100);
    EXPECT_EQ(game->SelectedPiece(), nullptr);
    Frame(*game);
    EXPECT_EQ(game->Fitted(), 1);
    EXPECT_EQ(square.x, 300);
    EXPECT_EQ(square.y, 300);
    EXPECT_EQ(square.rotation, 0);
    EXPECT_DOUBLE_EQ(square.sizeFactor, 1.03);
    renderer->texts.clear();
    game->Render();
    ASSERT_FALSE(renderer->texts.empty());
    EXPECT_NE(renderer->texts.back().text.find("Formen 1/4"), std::string::npos);

    // Dragged off again, it no longer counts.
    game->OnLeftButtonDown(300, 300);
    game->OnMouseMove(450, 650);
    Frame(*game);
    EXPECT_EQ(game->Fitted(), 0);
    EXPECT_EQ(square.x, 450);
}

TEST_F(BilderBastelnTest, KeysTurnResizeAndNudgeTheChosenPieceWithinTheirLimits) {
    struct Case {
        const char* what;
        uint16_t key;
        int presses;
        double size;
        int rotation;
        float x;
        float y;
    };
    const Case cases[] = {
        {"Home", 36, 20, 2.0, 0, 500, 400},  {"W", 'W', 3, 1.3, 0, 500, 400},
        {"End", 35, 20, 0.4, 0, 500, 400},   {"S", 'S', 2, 0.8, 0, 500, 400},
        {"A", 'A', 2, 1.0, 330, 500, 400},   {"keypad minus", 109, 1, 1.0, 345, 500, 400},
        {"D", 'D', 25, 1.0, 15, 500, 400},   {"keypad plus", 107, 1, 1.0, 15, 500, 400},
        {"Left", 37, 3, 1.0, 0, 497, 400},   {"Right", 39, 1, 1.0, 0, 501, 400},
        {"Up", 38, 2, 1.0, 0, 500, 398},     {"Down", 40, 1, 1.0, 0, 500, 401},
        {"Q", 'Q', 1, 1.0, 0, 500, 400},
    };
    for (const Case& c : cases) {
        auto game = StartedGame();
        PictureShape& piece = game->Piece(1);
        piece = PictureShape{.sizeFactor = 1.0, .type = 1, .rotation = 0, .x = 500, .y = 400};
        // Without a chosen piece keys do nothing.
        game->OnKeyDown(c.key);
        EXPECT_EQ(piece.x, 500) << c.what;
        EXPECT_DOUBLE_EQ(piece.sizeFactor, 1.0) << c.what;
        game->OnLeftButtonDown(500, 400);
        game->OnLeftButtonUp(500, 400);
        const int moves = game->Moves();
        for (int i = 0; i < c.presses; ++i) {
            game->OnKeyDown(c.key);
        }
        EXPECT_NEAR(piece.sizeFactor, c.size, 1e-9) << c.what;
        EXPECT_EQ(piece.rotation, c.rotation) << c.what;
        EXPECT_EQ(piece.x, c.x) << c.what;
        EXPECT_EQ(piece.y, c.y) << c.what;
        EXPECT_EQ(game->Moves(), moves) << c.what << ": the same piece counts once";
    }
}

TEST_F(BilderBastelnTest, AMoveCountsWhenAnotherPieceStartsMoving) {
    auto game = StartedGame();
    game->Piece(0).x = 200;
    game->Piece(0).y = 200;
    game->Piece(1).x = 800;
    game->Piece(1).y = 200;
    const auto drag = [&](int fromX, int toX) {
        game->OnLeftButtonDown(fromX, 200);
        game->OnMouseMove(fromX + 5, 210);
        game->OnMouseMove(fromX, 200);
        game->OnLeftButtonUp(toX, 200);
    };
    drag(200, 200);
    EXPECT_EQ(game->Moves(), 1);
    drag(200, 200);
    game->OnKeyDown(37);
    EXPECT_EQ(game->Moves(), 1);
    drag(800, 800);
    EXPECT_EQ(game->Moves(), 2);
    drag(199, 199);
    EXPECT_EQ(game->Moves(), 3);
    // A right click forgets the last moved piece too.
    game->OnRightButtonUp(0, 0);
    drag(199, 199);
    EXPECT_EQ(game->Moves(), 4);
}

TEST_F(BilderBastelnTest, AFinishedPictureIsGradedByTimeAndAnEarlyEndByTheUncoveredPart) {
    struct Case {
        int covered;
        double seconds;
        bool abort;
        double grade;
    };
    const Case cases[] = {
        {4, 60.0, false, 1.5},
        {4, 600.0, false, 6.0},
        {2, 30.0, true, 4.0},
        {1, 0.0, true, 4.75},
        {0, 90.0, true, 6.0},
    };
    for (const Case& c : cases) {
        auto game = StartedGame();
        Frame(*game, c.seconds);
        EXPECT_EQ(game->GetState(), Knobel_Game::STATE_RUNNING);
        for (int i = 0; i < c.covered; ++i) {
            Cover(*game, i);
        }
        Frame(*game);
        EXPECT_EQ(game->Fitted(), c.covered);
        if (c.abort) {
            game->SetState(Knobel_Game::STATE_ABORTED);
        }
        EXPECT_EQ(game->GetState(), c.covered == kTargets ? Knobel_Game::STATE_FINISHED : Knobel_Game::STATE_ABORTED);
        game->ComputeGrade();
        EXPECT_DOUBLE_EQ(game->GetGrade(), c.grade) << c.covered << " covered after " << c.seconds << " s";
    }
}

}  // namespace
