#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/AppState.h"
#include "app/Game.h"
#include "app/TextRenderer.h"
#include "games/base/GlobalStatistics.h"
#include "settings/LanguageTexts.h"
#include "support/RecordingRenderer.h"
#include "support/TempFolder.h"

// The setting of a mini-game's tests: save files in a temporary working
// folder, a recording renderer with a stand-in for every shared texture,
// empty global statistics, and the language texts the tests name (in the
// language file's own form: "ANZ_TEXTE: 80 <TEXT_START> 22 Time %d:%02d|").
class GameFixture : public ::testing::Test {
public:
    explicit GameFixture(std::string texts) : texts_(std::move(texts)) {}

    void SetUp() override {
        inFolder = std::make_unique<WorkingDirectoryScope>(folder.Path());
        app = GetAppState();
        auto recording = std::make_unique<RecordingRenderer>();
        renderer = recording.get();
        app->renderer = std::move(recording);
        for (auto& texture : app->textures) {
            texture = std::make_unique<RecordingRenderer::FakeTexture>(1024, 1024);
        }
        app->statistics = std::make_shared<GlobalStatistics>();
        ReadLanguageTexts(texts_, app->texts);
    }

    void TearDown() override {
        GetTextRenderer()->Release();
        DestroyAppState();
        inFolder.reset();
    }

    // Frames of the main loop: each sets the frame times, then updates the game.
    void RunFrames(Game& game, int frames, double frameTime, double rawFrameTime) {
        app->frameTime = frameTime;
        app->rawFrameTime = rawFrameTime;
        for (int i = 0; i < frames; ++i) {
            game.Update();
        }
    }

    TempFolder folder;
    std::unique_ptr<WorkingDirectoryScope> inFolder;
    AppState* app = nullptr;
    RecordingRenderer* renderer = nullptr;

private:
    std::string texts_;
};
