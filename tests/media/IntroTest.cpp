#include "media/Intro.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "app/AppState.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "support/TempFolder.h"

namespace {

// The intro the build makes, in the tests' working directory (the build folder).
constexpr const char* kShippedIntro = "intro.avi";

class IntroTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(platform::Initialize());
        ASSERT_TRUE(std::filesystem::exists(kShippedIntro)) << "build the intro_video target first";
        app = GetAppState();
        app->introEnabled = true;
        app->fullscreen = true;
        auto manual = std::make_unique<platform::ManualClock>();
        clock = manual.get();
        app->clock = std::move(manual);
    }
    void TearDown() override {
        DestroyAppState();
        platform::Shutdown();
    }
    // Plays the intro; the seconds it took on the intro's clock.
    double Play(const std::string& fileName, bool expectedResult = true) {
        const double start = clock->Seconds();
        EXPECT_EQ(PlayIntro(*app, fileName), expectedResult);
        return clock->Seconds() - start;
    }
    static void PushKey(SDL_Keycode key) {
        SDL_Event event{};
        event.type = SDL_KEYDOWN;
        event.key.state = SDL_PRESSED;
        event.key.keysym.sym = key;
        SDL_PushEvent(&event);
    }
    TempFolder folder;
    AppState* app = nullptr;
    platform::ManualClock* clock = nullptr;
};

TEST_F(IntroTest, PlaysOnlyFullScreenAndWhenEnabled) {
    app->fullscreen = false;
    EXPECT_LT(Play(kShippedIntro), 0.5);
    app->fullscreen = true;
    app->introEnabled = false;
    EXPECT_LT(Play(kShippedIntro), 0.5);
    EXPECT_TRUE(app->escapeArmed);
}

TEST_F(IntroTest, PlaysToTheEndOfTheFile) {
    // The manual clock runs ahead of the sound device, so up to the clip's
    // sound may still be queued at the last frame and is waited for.
    const double seconds = Play(kShippedIntro);
    EXPECT_GT(seconds, 5.5);
    EXPECT_LT(seconds, 13.0);
    EXPECT_TRUE(app->escapeArmed);
}

TEST_F(IntroTest, EscapeEndsItAndDisarmsTheEscapeReleaseWhileClosingTheProgramEndsStartUp) {
    PushKey(SDLK_SPACE);  // other keys do nothing
    PushKey(SDLK_ESCAPE);
    EXPECT_LT(Play(kShippedIntro), 1.0);
    EXPECT_FALSE(app->escapeArmed);
    app->escapeArmed = true;
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    EXPECT_LT(Play(kShippedIntro, false), 1.0);
    EXPECT_TRUE(app->escapeArmed);
}

TEST_F(IntroTest, AMissingOrDamagedFileReturnsAtOnce) {
    EXPECT_LT(Play(folder.Path("missing.avi")), 0.5);
    // The header of the real file, cut off before its first picture.
    std::ifstream file(kShippedIntro, std::ios::binary);
    const std::string shipped((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_GT(shipped.size(), 100000u);
    folder.Write("cut.avi", shipped.substr(0, 2048));
    EXPECT_LT(Play(folder.Path("cut.avi")), 0.5);
    EXPECT_TRUE(app->escapeArmed);
}

}  // namespace
