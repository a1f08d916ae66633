#pragma once

#include "settings/CommandLine.h"

// Runs Knobelkiste from start-up to shutdown with the command line's choices
// for this run; returns the process exit status: 0 after a normal quit, 1
// when start-up failed. With options.reportStartup the seconds from process
// start to the first menu frame are printed (see StartupReport.h).
int RunProgram(const CommandLine& options);
