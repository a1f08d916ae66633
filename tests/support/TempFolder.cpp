#include "support/TempFolder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "knobel-test-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (::mkdtemp(buffer.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    path = buffer.data();
}

TempFolder::~TempFolder() {
    std::error_code error;
    std::filesystem::remove_all(path, error);
}

void TempFolder::Write(const std::string& name, std::string_view bytes) const {
    std::ofstream file(Path(name), std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TempFolder::Read(const std::string& name) const {
    std::ifstream file(Path(name), std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

bool TempFolder::Exists(const std::string& name) const {
    std::error_code error;
    return std::filesystem::exists(Path(name), error);
}

WorkingDirectoryScope::WorkingDirectoryScope(const std::string& folder)
    : previous(std::filesystem::current_path().string()) {
    std::filesystem::current_path(folder);
}

WorkingDirectoryScope::~WorkingDirectoryScope() {
    std::error_code error;
    std::filesystem::current_path(previous, error);
}
