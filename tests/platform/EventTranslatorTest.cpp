#include "platform/EventTranslator.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

using platform::DeviceStatus;
using platform::Message;
using platform::MessageKind;

class EventTranslatorTest : public ::testing::Test {
protected:
    std::deque<Message> Translate(const SDL_Event& event) {
        std::deque<Message> out;
        translator.Translate(event, out);
        return out;
    }
    static SDL_Event Button(Uint32 type, Uint8 button, int x, int y, Uint8 clicks = 1) {
        SDL_Event event{};
        event.type = type;
        event.button.button = button;
        event.button.x = x;
        event.button.y = y;
        event.button.clicks = clicks;
        return event;
    }
    static SDL_Event Key(Uint32 type, SDL_Keycode key, Uint16 mod = 0, Uint8 repeat = 0) {
        SDL_Event event{};
        event.type = type;
        event.key.keysym.sym = key;
        event.key.keysym.mod = mod;
        event.key.repeat = repeat;
        return event;
    }
    static SDL_Event WindowEvent(Uint8 what) {
        SDL_Event event{};
        event.type = SDL_WINDOWEVENT;
        event.window.event = what;
        return event;
    }
    platform::EventTranslator translator{1024, 768};
};

TEST_F(EventTranslatorTest, EveryPressIsAPressAndTheSecondOfAPairAlsoADoubleClick) {
    auto first = Translate(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 10, 20, 1));
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0].kind, MessageKind::LeftButtonDown);
    auto second = Translate(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 10, 20, 2));
    ASSERT_EQ(second.size(), 2u);
    EXPECT_EQ(second[0].kind, MessageKind::LeftButtonDown);
    EXPECT_EQ(second[1].kind, MessageKind::LeftDoubleClick);
    EXPECT_EQ(second[1].x, 10);
    EXPECT_EQ(second[1].y, 20);
    auto right = Translate(Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 1, 2));
    ASSERT_EQ(right.size(), 1u);
    EXPECT_EQ(right[0].kind, MessageKind::RightButtonUp);
    EXPECT_TRUE(Translate(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 1, 2)).empty());
}

// A message carries the counter of when its input arose: SDL's millisecond
// stamp carried back from now, so a press waiting in the queue keeps its time.
TEST_F(EventTranslatorTest, AMessageCarriesTheCounterOfItsInputsStamp) {
    SDL_Delay(60);  // the tick count starts with SDL
    const double perMs = static_cast<double>(SDL_GetPerformanceFrequency()) / 1000.0;
    SDL_Event press = Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 10, 10, 2);
    press.common.timestamp = SDL_GetTicks() - 40;
    const auto expected = static_cast<double>(SDL_GetPerformanceCounter()) - 40.0 * perMs;
    const std::deque<Message> out = Translate(press);
    ASSERT_EQ(out.size(), 2u);
    for (const Message& message : out) {
        // The stamp's millisecond and the two clock reads.
        EXPECT_NEAR(static_cast<double>(message.counter), expected, 2.0 * perMs);
    }
    // No stamp, or one from the future: now.
    for (const Uint32 stamp : {Uint32{0}, SDL_GetTicks() + 5000}) {
        press.common.timestamp = stamp;
        const auto now = static_cast<double>(SDL_GetPerformanceCounter());
        EXPECT_NEAR(static_cast<double>(Translate(press).front().counter), now, 2.0 * perMs);
    }
}

TEST_F(EventTranslatorTest, PositionsAreClampedToTheLogicalScreen) {
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.x = -30;
    motion.motion.y = 900;
    auto out = Translate(motion);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].kind, MessageKind::MouseMove);
    EXPECT_EQ(out[0].x, 0);
    EXPECT_EQ(out[0].y, 767);
    auto press = Translate(Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 2000, 5));
    EXPECT_EQ(press[0].x, 1023);
}

TEST_F(EventTranslatorTest, WheelNotchesBecome120AndCarryTheHeldKeysAndButtons) {
    Translate(Key(SDL_KEYDOWN, SDLK_LSHIFT));
    Translate(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 0, 0));
    SDL_Event wheel{};
    wheel.type = SDL_MOUSEWHEEL;
    wheel.wheel.y = -2;
    wheel.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
    auto out = Translate(wheel);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].wheelDelta, -240);
    EXPECT_EQ(out[0].keyFlags, platform::MK_SHIFT | platform::MK_LBUTTON);
    wheel.wheel.direction = SDL_MOUSEWHEEL_FLIPPED;
    EXPECT_EQ(Translate(wheel)[0].wheelDelta, 240);
    wheel.wheel.y = 0;  // a sideways scroll
    EXPECT_TRUE(Translate(wheel).empty());
}

TEST_F(EventTranslatorTest, KeysCarryCtrlAndRepeatAndUnknownKeysAreDropped) {
    auto plain = Translate(Key(SDL_KEYDOWN, SDLK_RETURN));
    ASSERT_EQ(plain.size(), 1u);
    EXPECT_EQ(plain[0].key, 13);
    EXPECT_FALSE(plain[0].ctrlDown);
    auto withCtrl = Translate(Key(SDL_KEYDOWN, SDLK_KP_ENTER, KMOD_RCTRL, 1));
    EXPECT_EQ(withCtrl[0].key, 13);
    EXPECT_TRUE(withCtrl[0].ctrlDown);
    EXPECT_TRUE(withCtrl[0].repeat);
    auto release = Translate(Key(SDL_KEYUP, SDLK_a, 0, 1));
    EXPECT_EQ(release[0].kind, MessageKind::KeyUp);
    EXPECT_FALSE(release[0].repeat);
    EXPECT_TRUE(Translate(Key(SDL_KEYDOWN, SDLK_VOLUMEDOWN)).empty());
}

TEST_F(EventTranslatorTest, LosingTheFocusReleasesHeldModifiersThenSaysSo) {
    Translate(Key(SDL_KEYDOWN, SDLK_LSHIFT));
    Translate(Key(SDL_KEYDOWN, SDLK_RCTRL));
    auto out = Translate(WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST));
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0].kind, MessageKind::KeyUp);
    EXPECT_EQ(out[0].key, 16);
    EXPECT_EQ(out[1].key, 17);
    EXPECT_EQ(out[2].kind, MessageKind::FocusLost);
    out = Translate(WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST));  // nothing held any more
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].kind, MessageKind::FocusLost);
}

TEST_F(EventTranslatorTest, MinimisingLosesTheDeviceAndRestoringAsksForOneReset) {
    EXPECT_EQ(translator.Status(), DeviceStatus::Ok);
    Translate(WindowEvent(SDL_WINDOWEVENT_RESTORED));
    EXPECT_EQ(translator.Status(), DeviceStatus::Ok);  // nothing was lost
    Translate(WindowEvent(SDL_WINDOWEVENT_MINIMIZED));
    EXPECT_EQ(translator.Status(), DeviceStatus::Lost);
    Translate(WindowEvent(SDL_WINDOWEVENT_RESTORED));
    EXPECT_EQ(translator.Status(), DeviceStatus::NeedsReset);
    translator.DeviceWasReset();
    EXPECT_EQ(translator.Status(), DeviceStatus::Ok);
    SDL_Event reset{};
    reset.type = SDL_RENDER_DEVICE_RESET;
    Translate(reset);
    EXPECT_EQ(translator.Status(), DeviceStatus::NeedsReset);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    EXPECT_EQ(Translate(quit)[0].kind, MessageKind::Quit);
}

}  // namespace
