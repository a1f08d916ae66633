#pragma once

#include <string>

class Font;

// Seconds cut to whole seconds, never below 0 and small enough for any
// minute, hour or second count (a non-number counts as 0).
long long WholeSeconds(double seconds);

// The language text at textIndex formatted with the whole minutes and the
// remaining seconds of a time (the time panel's 63, the result pages' 22).
std::string FormatMinutesSeconds(int textIndex, double seconds);

// The panel most games show at the top centre while they run: the region
// (0, 700)-(300, 750) of menu2, and over it, black and centred in its 300 x 50
// rectangle, language text 63 with the minutes and seconds of the play time,
// followed by secondLine on a line of its own when that is not empty.
void DrawTimePanel(double playSeconds, Font* font, const std::string& secondLine = std::string());
