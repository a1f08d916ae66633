#pragma once

// Runs Knobelkiste from start-up to shutdown; returns the process exit status:
// 0 after a normal quit, 1 when start-up failed. With reportStartup the
// seconds from process start to the first menu frame are printed (see
// StartupReport.h).
int RunProgram(bool reportStartup = false);
