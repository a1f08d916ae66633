#include <iostream>

#include "GobCommand.h"

int main(int argc, char** argv) {
    return RunGobpack(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
