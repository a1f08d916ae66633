#pragma once

#include "settings/CommandLine.h"

// Runs Knobelkiste from start-up to shutdown with the command line's choices
// for this run; returns the process exit status: 0 after a normal quit, 1
// when start-up failed.
int RunProgram(const CommandLine& options);
