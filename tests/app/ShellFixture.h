#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/AppState.h"
#include "support/CallLog.h"
#include "support/RecordingRenderer.h"
#include "support/FakeWindow.h"
#include "support/RecordingScreen.h"

// An AppState with a scripted window, a logging renderer, a manual clock and
// a recording screen as the current screen.
class ShellFixture : public ::testing::Test {
protected:
    void SetUp() override {
        app = GetAppState();
        auto fakeWindow = std::make_unique<FakeWindow>();
        window = fakeWindow.get();
        window->log = &log;
        app->window = std::move(fakeWindow);
        app->renderer = std::make_unique<RecordingRenderer>(log);
        auto manualClock = std::make_unique<platform::ManualClock>();
        clock = manualClock.get();
        app->clock = std::move(manualClock);
        screen = std::make_unique<RecordingScreen>(log);
        app->currentScreen = screen.get();
    }

    void TearDown() override {
        screen.reset();
        DestroyAppState();
    }

    CallLog log;
    AppState* app = nullptr;
    FakeWindow* window = nullptr;
    platform::ManualClock* clock = nullptr;
    std::unique_ptr<RecordingScreen> screen;
};
