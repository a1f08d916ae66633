#include <iostream>
#include <string>
#include <vector>

#include "ProgramMain.h"
#include "settings/CommandLine.h"

int main(int argc, char** argv) {
    const std::string program = argc > 0 ? argv[0] : "knobelkiste";
    const CommandLine options = ParseCommandLine(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
    if (!options.error.empty()) {
        std::cerr << program << ": " << options.error << "\n\n" << CommandLineUsage(program);
        return 2;
    }
    if (options.help) {
        std::cout << CommandLineUsage(program);
        return 0;
    }
    if (options.version) {
        std::cout << "Knobelkiste " << KNOBEL_VERSION << "\n";
        return 0;
    }
    return RunProgram(options);
}
