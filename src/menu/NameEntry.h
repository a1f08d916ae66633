#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Typing a name for a best list with virtual-key codes: letters (lower case
// unless Shift is held), digits and the space bar add a character while the
// name is shorter than maxLength; Backspace takes the last one back.
// Returns false for every other key (the name stays as it is).
bool TypeNameKey(std::string& name, uint16_t key, bool shiftHeld, std::size_t maxLength);
