#pragma once

struct AppState;

// Right after the AppState is created: the global statistics from
// "stats.sav" (initial ones when there is no file), the settings from
// "knobel.cfg", then the language texts of the chosen language.
void LoadStartupFiles(AppState& app);

// At the end of the run: writes "knobel.cfg" and "stats.sav" and releases the
// statistics, then the game save files that could not be written during the
// run. A failure is reported once a run; the old files stay intact.
void SaveExitFiles(AppState& app);
