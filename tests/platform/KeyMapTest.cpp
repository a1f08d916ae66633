#include "platform/KeyMap.h"

#include <SDL.h>
#include <gtest/gtest.h>

// Letters take their upper-case code, digits (also on the keypad) their
// character, other keys their Windows codes; unknown keys are dropped.
TEST(KeyMapTest, EveryKeyTakesItsWindowsCodeOrNone) {
    const struct {
        SDL_Keycode key;
        int expected;
    } cases[] = {
        {SDLK_a, 'A'},        {SDLK_z, 'Z'},        {SDLK_0, '0'},      {SDLK_9, '9'},       {SDLK_KP_0, '0'},
        {SDLK_KP_9, '9'},     {SDLK_F1, 112},       {SDLK_F12, 123},    {SDLK_RETURN, 13},   {SDLK_KP_ENTER, 13},
        {SDLK_ESCAPE, 27},    {SDLK_BACKSPACE, 8},  {SDLK_RSHIFT, 16},  {SDLK_RCTRL, 17},    {SDLK_LEFT, 37},
        {SDLK_DOWN, 40},      {SDLK_KP_DIVIDE, 111}, {SDLK_COMMA, 188}, {SDLK_VOLUMEUP, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::VirtualKeyFromKeycode(c.key), c.expected) << SDL_GetKeyName(c.key);
    }
}
