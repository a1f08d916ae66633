#pragma once

#include <string>
#include <vector>

// What the command line asks of one run. Nothing here is saved: a setting
// given on the command line applies to this run only.
struct CommandLine {
    bool help = false;         // --help: print the usage and end
    bool version = false;      // --version: print the version and end
    int fullscreen = -1;       // --fullscreen 1, --windowed 0, -1 as knobel.cfg says
    int language = -1;         // --language de 0, en 1, -1 as knobel.cfg says
    bool noIntro = false;      // --no-intro
    bool reportStartup = false;  // --report-startup (a diagnostic)
    std::string error;         // why the line is not understood; "" when it is
};

// Reads the arguments after the program name. Options may come in any order;
// when one is given twice (or --windowed and --fullscreen both), the last one
// counts. A value follows its option as the next argument or after '='.
// Anything else (an unknown option, a stray argument, a missing or unknown
// value, a value given to an option without one) sets `error`.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The usage text printed by --help and after a line that is not understood.
std::string CommandLineUsage(const std::string& program);
