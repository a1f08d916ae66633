#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/AppState.h"
#include "app/Game.h"
#include "app/Sprite.h"
#include "app/TextRenderer.h"
#include "app/Textures.h"
#include "games/base/GlobalStatistics.h"
#include "media/Archive.h"
#include "platform/Image.h"
#include "platform/Platform.h"
#include "platform/SdlRenderer.h"
#include "settings/LanguageTexts.h"
#include "support/TempFolder.h"

// Screens as the player sees them: the archive and fonts of the build drawn by
// the software renderer into memory, and written to screens/ in the build
// directory for a look. Skips when the build has no sport.gob. Save files go
// to a temporary folder.
class ScreenFixture : public ::testing::Test {
public:
    // language: 0 German, 1 English.
    explicit ScreenFixture(int language = 0) : language_(language) {}

    void SetUp() override {
        screens = std::filesystem::absolute("screens");
        ASSERT_TRUE(platform::Initialize());
        initialized_ = true;
        app = GetAppState();
        app->archive = ArchiveOpen("sport.gob");
        if (!app->archive) {
            GTEST_SKIP() << "no sport.gob in the build directory";
        }
        auto offscreen = platform::SdlRenderer::CreateOffscreen(1024, 768);
        ASSERT_NE(offscreen, nullptr);
        renderer = offscreen.get();
        app->renderer = std::move(offscreen);
        ASSERT_TRUE(LoadSharedTextures(*app));
        LoadLanguage(*app, language_);
        app->statistics = std::make_shared<GlobalStatistics>();
        std::filesystem::create_directories(screens);
        inFolder = std::make_unique<WorkingDirectoryScope>(folder.Path());
    }

    void TearDown() override {
        inFolder.reset();
        GetTextRenderer()->Release();
        DestroyAppState();
        if (initialized_) {
            platform::Shutdown();
        }
    }

    // One frame of a hosted game as the menu draws it: an in-game background,
    // then the game; written to screens/<fileName>.
    platform::Image ShootGame(Game& game, const std::string& fileName) {
        renderer->Clear(0xFF646464u);
        const platform::Rect region{0, 0, 600, 450};
        const Vec2 scaling{1024.0f / 600.0f, 768.0f / 450.0f};
        DrawSprite(app->textures[TEX_BACK3].get(), &region, &scaling, nullptr, 0.0, nullptr, 0xFFFFFFFFu);
        game.Render();
        platform::Image image = renderer->Screenshot();
        EXPECT_TRUE(platform::WritePng((screens / fileName).string(), image));
        return image;
    }

    std::filesystem::path screens;
    AppState* app = nullptr;
    platform::SdlRenderer* renderer = nullptr;
    TempFolder folder;
    std::unique_ptr<WorkingDirectoryScope> inFolder;

private:
    int language_;
    bool initialized_ = false;
};
