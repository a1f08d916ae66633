// Random players: a seeded stream of every kind of input a player can give
// (moves, clicks, drags, double clicks, wheel, keys with repeat, Ctrl+Enter,
// focus loss, minimise and restore) goes through the window procedure into
// each wired game and into the menu, with frames of varied length. After every
// message and frame: the hosted game's state is one the base defines, an end
// state stays, the grade lies within 1.0 to 6.0; after each play the game's
// save file reads back with that play counted. KNOBEL_MONKEY_SEED and
// KNOBEL_MONKEY_FRAMES replay or lengthen a run.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <memory>

#include "app/AppState.h"
#include "app/MainLoop.h"
#include "app/Random.h"
#include "games/base/GameRecords.h"
#include "games/base/Knobel_Game.h"
#include "menu/GameTable.h"
#include "menu/MainMenu.h"
#include "platform/Clock.h"
#include "platform/KeyMap.h"
#include "support/FakeWindow.h"
#include "support/ScreenDriver.h"

namespace {

using platform::MessageKind;
namespace vk = platform::vk;

unsigned EnvOr(const char* name, unsigned fallback) {
    const char* value = std::getenv(name);
    return value != nullptr ? static_cast<unsigned>(std::strtoul(value, nullptr, 10)) : fallback;
}

// Every game the menu creates is counted, so a new game at an old one's address is still told apart.
int created = 0;
GameFactory originals[kGameCount];
template <int I>
std::unique_ptr<Knobel_Game> Counted(int level) { return ++created, originals[I](level); }
template <int... I>
void CountCreations(std::integer_sequence<int, I...>) {
    ((originals[I] = ReplaceGameFactory(I, Counted<I>)), ...);
}

class MonkeyTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        CountCreations(std::make_integer_sequence<int, kGameCount>());
        seed = EnvOr("KNOBEL_MONKEY_SEED", 1) + static_cast<unsigned>(GetParam());
        frames = EnvOr("KNOBEL_MONKEY_FRAMES", 300);
        SeedRandom(seed);
        state = seed;
        driver = std::make_unique<ScreenDriver>(ScreenDriver::Mode::Recording);
        ASSERT_TRUE(driver->Ready()) << driver->Problem();
    }
    void TearDown() override {
        driver.reset();
        for (int i = 0; i < kGameCount; ++i) ReplaceGameFactory(i, originals[i]);
    }
    int Below(int n) { return state = state * 1103515245u + 12345u, static_cast<int>((state >> 8) % n); }
    MainMenu& Menu() { return driver->Menu(); }
    // A game's run gives input only while its play lasts: what comes after
    // belongs to the menu's own run.
    bool PlayOver() { return launched >= 0 && (Menu().game == nullptr || created != launched); }
    void Send(const platform::Message& m) {
        if (!PlayOver()) driver->Send(m), Check();
    }
    void Mouse(MessageKind kind, int x, int y) { Send(MouseMessage(kind, x, y)); }
    void Key(int key, bool ctrl = false) {
        for (int repeat = Below(4) == 0 ? Below(5) : 0; repeat >= 0; --repeat)
            Send(KeyMessage(MessageKind::KeyDown, key, ctrl, repeat > 0));
        Send(KeyMessage(MessageKind::KeyUp, key, ctrl));
    }
    void Act();
    void Step();
    void Check();
    void EndOfPlay();
    // Ends the play as a player does: Escape and "end game" on the pause
    // page, or past the result page once it has ended.
    void GiveUp() {
        const int s = Menu().game->GetState();
        if ((s == 6 || s == 7) && Menu().currentPage != MainMenu::PAGE_PAUSE) driver->PressKey(vk::Escape);
        driver->ClickElement(s == 6 || s == 7 ? 56 : 63);
    }

    static constexpr int kKeys[] = {vk::Escape, 'H', vk::Return, vk::Back, vk::Space, vk::Left, vk::Up, vk::Right,
                                    vk::Down,   '0', '4',        '9',      'A',       'E',      'R',   'Z',
                                    vk::Shift,  vk::Prior, vk::Next, vk::Home, vk::End, vk::Add, vk::Subtract};
    std::unique_ptr<ScreenDriver> driver;
    unsigned seed = 0, state = 0, frames = 0;
    int watched = -1, endState = -1, plays = 0, launched = -1;
    unsigned patience = 0;  // the frame after which the player ends a play that does not end
};

