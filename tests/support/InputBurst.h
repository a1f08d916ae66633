#pragma once

#include <cstdint>
#include <string_view>

class MyControl;

// One key pressed and released.
void PressKey(MyControl& target, uint16_t key);
// Presses the key of each character: a letter's capital, a digit's own,
// '.' and ',' with the full-stop and comma keys.
void TypeKeys(MyControl& target, std::string_view keys);

// Every kind of input a player can give, all over the screen: moves, clicks,
// drags, double clicks, right clicks, wheel notches, digits, letters, Enter,
// Backspace, blank, arrows and paging keys. It ends with every button let go
// and the pointer back at (restX, restY), so that a hover effect cannot tell
// a screen before the burst from the same screen after it. `step` thins the
// grid of positions (1: every 64 x 48 pixels).
void InputBurst(MyControl& target, int restX, int restY, int step = 1);
