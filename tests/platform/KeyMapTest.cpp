#include "platform/KeyMap.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

using platform::VirtualKeyFromKeycode;

TEST(KeyMapTest, LettersAndDigitsTakeTheirUpperCaseAndDigitCodes) {
    for (SDL_Keycode key = SDLK_a; key <= SDLK_z; ++key) {
        EXPECT_EQ(VirtualKeyFromKeycode(key), 'A' + (key - SDLK_a));
    }
    for (SDL_Keycode key = SDLK_0; key <= SDLK_9; ++key) {
        EXPECT_EQ(VirtualKeyFromKeycode(key), '0' + (key - SDLK_0));
    }
}

TEST(KeyMapTest, OtherKeysTakeTheirWindowsCodesAndUnknownKeysAreDropped) {
    const struct {
        SDL_Keycode key;
        int expected;
    } cases[] = {
        {SDLK_RETURN, 13},      {SDLK_ESCAPE, 27},     {SDLK_BACKSPACE, 8},  {SDLK_SPACE, 32},
        {SDLK_TAB, 9},          {SDLK_LSHIFT, 16},     {SDLK_RSHIFT, 16},    {SDLK_LCTRL, 17},
        {SDLK_RCTRL, 17},       {SDLK_HOME, 36},       {SDLK_END, 35},       {SDLK_LEFT, 37},
        {SDLK_UP, 38},          {SDLK_RIGHT, 39},      {SDLK_DOWN, 40},      {SDLK_DELETE, 46},
        {SDLK_F1, 112},         {SDLK_F12, 123},       {SDLK_COMMA, 188},    {SDLK_PERIOD, 190},
        {SDLK_KP_0, '0'},       {SDLK_KP_1, '1'},      {SDLK_KP_2, '2'},     {SDLK_KP_3, '3'},
        {SDLK_KP_4, '4'},       {SDLK_KP_5, '5'},      {SDLK_KP_6, '6'},     {SDLK_KP_7, '7'},
        {SDLK_KP_8, '8'},       {SDLK_KP_9, '9'},      {SDLK_KP_MULTIPLY, 106}, {SDLK_KP_PLUS, 107},
        {SDLK_KP_MINUS, 109},   {SDLK_KP_PERIOD, 110}, {SDLK_KP_DIVIDE, 111}, {SDLK_KP_ENTER, 13},
        {SDLK_VOLUMEUP, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VirtualKeyFromKeycode(c.key), c.expected) << SDL_GetKeyName(c.key);
    }
}

}  // namespace
