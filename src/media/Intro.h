#pragma once

#include <string>

struct AppState;

// Plays the intro video full screen when both introEnabled and fullscreen are
// set; returns when it has ended, was cut short or could not start (silently).
// Ending it with Escape clears escapeArmed, so that the release of that key
// press never reaches the main menu. False when the player closed the program
// during the intro; start-up then ends.
bool PlayIntro(AppState& app, const std::string& fileName);

// Whether PlayIntro would play the file.
bool IntroPlays(const AppState& app, const std::string& fileName);
