#pragma once

// Runs Knobelkiste from start-up to shutdown; returns the process exit status:
// 0 after a normal quit, 1 when start-up failed.
int RunProgram();
