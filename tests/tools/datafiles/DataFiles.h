#pragma once

#include <string>

// The bytes of a file in the repository's data folder ("" when missing).
std::string ReadDataFile(const std::string& name);
