#pragma once

#include <cstdint>

namespace platform {

// Windows virtual-key codes used by the program.
namespace vk {
constexpr int Back = 8;
constexpr int Tab = 9;
constexpr int Return = 13;
constexpr int Shift = 16;
constexpr int Control = 17;
constexpr int Menu = 18;
constexpr int Pause = 19;
constexpr int Capital = 20;
constexpr int Escape = 27;
constexpr int Space = 32;
constexpr int Prior = 33;
constexpr int Next = 34;
constexpr int End = 35;
constexpr int Home = 36;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int Insert = 45;
constexpr int Delete = 46;
constexpr int Multiply = 106;
constexpr int Add = 107;
constexpr int Subtract = 109;
constexpr int Decimal = 110;
constexpr int Divide = 111;
constexpr int F1 = 112;
constexpr int OemComma = 188;
constexpr int OemMinus = 189;
constexpr int OemPeriod = 190;
}  // namespace vk

// The virtual-key code of an SDL keycode, or 0 for keys the program does not
// know. Letters map to 65-90 and digits to 48-57, also on the keypad, so that
// every game that reads typed digits takes the keypad's too; the keypad's
// operators keep their own codes (106-111).
int VirtualKeyFromKeycode(int32_t keycode);

}  // namespace platform
