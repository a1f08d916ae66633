#pragma once

// `--report-startup`: once the first menu frame is on screen the program
// prints "startup: <seconds> s" on standard output, the seconds since the
// process started, and runs on as usual (scripts/bench reads the line, then
// measures the idle program).

// Seconds since the kernel started this process; negative when unknown. The
// start is read from /proc in whole clock ticks (10 ms on most systems),
// rounded down: the figure may read up to one tick long, never short.
double SecondsSinceProcessStart();

// Prints the startup line and flushes standard output.
void PrintStartupReport();
