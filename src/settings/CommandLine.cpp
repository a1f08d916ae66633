#include "settings/CommandLine.h"

namespace {

// The option's name before an '=' and whether a value came after it.
struct SplitOption {
    std::string name;
    std::string value;
    bool hasValue = false;
};

SplitOption Split(const std::string& argument) {
    const std::size_t equals = argument.find('=');
    if (equals == std::string::npos) {
        return {argument, "", false};
    }
    return {argument.substr(0, equals), argument.substr(equals + 1), true};
}

// Sets `flag` for an option without a value; false when it is not one of them.
bool SetFlag(const std::string& name, CommandLine& line) {
    if (name == "--help" || name == "-h") {
        line.help = true;
    } else if (name == "--version") {
        line.version = true;
    } else if (name == "--fullscreen") {
        line.fullscreen = 1;
    } else if (name == "--windowed") {
        line.fullscreen = 0;
    } else if (name == "--no-intro") {
        line.noIntro = true;
    } else if (name == "--report-startup") {
        line.reportStartup = true;
    } else {
        return false;
    }
    return true;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    for (std::size_t i = 0; i < arguments.size() && line.error.empty(); ++i) {
        const SplitOption option = Split(arguments[i]);
        if (option.name == "--language") {
            std::string value = option.value;
            if (!option.hasValue) {
                if (i + 1 >= arguments.size()) {
                    line.error = "--language needs a value (de or en)";
                    break;
                }
                value = arguments[++i];
            }
            if (value == "de") {
                line.language = 0;
            } else if (value == "en") {
                line.language = 1;
            } else {
                line.error = "unknown language '" + value + "' (de or en)";
            }
        } else if (SetFlag(option.name, line)) {
            if (option.hasValue) {
                line.error = option.name + " takes no value";
            }
        } else {
            line.error = "unknown option '" + arguments[i] + "'";
        }
    }
    return line;
}

std::string CommandLineUsage(const std::string& program) {
    return "Usage: " + program + " [options]\n"
           "Knobelkiste: 23 short brain-training games.\n"
           "\n"
           "Options (for this run only; nothing is saved in knobel.cfg):\n"
           "  --fullscreen       start in full screen\n"
           "  --windowed         start in a window\n"
           "  --no-intro         skip the intro\n"
           "  --language de|en   play in German (de) or English (en)\n"
           "  -h, --help         print this help and end\n"
           "  --version          print the version and end\n"
           "\n"
           "Diagnostics:\n"
           "  --report-startup   print how long the start-up took\n"
           "\n"
           "Ctrl+Enter switches between full screen and a window while playing.\n";
}
