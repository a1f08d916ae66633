#include "StartupReport.h"

#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

double SecondsSinceProcessStart() {
    std::ifstream file("/proc/self/stat");
    std::string stat;
    std::getline(file, stat);
    // The command name in parentheses may hold spaces: fields count from the last ')'.
    const size_t close = stat.rfind(')');
    if (close == std::string::npos) {
        return -1.0;
    }
    std::istringstream fields(stat.substr(close + 1));
    std::string field;
    // After the name: state is field 3, starttime field 22.
    unsigned long long startTicks = 0;
    for (int index = 3; index <= 22 && fields >> field; ++index) {
        if (index == 22) {
            startTicks = std::stoull(field);
        }
    }
    const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    timespec now{};
    if (startTicks == 0 || ticksPerSecond <= 0 || clock_gettime(CLOCK_BOOTTIME, &now) != 0) {
        return -1.0;
    }
    const double start = static_cast<double>(startTicks) / static_cast<double>(ticksPerSecond);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9 - start;
}

void PrintStartupReport() {
    std::printf("startup: %.3f s\n", SecondsSinceProcessStart());
    std::fflush(stdout);
}
