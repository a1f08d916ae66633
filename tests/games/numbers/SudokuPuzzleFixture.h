#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/AppState.h"
#include "app/TextRenderer.h"
#include "app/Textures.h"
#include "games/base/GlobalStatistics.h"
#include "games/base/Knobel_Game.h"
#include "settings/LanguageTexts.h"
#include "support/RecordingRenderer.h"
#include "support/TempFolder.h"

// The set-up the Sudoku and sliding puzzle tests share: a recording renderer
// with a misc1 and menu2 texture, texts with plain formats, global statistics,
// and a temporary working folder for the save files.
class SudokuPuzzleFixture : public ::testing::Test {
protected:
    void SetUp() override {
        app = GetAppState();
        auto recording = std::make_unique<RecordingRenderer>();
        renderer = recording.get();
        app->renderer = std::move(recording);
        app->textures[TEX_MISC1] = std::make_unique<RecordingRenderer::FakeTexture>(1024, 1024);
        app->textures[TEX_MENU2] = std::make_unique<RecordingRenderer::FakeTexture>(1024, 1024);
        app->statistics = std::make_shared<GlobalStatistics>();
        ReadLanguageTexts(
            "ANZ_TEXTE: 80 "
            "<TEXT_START> 14 Sudoku|"
            "<TEXT_START> 17 Puzzle|"
            "<TEXT_START> 22 Time %d:%02d|"
            "<TEXT_START> 27 Moves %d|"
            "<TEXT_START> 28 Invalid %d|"
            "<TEXT_START> 29 Shuffled %d|"
            "<TEXT_START> 40 Mistakes %d|"
            "<TEXT_START> 41 Per move %.1f|"
            "<TEXT_START> 50 Grade %.2f|"
            "<TEXT_START> 63 %d:%02d|"
            "<TEXT_START> 74 Slide|"
            "<TEXT_START> 75 Fill|",
            app->texts);
    }

    void TearDown() override {
        GetTextRenderer()->Release();
        DestroyAppState();
    }

    // One frame of the main loop: frameTime counts for the clocks, rawFrameTime
    // moves the gliding tiles.
    void Frame(Knobel_Game& game, double frameTime, double rawFrameTime) {
        app->frameTime = frameTime;
        app->rawFrameTime = rawFrameTime;
        game.Update();
    }

    TempFolder folder;
    WorkingDirectoryScope inFolder{folder.Path()};
    AppState* app = nullptr;
    RecordingRenderer* renderer = nullptr;
};
