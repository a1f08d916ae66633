#include "DataFiles.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

std::string ReadDataFile(const std::string& name) {
    const char* root = std::getenv("KNOBEL_SOURCE_DIR");
    std::ifstream file(std::string(root ? root : ".") + "/data/" + name, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}
