// The two pairs games as the player sees them, drawn with the archive and the
// fonts of the build into screens/memory-*.png for a look.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "CardClicks.h"
#include "app/AppState.h"
#include "app/Sprite.h"
#include "app/TextRenderer.h"
#include "games/memory/KG_KartenMemory.h"
#include "games/memory/KG_Memory.h"
#include "platform/Platform.h"
#include "platform/SdlRenderer.h"
#include "settings/LanguageTexts.h"
#include "support/TempFolder.h"

namespace {

class PairsScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(platform::Initialize());
        app = GetAppState();
        auto offscreen = platform::SdlRenderer::CreateOffscreen(1024, 768);
        ASSERT_NE(offscreen, nullptr);
        renderer = offscreen.get();
        app->renderer = std::move(offscreen);
        app->archive = ArchiveOpen("sport.gob");
        if (!app->archive) {
            GTEST_SKIP() << "no sport.gob in the build directory";
        }
        ASSERT_TRUE(LoadSharedTextures(*app));
        const char* root = std::getenv("KNOBEL_SOURCE_DIR");
        std::ifstream file(std::string(root != nullptr ? root : ".") + "/data/english.lng", std::ios::binary);
        std::stringstream texts;
        texts << file.rdbuf();
        ReadLanguageTexts(texts.str(), app->texts);
        std::filesystem::create_directories("screens");
        screens = std::filesystem::absolute("screens");
        // Save files go to a temporary folder.
        inFolder = std::make_unique<WorkingDirectoryScope>(folder.Path());
    }

    void TearDown() override {
        inFolder.reset();
        GetTextRenderer()->Release();
        DestroyAppState();
        platform::Shutdown();
    }

    // The game over one of the menu's backgrounds, as the menu shows it.
    void Shoot(Knobel_Game& game, const std::string& name) {
        renderer->Clear(0xFF646464u);
        const platform::Rect background{0, 0, 600, 450};
        const Vec2 scale{1024.0f / 600.0f, 768.0f / 450.0f};
        DrawSprite(app->textures[TEX_BACK3].get(), &background, &scale, nullptr, 0.0, nullptr, 0xFFFFFFFFu);
        game.Render();
        EXPECT_TRUE(platform::WritePng((screens / name).string(), renderer->Screenshot()));
    }

    // Finds the pair of the first card, then turns a wrong pair that stays up.
    template <typename PairsGameType>
    void TurnSomeCards(PairsGameType& game) {
        game.StartGame();
        app->frameTime = app->rawFrameTime = 83.0;
        game.Update();
        int partner = 1;
        while (!game.CardAt(partner).SamePair(game.CardAt(0))) {
            ++partner;
        }
        ClickCard(game, 0);
        ClickCard(game, partner);
        int first = 1;
        while (game.CardAt(first).IsFaceUp()) {
            ++first;
        }
        int wrong = first + 1;
        while (game.CardAt(wrong).IsFaceUp() || game.CardAt(wrong).SamePair(game.CardAt(first))) {
            ++wrong;
        }
        ClickCard(game, first);
        ClickCard(game, wrong);
        ASSERT_EQ(game.Mistakes(), 1);
    }

    AppState* app = nullptr;
    platform::SdlRenderer* renderer = nullptr;
    std::filesystem::path screens;
    TempFolder folder;
    std::unique_ptr<WorkingDirectoryScope> inFolder;
};

TEST_F(PairsScreenTest, RoundCardsWithAFoundPairAndAWrongPairShowing) {
    for (int level = 0; level < 3; ++level) {
        KG_Memory game(level);
        TurnSomeCards(game);
        Shoot(game, "memory-round-" + std::to_string(level) + ".png");
    }
}

TEST_F(PairsScreenTest, PlayingCardsWithAFoundPairAndAWrongPairShowing) {
    for (int level = 0; level < 3; ++level) {
        KG_KartenMemory game(level);
        TurnSomeCards(game);
        Shoot(game, "memory-cards-" + std::to_string(level) + ".png");
    }
}

}  // namespace
