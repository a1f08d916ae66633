#pragma once

#include <string>

struct AppState;

// Tells the player that a file could not be saved (the file as it was stays),
// the first time in a run; later failures are only written to standard error.
void ReportSaveFailure(AppState& app, const std::string& fileName);
