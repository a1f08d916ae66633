#include "platform/KeyMap.h"

#include <SDL.h>

namespace platform {

namespace {

struct KeyPair {
    SDL_Keycode keycode;
    int virtualKey;
};

// Keys whose code is not derived from their character.
constexpr KeyPair kSpecialKeys[] = {
    {SDLK_BACKSPACE, vk::Back},      {SDLK_TAB, vk::Tab},
    {SDLK_RETURN, vk::Return},       {SDLK_RETURN2, vk::Return},
    {SDLK_KP_ENTER, vk::Return},     {SDLK_ESCAPE, vk::Escape},
    {SDLK_SPACE, vk::Space},         {SDLK_LSHIFT, vk::Shift},
    {SDLK_RSHIFT, vk::Shift},        {SDLK_LCTRL, vk::Control},
    {SDLK_RCTRL, vk::Control},       {SDLK_LALT, vk::Menu},
    {SDLK_RALT, vk::Menu},           {SDLK_PAUSE, vk::Pause},
    {SDLK_CAPSLOCK, vk::Capital},    {SDLK_PAGEUP, vk::Prior},
    {SDLK_PAGEDOWN, vk::Next},       {SDLK_END, vk::End},
    {SDLK_HOME, vk::Home},           {SDLK_LEFT, vk::Left},
    {SDLK_UP, vk::Up},               {SDLK_RIGHT, vk::Right},
    {SDLK_DOWN, vk::Down},           {SDLK_INSERT, vk::Insert},
    {SDLK_DELETE, vk::Delete},       {SDLK_KP_MULTIPLY, vk::Multiply},
    {SDLK_KP_PLUS, vk::Add},         {SDLK_KP_MINUS, vk::Subtract},
    {SDLK_KP_PERIOD, vk::Decimal},   {SDLK_KP_DECIMAL, vk::Decimal},
    {SDLK_KP_COMMA, vk::Decimal},    {SDLK_KP_DIVIDE, vk::Divide},
    {SDLK_COMMA, vk::OemComma},      {SDLK_PERIOD, vk::OemPeriod},
    {SDLK_MINUS, vk::OemMinus},      {SDLK_KP_0, '0'},
    {SDLK_KP_1, '1'},                {SDLK_KP_2, '2'},
    {SDLK_KP_3, '3'},                {SDLK_KP_4, '4'},
    {SDLK_KP_5, '5'},                {SDLK_KP_6, '6'},
    {SDLK_KP_7, '7'},                {SDLK_KP_8, '8'},
    {SDLK_KP_9, '9'},
};

}  // namespace

int VirtualKeyFromKeycode(int32_t keycode) {
    if (keycode >= SDLK_a && keycode <= SDLK_z) {
        return 'A' + (keycode - SDLK_a);
    }
    if (keycode >= SDLK_0 && keycode <= SDLK_9) {
        return keycode;
    }
    if (keycode >= SDLK_F1 && keycode <= SDLK_F12) {
        return vk::F1 + (keycode - SDLK_F1);
    }
    for (const KeyPair& pair : kSpecialKeys) {
        if (pair.keycode == keycode) {
            return pair.virtualKey;
        }
    }
    return 0;
}

}  // namespace platform
