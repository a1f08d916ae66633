#include "platform/KeyMap.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

using platform::VirtualKeyFromKeycode;
namespace vk = platform::vk;

TEST(KeyMapTest, LettersAndDigitsTakeTheirUpperCaseAndDigitCodes) {
    for (SDL_Keycode key = SDLK_a; key <= SDLK_z; ++key) {
        EXPECT_EQ(VirtualKeyFromKeycode(key), 'A' + (key - SDLK_a));
    }
    for (SDL_Keycode key = SDLK_0; key <= SDLK_9; ++key) {
        EXPECT_EQ(VirtualKeyFromKeycode(key), '0' + (key - SDLK_0));
    }
}

TEST(KeyMapTest, TheKeypadTypesDigitsAndKeepsItsOperatorCodes) {
    const SDL_Keycode keypadDigits[] = {SDLK_KP_0, SDLK_KP_1, SDLK_KP_2, SDLK_KP_3, SDLK_KP_4,
                                        SDLK_KP_5, SDLK_KP_6, SDLK_KP_7, SDLK_KP_8, SDLK_KP_9};
    for (int digit = 0; digit < 10; ++digit) {
        EXPECT_EQ(VirtualKeyFromKeycode(keypadDigits[digit]), '0' + digit);
    }
    EXPECT_EQ(VirtualKeyFromKeycode(SDLK_KP_MULTIPLY), 106);
    EXPECT_EQ(VirtualKeyFromKeycode(SDLK_KP_PLUS), 107);
    EXPECT_EQ(VirtualKeyFromKeycode(SDLK_KP_MINUS), 109);
    EXPECT_EQ(VirtualKeyFromKeycode(SDLK_KP_PERIOD), 110);
    EXPECT_EQ(VirtualKeyFromKeycode(SDLK_KP_DIVIDE), 111);
    EXPECT_EQ(VirtualKeyFromKeycode(SDLK_KP_ENTER), 13);
}

TEST(KeyMapTest, ControlAndNavigationKeysTakeTheirWindowsCodes) {
    const struct {
        SDL_Keycode key;
        int expected;
    } cases[] = {
        {SDLK_RETURN, 13}, {SDLK_ESCAPE, 27}, {SDLK_BACKSPACE, 8}, {SDLK_SPACE, 32}, {SDLK_TAB, 9},
        {SDLK_LSHIFT, 16}, {SDLK_RSHIFT, 16}, {SDLK_LCTRL, 17},    {SDLK_RCTRL, 17}, {SDLK_HOME, 36},
        {SDLK_END, 35},    {SDLK_LEFT, 37},   {SDLK_UP, 38},       {SDLK_RIGHT, 39}, {SDLK_DOWN, 40},
        {SDLK_DELETE, 46}, {SDLK_F1, 112},    {SDLK_F12, 123},     {SDLK_COMMA, 188}, {SDLK_PERIOD, 190},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VirtualKeyFromKeycode(c.key), c.expected) << SDL_GetKeyName(c.key);
    }
    EXPECT_EQ(vk::Return, 13);
    EXPECT_EQ(VirtualKeyFromKeycode(SDLK_VOLUMEUP), 0);  // unknown keys are dropped
}

}  // namespace
