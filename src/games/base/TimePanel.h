#pragma once

#include <string>

// Seconds cut to whole seconds, never below 0 and small enough for any
// minute, hour or second count (a non-number counts as 0).
long long WholeSeconds(double seconds);

// The language text at textIndex formatted with the whole minutes and the
// remaining seconds of a time (the time panel's 63, the result pages' 22).
std::string FormatMinutesSeconds(int textIndex, double seconds);

// The panel every game shows at the top centre while it runs: the region
// (0, 700)-(300, 750) of menu2, and over it, black and centred in its 300 x 50
// rectangle, language text 63 with the minutes and seconds of the play time,
// in the same face and size in every game. A status that is not empty (what
// to do now, how far the play is) shows on a plate of its own right below,
// over whatever the game drew there.
void DrawTimePanel(double playSeconds, const std::string& status = std::string());