void MonkeyTest::Act() {
    const int x = Below(1024), y = Below(768);
    switch (Below(12)) {
        case 0: return Mouse(MessageKind::MouseMove, x, y);
        case 1: return Mouse(MessageKind::MouseMove, x, y), Mouse(MessageKind::LeftButtonDown, x, y),
                       Mouse(MessageKind::LeftButtonUp, x, y);
        case 2:
            Mouse(MessageKind::LeftButtonDown, x, y);
            for (int i = 1; i <= 3; ++i) Mouse(MessageKind::MouseMove, x + i * (Below(61) - 30), y + i * (Below(61) - 30));
            return Mouse(MessageKind::LeftButtonUp, Below(1024), Below(768));
        case 3: return Mouse(MessageKind::LeftButtonDown, x, y), Mouse(MessageKind::LeftButtonUp, x, y),
                       Mouse(MessageKind::LeftDoubleClick, x, y), Mouse(MessageKind::LeftButtonUp, x, y);
        case 4: return Mouse(MessageKind::RightButtonDown, x, y), Mouse(MessageKind::RightButtonUp, x, y);
        case 5: {
            platform::Message wheel = MouseMessage(MessageKind::MouseWheel, x, y);
            wheel.wheelDelta = Below(2) ? 120 : -120;
            wheel.keyFlags = static_cast<uint16_t>(Below(16));
            return Send(wheel);
        }
        case 6: case 7: return Key(kKeys[Below(std::size(kKeys))]);
        case 8:  // Ctrl+Enter switches between window and full screen
            Send(KeyMessage(MessageKind::KeyDown, vk::Control)), Key(vk::Return, true);
            return Send(KeyMessage(MessageKind::KeyUp, vk::Control));
        case 9: return Key(Below(2) ? vk::Escape : 'H');
        case 10:  // a key held while the focus goes elsewhere: its release never arrives
            Send(KeyMessage(MessageKind::KeyDown, kKeys[Below(std::size(kKeys))]));
            return Send(MouseMessage(MessageKind::FocusLost, 0, 0));
        default: {  // minimised for a while (no update, no render), then restored
            if (Below(3) != 0) return;
            dynamic_cast<platform::ManualClock&>(*driver->App().clock).Advance(Below(30) * 0.1);
            return DeviceResetSequence(driver->App()), Check();
        }
    }
}

void MonkeyTest::Step() {
    for (int actions = Below(4); actions > 0; --actions) Act();
    constexpr double kFrames[] = {1.0 / 60, 1.0 / 60, 0.2, 1.5};
    driver->Frame(kFrames[Below(4)]);
    Check();
    driver->App().runState = std::min(driver->App().runState, 1);  // a click on "quit" ends nothing here
}

void MonkeyTest::Check() {
    const Knobel_Game* game = Menu().game.get();
    if (game == nullptr) return;
    if (created != watched) watched = created, endState = -1;  // a new play
    const int s = game->GetState();
    ASSERT_TRUE(s == 0 || s == 2 || s == 4 || s == 6 || s == 7) << "state " << s;
    ASSERT_TRUE(endState < 0 || s == endState) << "end state " << endState << " became " << s;
    if (s == 0 || s == 2 || s == 4) endState = s;
    ASSERT_TRUE(std::isfinite(game->GetGrade()) && game->GetGrade() >= 1.0 && game->GetGrade() <= 6.0)
        << "grade " << game->GetGrade();
}

// The play just ended was counted in the game's own save file (or is its only
// play, when the player reset the game's records during it).
void MonkeyTest::EndOfPlay() {
    std::string saveFile;
    for (const auto& entry : std::filesystem::directory_iterator(driver->Folder().Path()))
        if (entry.path().extension() == ".sav" && entry.path().filename() != "stats.sav") {
            ASSERT_TRUE(saveFile.empty()) << "one game, one save file";
            saveFile = entry.path().filename().string();
        }
    GameRecords records;
    ASSERT_TRUE(records.Load(saveFile)) << saveFile;
    EXPECT_TRUE(records.gamesPlayed == plays + 1 || records.gamesPlayed == 1) << records.gamesPlayed << " plays";
    plays = records.gamesPlayed;
}

TEST_P(MonkeyTest, NothingBreaksAndEveryPlayIsCounted) {
    SCOPED_TRACE("replay: KNOBEL_MONKEY_SEED=" + std::to_string(seed - GetParam()) +
                 " KNOBEL_MONKEY_FRAMES=" + std::to_string(frames));
    const bool onePlay = GetParam() < kGameCount;
    for (unsigned frame = 0; frame < frames && !HasFatalFailure(); ++frame) {
        if (onePlay && (launched < 0 || PlayOver())) {
            if (launched >= 0) EndOfPlay();
            Menu().testMode = false;
            Menu().LaunchGame(GetParam());
            launched = created;
            patience = frame + 100 + static_cast<unsigned>(Below(400));
        }
        if (onePlay && frame > patience) GiveUp();
        Step();
    }
    if (onePlay && !HasFatalFailure() && !PlayOver()) Menu().CloseGame(), EndOfPlay();
    RecordProperty("plays", plays);
}

// Each wired game on its own (its plays end and start again), then the menu
// with everything it can launch (index kGameCount).
INSTANTIATE_TEST_SUITE_P(EveryGameAndTheMenu, MonkeyTest, ::testing::Range(0, kGameCount + 1));

}  // namespace
